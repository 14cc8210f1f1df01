// The checker against the generator's files, and the faults it must find.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "export/trf_export.h"
#include "trf/random_tournament.h"
#include "trf/trf_check.h"
#include "trf/trf_command.h"
#include "trf/trf_reader.h"
#include "trf/trf_test_files.h"

using namespace krugovik;
using trf_test_files::playerLine;

namespace {

const char *const kLists[] = {"DE WIN SB KS",
                              "SB DE WIN",
                              "WIN WON BPG BWG REP",
                              "STD SB/C1 SB/C2",
                              "KS/L1 KS/L-2 ARO TPR",
                              "RTNG TPN",
                              "RTNG/R TPN/R",
                              "KS/L2 KS/L-1 DE",
                              "KS/L40 SB"};

std::vector<TieBreak> listOf(const std::string &codes)
{
    std::vector<TieBreak> list;
    std::size_t start = 0;
    while (start < codes.size()) {
        std::size_t end = codes.find(' ', start);
        if (end == std::string::npos)
            end = codes.size();
        list.push_back(tieBreakFromCode(codes.substr(start, end - start)).value());
        start = end + 1;
    }
    return list;
}

// The options of the k-th random case: every size, cycle count and list in turn.
RandomTournamentOptions optionsOf(int k)
{
    RandomTournamentOptions o;
    o.seed = std::uint64_t(k) * 7919 + 1;
    o.players = 3 + k % 20;
    o.cycles = 1 + k % 4;
    o.drawPercent = (k * 13) % 50;
    o.forfeitPercent = k % 3 == 0 ? 0 : (k * 7) % 15;
    o.unplayedPercent = k % 5 == 0 ? (k * 3) % 20 : 0;
    o.withdrawals = k % 4 == 1 ? std::min(2, o.players - 2) : 0;
    o.tieBreaks = listOf(kLists[std::size_t(k) % std::size(kLists)]);
    return o;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

// The 001 line of a player, as an index into lines.
std::size_t lineOf(const std::vector<std::string> &lines, int player)
{
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].rfind("001", 0) == 0 && std::stoi(lines[k].substr(4, 4)) == player)
            return k;
    }
    return lines.size();
}

// The 10 columns of round r in a 001 line, from the blank before the opponent.
std::string &padded(std::string &line, std::size_t size)
{
    if (line.size() < size)
        line.resize(size, ' ');
    return line;
}
std::string roundCell(std::string line, int r)
{
    return padded(line, 91 + 10 * std::size_t(r)).substr(90 + 10 * std::size_t(r - 1), 10);
}
void setRoundCell(std::string &line, int r, const std::string &cell)
{
    padded(line, 91 + 10 * std::size_t(r)).replace(90 + 10 * std::size_t(r - 1), 10, cell);
}
int opponentIn(const std::string &cell)
{
    return std::stoi(cell.substr(1, 4));
}
void setOpponent(std::string &cell, int opponent)
{
    const std::string number = std::to_string(opponent);
    cell.replace(1, 4, std::string(4 - number.size(), ' ') + number);
}

std::vector<std::string> faultsOf(const std::string &text)
{
    const TrfReadResult read = readTrf(text);
    if (!read.ok())
        return {"unread: " + read.errors.front().reason};
    return checkTrf(read.file);
}

TEST(GeneratedTournaments, PassTheChecker)
{
    for (int k = 0; k < 400; ++k) {
        const RandomTournamentOptions o = optionsOf(k);
        ASSERT_TRUE(optionFaults(o).empty()) << k;
        const std::string trf = exportTrf(randomTournament(o));
        const TrfReadResult read = readTrf(trf);
        ASSERT_TRUE(read.ok()) << "case " << k << ": line " << read.errors.front().line << ": "
                               << read.errors.front().reason << '\n'
                               << trf;
        const std::vector<std::string> faults = checkTrf(read.file);
        EXPECT_TRUE(faults.empty()) << "case " << k << ": " << faults.front() << '\n' << trf;
    }
}

TEST(GeneratedTournaments, SameArgumentsSameFile)
{
    const std::vector<std::string> args = {
        "--generate", "--players",    "9",           "--cycles",   "2", "--seed",
        "42",         "--draws",      "35",          "--forfeits", "5", "--withdrawals",
        "1",          "--tie-breaks", "DE WIN SB KS"};
    const auto first = runTrfCommand(args);
    const auto second = runTrfCommand(args);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->status, 0);
    EXPECT_EQ(first->output, second->output);
    std::vector<std::string> other = args;
    other[6] = "43";
    EXPECT_NE(runTrfCommand(other)->output, first->output);
    // The file says what it was asked for.
    EXPECT_NE(first->output.find("202 DE WIN SB KS\r\n"), std::string::npos);
    EXPECT_NE(first->output.find("192 FIDE_DOUBLEROUNDROBIN\r\n"), std::string::npos);
}

