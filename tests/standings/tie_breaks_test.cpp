#include <algorithm>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "rating/game_records.h"
#include "rounds/berger_schedule.h"
#include "standings/places.h"
#include "standings/tie_breaks.h"
#include "trf/trf_check.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

using K = TieBreakKind;

// The order SplitMix64 gives four tied players under seed 1.
constexpr const char *kLotOrderOfSeedOne = "3124";

// A crosstable written as rows, one character per opponent: 1 = 0 + - for the results,
// '.' for none, anything for the player's own cell. Cycle k repeats the Berger table
// with colours reversed in odd cycles.
RoundRobinResults resultsOf(const std::vector<std::string> &rows, int cycles = 1)
{
    RoundRobinResults r;
    r.playerCount = int(rows.size());
    r.cycleCount = cycles;
    const int n = r.playerCount;
    for (int c = 0; c < cycles; ++c) {
        for (const ScheduledGame &g : bergerSchedule(n)) {
            for (auto [i, j] :
                 {std::pair{g.firstNamed, g.secondNamed}, {g.secondNamed, g.firstNamed}}) {
                const char cell = rows[std::size_t(i - 1)][std::size_t(c * n + j - 1)];
                const std::string text = cell == '='   ? "0.5"
                                         : cell == '.' ? ""
                                                       : std::string(1, cell);
                r.games[c][i][j] = stateFromCellText(text).value();
                r.white[c][i][j] = c % 2 == 0 ? g.firstNamed : g.secondNamed;
                r.round[c][i][j] = c * roundCount(n) + g.round;
            }
        }
    }
    return r;
}

char cellChar(GameState state)
{
    return state == GameState::Draw ? '=' : state == GameState::None ? '.' : cellText(state)[0];
}

std::string shortNumber(Fixed v)
{
    return formatDisplay(v).substr(formatDisplay(v)[0] == ' ');
}

// The standings as "player:place[values]" in place order; "-" for no place. A direct
// encounter that parted the player's group shows its points at each application, "2|1".
std::string standingsText(const std::vector<TieBreakRow> &rows)
{
    std::string text;
    for (const TieBreakRow &row : rows) {
        text += (text.empty() ? "" : " ") + std::to_string(row.player) + ':' +
                (row.firstPlace ? placeText(row) : "-");
        for (std::size_t k = 0; k < row.values.size(); ++k) {
            if (k < row.amongTied.size() && !row.amongTied[k].empty()) {
                EXPECT_EQ(row.values[k], row.amongTied[k].front());
                std::string among;
                for (Fixed v : row.amongTied[k])
                    among += (among.empty() ? "" : "|") + shortNumber(v);
                text += '/' + among;
            } else {
                text += '/' + shortNumber(row.values[k]);
            }
        }
    }
    return text;
}

struct TieBreakCase {
    std::string name;
    std::vector<std::string> rows;
    std::vector<TieBreak> rules;
    std::string expected;
    std::vector<int> withdrawnAfter = {}; // by player, from player 1
    std::vector<int> ratings = {};
    int cycles = 1;
};

void PrintTo(const TieBreakCase &c, std::ostream *out)
{
    *out << c.name;
}

class TieBreakGolden : public testing::TestWithParam<TieBreakCase> {};

TEST_P(TieBreakGolden, RanksAsWorkedOutByHand)
{
    const TieBreakCase &c = GetParam();
    RoundRobinResults r = resultsOf(c.rows, c.cycles);
    for (std::size_t p = 0; p < c.ratings.size(); ++p) {
        r.rating[p + 1] = c.ratings[p];
        r.unrated[p + 1] = c.ratings[p] == 0;
    }
    for (std::size_t p = 0; p < c.withdrawnAfter.size(); ++p)
        r.withdrawnAfter[p + 1] = c.withdrawnAfter[p];
    EXPECT_EQ(standingsText(rankByTieBreaks(r, c.rules)), c.expected);
}

const std::vector<std::string> kTieInsideTie = {"x10110", "0x1110", "10x011",
                                                "001x11", "0000x1", "11000x"};
