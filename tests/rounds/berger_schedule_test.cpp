#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "rounds/berger_schedule.h"

using namespace krugovik;

namespace {

using Rounds = std::vector<std::string>;

// Each round as "f-s, f-s, …" in board order, round 1 first.
Rounds rounds(int n)
{
    Rounds result(static_cast<std::size_t>(roundCount(n)));
    for (const ScheduledGame &g : bergerSchedule(n)) {
        std::string &line = result.at(static_cast<std::size_t>(g.round - 1));
        line += (line.empty() ? "" : ", ") + std::to_string(g.firstNamed) + "-" +
                std::to_string(g.secondNamed);
    }
    return result;
}

const ScheduledGame *findPair(const std::vector<ScheduledGame> &games, int a, int b)
{
    const auto it = std::find_if(games.begin(), games.end(), [&](const ScheduledGame &g) {
        return std::minmax(g.firstNamed, g.secondNamed) == std::minmax(a, b);
    });
    return it == games.end() ? nullptr : &*it;
}

class EveryCount : public ::testing::TestWithParam<int> {};

TEST_P(EveryCount, IsARoundRobinInBoardOrder)
{
    const int n = GetParam();
    const int expectedRounds = n % 2 == 0 ? n - 1 : n;
    ASSERT_EQ(roundCount(n), expectedRounds);
    const std::vector<ScheduledGame> games = bergerSchedule(n);

    std::set<std::pair<int, int>> pairs;
    std::map<int, std::set<int>> playing; // round → players with a game in it
    std::map<int, int> gamesInRound;
    for (const ScheduledGame &g : games) {
        ASSERT_GE(g.round, 1);
        ASSERT_LE(g.round, expectedRounds);
        ASSERT_GE(std::min(g.firstNamed, g.secondNamed), 1);
        ASSERT_LE(std::max(g.firstNamed, g.secondNamed), n);
        ASSERT_NE(g.firstNamed, g.secondNamed);
        EXPECT_TRUE(pairs.insert(std::minmax(g.firstNamed, g.secondNamed)).second)
            << g.firstNamed << "-" << g.secondNamed << " twice";
        EXPECT_TRUE(playing[g.round].insert(g.firstNamed).second) << "round " << g.round;
        EXPECT_TRUE(playing[g.round].insert(g.secondNamed).second) << "round " << g.round;
        ++gamesInRound[g.round];
    }
    EXPECT_EQ(int(pairs.size()), n * (n - 1) / 2);
    for (int r = 1; r <= expectedRounds; ++r)
        EXPECT_EQ(gamesInRound[r], n / 2) << "round " << r;
    if (n % 2 == 1) {
        for (int p = 1; p <= n; ++p) {
            const auto out = std::count_if(playing.begin(), playing.end(), [p](const auto &round) {
                return !round.second.count(p);
            });
            EXPECT_EQ(out, 1) << "player " << p << " sits out";
        }
    }
    EXPECT_TRUE(std::is_sorted(games.begin(), games.end(), [](const auto &a, const auto &b) {
        return a.round != b.round ? a.round < b.round : a.firstNamed < b.firstNamed;
    }));
}

INSTANTIATE_TEST_SUITE_P(Counts, EveryCount, ::testing::Range(3, 23),
                         [](const auto &info) { return "N" + std::to_string(info.param); });

struct TableCase {
    int n;
    Rounds rounds;
};

class WholeTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(WholeTable, MatchesThePublishedTable)
{
    EXPECT_EQ(rounds(GetParam().n), GetParam().rounds);
}

INSTANTIATE_TEST_SUITE_P(
    SmallCounts, WholeTable,
    ::testing::Values(TableCase{3, {"2-3", "1-2", "3-1"}},
                      TableCase{5, {"2-5, 3-4", "1-2, 5-3", "3-1, 4-5", "1-4, 2-3", "4-2, 5-1"}},
                      TableCase{6,
                                {"1-6, 2-5, 3-4", "1-2, 5-3, 6-4", "2-6, 3-1, 4-5", "1-4, 2-3, 6-5",
                                 "3-6, 4-2, 5-1"}}),
    [](const auto &info) { return "N" + std::to_string(info.param.n); });

TEST(BergerSchedule, FivePlayersAreEachNamedFirstTwice)
{
    std::map<int, int> first;
    for (const ScheduledGame &g : bergerSchedule(5))
        ++first[g.firstNamed];
    EXPECT_EQ(first, (std::map<int, int>{{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}));
}

TEST(BergerSchedule, TwentyTwoFillsElevenBoardsInRoundOne)
{
    EXPECT_EQ(rounds(22).at(0),
              "1-22, 2-21, 3-20, 4-19, 5-18, 6-17, 7-16, 8-15, 9-14, 10-13, 11-12");
}

TEST(BergerSchedule, TwentyOneIsTheTwentyTwoTableWithoutPlayer22)
{
    const std::vector<ScheduledGame> games = bergerSchedule(21);
    const ScheduledGame *late = findPair(games, 18, 21);
    ASSERT_NE(late, nullptr);
    EXPECT_EQ(late->round, 17);
    EXPECT_EQ(late->firstNamed, 18);
    const ScheduledGame *early = findPair(games, 18, 19);
    ASSERT_NE(early, nullptr);
    EXPECT_EQ(early->round, 15);
    EXPECT_EQ(early->firstNamed, 18);
    // Whoever meets 22 in the larger table sits out here.
    const std::vector<ScheduledGame> full = bergerSchedule(22);
    for (int k = 1; k <= 21; ++k) {
        const ScheduledGame *withLast = findPair(full, k, 22);
        ASSERT_NE(withLast, nullptr) << k;
        const int freeRound = withLast->round;
        for (const ScheduledGame &g : games)
            EXPECT_FALSE(g.round == freeRound && (g.firstNamed == k || g.secondNamed == k)) << k;
    }
}

TEST(BergerSchedule, CountsOutsideThreeTo22HaveNoSchedule)
{
    for (int n : {-1, 0, 1, 2, 23, 100}) {
        EXPECT_TRUE(bergerSchedule(n).empty()) << n;
        EXPECT_EQ(roundCount(n), 0) << n;
    }
}

} // namespace
