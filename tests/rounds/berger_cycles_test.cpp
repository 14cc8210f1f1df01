#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "rounds/berger_schedule.h"

using namespace krugovik;

namespace {

using Table = std::vector<std::set<std::pair<int, int>>>; // rounds of (White, Black)

// FIDE's tables (C.05, Annex 1) as printed, rounds split by '|'.
const std::map<int, std::string> kPrinted = {
    {4, "1-4 2-3|4-3 1-2|2-4 3-1"},
    {16, "1-16 2-15 3-14 4-13 5-12 6-11 7-10 8-9|16-9 10-8 11-7 12-6 13-5 14-4 15-3 1-2|"
         "2-16 3-1 4-15 5-14 6-13 7-12 8-11 9-10|16-10 11-9 12-8 13-7 14-6 15-5 1-4 2-3|"
         "3-16 4-2 5-1 6-15 7-14 8-13 9-12 10-11|16-11 12-10 13-9 14-8 15-7 1-6 2-5 3-4|"
         "4-16 5-3 6-2 7-1 8-15 9-14 10-13 11-12|16-12 13-11 14-10 15-9 1-8 2-7 3-6 4-5|"
         "5-16 6-4 7-3 8-2 9-1 10-15 11-14 12-13|16-13 14-12 15-11 1-10 2-9 3-8 4-7 5-6|"
         "6-16 7-5 8-4 9-3 10-2 11-1 12-15 13-14|16-14 15-13 1-12 2-11 3-10 4-9 5-8 6-7|"
         "7-16 8-6 9-5 10-4 11-3 12-2 13-1 14-15|16-15 1-14 2-13 3-12 4-11 5-10 6-9 7-8|"
         "8-16 9-7 10-6 11-5 12-4 13-3 14-2 15-1"}};

Table parse(const std::string &text)
{
    Table table(1);
    int white = 0, black = 0;
    char dash = 0;
    for (std::istringstream in(text); in >> white >> dash >> black;) {
        table.back().insert({white, black});
        if (in.peek() == '|')
            table.emplace_back(), in.ignore();
    }
    return table;
}

// How the printed tables go on from round 1: board by board, everyone but m moves on by
// m/2 (mod m − 1), and m changes sides.
Table rotation(int m)
{
    std::vector<std::pair<int, int>> boards;
    for (int k = 1; k <= m / 2; ++k)
        boards.push_back({k, m + 1 - k});
    Table table{{boards.begin(), boards.end()}};
    while (int(table.size()) < m - 1) {
        for (auto &[white, black] : boards) {
            for (int *p : {&white, &black})
                *p = *p == m ? m : (*p - 1 + m / 2) % (m - 1) + 1;
            if (white == m || black == m)
                std::swap(white, black);
        }
        table.emplace_back(boards.begin(), boards.end());
    }
    return table;
}

// Cycles by FIDE's rule: the highest number is the bye, even cycles reverse the colours,
// and the option swaps the first cycle's last two rounds; a third cycle goes backwards.
Table fideCycles(int n, int cycles, bool reversed)
{
    Table all;
    for (int c = 1; c <= cycles; ++c) {
        Table cycle = rotation(n + n % 2);
        if (c == 1 && reversed && cycles > 1)
            std::swap(cycle.end()[-1], cycle.end()[-2]);
        if (c == 3)
            std::reverse(cycle.begin(), cycle.end());
        for (const auto &round : cycle) {
            all.emplace_back();
            for (auto [w, b] : round) {
                if (std::max(w, b) <= n)
                    all.back().insert(c % 2 ? std::pair(w, b) : std::pair(b, w));
            }
        }
    }
    return all;
}

TEST(FideTables, RoundOneAndTheRotationGiveThePrintedTables)
{
    for (const auto &[m, text] : kPrinted)
        EXPECT_EQ(rotation(m), parse(text)) << m << " players";
}

class Cycles : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(Cycles, FollowFidesTablesAndFindEveryGame)
{
    const auto [n, cycles, reversed] = GetParam();
    const Table single = fideCycles(n, 1, false);
    Table table(static_cast<std::size_t>(cycles * roundCount(n)));
    for (const ScheduledGame &g : bergerSchedule(n, cycles, reversed)) {
        table.at(g.round - 1).insert({g.firstNamed, g.secondNamed});
        const int cycle = (g.round - 1) / roundCount(n) + 1;
        const auto found = scheduledGame(n, cycles, reversed, cycle, g.secondNamed, g.firstNamed);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(std::tie(found->round, found->firstNamed), std::tie(g.round, g.firstNamed));
        const auto inTable = cycle % 2 ? std::pair(g.firstNamed, g.secondNamed)
                                       : std::pair(g.secondNamed, g.firstNamed);
        EXPECT_EQ(single.at(tableRound(n, cycles, reversed, g.round) - 1).count(inTable), 1u);
    }
    EXPECT_EQ(table, fideCycles(n, cycles, reversed));
    EXPECT_FALSE(scheduledGame(n, cycles, reversed, cycles + 1, 1, 2).has_value());
    EXPECT_FALSE(scheduledGame(n, cycles, reversed, 1, 2, 2).has_value());
}

INSTANTIATE_TEST_SUITE_P(Counts, Cycles,
                         ::testing::Combine(::testing::Range(3, 23), ::testing::Range(1, 5),
                                            ::testing::Bool()),
                         [](const auto &info) {
                             const auto &p = info.param;
                             return "N" + std::to_string(std::get<0>(p)) + "Cycles" +
                                    std::to_string(std::get<1>(p)) +
                                    (std::get<2>(p) ? "Swapped" : "");
                         });

// Player → 'W'/'B' game by game (a free round leaves no letter) over cycles from..to.
std::map<int, std::string> colourRuns(int n, int cycles, bool reversed, int from = 1)
{
    std::map<int, std::string> colours;
    for (const ScheduledGame &g : bergerSchedule(n, cycles, reversed)) {
        if ((g.round - 1) / roundCount(n) + 1 >= from)
            colours[g.firstNamed] += 'W', colours[g.secondNamed] += 'B';
    }
    return colours;
}

TEST(TwoCycles, WithoutTheSwapPlayers1AndHalfPlus1GetThreeColoursInARow)
{
    for (int n = 3; n <= 22; ++n) {
        for (bool reversed : {false, true}) {
            std::set<int> threes;
            for (const auto &[player, seq] : colourRuns(n, 2, reversed)) {
                if (seq.find("WWW") != seq.npos || seq.find("BBB") != seq.npos)
                    threes.insert(player);
            }
            const std::set<int> expected =
                reversed || n % 2 ? std::set<int>{} : std::set<int>{1, n / 2 + 1};
            EXPECT_EQ(threes, expected) << n;
        }
    }
}

TEST(EveryCycleCount, NobodyHasOneColourThreeTimesRunningAcrossTheJoins)
{
    for (int n = 3; n <= 22; ++n) {
        for (int cycles = 1; cycles <= kMostCycles; ++cycles) {
            // Without the swap only the first join is left to chance, as the director chose.
            for (const auto &[reversed, from] : {std::pair(true, 1), std::pair(false, 2)}) {
                for (const auto &[player, seq] : colourRuns(n, cycles, reversed, from)) {
                    EXPECT_EQ(seq.find("WWW"), seq.npos) << n << "x" << cycles << " " << player;
                    EXPECT_EQ(seq.find("BBB"), seq.npos) << n << "x" << cycles << " " << player;
                }
            }
        }
    }
}

TEST(EveryCycleCount, EveryPairGetsEachColourAlikeOverAnEvenNumberOfCycles)
{
    for (int n = 3; n <= 22; ++n) {
        std::map<std::pair<int, int>, int> whites; // (White, Black) → games
        for (const ScheduledGame &g : bergerSchedule(n, 4, true))
            ++whites[{g.firstNamed, g.secondNamed}];
        for (const auto &[pair, count] : whites)
            EXPECT_EQ(count, 2) << n << ": " << pair.first << "-" << pair.second;
    }
}

// Adding a cycle never moves a game of the cycles before it (the first cycle's swap aside,
// which comes with the second cycle).
TEST(EveryCycleCount, ACycleKeepsItsRoundsWhenMoreCyclesFollow)
{
    for (int n = 3; n <= 22; ++n) {
        for (bool reversed : {false, true}) {
            for (int cycles = 2; cycles < kMostCycles; ++cycles) {
                const auto fewer = bergerSchedule(n, cycles, reversed);
                const auto more = bergerSchedule(n, cycles + 1, reversed);
                ASSERT_GT(more.size(), fewer.size());
                for (std::size_t k = 0; k < fewer.size(); ++k) {
                    EXPECT_EQ(std::tie(more[k].round, more[k].firstNamed, more[k].secondNamed),
                              std::tie(fewer[k].round, fewer[k].firstNamed, fewer[k].secondNamed))
                        << n << "x" << cycles;
                }
            }
        }
    }
}

TEST(TwoCycles, CountsAndCyclesOutOfRangeHaveNoSchedule)
{
    for (auto [n, cycles] : {std::pair(2, 2), {23, 2}, {8, 0}, {8, kMostCycles + 1}}) {
        EXPECT_TRUE(bergerSchedule(n, cycles, true).empty()) << n << "x" << cycles;
        EXPECT_EQ(tableRound(n, cycles, true, 1), 0) << n << "x" << cycles;
    }
}

} // namespace