const std::vector<std::string> kSonneborn = {"x+0=", "-x1=", "10x0", "==1x"};
const std::vector<std::string> kForfeit = {"x+01", "-x11", "10x=", "00=x"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TieBreakGolden, testing::Values(
    // 1-2 and 3-4 tie among the four (2 points each, 1 each), and their own games part each
    // pair: the points among the tied, then among the pair.
    TieBreakCase{"DirectEncounterTieInsideFourWayTie", kTieInsideTie, {{K::DirectEncounter}},
                 "1:1/2|1 2:2/2|0 4:3/1|1 3:4/1|0 6:5/0 5:6/0"},
    TieBreakCase{"PointsAmongTiedAreNotReapplied", kTieInsideTie, {{K::PointsAmongTied}},
                 "1:1-2/2 2:1-2/2 3:3-4/1 4:3-4/1 6:5/0 5:6/0"},
    TieBreakCase{"DirectEncounterThreeWayTie", {"x1=0=", "0x1==", "=0x1=", "1=0x0", "===1x"},
                 {{K::DirectEncounter}}, "5:1/0 1:2/1.5 2:3/1 3:4/.5 4:5/0"},
    TieBreakCase{"AllDrawnFourShareFirst", {"x===", "=x==", "==x=", "===x"},
                 fideRoundRobinTieBreaks(),
                 "1:1-4/0/0/2.25/1.5 2:1-4/0/0/2.25/1.5 3:1-4/0/0/2.25/1.5 4:1-4/0/0/2.25/1.5"},
    // A forfeit is a game for the direct encounter and a win for WIN, not for WON.
    TieBreakCase{"ForfeitCountsForDirectEncounter", kForfeit, {{K::DirectEncounter}},
                 "1:1/1 2:2/0 3:3/0 4:4/0"},
    TieBreakCase{"WinsIncludeForfeits", kForfeit, {{K::Wins}}, "1:1-2/2 2:1-2/2 3:3/1 4:4/0"},
    TieBreakCase{"WinsOverBoardLeaveForfeitsOut", kForfeit, {{K::WinsOverBoard}},
                 "2:1/2 1:2/1 3:3/1 4:4/0"},
    TieBreakCase{"BlackGamesThenBlackWins", {"x110", "0x-1", "0+x1", "100x"},
                 {{K::BlackGames}, {K::BlackWins}}, "1:1-2/1/1 3:1-2/1/1 4:3/2/1 2:4/1/0"},
    TieBreakCase{"SonnebornBergerCountsForfeitWin", kSonneborn, {{K::SonnebornBerger}},
                 "4:1/2.5 1:2/2.5 2:3/2 3:4/1.5"},
    TieBreakCase{"KoyaAtHalfTheMaximum", kSonneborn, {{K::Koya}}, "4:1/1 1:2/1.5 2:3/.5 3:4/1"},
    TieBreakCase{"KoyaLimitOneHalfLower", kSonneborn, {{K::Koya, 50, -1}},
                 "4:1/2 1:2-3/1.5 2:2-3/1.5 3:4/1"},
    TieBreakCase{"KoyaLimitAtSeventyPercent", kSonneborn, {{K::Koya, 70, 0}},
                 "4:1/0 1:2-3/0 2:2-3/0 3:4/0"},
    // Ratings 2000, 1800, 1600 and an unrated player, who counts in neither.
    TieBreakCase{"RatingsLeaveForfeitsAndUnratedOut", kSonneborn,
                 {{K::AverageOpponentRating}, {K::PerformanceRating}},
                 "4:1/1800/1925 2:2/1600/2400 1:3/1600/800 3:4/1900/1900", {},
                 {2000, 1800, 1600, 0}},
    // Player 4 played one game of three: it counts for nobody and he has no place.
    TieBreakCase{"WithdrawnEarlyHasNoPlace", {"x1=0", "0x=.", "==x.", "1..x"},
                 fideRoundRobinTieBreaks(),
                 "1:1/0/1/1/0 3:2/0/0/1/.5 2:3/0/0/.5/0 4:-/0/0/0/0", {0, 0, 0, 1}},
    // Player 4 played two of three: his last game is a forfeit win for player 2.
    TieBreakCase{"WithdrawnLateLosesTheRestByForfeit", {"x1=0", "0x=+", "==x1", "1-0x"},
                 fideRoundRobinTieBreaks(),
                 "3:1/0/1/2.5/1 1:2/1/1/2.5/1.5 2:3/0/1/2/.5 4:4/0/1/1.5/1", {0, 0, 0, 2}},
    // A forfeit win is a round elected to play, a forfeit loss is not.
    TieBreakCase{"RoundsElectedCountForfeitWins", kSonneborn, {{K::RoundsElected}},
                 "4:1/3 1:2/3 2:3/2 3:4/3"},
    // 1, 2 and 4 tie on 3.5 over two cycles; 2 lost his match with 4.
    TieBreakCase{"StandardPointsScoreMatchesNotGames",
                 {"x=1=x===", "=x10=x1=", "00x1=0x0", "=10x==1x"}, {{K::StandardPoints}},
                 "1:1-2/2 4:1-2/2 2:3/1.5 3:4/.5", {}, {}, 2},
    // Cut 1 drops 1's loss to 3 and 2's win over 3: the lowest opponent score.
    TieBreakCase{"SonnebornBergerCutOne", kSonneborn, {{K::SonnebornBerger, 50, 0, 1}},
                 "4:1/1.5 1:2/2.5 2:3/1 3:4/1.5"},
    // Between equal opponent scores the smaller share goes first: 3 keeps his win.
    TieBreakCase{"SonnebornBergerCutTwo", kSonneborn, {{K::SonnebornBerger, 50, 0, 2}},
                 "4:1/.75 1:2-3/1 2:2-3/1 3:4/0"},
    TieBreakCase{"KoyaLimitOneHalfHigher", kSonneborn, {{K::Koya, 50, 1}},
                 "4:1/0 1:2-3/.5 2:2-3/.5 3:4/0"},
    TieBreakCase{"KoyaLimitTwoHalvesHigher", kSonneborn, {{K::Koya, 50, 2}},
                 "4:1/0 1:2-3/0 2:2-3/0 3:4/0"},
    TieBreakCase{"KoyaLimitTwoHalvesLower", kSonneborn, {{K::Koya, 50, -2}},
                 "4:1/2 1:2-3/1.5 2:2-3/1.5 3:4/1"},
    TieBreakCase{"OwnRatingHigherFirst", kSonneborn, {{K::OwnRating}},
                 "4:1/0 1:2/2000 2:3/1800 3:4/1600", {}, {2000, 1800, 1600, 0}},
    TieBreakCase{"OwnRatingReversedLowerFirst", kSonneborn, {{K::OwnRating, 50, 0, 0, true}},
                 "4:1/0 2:2/1800 1:3/2000 3:4/1600", {}, {2000, 1800, 1600, 0}},
    TieBreakCase{"PairingNumberLowerFirst", kSonneborn, {{K::PairingNumber}},
                 "4:1/4 1:2/1 2:3/2 3:4/3"},
    TieBreakCase{"PairingNumberReversedHigherFirst", kSonneborn,
                 {{K::PairingNumber, 50, 0, 0, true}}, "4:1/4 2:2/2 1:3/1 3:4/3"},
    // Unfinished: 2 and 3 have not met, but 1 beat both, more than either could reach.
    TieBreakCase{"DirectEncounterSetsApartWhomNoOneCanCatch",
                 {"x1100", "0x.11", "0.x11", "100x=", "100=x"}, {{K::DirectEncounter}},
                 "1:1/2 2:2-3/0 3:2-3/0 4:4-5/0 5:4-5/0"},
    // 1 beat 2, but 3, who has met neither, could still catch him: no order at all.
    TieBreakCase{"DirectEncounterWaitsWhileSomeoneCanCatchUp",
                 {"x1.00", "0x.10", "..x10", "100x=", "111=x"}, {{K::DirectEncounter}},
                 "5:1/0 4:2/0 1:3-5/0 2:3-5/0 3:3-5/0"},
    // Without an established rating player 4 counts as 1500 in ARO and in his own RTNG.
    TieBreakCase{"UnratedCountAtAFixedRating", kSonneborn,
                 {{K::AverageOpponentRating, 50, 0, 0, false, 1500}},
                 "4:1/1800 1:2-3/1550 2:2-3/1550 3:4/1767", {}, {2000, 1800, 1600, 0}},
    TieBreakCase{"UnratedOwnRatingFixed", {"x===", "=x==", "==x=", "===x"},
                 {{K::OwnRating, 50, 0, 0, false, 1900}},
                 "2:1-2/1900 4:1-2/1900 1:3/1800 3:4/1600", {}, {1800, 0, 1600, 0}},
    // The director's order first; those he did not list stay tied.
    TieBreakCase{"ByHandOrdersTheListedOnly", {"x===", "=x==", "==x=", "===x"},
                 {{K::ByHand, 50, 0, 0, false, 0, 0, {3, 1}}},
                 "3:1/1 1:2/1 2:3-4/1 4:3-4/1"},
    // Only where the tie-breaks before it leave a tie; the director's order wins over
    // the lots, which part the rest (seed 1 puts 3 before 4).
    TieBreakCase{"ByHandBeforeLots", {"x===", "=x==", "==x=", "===x"},
                 {{K::Wins}, {K::ByHand, 50, 0, 0, false, 0, 0, {2, 1}},
                  {K::Lot, 50, 0, 0, false, 0, 1}},
                 "2:1/0/1/0 1:2/0/1/0 3:3/0/1/1 4:4/0/1/1"},
    // Two cycles, the second begun: 1 beat 2 twice, which averages to one game.
    TieBreakCase{"DirectEncounterAveragesRepeatedGames",
                 {"x100x1..", "0x110x..", "10x1..x.", "100x...x"}, {{K::DirectEncounter}},
                 "1:1-3/0 2:1-3/0 3:1-3/0 4:4/0", {}, {}, 2}),
    [](const testing::TestParamInfo<TieBreakCase> &info) { return info.param.name; });
