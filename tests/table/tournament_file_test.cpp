#include <gtest/gtest.h>

#include <algorithm>

#include "table/tournament_file.h"

using namespace krugovik;
using namespace std::string_literals;

namespace {

// Иванов, Петров, Сидоров in Windows-1251.
const std::string kIvanov = "\xC8\xE2\xE0\xED\xEE\xE2";
const std::string kPetrov = "\xCF\xE5\xF2\xF0\xEE\xE2";
const std::string kSidorov = "\xD1\xE8\xE4\xEE\xF0\xEE\xE2";

// Player 1 beat 2 and drew with 3; 2 against 3 is not played; all established, records 1-3.
const std::vector<PlayerBlock> kThreePlayers = {
    {kIvanov, 1, "1500", 1000, {"1", "0.5"}},
    {kPetrov, 2, "1600", 1000, {"0", ""}},
    {kSidorov, 3, "1700", 1000, {"0.5", ""}},
};

const std::string kThreePlayersFile = " 3 \r\n"
                                      "\xC8\xE2\xE0\xED\xEE\xE2\r\n"
                                      " 1 \r\n"
                                      "1500\r\n"
                                      " 1000 \r\n"
                                      "1\r\n"
                                      "0.5\r\n"
                                      "\xCF\xE5\xF2\xF0\xEE\xE2\r\n"
                                      " 2 \r\n"
                                      "1600\r\n"
                                      " 1000 \r\n"
                                      "0\r\n"
                                      "\r\n"
                                      "\xD1\xE8\xE4\xEE\xF0\xEE\xE2\r\n"
                                      " 3 \r\n"
                                      "1700\r\n"
                                      " 1000 \r\n"
                                      "0.5\r\n"
                                      "\r\n";

void expectSameBlocks(const std::vector<PlayerBlock> &actual,
                      const std::vector<PlayerBlock> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("player " + std::to_string(i + 1));
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].baseRecordNo, expected[i].baseRecordNo);
        EXPECT_EQ(actual[i].rating, expected[i].rating);
        EXPECT_EQ(actual[i].correctionMark, expected[i].correctionMark);
        EXPECT_EQ(actual[i].results, expected[i].results);
        EXPECT_EQ(actual[i].headItemsRead, kBlockHeadItems);
    }
}

std::size_t lineEnds(const std::string &file)
{
    return static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n'));
}

TEST(TournamentFileWriting, TheThreePlayerExampleIsNineteenLinesToTheByte)
{
    EXPECT_EQ(writeTournamentFile(kThreePlayers), kThreePlayersFile);
    EXPECT_EQ(tournamentLineCount(3), 19);
}

TEST(TournamentFileReading, TheThreePlayerExampleReadsBackWhole)
{
    const TournamentFile file = readTournamentFile(kThreePlayersFile);
    EXPECT_EQ(file.playerCount, 3);
    EXPECT_TRUE(file.complete());
    expectSameBlocks(file.players, kThreePlayers);
}

TEST(TournamentFile, AFivePlayerTournamentRoundTrips)
{
    std::vector<PlayerBlock> players = {
        {"Smith, John \"Jr\"", 12, "1550", 1000, {"+", "-", "0.5", ""}},
        {"", 0, "", 0, {"-", "1", "0", "0.5"}},
        {"\xC0\xEB\xB8\xED\xE0", 32767, "2999", -30, {"0.5", "0", "1", "+"}},
        {"O'Neil", 4, "1000", -32768, {"", "1", "0", "-"}},
        {"E", 5, "1200", 45, {"", "0.5", "-", "+"}},
    };
    const std::string bytes = writeTournamentFile(players);
    EXPECT_EQ(lineEnds(bytes), std::size_t(tournamentLineCount(5)));
    EXPECT_NE(bytes.find("\r\n-30 \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nSmith, John \"Jr\"\r\n"), std::string::npos);
    const TournamentFile file = readTournamentFile(bytes);
    EXPECT_EQ(file.playerCount, 5);
    EXPECT_TRUE(file.complete());
    expectSameBlocks(file.players, players);
    EXPECT_EQ(writeTournamentFile(file.players), bytes);
}

struct IntegerItemCase {
    const char *name;
    std::int64_t value;
    const char *item;
};

class IntegerItems : public ::testing::TestWithParam<IntegerItemCase> {};

