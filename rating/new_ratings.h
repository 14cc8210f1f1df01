#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rating/game_records.h"
#include "rating/rating_calc.h"

namespace krugovik {

// A player's rating as the crosstable holds it.
struct RatingCell {
    std::string text;      // the rating cell's text
    bool estimate = false; // the cell is marked as an initial estimate
};

// What the new-rating command shows for one player.
struct NewRating {
    std::string cell;       // column 3: " 1547", "1000" at the floor, or the rating cell's text
    std::string change;     // column 4: " + 47", "-21", " 0"
    std::int64_t value = 0; // the new rating as an integer
    std::int64_t delta = 0; // the change against the rating cell, in rating points
};

// The correction of player i's estimate from his games against players 1..playerCount.
int estimateCorrection(const GameRecords &records, int i, int playerCount);
// The same over the game arrays of every cycle: each rated game counts.
int estimateCorrection(std::span<const GameRecords> cycles, int i, int playerCount);

// Player i's rated games against players 1..playerCount; correction[j] is added to the
// rating each opponent j had when the game was recorded (0 for an established rating).
RatedGames ratedGames(const GameRecords &records, int i, int playerCount,
                      const std::vector<int> &correction);
RatedGames ratedGames(std::span<const GameRecords> cycles, int i, int playerCount,
                      const std::vector<int> &correction);

// Corrects the estimates and rates players 1..cells.size() from the game arrays, as the
// new-rating command does in the table, without touching anything else.
std::vector<NewRating> computeNewRatings(const std::vector<RatingCell> &cells,
                                         const GameRecords &records);
// The same over the game arrays of every cycle.
std::vector<NewRating> computeNewRatings(const std::vector<RatingCell> &cells,
                                         std::span<const GameRecords> cycles);

} // namespace krugovik