// clang-format on

// Small events as TRF text, ranked by their own 202 or 212: places and values as FIDE's
// tie-break checker gives them (run as tiebreakchecker.py -c -p -t PTS <the list>), and
// the first case worked by hand. Player 4 of the first and the players ranked 0 of the
// others withdrew without a game over the board: their games count for nobody, and a
// cut leaves them out first, as games against a score of nothing.
struct TrfCase {
    std::string name;
    std::string trf;
    std::string expected;
};

void PrintTo(const TrfCase &c, std::ostream *out)
{
    *out << c.name;
}

class TieBreaksOfTrf : public testing::TestWithParam<TrfCase> {};

TEST_P(TieBreaksOfTrf, RankAsFidesCheckerRanks)
{
    const TrfReadResult read = readTrf(GetParam().trf);
    ASSERT_TRUE(read.ok()) << read.errors.front().reason;
    TrfError why;
    const std::optional<TrfRoundRobin> rr = trfRoundRobin(read.file, why);
    ASSERT_TRUE(rr) << why.reason;
    EXPECT_EQ(standingsText(rankByTieBreaks(rr->results, rr->tieBreaks)), GetParam().expected);
}

// The header of a round robin's TRF with its list of tie-breaks.
std::string trfHead(int players, int rounds, const std::string &system, const std::string &list)
{
    return "062 " + std::to_string(players) + "\r\n092 Individual: Round Robin\r\n142 " +
           std::to_string(rounds) + "\r\nXXR " + std::to_string(rounds) + "\r\n192 " + system +
           "\r\n" + list + "\r\n";
}