// A file of six players, every game played, for the faults to be put in.
std::vector<std::string> sixPlayers(int cycles = 1)
{
    RandomTournamentOptions o;
    o.players = 6;
    o.cycles = cycles;
    o.seed = 5;
    return linesOf(exportTrf(randomTournament(o)));
}

TEST(CheckerFinds, TwoGamesOfARoundPairedCrosswise)
{
    std::vector<std::string> lines = sixPlayers();
    // Round 3: a-b and c-d become a-d and c-b, every side rewritten to agree.
    const int r = 3;
    const int a = 1;
    std::string &lineA = lines[lineOf(lines, a)];
    const int b = opponentIn(roundCell(lineA, r));
    int c = 1;
    while (c == a || c == b)
        ++c;
    std::string &lineC = lines[lineOf(lines, c)];
    const int d = opponentIn(roundCell(lineC, r));
    const std::string cellA = roundCell(lineA, r), cellC = roundCell(lineC, r);
    setRoundCell(lineA, r, cellC);
    setRoundCell(lineC, r, cellA);
    for (auto [player, now] : {std::pair{b, c}, {d, a}}) {
        std::string &line = lines[lineOf(lines, player)];
        std::string cell = roundCell(line, r);
        setOpponent(cell, now);
        setRoundCell(line, r, cell);
    }
    const std::vector<std::string> faults = faultsOf(joined(lines));
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults.front().rfind("тур 3: ", 0), 0u) << faults.front();
    EXPECT_NE(faults.front().find("а по таблице Бергера"), std::string::npos) << faults.front();
}

TEST(CheckerFinds, ColoursOfAGameSwapped)
{
    std::vector<std::string> lines = sixPlayers();
    std::string &line1 = lines[lineOf(lines, 1)];
    std::string cell1 = roundCell(line1, 2);
    std::string &lineB = lines[lineOf(lines, opponentIn(cell1))];
    std::string cellB = roundCell(lineB, 2);
    std::swap(cell1[6], cellB[6]);
    setRoundCell(line1, 2, cell1);
    setRoundCell(lineB, 2, cellB);
    const std::vector<std::string> faults = faultsOf(joined(lines));
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults.front().find("тур 2: в паре"), std::string::npos) << faults.front();
}

TEST(CheckerFinds, AWrongPlace)
{
    std::vector<std::string> lines = sixPlayers();
    for (int player = 1; player <= 6; ++player) {
        std::vector<std::string> changed = lines;
        std::string &line = changed[lineOf(changed, player)];
        const int rank = std::stoi(line.substr(85, 4));
        line.replace(85, 4, "   " + std::to_string(rank == 6 ? 5 : rank + 1));
        const std::vector<std::string> faults = faultsOf(joined(changed));
        ASSERT_EQ(faults.size(), 1u) << player;
        EXPECT_EQ(faults.front().rfind("игрок " + std::to_string(player) + ": в файле место", 0),
                  0u)
            << faults.front();
    }
}

TEST(CheckerFinds, TheOtherReversalOfADoubleRoundRobinIsNoFault)
{
    // Both choices of C.05 for the last rounds of the first cycle are the Berger table.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        RandomTournamentOptions o;
        o.players = 4 + int(seed % 5);
        o.cycles = 2;
        o.seed = seed;
        EXPECT_TRUE(faultsOf(exportTrf(randomTournament(o))).empty()) << seed;
    }
}

struct Refused {
    std::string name;
    std::string text;
    int line;
    std::string reason;
};

void PrintTo(const Refused &r, std::ostream *out)
{
    *out << r.name;
}

class ReaderRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ReaderRefuses, WithLineAndReason)
{
    const TrfReadResult read = readTrf(GetParam().text);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.errors.front().line, GetParam().line);
    EXPECT_NE(read.errors.front().reason.find(GetParam().reason), std::string::npos)
        << read.errors.front().reason;
}

