// Players' identities in the tournament file's extension.
#include <gtest/gtest.h>

#include "table/tournament.h"
#include "table/tournament_file.h"

using namespace krugovik;

namespace {

Tournament threePlayers(const PlayerIdentity &second)
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(3);
    EXPECT_TRUE(t.enterPlayer(1, {"Петров", "1600", false, 1}).changed());
    EXPECT_TRUE(t.enterPlayer(2, {"Karpov, Anatoly", "2500", false, 2, second}).changed());
    EXPECT_TRUE(t.enterPlayer(3, {"Сидоров", "1500", false, 3}).changed());
    return t;
}

} // namespace

TEST(IdentityExtension, WrittenAndReadBackWithTheRest)
{
    const PlayerIdentity karpov{4100018, "РУС-7|%", "RUS", "GM", 'M', 1951, 2617};
    const Tournament t = threePlayers(karpov);
    const std::string bytes = t.fileBytes();
    EXPECT_NE(
        bytes.find("\r\nIDENTITY 2 4100018|%D0%A0%D0%A3%D0%A1-7%7C%25|RUS|GM|M|1951|2617\r\n"),
        std::string::npos);
    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.identity(2), karpov);
    EXPECT_TRUE(read.identity(1).empty());
    EXPECT_EQ(read.fileBytes(), bytes);
    EXPECT_EQ(read.snapshot("T", "08.12.2026").players[1].identity, karpov);
}

TEST(IdentityExtension, NoIdentityNoExtension)
{
    const std::string bytes = threePlayers({}).fileBytes();
    EXPECT_EQ(bytes.find("*KRUGOVIK"), std::string::npos);
}

TEST(IdentityExtension, BadLinesRefuseTheExtension)
{
    const std::string base = threePlayers({}).fileBytes();
    struct Case {
        const char *what;
        std::string line;
        bool reads;
    };
    const std::vector<Case> cases = {
        {"good", "IDENTITY 3 1||RUS||||", true},
        {"row beyond the table", "IDENTITY 4 1||RUS||||", false},
        {"row 0", "IDENTITY 0 1||RUS||||", false},
        {"too few fields", "IDENTITY 1 1|RUS", false},
        {"letters for an ID", "IDENTITY 1 x||RUS||||", false},
        {"cut escape", "IDENTITY 1 1|%4||||||", false},
        {"empty identity", "IDENTITY 1 ||||||", false},
    };
    for (const Case &c : cases) {
        const std::string bytes = base + "*KRUGOVIK 2\r\n" + c.line + "\r\n*END 1\r\n";
        const FileExtensionRead read = readFileExtension(bytes, 3);
        EXPECT_EQ(read.error.empty(), c.reads) << c.what << ": " << read.error;
    }
    // Rows in table order, each once.
    const std::string twice =
        base + "*KRUGOVIK 2\r\nIDENTITY 2 1||||||\r\nIDENTITY 1 2||||||\r\n*END 2\r\n";
    EXPECT_FALSE(readFileExtension(twice, 3).error.empty());
}

TEST(IdentityExtension, NamesakesWithOtherIdsEnterAndOneFideIdEntersOnce)
{
    const PlayerIdentity karpov{4100018, "", "RUS", "GM", 'M', 1951, 2617};
    const Tournament t = threePlayers(karpov); // row 2: "Karpov, Anatoly", FIDE 4100018
    struct Case {
        const char *what;
        PlayerEntry entering;
        EntryRefusal refusal;
        int row;
    };
    const PlayerIdentity otherKarpov{4100999, "", "RUS", "", 'M', 2012, 1400};
    const PlayerIdentity nationalOnly{0, "77120", "RUS", "", 'M', 2012, 0};
    const std::vector<Case> cases = {
        {"a namesake with another FIDE ID",
         {"Karpov, Anatoly", "1400", false, 5, otherKarpov},
         EntryRefusal::None,
         0},
        {"the same name and FIDE ID: the same player",
         {"Karpov, Anatoly", "2500", false, 6, karpov},
         EntryRefusal::AlreadyEntered,
         2},
        {"the same name, no ID to tell him apart",
         {"Karpov, Anatoly", "2500", false, 7},
         EntryRefusal::AlreadyEntered,
         2},
        {"the same name, only a national ID on one side",
         {"Karpov, Anatoly", "2500", false, 7, nationalOnly},
         EntryRefusal::AlreadyEntered,
         2},
        {"his FIDE ID under another name",
         {"Карпов Анатолий", "2500", false, 8, karpov},
         EntryRefusal::SameFideId,
         2},
        {"into his own row", {"Карпов Анатолий", "2500", false, 8, karpov}, EntryRefusal::None, 0},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.what);
        // The last case enters row 2, the others row 3.
        const EntryCheck check = t.checkEntry(i + 1 == cases.size() ? 2 : 3, c.entering);
        EXPECT_EQ(check.refusal, c.refusal);
        EXPECT_EQ(check.row, c.row);
    }
    // Namesakes told apart by their federation's numbers are two players as well.
    Tournament national;
    national.load(std::nullopt);
    national.layOutForCount(3);
    PlayerIdentity first{0, "77120", "RUS", "", 'M', 2012, 0};
    PlayerIdentity second{0, "77121", "RUS", "", 'M', 2013, 0};
    EXPECT_TRUE(national.enterPlayer(1, {"Щербаков Илья", "1705", false, 1, first}).changed());
    EXPECT_TRUE(national.enterPlayer(2, {"Щербаков Илья", "1520", false, 2, second}).changed());
    EXPECT_EQ(national.name(1), national.name(2));
}
