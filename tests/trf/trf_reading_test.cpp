// Files from outside: their encodings and line ends, codes the format lacks, events that
// are no round robin, round robins numbered otherwise, and what --check says of each.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "export/trf_export.h"
#include "trf/random_tournament.h"
#include "trf/trf_check.h"
#include "trf/trf_command.h"
#include "trf/trf_import.h"
#include "trf/trf_numbering.h"
#include "trf/trf_reader.h"
#include "trf/trf_test_files.h"

using namespace krugovik;
using trf_test_files::playerLine;
using trf_test_files::relabelled;

namespace {

// Three players, one cycle: 1 beat 2, 2 beat 3, 3 beat 1, each with one point.
std::string threePlayers(const std::string &head, const std::string &first = "Aaaaaa, Bbbb",
                         const std::string &end = "\r\n")
{
    return head + "012 Club" + end + "142 3" + end +
           playerLine(1, first, "1.0", 1, {"0000 - Z", "   2 w 1", "   3 b 0"}) + end +
           playerLine(2, "Second", "1.0", 1, {"   3 w 1", "   1 b 0", "0000 - Z"}) + end +
           playerLine(3, "Third", "1.0", 1, {"   2 b 0", "0000 - Z", "   1 w 1"}) + end;
}

std::string replacedAll(std::string text, const std::string &from, const std::string &to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

struct Decoding {
    std::string name;
    std::string bytes;
    TrfEncoding encoding;
    std::string firstName; // as UTF-8
};

void PrintTo(const Decoding &d, std::ostream *out)
{
    *out << d.name;
}

class Reads : public testing::TestWithParam<Decoding> {};

// Every field after a wide name stays at its column, and the games read as written.
TEST_P(Reads, TheFileWholeWithColumnsInCharacters)
{
    const TrfReadResult read = readTrf(GetParam().bytes);
    ASSERT_TRUE(read.ok()) << read.errors.front().line << ": " << read.errors.front().reason;
    EXPECT_EQ(read.file.encoding, GetParam().encoding);
    ASSERT_EQ(read.file.players.size(), 3u);
    EXPECT_EQ(read.file.players[0].name, GetParam().firstName);
    EXPECT_EQ(read.file.players[0].rank, 1);
    EXPECT_EQ(read.file.players[0].points, Fixed::fromInt(1));
    EXPECT_EQ(read.file.players[0].rounds[1].opponent, 2);
    EXPECT_EQ(read.file.first("012"), "Club");
    EXPECT_TRUE(read.file.unknown.empty());
    EXPECT_TRUE(checkTrf(read.file).empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, Reads, testing::Values(
    Decoding{"Ascii", threePlayers(""), TrfEncoding::Ascii, "Aaaaaa, Bbbb"},
    Decoding{"Utf8Name", threePlayers("", "Müller, Jörg"), TrfEncoding::Utf8, "Müller, Jörg"},
    Decoding{"Utf8Cyrillic", threePlayers("", "Щукин Юрий"), TrfEncoding::Utf8, "Щукин Юрий"},
    Decoding{"ByteOrderMark", threePlayers("\xEF\xBB\xBF", "Müller, Jörg"),
             TrfEncoding::Utf8WithBom, "Müller, Jörg"},
    Decoding{"ByteOrderMarkAscii", threePlayers("\xEF\xBB\xBF"), TrfEncoding::Utf8WithBom,
             "Aaaaaa, Bbbb"},
    Decoding{"Latin1", threePlayers("", "H\xE9l\xE8ne, Anne"), TrfEncoding::Windows1252,
             "Hélène, Anne"},
    Decoding{"Windows1252Quote", threePlayers("", "O\x92Neil, Sean"), TrfEncoding::Windows1252,
             "O’Neil, Sean"},
    Decoding{"CarriageReturnsOnly", threePlayers("", "Aaaaaa, Bbbb", "\r"), TrfEncoding::Ascii,
             "Aaaaaa, Bbbb"},
    Decoding{"LineFeedsOnly", threePlayers("", "Aaaaaa, Bbbb", "\n"), TrfEncoding::Ascii,
             "Aaaaaa, Bbbb"},
    Decoding{"BlankLinesAndTrailingBlanks",
             "\r\n   \r\n" + replacedAll(threePlayers(""), "\r\n", "   \r\n\r\n") + "\r\n \r\n",
             TrfEncoding::Ascii, "Aaaaaa, Bbbb"}),
    [](const testing::TestParamInfo<Decoding> &info) { return info.param.name; });
// clang-format on

TEST(TrfText, LineEndsOfEveryKind)
{
    EXPECT_EQ(trfLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
    EXPECT_EQ(trfLines("a\n\nb\r\n"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_EQ(trfLines("a\r\r\n"), (std::vector<std::string_view>{"a", ""}));
    EXPECT_TRUE(trfLines("").empty());
}

TEST(TrfText, ColumnsAreCharacters)
{
    const TrfColumns line("ab\xD0\xAF\xC3\xA9"
                          "cd");
    EXPECT_EQ(line.size(), 6u);
    EXPECT_EQ(line.field(3, 2), "Яé");
    EXPECT_EQ(line.field(5, 4), "cd  ");
    EXPECT_EQ(line.replaced(2, 3, "xyz"), "axyzcd");
    EXPECT_EQ(line.replaced(8, 2, "12"), "abЯécd 12");
}

// Lines of codes the format lacks are findings with their line; its own are not.
TEST(Reader, ListsUnknownCodesAndKnowsTheFormatsOwn)
{
    const std::string seventh = "101    7 m    Seventh, Player";
    const std::string text = "### a comment\r\nXXR 3\r\nBBW 1.0\r\n092 Individual: Round Robin\r\n"
                             "172 NOR OTHER\r\n" +
                             threePlayers("") + "NOR    1                      1850\r\n" + seventh +
                             "\r\n999 what\r\n";
    const TrfReadResult read = readTrf(text);
    ASSERT_TRUE(read.ok()) << read.errors.front().reason;
    ASSERT_EQ(read.file.unknown.size(), 2u);
    EXPECT_EQ(read.file.unknown[0].line, 12);
    EXPECT_EQ(read.file.unknown[0].code, "101");
    EXPECT_EQ(read.file.unknown[1].line, 13);
    EXPECT_EQ(read.file.unknown[1].code, "999");
    ASSERT_EQ(read.file.national.size(), 1u);
    EXPECT_EQ(read.file.national[0].federation, "NOR");
    EXPECT_EQ(read.file.national[0].number, 1);
    EXPECT_EQ(read.file.national[0].line, 11);
    // Without 172 a federation's line is as unknown as any.
    const TrfReadResult bare = readTrf(threePlayers("") + "NOR    1          1850\r\n");
    ASSERT_EQ(bare.file.unknown.size(), 1u);
    EXPECT_EQ(bare.file.unknown[0].code, "NOR");
}

// A 092 that names another kind of event puts the file out of scope; one that names a
// round robin, or none, does not.
TEST(Checker, A092OfAnotherKindIsOutOfScope)
{
    struct Case {
        std::string type;
        bool inScope;
    };
    for (const Case &c : {Case{"Individual: Swiss-System", false}, Case{"Swiss", false},
                          Case{"Team: Round Robin", false}, Case{"Individual: Scheveningen", false},
                          Case{"Individual: Round-Robin", true}, Case{"Round Robin", true},
                          Case{"Individual: Double Round Robin", true}, Case{"Berger", true}}) {
        const TrfReadResult read = readTrf("092 " + c.type + "\r\n" + threePlayers(""));
        ASSERT_TRUE(read.ok());
        const auto why = outOfScope(read.file);
        EXPECT_EQ(!why.has_value(), c.inScope) << c.type;
        if (why) {
            EXPECT_NE(why->reason.find("092"), std::string::npos) << why->reason;
        }
    }
}

// ---- Renumbering ----

std::string generated(int players, int cycles, std::uint64_t seed)
{
    RandomTournamentOptions o;
    o.players = players;
    o.cycles = cycles;
    o.seed = seed;
    o.tieBreaks = {*tieBreakFromCode("DE"), *tieBreakFromCode("WIN"), *tieBreakFromCode("SB")};
    return exportTrf(randomTournament(o));
}

TEST(Renumbering, TwoPlayersSwappedAreFoundAndImported)
{
    const std::string trf = relabelled(generated(6, 1, 4), {0, 1, 2, 3, 4, 6, 5});
    const TrfReadResult read = readTrf(trf);
    ASSERT_TRUE(read.ok());
    // Today's import refuses it: the pairings are not the table's as numbered.
    TrfError why;
    bool ok = false;
    importTrf(read.file, why, ok);
    EXPECT_FALSE(ok);
    const auto renumbering = bergerRenumbering(read.file);
    ASSERT_TRUE(renumbering);
    EXPECT_EQ(renumberingText(*renumbering), "5 ↔ 6");
    const TrfFile file = renumbered(read.file, *renumbering);
    EXPECT_TRUE(checkTrf(file).empty());
    const ImportedTournament imported = importTrf(file, why, ok);
    ASSERT_TRUE(ok) << why.reason;
    EXPECT_EQ(imported.players.size(), 6u);
    // The file's fifth player is the tournament's sixth.
    EXPECT_EQ(imported.players[5].name, read.file.players[4].name);
}

// A national rating record follows its player to his new number, columns and all.
TEST(Renumbering, NationalRecordsFollowTheirPlayers)
{
    const std::string record = "NOR    5                                        1850";
    const std::string trf = "172 NOR OTHER\r\n" +
                            relabelled(generated(6, 1, 4), {0, 1, 2, 3, 4, 6, 5}) + record + "\r\n";
    const TrfReadResult read = readTrf(trf);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.file.national.size(), 1u);
    const auto renumbering = bergerRenumbering(read.file);
    ASSERT_TRUE(renumbering);
    const TrfFile file = renumbered(read.file, *renumbering);
    EXPECT_EQ(file.national[0].number, 6);
    EXPECT_EQ(file.national[0].text, "NOR    6" + record.substr(8));
}

TEST(Renumbering, ANumberingTheFileAlreadyFollowsIsKept)
{
    const TrfReadResult read = readTrf(generated(7, 2, 11));
    ASSERT_TRUE(read.ok());
    const auto renumbering = bergerRenumbering(read.file);
    ASSERT_TRUE(renumbering);
    EXPECT_TRUE(keepsNumbers(*renumbering));
    EXPECT_EQ(renumberingText(*renumbering), "");
}

TEST(Renumbering, TextShowsSwapsAndLongerCycles)
{
    EXPECT_EQ(renumberingText({0, 3, 2, 7, 5, 4, 6, 1}), "1 → 3 → 7 → 1; 4 ↔ 5");
}

// Any shuffle of any size and cycles is undone into the Berger table, fast, and the
// places the file gives still agree.
TEST(Renumbering, AnyShuffleOfAnyRoundRobinIsFound)
{
    std::mt19937 random(20261209);
    for (int k = 0; k < 60; ++k) {
        const int n = 3 + k % 20;
        const int cycles = 1 + k % 4;
        std::vector<int> shuffle(std::size_t(n) + 1);
        for (int p = 0; p <= n; ++p)
            shuffle[std::size_t(p)] = p;
        std::shuffle(shuffle.begin() + 1, shuffle.end(), random);
        const TrfReadResult read =
            readTrf(relabelled(generated(n, cycles, std::uint64_t(k) + 1), shuffle));
        ASSERT_TRUE(read.ok()) << k;
        const auto start = std::chrono::steady_clock::now();
        const auto renumbering = bergerRenumbering(read.file);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << n;
        ASSERT_TRUE(renumbering) << n << " players, " << cycles << " cycles";
        EXPECT_EQ(checkTrf(renumbered(read.file, *renumbering)), std::vector<std::string>{})
            << n << " players, " << cycles << " cycles";
    }
}

TEST(Renumbering, NoneWhenTheColoursFitNoNumbering)
{
    const TrfReadResult read = readTrf(threePlayers(""));
    ASSERT_TRUE(read.ok());
    TrfFile file = read.file;
    // Player 2 White in both his games: the table gives each of three players White once.
    file.players[0].rounds[1].colour = 'b';
    file.players[1].rounds[1].colour = 'w';
    EXPECT_FALSE(bergerRenumbering(file));
}

// ---- The command ----

struct CheckCase {
    std::string name;
    std::string text;
    int status;
    std::string says; // in the output (status 0 and 1) or the errors (status 2)
};

void PrintTo(const CheckCase &c, std::ostream *out)
{
    *out << c.name;
}

class CheckCommand : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckCommand, ExitStatusAndMessage)
{
    const std::string path = testing::TempDir() + "krugovik_reading_" + GetParam().name + ".trf";
    std::ofstream(path, std::ios::binary) << GetParam().text;
    const CommandOutcome outcome = runTrfCommand({"--check", path}).value();
    std::remove(path.c_str());
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.output << outcome.errors;
    const std::string &said = GetParam().status == 2 ? outcome.errors : outcome.output;
    EXPECT_NE(said.find(GetParam().says), std::string::npos) << said;
    // Every line names the program.
    for (const std::string &text : {outcome.output, outcome.errors}) {
        for (std::size_t start = 0; start < text.size(); start = text.find('\n', start) + 1)
            EXPECT_EQ(text.rfind("krugovik: ", start), start) << text;
    }
}

// Players without games, and a 142 of `rounds`.
std::string sized(int players, int rounds)
{
    std::string text = "142 " + std::to_string(rounds) + "\r\n";
    for (int p = 1; p <= players; ++p)
        text += playerLine(p, "P" + std::to_string(p), "0.0", p, {}) + "\r\n";
    return text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, CheckCommand, testing::Values(
    CheckCase{"Consistent", threePlayers(""), 0, ": согласован"},
    CheckCase{"Utf8Consistent", threePlayers("\xEF\xBB\xBF", "Müller, Jörg"), 0, ": согласован"},
    CheckCase{"UnknownCode", threePlayers("") + "101    7 m    Seventh\r\n", 1,
              "строка 6: неизвестный код записи «101»"},
    CheckCase{"Swiss", "092 Individual: Swiss-System\r\n" + threePlayers(""), 2,
              "092 называет не круговой турнир: Individual: Swiss-System"},
    CheckCase{"Renumbered", relabelled(generated(6, 2, 3), {0, 1, 2, 3, 4, 6, 5}), 0,
              "номера игроков в турнире: 5 ↔ 6"},
    CheckCase{"Unreadable", threePlayers("") + "001    x", 2, ":6: стартовый номер"},
    CheckCase{"TwoPlayers", sized(2, 1), 2, "2 игрока, а в круговом турнире их 3-22"},
    CheckCase{"SevenRoundsOfFour", sized(4, 7), 2, "7 туров — не 1-4 круга по 3 тура для 4 игроков"},
    CheckCase{"OneRoundOfFive", sized(5, 1), 2, "1 тур — не 1-4 круга по 5 туров для 5 игроков"},
    CheckCase{"TwentyTwoRounds", sized(22, 22), 2,
              "22 тура — не 1-4 круга по 21 туру для 22 игроков"},
    CheckCase{"TwentyOnePlayers", sized(21, 20), 2,
              "20 туров — не 1-4 круга по 21 туру для 21 игрока"},
    CheckCase{"TwentyThreePlayers", sized(23, 22), 2, "23 игрока, а в круговом турнире их 3-22"}),
    [](const testing::TestParamInfo<CheckCase> &info) { return info.param.name; });
// clang-format on

} // namespace