// Three players who all drew, one cycle of three rounds.
const std::string kHead = "012 Test\r\n142 3\r\n";
const std::string kP1 = playerLine(1, "A", "1.0", 1, {"0000 - Z", "   2 w =", "   3 b ="});
const std::string kP2 = playerLine(2, "B", "1.0", 1, {"   3 w =", "   1 b =", "0000 - Z"});
const std::string kP3 = playerLine(3, "C", "1.0", 1, {"   2 b =", "0000 - Z", "   1 w ="});

std::string file(std::string p1, std::string p2 = kP2, std::string p3 = kP3)
{
    return kHead + p1 + "\r\n" + p2 + "\r\n" + p3 + "\r\n";
}

std::string with(std::string line, std::size_t column, const std::string &text)
{
    line.replace(column - 1, text.size(), text);
    return line;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ReaderRefuses, testing::Values(
    Refused{"NoPlayers", kHead, 0, "нет ни одной строки"},
    Refused{"StartingRankNotANumber", file(with(kP1, 5, "  x1")), 3, "стартовый номер"},
    Refused{"RatingNotANumber", file(with(kP1, 49, "12a4")), 3, "рейтинг"},
    Refused{"PointsNotHalves", file(with(kP1, 81, "1.3 ")), 3, "очки"},
    Refused{"UnknownResult", file(with(kP1, 99, "x")), 3, "результат 'x'"},
    Refused{"UnknownColour", file(with(kP1, 97, "r")), 3, "цвет 'r'"},
    Refused{"OpponentDisagrees", file(kP1, with(kP2, 105, "3")), 3, "не называет"},
    Refused{"ResultsDisagree", file(with(kP1, 109, "1")), 3, "результат расходится"},
    Refused{"SameColourTwice", file(with(kP1, 107, "b")), 3, "один цвет"},
    Refused{"RankTwice", file(kP1, kP2, kP2), 5, "стартовый номер 2 дважды"},
    Refused{"OpponentWithoutLine", file(with(kP1, 102, "   9")), 3, "у соперника 9"},
    Refused{"ControlCharacter", file(kP1 + "\x01"), 3, "управляющий символ"},
    Refused{"FewerRoundsThanLines", "142 2\r\n" + kP1 + "\r\n" + kP2 + "\r\n" + kP3, 0,
            "туров меньше"},
    Refused{"MeetsHimself", file(with(kP1, 105, "1")), 3, "сам с собой"}),
    [](const testing::TestParamInfo<Refused> &info) { return info.param.name; });
// clang-format on

TEST(Reader, ReadsTheSmallFileWhole)
{
    const TrfReadResult read = readTrf(file(kP1));
    ASSERT_TRUE(read.ok()) << read.errors.front().reason;
    EXPECT_EQ(read.file.players.size(), 3u);
    EXPECT_EQ(read.file.roundCount, 3);
    EXPECT_EQ(read.file.first("012"), "Test");
    EXPECT_EQ(read.file.players[1].rounds[0].opponent, 3);
    EXPECT_EQ(read.file.players[1].rounds[0].colour, 'w');
    EXPECT_EQ(read.file.players[1].rounds[2].result, 'Z');
    EXPECT_TRUE(checkTrf(read.file).empty());
}

TEST(Checker, RefusesWhatIsNoRoundRobinOfTheProgram)
{
    // 3 rounds make one cycle of three players; 4 make none.
    std::string text = file(kP1);
    text.replace(text.find("142 3"), 5, "142 4");
    const std::vector<std::string> faults = faultsOf(text);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults.front().find("не 1-4 круга"), std::string::npos) << faults.front();
    const std::vector<std::string> unknown = faultsOf("202 BH\r\n" + file(kP1));
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_NE(unknown.front().find("BH — не показатель"), std::string::npos);
}

TEST(Command, ExitStatusSaysWhetherTheFileIsConsistent)
{
    const std::string path = testing::TempDir() + "krugovik_check_test.trf";
    auto checkText = [&](const std::string &text) {
        std::ofstream(path, std::ios::binary) << text;
        return runTrfCommand({"--check", path}).value();
    };
    EXPECT_EQ(checkText(joined(sixPlayers(2))).status, 0);
    std::vector<std::string> wrong = sixPlayers(2);
    wrong[lineOf(wrong, 2)].replace(85, 4, "  99");
    const CommandOutcome fault = checkText(joined(wrong));
    EXPECT_EQ(fault.status, 1);
    EXPECT_NE(fault.output.find("игрок 2: в файле место 99"), std::string::npos) << fault.output;
    const CommandOutcome broken = checkText(file(with(kP1, 109, "1")));
    EXPECT_EQ(broken.status, 2);
    EXPECT_NE(broken.errors.find(":3: тур 2: результат расходится"), std::string::npos)
        << broken.errors;
    std::remove(path.c_str());
    EXPECT_EQ(runTrfCommand({"--check", path})->status, 2);
    EXPECT_FALSE(runTrfCommand({"--club"}));
}