// clang-format off
// Five players; 4 withdrew after round 1 without a game over the board.
const std::string kOneVoided =
    "001    1      Player 01                         1994                             2.5    1  0000 - Z     2 w 1     3 b =     4 w       5 b 1\r\n"
    "001    2      Player 02                         2000                             0.0    4     5 w 0     1 b 0  0000 - Z     3 w 0     4 b \r\n"
    "001    3      Player 03                                                          2.5    1     4 w       5 b 1     1 w =     2 b 1  0000 - Z\r\n"
    "001    4      Player 04                         1463                             0.0    0     3 b    0000 - Z     5 w       1 b       2 w \r\n"
    "001    5      Player 05                                                          1.0    3     2 b 1     3 w 0     4 b    0000 - Z     1 w 0\r\n";
// Six players in two cycles; 6 played no game over the board.
const std::string kVoidedInTwoCycles =
    "001    1      Player 01                         2069                             3.5    4     6 w       2 w =     3 b 0     5 b 0     4 w 0     6 b       2 b 0     3 w 1     4 b +     5 w 1\r\n"
    "001    2      Player 02                         2568                             3.5    5     5 w 1     1 b =     6 w       4 b 0     3 w 0     5 b 0     1 w 1     6 b       3 b 0     4 w +\r\n"
    "001    3      Player 03                         1764                             4.5    2     4 w =     5 b =     1 w 1     6 w       2 b 1     4 b 0     5 w =     1 b 0     2 w 1     6 b \r\n"
    "001    4      Player 04                         2564                             4.5    1     3 b =     6 b       5 w 1     2 w 1     1 b 1     3 w 1     6 w       5 b -     1 w -     2 b -\r\n"
    "001    5      Player 05                         1617                             4.0    3     2 b 0     3 w =     4 b 0     1 w 1     6 b       2 w 1     3 b =     4 w +     6 w       1 b 0\r\n"
    "001    6      Player 06                         1706                             0.0    0     1 b       4 w       2 b       3 b       5 w       1 w       4 b       2 w       5 b       3 w \r\n";
