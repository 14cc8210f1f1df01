#include <algorithm>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "rating/game_records.h"
#include "rounds/berger_schedule.h"
#include "standings/places.h"
#include "standings/tie_breaks.h"

using namespace krugovik;

namespace {

using K = TieBreakKind;

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

// The standings as "player:place[values]" in place order; "-" for no place.
std::string standingsText(const std::vector<TieBreakRow> &rows)
{
    std::string text;
    for (const TieBreakRow &row : rows) {
        text += (text.empty() ? "" : " ") + std::to_string(row.player) + ':' +
                (row.firstPlace ? placeText(row) : "-");
        for (Fixed v : row.values)
            text += '/' + formatDisplay(v).substr(formatDisplay(v)[0] == ' ');
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
    for (std::size_t p = 0; p < c.ratings.size(); ++p)
        r.rating[p + 1] = c.ratings[p];
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
    // 1-2 and 3-4 tie among the four, and their own games part each pair.
    TieBreakCase{"DirectEncounterTieInsideFourWayTie", kTieInsideTie, {{K::DirectEncounter}},
                 "1:1/1 2:2/2 4:3/3 3:4/4 6:5/0 5:6/0"},
    TieBreakCase{"PointsAmongTiedAreNotReapplied", kTieInsideTie, {{K::PointsAmongTied}},
                 "1:1-2/2 2:1-2/2 3:3-4/1 4:3-4/1 6:5/0 5:6/0"},
    TieBreakCase{"DirectEncounterThreeWayTie", {"x1=0=", "0x1==", "=0x1=", "1=0x0", "===1x"},
                 {{K::DirectEncounter}}, "5:1/0 1:2/1 2:3/2 3:4/3 4:5/0"},
    TieBreakCase{"AllDrawnFourShareFirst", {"x===", "=x==", "==x=", "===x"},
                 fideRoundRobinTieBreaks(),
                 "1:1-4/0/0/2.25/1.5 2:1-4/0/0/2.25/1.5 3:1-4/0/0/2.25/1.5 4:1-4/0/0/2.25/1.5"},
    // A forfeit is a game for the direct encounter and a win for WIN, not for WON.
    TieBreakCase{"ForfeitCountsForDirectEncounter", kForfeit, {{K::DirectEncounter}},
                 "1:1/1 2:2/2 3:3/0 4:4/0"},
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
                 "3:1/0/1/2.5/1 1:2/1/1/2.5/1.5 2:3/2/1/2/.5 4:4/0/1/1.5/1", {0, 0, 0, 2}},
    // Two cycles, the second begun: 1 beat 2 twice, which averages to one game.
    TieBreakCase{"DirectEncounterAveragesRepeatedGames",
                 {"x100x1..", "0x110x..", "10x1..x.", "100x...x"}, {{K::DirectEncounter}},
                 "1:1-3/0 2:1-3/0 3:1-3/0 4:4/0", {}, {}, 2}),
    [](const testing::TestParamInfo<TieBreakCase> &info) { return info.param.name; });
// clang-format on

TEST(TieBreakCodes, SpellFideAcronymsWithLimits)
{
    const std::vector<std::pair<TieBreak, std::string>> cases = {{{K::DirectEncounter}, "DE"},
                                                                 {{K::BlackWins}, "BWG"},
                                                                 {{K::Koya}, "KS"},
                                                                 {{K::Koya, 40, 0}, "KS/L40"},
                                                                 {{K::Koya, 50, -1}, "KS/L-1"},
                                                                 {{K::PerformanceRating}, "TPR"}};
    for (const auto &[tieBreak, code] : cases)
        EXPECT_EQ(fideCode(tieBreak), code);
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
