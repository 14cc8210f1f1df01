// Rounds as headers and as names: which round a header selects, which header selects a
// round, and how the director reads them.
#include <gtest/gtest.h>

#include <string>

#include "rounds/berger_schedule.h"
#include "rounds/round_names.h"

using namespace krugovik;

namespace {

struct HeaderCase {
    int players;
    int cycles;
    int column;
    int round; // 0: the header selects nothing
    const char *tip;
};

TEST(RoundNames, WhatEachHeaderSelectsAndItsTooltip)
{
    const HeaderCase cases[] = {
        // One cycle: header j is round j, the empty round of an even count included.
        {6, 1, 5, 1, "Тур 1"},
        {6, 1, 9, 5, "Тур 5"},
        {6, 1, 10, 6, "Тур 6: в расписании нет партий"},
        {5, 1, 9, 5, "Тур 5"},
        // Two cycles of six: five rounds a cycle; header 6 of each block selects nothing.
        {6, 2, 5, 1, "Тур 1 (1-й цикл, тур 1)"},
        {6, 2, 10, 0, "1-й цикл: тура с этим номером нет"},
        {6, 2, 11, 6, "Тур 6 (2-й цикл, тур 1)"},
        {6, 2, 15, 10, "Тур 10 (2-й цикл, тур 5)"},
        {6, 2, 16, 0, "2-й цикл: тура с этим номером нет"},
        // Odd counts have a round per player: every header selects one.
        {5, 3, 14, 10, "Тур 10 (2-й цикл, тур 5)"},
        {5, 3, 15, 11, "Тур 11 (3-й цикл, тур 1)"},
        // Outside the game columns.
        {6, 2, 4, 0, ""},
        {6, 2, 17, 0, ""},
        {2, 1, 5, 0, ""},
    };
    for (const HeaderCase &c : cases) {
        EXPECT_EQ(headerRound(c.players, c.cycles, c.column), c.round)
            << c.players << " players, " << c.cycles << " cycles, column " << c.column;
        EXPECT_EQ(headerRoundTip(c.players, c.cycles, c.column), c.tip)
            << c.players << " players, " << c.cycles << " cycles, column " << c.column;
    }
}

TEST(RoundNames, EveryRoundHasOneHeaderThatSelectsIt)
{
    for (int n = 3; n <= 22; ++n) {
        for (int cycles = 1; cycles <= kMostCycles; ++cycles) {
            const int rounds = roundCount(n) * cycles;
            for (int r = 1; r <= rounds; ++r) {
                const int column = roundColumn(n, cycles, r);
                ASSERT_EQ(headerRound(n, cycles, column), r) << n << ' ' << cycles << ' ' << r;
                // The header sits in the block of the round's cycle.
                EXPECT_EQ((column - 5) / n, (r - 1) / roundCount(n));
            }
            EXPECT_EQ(roundColumn(n, cycles, 0), 0);
            EXPECT_EQ(roundColumn(n, cycles, rounds + 1), 0);
        }
    }
}

TEST(RoundNames, NamesCountThroughAllCycles)
{
    EXPECT_EQ(roundName(6, 1, 3), "Тур 3");
    EXPECT_EQ(roundName(6, 2, 6), "Тур 6 (2-й цикл, тур 1)");
    EXPECT_EQ(roundName(22, 4, 84), "Тур 84 (4-й цикл, тур 21)");
    EXPECT_EQ(roundName(3, 2, 4), "Тур 4 (2-й цикл, тур 1)");
}

} // namespace