TEST_P(IntegerItems, SignOrBlankThenDigitsAndABlank)
{
    EXPECT_EQ(integerItem(GetParam().value), GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(Values, IntegerItems,
                         ::testing::Values(IntegerItemCase{"Zero", 0, " 0 "},
                                           IntegerItemCase{"Three", 3, " 3 "},
                                           IntegerItemCase{"Ten", 10, " 10 "},
                                           IntegerItemCase{"Established", 1000, " 1000 "},
                                           IntegerItemCase{"NegativeMark", -30, "-30 "},
                                           IntegerItemCase{"Lowest16Bit", -32768, "-32768 "}),
                         [](const auto &info) { return std::string(info.param.name); });

struct NumberLineCase {
    const char *name;
    const char *line;
    int value;
};

class NumberLines : public ::testing::TestWithParam<NumberLineCase> {};

TEST_P(NumberLines, ReadAsLeadingNumberHeldIn16Bits)
{
    ItemReader reader(GetParam().line);
    EXPECT_EQ(reader.number(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, NumberLines,
    ::testing::Values(
        NumberLineCase{"Written", " 1000 ", 1000}, NumberLineCase{"Negative", "-30 ", -30},
        NumberLineCase{"HalfToEvenDown", "2.5", 2}, NumberLineCase{"HalfToEvenUp", " 3.5 ", 4},
        NumberLineCase{"TrailingText", "12abc", 12}, NumberLineCase{"NoNumber", "abc", 0},
        NumberLineCase{"BlanksOnly", "   ", 0}, NumberLineCase{"TabIsNoBlank", "\t7", 0},
        NumberLineCase{"BeyondSixteenBits", "40000", 40000},
        NumberLineCase{"HeldAtTop", "99999999999999999999", 1000000000},
        NumberLineCase{"HeldAtBottom", "-99999999999999999999", -1000000000}),
    [](const auto &info) { return std::string(info.param.name); });

std::string withLineEnds(const std::string &file, const std::string &end)
{
    std::string result;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t next = file.find("\r\n", at);
        result += file.substr(at, next - at) + end;
        at = next + 2;
    }
    return result;
}

struct LineEndCase {
    const char *name;
    std::string file;
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, ReadTheSameTournament)
{
    const TournamentFile file = readTournamentFile(GetParam().file);
    EXPECT_TRUE(file.complete());
    expectSameBlocks(file.players, kThreePlayers);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds,
    ::testing::Values(LineEndCase{"LoneCR", withLineEnds(kThreePlayersFile, "\r")},
                      LineEndCase{"LoneLF", withLineEnds(kThreePlayersFile, "\n")},
                      LineEndCase{"Mixed", " 3 \n" + kIvanov + "\r 1 \r\n1500\n 1000 \r1\n0.5\r" +
                                               kPetrov + "\r\n 2 \n1600\r 1000 \n0\r\n\n" +
                                               kSidorov + "\r 3 \r1700\n 1000 \n0.5\r\n\r"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TournamentFileReading, LinesAreTrimmedOfSpacesOnlyAndKeptOtherwise)
{
    ItemReader reader("  Name, \"Q\"  \r\n\tTabbed\t\r\n2\r\na\0b \r\r\n \r\nlast"s);
    EXPECT_EQ(reader.text(), "Name, \"Q\"");
    EXPECT_EQ(reader.text(), "\tTabbed\t");
    EXPECT_EQ(reader.text(), "2");
    EXPECT_EQ(reader.text(), "a\0b"s);
    EXPECT_EQ(reader.text(), ""); // CR then CR LF: an empty line between
    EXPECT_EQ(reader.text(), "");
    EXPECT_EQ(reader.text(), "last");
    EXPECT_EQ(reader.text(), std::nullopt);
    EXPECT_EQ(reader.number(), std::nullopt);
}

TEST(TournamentFileReading, AResultTwoIsKeptForTheWindowToEmpty)
{
    std::string bytes = kThreePlayersFile;
    bytes.replace(bytes.find("\r\n0\r\n"), 5, "\r\n2\r\n");
    const TournamentFile file = readTournamentFile(bytes);
    EXPECT_TRUE(file.complete());
    EXPECT_EQ(file.players[1].results, (std::vector<std::string>{"2", ""}));
}

TEST(TournamentFileReading, LongLinesAndNulBytesAreKept)
{
    const std::string longName(1'000'000, 'x');
    std::string bytes = kThreePlayersFile;
    bytes.replace(bytes.find(kIvanov), kIvanov.size(), longName);
    bytes.replace(bytes.find(kPetrov), kPetrov.size(), "P\0e\0"s);
    const TournamentFile file = readTournamentFile(bytes);
    EXPECT_TRUE(file.complete());
    EXPECT_EQ(file.players[0].name, longName);
    EXPECT_EQ(file.players[1].name, "P\0e\0"s);
    EXPECT_EQ(classifyTournamentFile(bytes), FileKind::Tournament);
}

TEST(TournamentFileReading, ANewFileIsAnEmptyThreePlayerTournament)
{
    EXPECT_EQ(newFileContent(), " 3 " + std::string(64, '\0') + "\r\n");
    const TournamentFile file = readTournamentFile(newFileContent());
    EXPECT_EQ(file.playerCount, 3);
    EXPECT_TRUE(file.players.empty());
    EXPECT_FALSE(file.complete());
    EXPECT_EQ(classifyTournamentFile(newFileContent()), FileKind::Tournament);
}

TEST(TournamentFileReading, ACountOutsideTheRangeReadsNoBlock)
{
    const std::string rest = kThreePlayersFile.substr(5);
    for (const auto &[line, count] :
         std::vector<std::pair<std::string, int>>{{" 2 ", 2}, {" 23 ", 23}, {"40000", 40000}}) {
        const TournamentFile file = readTournamentFile(line + "\r\n" + rest);
        EXPECT_EQ(file.playerCount, count) << line;
        EXPECT_TRUE(file.players.empty()) << line;
        EXPECT_FALSE(file.complete()) << line;
    }
    EXPECT_EQ(readTournamentFile("").playerCount, std::nullopt);
}

TEST(TournamentFileReading, ALastLineWithoutItsEndIsRead)
{
    std::vector<PlayerBlock> players = kThreePlayers;
    players[2].results.back() = "+";
    const std::string bytes = writeTournamentFile(players);
    const TournamentFile file = readTournamentFile(bytes.substr(0, bytes.size() - 2));
    EXPECT_TRUE(file.complete());
    expectSameBlocks(file.players, players);
}

TEST(TournamentFileReading, LinesAfterTheLastBlockAreIgnored)
{
    const TournamentFile file = readTournamentFile(kThreePlayersFile + "extra\r\n 7 \r\n");
    EXPECT_TRUE(file.complete());
    expectSameBlocks(file.players, kThreePlayers);
}

struct CutCase {
    const char *name;
    int lines;               // whole lines left of the example
    std::size_t blocks;      // blocks begun
    int headItemsRead;       // of the last block begun
    std::size_t resultsRead; // of the last block begun
};

class CutAfterLines : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutAfterLines, TheLastBlockHoldsWhatWasRead)
{
    std::size_t length = 0;
    for (int k = 0; k < GetParam().lines; ++k)
        length = kThreePlayersFile.find("\r\n", length) + 2;
    const TournamentFile file = readTournamentFile(kThreePlayersFile.substr(0, length));
    ASSERT_EQ(file.players.size(), GetParam().blocks);
    EXPECT_EQ(file.complete(), GetParam().lines == 19);
    if (GetParam().blocks == 0)
        return;
    const PlayerBlock &last = file.players.back();
    EXPECT_EQ(last.headItemsRead, GetParam().headItemsRead);
    EXPECT_EQ(last.results.size(), GetParam().resultsRead);
    EXPECT_TRUE(last.holds(BlockItem::Name));
    EXPECT_EQ(last.holds(BlockItem::Rating), GetParam().headItemsRead >= 3);
    EXPECT_EQ(last.holds(BlockItem::CorrectionMark), GetParam().headItemsRead == 4);
    // What a block holds is what the file said.
    const PlayerBlock &whole = kThreePlayers[GetParam().blocks - 1];
    EXPECT_EQ(last.name, whole.name);
    if (last.holds(BlockItem::BaseRecordNo)) {
        EXPECT_EQ(last.baseRecordNo, whole.baseRecordNo);
    }
    for (std::size_t k = 0; k < last.results.size(); ++k)
        EXPECT_EQ(last.results[k], whole.results[k]);
}

INSTANTIATE_TEST_SUITE_P(
    Example, CutAfterLines,
    ::testing::Values(CutCase{"CountOnly", 1, 0, 0, 0}, CutCase{"FirstName", 2, 1, 1, 0},
                      CutCase{"FirstRecordNo", 3, 1, 2, 0}, CutCase{"FirstRating", 4, 1, 3, 0},
                      CutCase{"FirstMark", 5, 1, 4, 0}, CutCase{"FirstResult", 6, 1, 4, 1},
                      CutCase{"FirstBlock", 7, 1, 4, 2}, CutCase{"SecondName", 8, 2, 1, 0},
                      CutCase{"LastButOne", 18, 3, 4, 1}, CutCase{"Whole", 19, 3, 4, 2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TournamentFileReading, ACutAtEveryByteReadsTheLinesBeforeIt)
{
    const std::string whole = writeTournamentFile(kThreePlayers);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const std::string cut = whole.substr(0, length);
        // Every line begun counts, the cut one included; a CR cut from its LF ends a line.
        const bool lineBegun = !cut.empty() && cut.back() != '\n';
        const std::size_t expectedItems = lineEnds(cut) + (lineBegun ? 1 : 0);
        std::size_t items = 0;
        ItemReader reader(cut);
        while (reader.text())
            ++items;
        EXPECT_EQ(items, expectedItems) << length;
        const TournamentFile file = readTournamentFile(cut);
        // The empty last result exists once its line has begun with the CR.
        EXPECT_EQ(file.complete(), length >= whole.size() - 1) << length;
        ASSERT_LE(file.players.size(), 3u) << length;
        for (std::size_t i = 0; i + 1 < file.players.size(); ++i)
            EXPECT_EQ(file.players[i].results, kThreePlayers[i].results) << length;
    }
}

TEST(TournamentFileWriting, EveryBlockGetsExactlyItsResultLines)
{
    std::vector<PlayerBlock> players = kThreePlayers;
    players[0].results = {"1"};                  // one short
    players[1].results = {"0", "", "1", "0.5"};  // two too many
    players[2].name = "Two\r\nlines\rand\nmore"; // would end the line early
    const std::string bytes = writeTournamentFile(players);
    EXPECT_EQ(lineEnds(bytes), std::size_t(tournamentLineCount(3)));
    const TournamentFile file = readTournamentFile(bytes);
    ASSERT_TRUE(file.complete());
    EXPECT_EQ(file.players[0].results, (std::vector<std::string>{"1", ""}));
    EXPECT_EQ(file.players[1].results, (std::vector<std::string>{"0", ""}));
    EXPECT_EQ(file.players[2].name, "Two  lines and more");
    EXPECT_EQ(file.players[2].rating, "1700");
}

struct KindCase {
    const char *name;
    std::string bytes;
    FileKind kind;
};

class FileKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(FileKinds, AreToldApart)
{
    EXPECT_EQ(classifyTournamentFile(GetParam().bytes), GetParam().kind);
    EXPECT_EQ(foreignFileReason(GetParam().bytes).empty(), !isForeign(GetParam().kind));
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileKinds,
    ::testing::Values(KindCase{"NewFile", newFileContent(), FileKind::Tournament},
                      KindCase{"Example", kThreePlayersFile, FileKind::Tournament},
                      KindCase{"CutInTheFirstBlock", " 5 \r\nName\r\n", FileKind::Tournament},
                      KindCase{"TwentyTwoNoEnd", " 22 ", FileKind::Tournament},
                      KindCase{"CountWithText", "4 players\n", FileKind::Tournament},
                      KindCase{"TabInAName", " 3 \r\nA\tB\r\n", FileKind::Tournament},
                      KindCase{"Empty", "", FileKind::Empty},
                      KindCase{"Two", " 2 \r\n", FileKind::CountOutOfRange},
                      KindCase{"TwentyThree", " 23 \r\n", FileKind::CountOutOfRange},
                      KindCase{"Negative", "-3\r\n", FileKind::CountOutOfRange},
                      KindCase{"HalfRoundsToZero", ".5\r\n", FileKind::CountOutOfRange},
                      KindCase{"Letter", "Dear director,\r\n5\r\n", FileKind::NoCount},
                      KindCase{"EmptyFirstLine", "\r\n 3 \r\n", FileKind::NoCount},
                      KindCase{"SignAlone", "-\r\n", FileKind::NoCount},
                      KindCase{"TabBeforeCount", "\t3\r\n", FileKind::NoCount},
                      KindCase{"Png", "\x89PNG\r\n\x1a\n", FileKind::BinaryData},
                      KindCase{"ControlBytesLater", " 3 \r\nA\r\n\x01\r\n", FileKind::BinaryData},
                      KindCase{"Escape", " 3 \r\nA\r\n\x1b[\r\n", FileKind::BinaryData}),
    [](const auto &info) { return std::string(info.param.name); });

// Names and ratings may hold any byte; the lines around them may not.
INSTANTIATE_TEST_SUITE_P(
    Structure, FileKinds,
    ::testing::Values(
        KindCase{"EscapeInARecordNumber", " 3 \r\nA\x1b[0m\r\n\x1b 1\r\n", FileKind::BinaryData},
        KindCase{"ControlByteInTheCount", " 3\x07\r\n", FileKind::BinaryData},
        KindCase{"ControlBytesAfterTheLastBlock", kThreePlayersFile + "\x01\r\n",
                 FileKind::BinaryData},
        KindCase{"BellInAName",
                 " 3 \r\nA\x07"
                 "B\r\n",
                 FileKind::Tournament},
        KindCase{"EscapeInARating",
                 " 3 \r\nA\r\n 1 \r\n15\x1b"
                 "00\r\n",
                 FileKind::Tournament},
        KindCase{"EndOfFileMark", kThreePlayersFile + "\x1a", FileKind::Tournament},
        KindCase{"EndOfFileMarkOnTheLastLine", " 3 \x1a\x1a", FileKind::Tournament},
        KindCase{"EndOfFileMarkAlone", "\x1a", FileKind::Empty},
        KindCase{"EndOfFileMarkInAResult", " 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n\x1a\r\n",
                 FileKind::BinaryData},
        KindCase{"LetterWithControlBytes", "Dear\x07\r\n", FileKind::BinaryData},
        KindCase{"CountOutOfRangeWithControlBytes", " 40 \r\n\x07\r\n", FileKind::BinaryData}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TournamentFileReading, EndOfFileMarksAfterTheLastLineAreIgnored)
{
    for (const std::string &tail : {"\x1a"s, "\x1a\x1a\x1a"s}) {
        const TournamentFile file = readTournamentFile(kThreePlayersFile + tail);
        EXPECT_TRUE(file.complete());
        expectSameBlocks(file.players, kThreePlayers);
    }
    // Without its line end the last line loses the mark, not its text.
    const std::string cut = kThreePlayersFile.substr(0, kThreePlayersFile.size() - 4);
    const TournamentFile file = readTournamentFile(cut + "\x1a");
    EXPECT_EQ(file.players[2].results, (std::vector<std::string>{"0.5"}));
    EXPECT_EQ(readTournamentFile("\x1a").playerCount, std::nullopt);
    EXPECT_EQ(withoutEndOfFileMark("a\x1a b\x1a\x1a"), "a\x1a b");
}

TEST(TournamentFileWriting, NamesAndRatingsWithAnyByteLoadAgainToTheByte)
{
    // Every byte but the line ends, in a name and a rating, as a base may hand them over.
    std::string anyByte;
    for (int c = 0; c < 256; ++c) {
        if (c != '\r' && c != '\n')
            anyByte += char(c);
    }
    std::vector<PlayerBlock> players = kThreePlayers;
    players[0].name = "A" + anyByte + "Z";
    players[1].name = "\x07";
    players[2].rating = "15\x1a"
                        "0";
    const std::string bytes = writeTournamentFile(players);
    EXPECT_EQ(classifyTournamentFile(bytes), FileKind::Tournament);
    EXPECT_TRUE(foreignFileReason(bytes).empty());
    const TournamentFile file = readTournamentFile(bytes);
    ASSERT_TRUE(file.complete());
    expectSameBlocks(file.players, players);
    EXPECT_EQ(writeTournamentFile(file.players), bytes);
}

TEST(TournamentFile, TheReasonNamesTheRefusedCount)
{
    EXPECT_NE(foreignFileReason(" 40000 \r\n").find("40000"), std::string::npos);
    EXPECT_NE(foreignFileReason(" 23 \r\n").find("23"), std::string::npos);
}

} // namespace
