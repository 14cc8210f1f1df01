#include <gtest/gtest.h>

#include "table/tournament_file.h"

using namespace krugovik;

namespace {

std::string lines(std::initializer_list<std::string> items)
{
    std::string text;
    for (const std::string &item : items)
        text += item + "\r\n";
    return text;
}

TEST(TournamentFile, ThreePlayersWriteNineteenLines)
{
    const std::vector<PlayerBlock> players = {
        {"Ivanov", 1, "1500", 1000, {"1", "0.5"}},
        {"Petrov", 2, "1600", 1000, {"0", ""}},
        {"Sidorov", 3, "1700", 1000, {"0.5", ""}},
    };
    EXPECT_EQ(writeTournamentFile(players),
              lines({" 3 ", "Ivanov", " 1 ", "1500", " 1000 ", "1", "0.5", "Petrov", " 2 ", "1600",
                     " 1000 ", "0", "", "Sidorov", " 3 ", "1700", " 1000 ", "0.5", ""}));
}

TEST(TournamentFile, IntegerItemsCarryTheirSignPosition)
{
    EXPECT_EQ(integerItem(10), " 10 ");
    EXPECT_EQ(integerItem(0), " 0 ");
    EXPECT_EQ(integerItem(-30), "-30 ");
    EXPECT_EQ(newFileContent(), " 3 " + std::string(64, '\0') + "\r\n");
}

TEST(TournamentFile, ReadsItemsTrimmedWhateverEndsTheLines)
{
    ItemReader reader(" 3 \r\n  Name, \"Q\"  \rsecond\nthird\r\n\r\nlast");
    EXPECT_EQ(reader.number(), 3);
    EXPECT_EQ(reader.text(), "Name, \"Q\"");
    EXPECT_EQ(reader.text(), "second");
    EXPECT_EQ(reader.text(), "third");
    EXPECT_EQ(reader.text(), "");
    EXPECT_EQ(reader.text(), "last");
    EXPECT_EQ(reader.text(), std::nullopt);
    EXPECT_EQ(reader.number(), std::nullopt);
}

TEST(TournamentFile, ANewFileReadsAsThreeAndEnds)
{
    ItemReader reader(newFileContent());
    EXPECT_EQ(reader.number(), 3);
    EXPECT_EQ(reader.text(), std::nullopt);
    EXPECT_EQ(foreignFileReason(newFileContent()), "");
}

TEST(TournamentFile, NulBytesAndLongLinesAreKept)
{
    const std::string longName(100000, 'x');
    ItemReader reader(std::string("a\0b\r\n", 5) + longName);
    EXPECT_EQ(reader.text(), std::string("a\0b", 3));
    EXPECT_EQ(reader.text(), longName);
}

TEST(TournamentFile, ForeignFilesAreToldApart)
{
    EXPECT_EQ(foreignFileReason(""), "");
    EXPECT_EQ(foreignFileReason(lines({" 22 "})), "");
    EXPECT_EQ(foreignFileReason("5\n"), "");
    EXPECT_NE(foreignFileReason(lines({" 2 "})), "");
    EXPECT_NE(foreignFileReason(lines({" 23 "})), "");
    EXPECT_NE(foreignFileReason(lines({"40000"})), "");
    EXPECT_NE(foreignFileReason(lines({"Dear director,"})), "");
    EXPECT_NE(foreignFileReason(lines({""})), "");
    EXPECT_NE(foreignFileReason(std::string("\x89PNG\r\n\x1a\n", 8)), "");
    EXPECT_NE(foreignFileReason(lines({" 3 ", std::string("\x01\x02", 2)})), "");
}

TEST(TournamentFile, ACutFileReadsUpToTheCut)
{
    const std::string whole = writeTournamentFile({{"A", 1, "1500", 1000, {"1", ""}},
                                                   {"B", 2, "1500", 1000, {"0", ""}},
                                                   {"C", 3, "1500", 1000, {"", ""}}});
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        ItemReader reader(whole.substr(0, length));
        std::size_t items = 0;
        while (reader.text())
            ++items;
        EXPECT_LE(items, 19u) << length;
    }
}

} // namespace
