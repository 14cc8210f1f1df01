#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "rounds/number_draw.h"

using namespace krugovik;

namespace {

bool isPermutation(std::vector<int> order, int n)
{
    std::sort(order.begin(), order.end());
    std::vector<int> all(static_cast<std::size_t>(n));
    std::iota(all.begin(), all.end(), 0);
    return order == all;
}

TEST(VarmaTables, AreFideSetsForTenAndTwenty)
{
    const auto ten = varmaGroups(10);
    EXPECT_EQ(ten[0], (std::vector<int>{3, 4, 8}));
    EXPECT_EQ(ten[1], (std::vector<int>{5, 7, 9}));
    EXPECT_EQ(ten[2], (std::vector<int>{1, 6}));
    EXPECT_EQ(ten[3], (std::vector<int>{2, 10}));
    const auto twenty = varmaGroups(20);
    EXPECT_EQ(twenty[0], (std::vector<int>{6, 7, 8, 9, 15, 16, 17, 18}));
    EXPECT_EQ(twenty[2], (std::vector<int>{5, 10, 19}));
    // An odd count drops the highest number of the even table.
    EXPECT_EQ(varmaGroups(9)[3], (std::vector<int>{2}));
    EXPECT_EQ(varmaGroups(8)[0], std::vector<int>{});
    EXPECT_EQ(varmaGroups(25)[0], std::vector<int>{});
}

TEST(VarmaTables, ShareOutEveryNumberOnce)
{
    for (int n = kFewestVarmaPlayers; n <= kMostVarmaPlayers; ++n) {
        std::vector<int> numbers;
        for (const std::vector<int> &group : varmaGroups(n))
            numbers.insert(numbers.end(), group.begin(), group.end());
        std::sort(numbers.begin(), numbers.end());
        std::vector<int> all(static_cast<std::size_t>(n));
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(numbers, all) << n << " players";
    }
}

TEST(DrawByLot, IsTheSameForASeedAndAnotherForAnother)
{
    const std::vector<int> first = drawByLot(12, 42);
    EXPECT_TRUE(isPermutation(first, 12));
    EXPECT_EQ(drawByLot(12, 42), first);
    EXPECT_NE(drawByLot(12, 43), first);
    EXPECT_TRUE(drawByLot(0, 1).empty());
}

TEST(DrawByRating, OrdersByRatingThenTitleThenName)
{
    const std::vector<DrawEntrant> players = {
        {"Bodrov", 2400, "FM", ""}, {"Avdeev", 2400, "FM", ""},   {"Zotov", 2400, "IM", ""},
        {"Yakovlev", 2510, "", ""}, {"Ivanova", 2400, "WGM", ""}, {"Petrov", 0, "", ""}};
    // 2510; then at 2400 IM, WGM, FM Avdeev, FM Bodrov; then the unrated.
    EXPECT_EQ(drawByRating(players), (std::vector<int>{3, 2, 4, 1, 0, 5}));
}

std::vector<DrawEntrant> fieldOf(const std::vector<std::string> &groups)
{
    std::vector<DrawEntrant> players;
    for (std::size_t i = 0; i < groups.size(); ++i)
        players.push_back({"player " + std::to_string(100 + i), 2000, "", groups[i]});
    return players;
}

TEST(DrawByVarma, PutsEachContingentIntoOneSet)
{
    // Ten players: three of RUS, two of GER, two of FRA, the rest one each.
    const std::vector<DrawEntrant> players =
        fieldOf({"RUS", "GER", "RUS", "FRA", "ITA", "RUS", "GER", "FRA", "ESP", "NED"});
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        const auto order = drawByVarma(players, seed);
        ASSERT_TRUE(order);
        ASSERT_TRUE(isPermutation(*order, 10));
        std::vector<int> numberOf(10);
        for (int k = 0; k < 10; ++k)
            numberOf[std::size_t((*order)[std::size_t(k)])] = k + 1;
        const auto groups = varmaGroups(10);
        const auto setOf = [&](int player) {
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const auto &set = groups[g];
                if (std::find(set.begin(), set.end(), numberOf[std::size_t(player)]) != set.end())
                    return int(g);
            }
            return -1;
        };
        // RUS drew first, from A or B (the sets of three); GER and FRA each from one set.
        EXPECT_EQ(setOf(0), setOf(2));
        EXPECT_EQ(setOf(0), setOf(5));
        EXPECT_LT(setOf(0), 2);
        EXPECT_EQ(setOf(1), setOf(6));
        EXPECT_EQ(setOf(3), setOf(7));
    }
    EXPECT_EQ(drawByVarma(players, 7), drawByVarma(players, 7));
}

TEST(DrawByVarma, RefusesCountsTheTablesDoNotServe)
{
    EXPECT_FALSE(drawByVarma(fieldOf(std::vector<std::string>(8, "RUS")), 1));
}

RC_GTEST_PROP(DrawByVarma, GivesEveryNumberOnceWhateverTheContingents, ())
{
    const int n = *rc::gen::inRange(kFewestVarmaPlayers, 23);
    std::vector<std::string> groups;
    for (int i = 0; i < n; ++i)
        groups.push_back(std::string(1, char('A' + *rc::gen::inRange(0, 4))));
    const auto order = drawByVarma(fieldOf(groups), *rc::gen::arbitrary<std::uint64_t>());
    RC_ASSERT(order.has_value());
    RC_ASSERT(isPermutation(*order, n));
}

} // namespace