TEST(Command, GenerateRefusesBadOptions)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--generate", "--players", "2", "--cycles", "1", "--seed", "1"},
             {"--generate", "--players", "5", "--cycles", "5", "--seed", "1"},
             {"--generate", "--players", "5", "--cycles", "1"},
             {"--generate", "--players", "5", "--cycles", "1", "--seed", "1", "--draws", "70",
              "--forfeits", "40"},
             {"--generate", "--players", "5", "--cycles", "1", "--seed", "1", "--tie-breaks",
              "DE BH"},
             {"--generate", "--players", "5", "--cycles", "1", "--seed", "-3"},
             {"--generate", "--players", "5", "--cycles", "1", "--seed", "1", "--withdrawals", "4"},
             {"--generate", "--players", "5", "--cycles", "1", "--seed", "1", "--colour", "1"}}) {
        const auto outcome = runTrfCommand(args);
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->status, 2) << args[2] << ' ' << args.back();
        EXPECT_TRUE(outcome->output.empty());
        EXPECT_FALSE(outcome->errors.empty());
    }
}

} // namespace

// 202 lists the tie-breaks, 212 the whole order of the standings: the score, then the same
// list. Either is enough; two that disagree, or a 212 that does not rank by the score first,
// make a file whose places cannot be told.
TEST(Checker, TakesTheTieBreaksFrom202Or212)
{
    struct Case {
        std::string lines;
        std::string expected; // the list as 202 writes it, or the fault
    };
    const Case cases[] = {
        {"202 DE WIN SB\r\n", "DE WIN SB"},
        {"202 DE,WIN,SB\r\n", "DE WIN SB"},
        {"212 PTS DE WIN SB\r\n", "DE WIN SB"},
        {"212 PTS,STD,KS/L-1\r\n", "STD KS/L-1"},
        {"212 PTS\r\n", ""},
        {"202 DE SB\r\n212 PTS DE SB\r\n", "DE SB"},
        {"202 DE SB\r\n212 PTS SB DE\r\n", "212 и 202 называют разные показатели"},
        {"212 DE SB\r\n", "212: места распределяются не по очкам"},
        {"212 PTS BH\r\n", "212: BH — не показатель"},
    };
    for (const Case &c : cases) {
        const TrfReadResult read = readTrf(c.lines + file(kP1));
        ASSERT_TRUE(read.ok()) << c.lines;
        TrfError why;
        const std::optional<TrfRoundRobin> rr = trfRoundRobin(read.file, why);
        if (!rr) {
            EXPECT_NE(why.reason.find(c.expected), std::string::npos) << c.lines << why.reason;
            EXPECT_NE(c.expected.find("2"), std::string::npos) << c.lines << why.reason;
            continue;
        }
        std::string codes;
        for (const TieBreak &tb : rr->tieBreaks)
            codes.append(codes.empty() ? "" : " ").append(fideCode(tb));
        EXPECT_EQ(codes, c.expected) << c.lines;
    }
}

// A game lost by both is no withdrawal: both go on playing, and the game counts for nobody.
TEST(Checker, AGameLostByBothWithdrawsNobody)
{
    std::vector<std::string> lines = sixPlayers();
    std::string &line1 = lines[lineOf(lines, 1)];
    std::string cell1 = roundCell(line1, 2);
    std::string &lineB = lines[lineOf(lines, opponentIn(cell1))];
    std::string cellB = roundCell(lineB, 2);
    cell1[8] = '-';
    cellB[8] = '-';
    setRoundCell(line1, 2, cell1);
    setRoundCell(lineB, 2, cellB);
    const TrfReadResult read = readTrf(joined(lines));
    ASSERT_TRUE(read.ok()) << read.errors.front().reason;
    TrfError why;
    const std::optional<TrfRoundRobin> robin = trfRoundRobin(read.file, why);
    ASSERT_TRUE(robin.has_value()) << why.reason;
    for (int player = 1; player <= 6; ++player)
        EXPECT_EQ(robin->results.withdrawnAfter[std::size_t(player)], 0) << player;
}