// Six players in two cycles with forfeits; 5 played no game over the board.
const std::string kForfeitsAndAVoided =
    "001    1      Player 01                         2229                             3.5    3     6 w 1     2 w 1     3 b 1     5 b       4 w =     6 b -     2 b -     3 w -     4 b -     5 w \r\n"
    "001    2      Player 02                         1836                             3.0    5     5 w       1 b 0     6 w 0     4 b 0     3 w =     5 b       1 w +     6 b 0     3 b =     4 w 1\r\n"
    "001    3      Player 03                         1719                             3.0    4     4 w 0     5 b       1 w 0     6 w =     2 b =     4 b 0     5 w       1 b +     2 w =     6 b =\r\n"
    "001    4      Player 04                                                          5.0    2     3 b 1     6 b 0     5 w       2 w 1     1 b =     3 w 1     6 w =     5 b       1 w +     2 b 0\r\n"
    "001    5      Player 05                         2475                             0.0    0     2 b       3 w       4 b       1 w       6 b       2 w       3 b       4 w       6 w       1 b \r\n"
    "001    6      Player 06                         2254                             5.5    1     1 b 0     4 w 1     2 b 1     3 b =     5 w       1 w +     4 b =     2 w 1     5 b       3 w =\r\n";

INSTANTIATE_TEST_SUITE_P(Cases, TieBreaksOfTrf, testing::Values(
    // 1 and 3 scored 2.5 each. 1: 0 (voided), 0 (2 on 0), 1.25 (draw with 3), 1 (5 on 1):
    // SB 2.25, and the two cuts take the two zeros; 3 the same way. Cutting 2's and 5's
    // games instead would give 1.25.
    TrfCase{"VoidedGamesAreCutFirst",
            trfHead(5, 5, "FIDE_ROUNDROBIN", "202 SB/C1 SB/C2 WIN") + kOneVoided,
            "1:1-2/2.25/2.25/2 3:1-2/2.25/2.25/2 5:3/0/0/1 2:4/0/0/0 4:-/0/0/0"},
    // Each placed player has two voided games against 6, the two cut.
    TrfCase{"BothVoidedGamesOfTwoCyclesAreCut",
            trfHead(6, 10, "FIDE_DOUBLEROUNDROBIN", "202 SB/C2 SB/C1 KS/L+1 WIN") +
                kVoidedInTwoCycles,
            "4:1/17.75/17.75/0/4 3:2/16.75/16.75/0/3 5:3/16/16/0/3 1:4/14.75/14.75/0/3 "
            "2:5/13.75/13.75/0/3 6:-/0/0/0/0"},
    // KS/L+1: 5.5 of 10 points; only 6 reaches it. Forfeits count as the games they replace.
    TrfCase{"KoyaLimitRaisedWithItsSign",
            trfHead(6, 10, "FIDE_DOUBLEROUNDROBIN", "202 SB/C2 SB/C1 KS/L+1 WIN") +
                kForfeitsAndAVoided,
            "6:1/20/20/0/4 4:2/17/17/.5/4 1:3/14/14/1/3 3:4/12/12/1/1 2:5/11.5/11.5/0/2 "
            "5:-/0/0/0/0"},
    // The same in a 212 line, in the spelling of the program's earlier files.
    TrfCase{"KoyaLimitRaisedInTheOlderSpellingOf212",
            trfHead(6, 10, "FIDE_DOUBLEROUNDROBIN", "212 PTS KS/L1 WIN") + kForfeitsAndAVoided,
            "6:1/0/4 4:2/.5/4 1:3/1/3 3:4/1/1 2:5/0/2 5:-/0/0"}),
    [](const testing::TestParamInfo<TrfCase> &info) { return info.param.name; });
// clang-format on

