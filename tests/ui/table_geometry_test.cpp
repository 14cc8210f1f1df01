#include <gtest/gtest.h>

#include <optional>

#include "rounds/berger_schedule.h"
#include "ui/table_geometry.h"
#include "ui/table_texts.h"

using namespace krugovik;

namespace {

// Cells worked out by hand from the layout: number, name, rating, columns 3 and 4, then a
// block of N columns per cycle.
struct CellCase {
    int players;
    int cycles;
    int row;
    int column;
    std::optional<GameKey> game;
};

class GeometryCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(GeometryCells, NameTheirGame)
{
    const CellCase c = GetParam();
    const TableGeometry grid{c.players, c.cycles};
    EXPECT_EQ(grid.gameAt(c.row, c.column), c.game);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, GeometryCells,
    ::testing::Values(
        CellCase{3, 1, 1, 6, GameKey{0, 1, 2}}, CellCase{3, 1, 2, 5, GameKey{0, 2, 1}},
        CellCase{3, 1, 3, 6, GameKey{0, 3, 2}}, CellCase{4, 2, 2, 11, GameKey{1, 2, 3}},
        CellCase{22, 4, 22, 91, GameKey{3, 22, 21}}, CellCase{22, 4, 1, 92, GameKey{3, 1, 22}},
        // The round trip below covers every cell off the grid, the headers and the diagonal.
        CellCase{4, 2, 3, 11, std::nullopt})); // the diagonal of cycle 2

TEST(Geometry, EveryGameHasOneCellAndTheRestNone)
{
    for (int n = Tournament::kFewestPlayers; n <= Tournament::kMostPlayers; ++n) {
        for (int cycles = 1; cycles <= 4; ++cycles) {
            const TableGeometry grid{n, cycles};
            ASSERT_EQ(grid.rowCount(), n + 1);
            ASSERT_EQ(grid.columnCount(), 5 + n * cycles);
            int games = 0;
            for (int row = -1; row <= grid.rowCount(); ++row) {
                for (int column = -1; column <= grid.columnCount(); ++column) {
                    const std::optional<GameKey> key = grid.gameAt(row, column);
                    if (!key)
                        continue;
                    ++games;
                    ASSERT_EQ(key->player, row);
                    ASSERT_NE(key->opponent, row);
                    ASSERT_EQ(grid.columnOf(*key), column) << n << ' ' << cycles;
                    ASSERT_EQ(grid.cycleOf(column), key->cycle);
                }
            }
            EXPECT_EQ(games, n * (n - 1) * cycles) << n << ' ' << cycles;
            // Columns 0 to 4 and the diagonal hold no game.
            for (int row = 1; row <= n; ++row) {
                for (int column = 0; column < TableGeometry::kFirstGameColumn; ++column)
                    EXPECT_FALSE(grid.gameAt(row, column));
                for (int c = 0; c < cycles; ++c)
                    EXPECT_FALSE(grid.gameAt(row, grid.columnOf({c, row, row})));
            }
        }
    }
}

struct HeaderCase {
    int players;
    int cycles;
    int column;
    int round; // 0: the header selects nothing
    const char *tip;
};

TEST(Geometry, WhatEachRoundHeaderSelectsAndItsTooltip)
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
        const TableGeometry grid{c.players, c.cycles};
        EXPECT_EQ(grid.roundOfHeader(c.column), c.round)
            << c.players << " players, " << c.cycles << " cycles, column " << c.column;
        EXPECT_EQ(headerRoundTip(grid, c.column), c.tip)
            << c.players << " players, " << c.cycles << " cycles, column " << c.column;
    }
}

TEST(Geometry, EveryRoundHasOneHeaderThatSelectsIt)
{
    for (int n = 3; n <= 22; ++n) {
        for (int cycles = 1; cycles <= kMostCycles; ++cycles) {
            const TableGeometry grid{n, cycles};
            const int rounds = roundCount(n) * cycles;
            for (int r = 1; r <= rounds; ++r) {
                const int column = grid.headerOfRound(r);
                ASSERT_EQ(grid.roundOfHeader(column), r) << n << ' ' << cycles << ' ' << r;
                // The header sits in the block of the round's cycle.
                EXPECT_EQ((column - 5) / n, (r - 1) / roundCount(n));
            }
            EXPECT_EQ(grid.headerOfRound(0), 0);
            EXPECT_EQ(grid.headerOfRound(rounds + 1), 0);
        }
    }
}

} // namespace
