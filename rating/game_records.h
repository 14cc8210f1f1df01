#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/fixed_point.h"
#include "rating/game_notation.h"

namespace krugovik {

// Player numbers of the crosstable run from 1 to this.
inline constexpr int kMaxTablePlayers = 22;

// The game arrays of a tournament, entry (i, j) being player i's side of the game
// against player j; both indices are player numbers 1..22, index 0 is unused.
struct GameRecords {
    // One entry per ordered pair of player numbers, 0..22 each.
    template <typename T>
    using Table = std::array<std::array<T, kMaxTablePlayers + 1>, kMaxTablePlayers + 1>;

    Table<std::string> results{};         // GameResults: the cell text of i's side
    Table<Fixed> points{};                // GamePoints: i's points in a rated game
    Table<std::int16_t> played{};         // GamePlayed: 1 for a rated game, both ways alike
    Table<std::int64_t> opponentRating{}; // OpponentRating: j's rating when recorded, or 0

    // The state of i's side; an empty cell for anything the arrays never hold.
    GameState state(int i, int j) const;
    // Back to the reset state: every result empty, every number 0.
    void clear();

    bool operator==(const GameRecords &) const = default;
};

// Records the game of p against q with p's side in `stateOfP`, for both players.
// Ratings are the players' rating cells read as integers; used only for rated games.
// Player numbers outside 1..22, or p = q, record nothing.
void recordGame(GameRecords &records, int p, int q, GameState stateOfP, std::int64_t ratingOfQ,
                std::int64_t ratingOfP);

} // namespace krugovik