// The lots part every tie, the same way every time, and between two players the same
// way whoever else is tied with them.
TEST(Lots, GiveOneOrderPerSeedWhateverTheOthers)
{
    const RoundRobinResults allDrawn =
        resultsOf({"x=====", "=x====", "==x===", "===x==", "====x=", "=====x"});
    std::set<std::string> orders;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        TieBreak lot{K::Lot};
        lot.seed = seed;
        const std::vector<TieBreakRow> rows = rankByTieBreaks(allDrawn, {lot});
        std::string order;
        for (const TieBreakRow &row : rows) {
            EXPECT_EQ(row.firstPlace, row.lastPlace) << seed;
            EXPECT_EQ(row.values[0], kOne);
            order += char('0' + row.player);
        }
        EXPECT_EQ(rankByTieBreaks(allDrawn, {lot}).front().player, rows.front().player);
        orders.insert(order);
        // With WIN first nothing changes; with 1 and 2 alone tied they keep their order.
        const RoundRobinResults twoTied =
            resultsOf({"x=1111", "=x1111", "00x===", "00=x==", "00==x=", "00===x"});
        const std::vector<TieBreakRow> two = rankByTieBreaks(twoTied, {lot});
        EXPECT_EQ(two[0].player, order.find('1') < order.find('2') ? 1 : 2) << seed;
    }
    // Sixty seeds give many orders of six, not one.
    EXPECT_GT(orders.size(), 40u);
}

// The draw of seed 1 written out, so that a change of the generator shows: a tournament
// file must keep its order on every machine and in every later version.
TEST(Lots, KeepTheirOrderAcrossVersions)
{
    const RoundRobinResults allDrawn = resultsOf({"x===", "=x==", "==x=", "===x"});
    TieBreak lot{K::Lot};
    lot.seed = 1;
    std::string order;
    for (const TieBreakRow &row : rankByTieBreaks(allDrawn, {lot}))
        order += char('0' + row.player);
    EXPECT_EQ(order, kLotOrderOfSeedOne);
}

// Each code as FIDE's tie-break checker reads it in a TRF's 202 and 212, and as the sheets
// show it: the checker takes an unsigned Koya limit for a percentage and knows the
// starting number as SNO.
TEST(TieBreakCodes, SpellFideAcronymsWithLimits)
{
    struct Case {
        TieBreak tieBreak;
        std::string written;
        std::string shown;
    };
    const std::vector<Case> cases = {{{K::DirectEncounter}, "DE", "DE"},
                                     {{K::BlackWins}, "BWG", "BWG"},
                                     {{K::Koya}, "KS", "KS"},
                                     {{K::Koya, 40, 0}, "KS/L40", "KS/L40"},
                                     {{K::Koya, 50, -1}, "KS/L-1", "KS/L-1"},
                                     {{K::Koya, 50, 1}, "KS/L+1", "KS/L1"},
                                     {{K::Koya, 50, 2}, "KS/L+2", "KS/L2"},
                                     {{K::Koya, 50, -2}, "KS/L-2", "KS/L-2"},
                                     {{K::SonnebornBerger, 50, 0, 2}, "SB/C2", "SB/C2"},
                                     {{K::RoundsElected}, "REP", "REP"},
                                     {{K::StandardPoints}, "STD", "STD"},
                                     {{K::OwnRating, 50, 0, 0, true}, "RTNG/R", "RTNG/R"},
                                     {{K::PairingNumber}, "SNO", "TPN"},
                                     {{K::PairingNumber, 50, 0, 0, true}, "TPN/R", "TPN/R"},
                                     {{K::PerformanceRating}, "TPR", "TPR"}};
    for (const Case &c : cases) {
        EXPECT_EQ(fideCode(c.tieBreak), c.written);
        EXPECT_EQ(shownCode(c.tieBreak), c.shown);
        // Either spelling reads back.
        EXPECT_EQ(tieBreakFromCode(c.written), c.tieBreak) << c.written;
        EXPECT_EQ(tieBreakFromCode(c.shown), c.tieBreak) << c.shown;
    }
    for (const char *odd : {"KS/L+0", "KS/L0", "KS/L05", "KS/L+10", "SNO/R", "KS/L+",
                            "CHANGED/04/SB", "CHANGED/4/SB,", "CHANGED/4/"})
        EXPECT_FALSE(tieBreakFromCode(odd)) << odd;
    // A change recorded in the older spelling is kept in the one written now.
    const auto change = tieBreakFromCode("CHANGED/4/KS/L1,TPN,SB");
    ASSERT_TRUE(change);
    EXPECT_EQ(change->previous, "KS/L+1 SNO SB");
    EXPECT_EQ(fideCode(*change), "CHANGED/4/KS/L+1,SNO,SB");
}

