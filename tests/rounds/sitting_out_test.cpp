#include <gtest/gtest.h>

#include "rounds/sitting_out.h"

using namespace krugovik;

namespace {

TEST(SittingOut, FollowsTheBergerTableForOddCounts)
{
    // Rounds 1..5 of five players and 1..3 of three.
    EXPECT_EQ((std::vector<int>{sittingOut(5, 1), sittingOut(5, 2), sittingOut(5, 3),
                                sittingOut(5, 4), sittingOut(5, 5)}),
              (std::vector<int>{1, 4, 2, 5, 3}));
    EXPECT_EQ((std::vector<int>{sittingOut(3, 1), sittingOut(3, 2), sittingOut(3, 3)}),
              (std::vector<int>{1, 3, 2}));
}

TEST(SittingOut, EveryPlayerOfAnOddCountSitsOutExactlyOnce)
{
    for (int n = 3; n <= 21; n += 2) {
        std::vector<int> times(std::size_t(n) + 1, 0);
        for (int round = 1; round <= n; ++round) {
            const int player = sittingOut(n, round);
            ASSERT_GE(player, 1) << n << " " << round;
            ASSERT_LE(player, n);
            ++times[std::size_t(player)];
        }
        for (int player = 1; player <= n; ++player)
            EXPECT_EQ(times[std::size_t(player)], 1) << n << " " << player;
    }
}

TEST(SittingOut, NobodyForEvenCountsOrRoundsOutsideTheSchedule)
{
    for (int round = 0; round <= 7; ++round)
        EXPECT_EQ(sittingOut(6, round), 0) << round;
    EXPECT_EQ(sittingOut(22, 1), 0);
    EXPECT_EQ(sittingOut(5, 0), 0);
    EXPECT_EQ(sittingOut(5, 6), 0);
    EXPECT_EQ(sittingOut(5, -1), 0);
    EXPECT_EQ(sittingOut(1, 1), 0);
    EXPECT_EQ(sittingOut(23, 1), 0);
}

} // namespace
