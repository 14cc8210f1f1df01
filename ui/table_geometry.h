#pragma once

// Where the crosstable puts the event: row 0 holds the headers and row i player i; columns 0
// to 4 his number, name, rating and columns 3 and 4; then one block of N game columns per
// cycle, column 5 + c N + j - 1 his game against player j in cycle c. The event speaks in
// games and players; the picture, the item model and the window find them on the grid here.
// Plain C++, no Qt.

#include <optional>

#include "table/tournament.h"

namespace krugovik {

struct TableGeometry {
    static constexpr int kFirstGameColumn = 5; // the first column of cycle 1's block

    int players = Tournament::kFewestPlayers; // N, the rows below the headers
    int cycles = 1;                           // the blocks of game columns

    // The grid of `event` as it stands now.
    static TableGeometry of(const Tournament &event);

    int rowCount() const { return players + 1; }
    int columnCount() const { return kFirstGameColumn + players * cycles; }
    // A column of some cycle's block, the headers' round columns included.
    bool isGameColumn(int column) const;
    // A game column's cycle (0 for the first) and the player its header names.
    int cycleOf(int column) const { return (column - kFirstGameColumn) / players; }
    int opponentOf(int column) const { return (column - kFirstGameColumn) % players + 1; }
    // The game of a player's cell; none on the diagonal, in the headers and off the grid.
    std::optional<GameKey> gameAt(int row, int column) const;
    // The column of a game's side; its row is key.player.
    int columnOf(const GameKey &key) const;

    // The round, counted through all cycles, that a game column's header selects; 0 for
    // none. With one cycle header j selects round j, even the empty round N of an even
    // count; with several, a header beyond the cycle's rounds selects nothing.
    int roundOfHeader(int column) const;
    // The header that selects a round counted through all cycles; 0 outside them.
    int headerOfRound(int round) const;
};

} // namespace krugovik