// The points among the tied players applied once give the places of the program's own
// ranking on random tables, half-finished ones and ones full of ties among them; the
// default order applies the direct encounter again, which moves a player only within the
// players equal on points, Berger coefficient and the points among them.
TEST(ClassicTieBreaks, MatchRankPlayersOnRandomTables)
{
    const std::vector<TieBreak> once = {
        {TieBreakKind::SonnebornBerger}, {TieBreakKind::PointsAmongTied}, {TieBreakKind::Wins}};
    int moved = 0;
    std::mt19937 random(20260301);
    const GameState states[] = {GameState::Win,        GameState::Loss,        GameState::Draw,
                                GameState::ForfeitWin, GameState::ForfeitLoss, GameState::None};
    const std::size_t spreads[] = {2, 3, 5, 6}; // few kinds of result: many ties
    for (int t = 0; t < 6000; ++t) {
        const int n = 3 + int(random() % (t % 3 ? 5 : 20));
        const std::size_t spread = spreads[random() % 4];
        GameRecords records;
        std::vector<std::string> rows(std::size_t(n), std::string(std::size_t(n), 'x'));
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const GameState s = states[random() % spread];
                recordGame(records, i, j, s, 0, 0);
                rows[std::size_t(i - 1)][std::size_t(j - 1)] = cellChar(s);
                rows[std::size_t(j - 1)][std::size_t(i - 1)] = cellChar(mirrored(s));
            }
        }
        const auto expected = rankPlayers(records, n);
        const auto actual = rankByTieBreaks(resultsOf(rows), once);
        const auto classic = rankByTieBreaks(resultsOf(rows), classicTieBreaks());
        ASSERT_EQ(classic.size(), actual.size());
        for (const TieBreakRow &row : classic) {
            const auto same = [&](const TieBreakRow &other) {
                return other.points == row.points && other.values[0] == row.values[0];
            };
            const auto old = std::find_if(actual.begin(), actual.end(), [&](const TieBreakRow &r) {
                return r.player == row.player;
            });
            int first = 99, last = 0;
            for (const TieBreakRow &r : actual) {
                if (same(r) && r.values[1] == old->values[1]) {
                    first = std::min(first, r.firstPlace);
                    last = std::max(last, r.lastPlace);
                }
            }
            ASSERT_GE(row.firstPlace, first) << "table " << t;
            ASSERT_LE(row.lastPlace, last) << "table " << t;
            moved += placeText(row) != placeText(*old) ? 1 : 0;
        }
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t k = 0; k < expected.size(); ++k) {
            ASSERT_EQ(actual[k].player, expected[k].player) << "table " << t << " row " << k;
            ASSERT_EQ(placeText(actual[k]), placeText(expected[k])) << "table " << t;
            ASSERT_EQ(actual[k].values[0], expected[k].berger) << "table " << t;
        }
    }
    EXPECT_GT(moved, 0);
}

// Which tie-break parted each player from the one above and the one below him with equal
// points: "player:above,below" in place order, each the rule's code or '-'.
struct DecidedCase {
    std::string name;
    std::vector<std::string> rows;
    std::vector<TieBreak> rules;
    std::string expected;
};

void PrintTo(const DecidedCase &c, std::ostream *out)
{
    *out << c.name;
}

class DecidedBy : public testing::TestWithParam<DecidedCase> {};

