// Rounds as the director reads them, counted through all cycles.
#include <gtest/gtest.h>

#include <string>

#include "rounds/round_names.h"

using namespace krugovik;

namespace {

TEST(RoundNames, NamesCountThroughAllCycles)
{
    EXPECT_EQ(roundName(6, 1, 3), "Тур 3");
    EXPECT_EQ(roundName(6, 2, 6), "Тур 6 (2-й цикл, тур 1)");
    EXPECT_EQ(roundName(22, 4, 84), "Тур 84 (4-й цикл, тур 21)");
    EXPECT_EQ(roundName(3, 2, 4), "Тур 4 (2-й цикл, тур 1)");
}

} // namespace
