#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

#include "rounds/berger_schedule.h"

using namespace krugovik;

namespace {

// Each round as "f-s, f-s, …" in board order.
std::map<int, std::string> rounds(int n)
{
    std::map<int, std::string> result;
    for (const ScheduledGame &g : bergerSchedule(n)) {
        std::string &line = result[g.round];
        line += (line.empty() ? "" : ", ") + std::to_string(g.firstNamed) + "-" +
                std::to_string(g.secondNamed);
    }
    return result;
}

class EveryCount : public ::testing::TestWithParam<int> {};

TEST_P(EveryCount, EveryPairMeetsOnceAndNobodyPlaysTwiceInARound)
{
    const int n = GetParam();
    const std::vector<ScheduledGame> games = bergerSchedule(n);
    const int expectedRounds = n % 2 == 0 ? n - 1 : n;
    EXPECT_EQ(roundCount(n), expectedRounds);
    EXPECT_EQ(int(games.size()), n * (n - 1) / 2);
    std::set<std::pair<int, int>> pairs;
    std::map<int, std::set<int>> playing; // round → players
    std::map<int, int> firstNamed;
    for (const ScheduledGame &g : games) {
        ASSERT_GE(g.round, 1);
        ASSERT_LE(g.round, expectedRounds);
        ASSERT_GE(g.firstNamed, 1);
        ASSERT_LE(g.secondNamed, n);
        ASSERT_NE(g.firstNamed, g.secondNamed);
        EXPECT_TRUE(pairs.insert(std::pair<int, int>(std::minmax(g.firstNamed, g.secondNamed))).second);
        EXPECT_TRUE(playing[g.round].insert(g.firstNamed).second) << "round " << g.round;
        EXPECT_TRUE(playing[g.round].insert(g.secondNamed).second) << "round " << g.round;
        ++firstNamed[g.firstNamed];
    }
    for (const auto &[round, players] : playing)
        EXPECT_EQ(int(players.size()), n / 2 * 2) << "round " << round;
    if (n % 2 == 1) {
        // Each player sits out exactly one round.
        for (int p = 1; p <= n; ++p) {
            int out = 0;
            for (const auto &[round, players] : playing)
                out += players.count(p) == 0;
            EXPECT_EQ(out, 1) << "player " << p;
        }
    }
    // Sorted by round, then by first-named player.
    for (std::size_t k = 1; k < games.size(); ++k) {
        EXPECT_TRUE(games[k - 1].round < games[k].round ||
                    (games[k - 1].round == games[k].round &&
                     games[k - 1].firstNamed < games[k].firstNamed));
    }
}

INSTANTIATE_TEST_SUITE_P(ThreeTo22, EveryCount, ::testing::Range(3, 23));

TEST(BergerSchedule, SmallTablesInFull)
{
    EXPECT_EQ(rounds(3), (std::map<int, std::string>{{1, "2-3"}, {2, "1-2"}, {3, "3-1"}}));
    EXPECT_EQ(rounds(5), (std::map<int, std::string>{
                             {1, "2-5, 3-4"}, {2, "1-2, 5-3"}, {3, "3-1, 4-5"}, {4, "1-4, 2-3"},
                             {5, "4-2, 5-1"}}));
    EXPECT_EQ(rounds(6), (std::map<int, std::string>{{1, "1-6, 2-5, 3-4"},
                                                     {2, "1-2, 5-3, 6-4"},
                                                     {3, "2-6, 3-1, 4-5"},
                                                     {4, "1-4, 2-3, 6-5"},
                                                     {5, "3-6, 4-2, 5-1"}}));
}

TEST(BergerSchedule, FiveHaveTwoFirstNamedGamesEach)
{
    std::map<int, int> first;
    for (const ScheduledGame &g : bergerSchedule(5))
        ++first[g.firstNamed];
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(first[p], 2) << p;
}

TEST(BergerSchedule, LargeTables)
{
    EXPECT_EQ(rounds(22)[1], "1-22, 2-21, 3-20, 4-19, 5-18, 6-17, 7-16, 8-15, 9-14, 10-13, 11-12");
    bool found1821 = false, found1819 = false;
    for (const ScheduledGame &g : bergerSchedule(21)) {
        const std::pair<int, int> pair = std::minmax(g.firstNamed, g.secondNamed);
        if (pair == std::pair{18, 21}) {
            EXPECT_EQ(g.round, 17);
            EXPECT_EQ(g.firstNamed, 18);
            found1821 = true;
        }
        if (pair == std::pair{18, 19}) {
            EXPECT_EQ(g.round, 15);
            EXPECT_EQ(g.firstNamed, 18);
            found1819 = true;
        }
    }
    EXPECT_TRUE(found1821 && found1819);
}

TEST(BergerSchedule, CountsOutsideTheRangeHaveNoSchedule)
{
    for (int n : {-1, 0, 1, 2, 23, 100}) {
        EXPECT_TRUE(bergerSchedule(n).empty()) << n;
        EXPECT_EQ(roundCount(n), 0) << n;
    }
}

} // namespace