TEST_P(DecidedBy, NamesTheFirstRuleThatPartedNeighbours)
{
    const DecidedCase &c = GetParam();
    const auto code = [&](int k) {
        return k < 0 ? std::string("-") : shownCode(c.rules[std::size_t(k)]).substr(0, 3);
    };
    std::string text;
    for (const TieBreakRow &row : rankByTieBreaks(resultsOf(c.rows), c.rules))
        text += (text.empty() ? "" : " ") + std::to_string(row.player) + ':' +
                code(row.decidedAbove) + ',' + code(row.decidedBelow);
    EXPECT_EQ(text, c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, DecidedBy, testing::Values(
    // Four tied on points: DE parts them all; 6 and 5 stand apart by points.
    DecidedCase{"DirectEncounterPartsAFourWayTie", kTieInsideTie, {{K::DirectEncounter}},
                "1:-,DE 2:DE,DE 4:DE,DE 3:DE,- 6:-,- 5:-,-"},
    // Three tied on points, all three parted by SB, the first of the list.
    DecidedCase{"TheFirstRuleThatParts", {"x1=0=", "0x1==", "=0x1=", "1=0x0", "===1x"},
                classicTieBreaks(), "5:-,- 1:-,SB 2:SB,SB 3:SB,- 4:-,-"},
    // The director's order parts 2, 1 and the rest; the lots part 3 from 4.
    DecidedCase{"EachNeighbourByItsOwnRule", {"x===", "=x==", "==x=", "===x"},
                {{K::ByHand, 50, 0, 0, false, 0, 0, {2, 1}}, {K::Lot, 50, 0, 0, false, 0, 1}},
                "2:-,HAN 1:HAN,HAN 3:HAN,LOT 4:LOT,-"},
    // Nothing parts four draws: the place is shared and no rule named.
    DecidedCase{"ASharedPlaceNamesNoRule", {"x===", "=x==", "==x=", "===x"},
                fideRoundRobinTieBreaks(), "1:-,- 2:-,- 3:-,- 4:-,-"},
    // The lots after WIN: every neighbour parted by them.
    DecidedCase{"TheLotsDecideWhatIsLeft", {"x===", "=x==", "==x=", "===x"},
                {{K::Wins}, {K::Lot, 50, 0, 0, false, 0, 1}},
                "3:-,LOT 1:LOT,LOT 2:LOT,LOT 4:LOT,-"}),
    [](const testing::TestParamInfo<DecidedCase> &info) { return info.param.name; });
// clang-format on

// Two cycles: once every pair of the tied has met equally often, the column shows the sum
// of their games; while some pair has met more often (the second cycle under way), the
// points averaged per pair, by which they are ranked.
TEST(DirectEncounterPoints, AreTheSumOnceEveryPairMetAlikeElseTheAverage)
{
    const auto valuesOf = [](const std::vector<std::string> &rows) {
        std::string text;
        for (const TieBreakRow &row : rankByTieBreaks(resultsOf(rows, 2), {{K::DirectEncounter}}))
            text += std::to_string(row.player) + ':' +
                    (row.amongTied[0].empty() ? "" : shortNumber(row.amongTied[0].front())) + ' ';
        return text;
    };
    // 1 and 2 tie on 2.5; 1 won and drew against 2.
    EXPECT_EQ(valuesOf({"x10=x=0=", "0x10=x10", "10x110x1", "=10x=10x"}), "3: 4: 1:1.5 2:.5 ");
    // 1, 2 and 3 tie on 2.5; 1 and 2 met twice (a point each), 1-3 and 2-3 once.
    EXPECT_EQ(valuesOf({"x1=1x0..", "0x1=1x..", "=0x1..x1", "0=0x..0x"}), "2:1.5 1:1 3:.5 4: ");
}

// Four players equal on points and Berger coefficient: the points among them split them
// into two pairs, and the direct encounter applied again to each pair separates it.
TEST(ClassicTieBreaks, TheDirectEncounterIsAppliedAgainToThePlayersStillTied)
{
    const std::vector<std::string> rows = {"x01=10", "1x=0=1", "0=x110",
                                           "=10x0=", "0=01x1", "101=0x"};
    const std::vector<TieBreak> once = {
        {TieBreakKind::SonnebornBerger}, {TieBreakKind::PointsAmongTied}, {TieBreakKind::Wins}};
    const auto places = [&](const std::vector<TieBreak> &rules) {
        std::string text;
        for (const TieBreakRow &row : rankByTieBreaks(resultsOf(rows), rules))
            text += std::to_string(row.player) + ':' + placeText(row) + ' ';
        return text;
    };
    EXPECT_EQ(places(once), "2:1 1:2-3 6:2-3 3:4-5 5:4-5 4:6 ");
    // 6 beat 1, and 3 beat 5.
    EXPECT_EQ(places(classicTieBreaks()), "2:1 6:2 1:3 3:4 5:5 4:6 ");
    EXPECT_EQ(classicTieBreaks(), (std::vector<TieBreak>{{TieBreakKind::SonnebornBerger},
                                                         {TieBreakKind::DirectEncounter},
                                                         {TieBreakKind::Wins}}));
}

} // namespace
