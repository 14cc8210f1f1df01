#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/fixed_point.h"

namespace krugovik {

inline constexpr std::int64_t kRatingFloor = 1000;
// Ratings read from text are held within this bound, far beyond any real rating, so that
// a hand-edited file cannot make the sums overflow.
inline constexpr std::int64_t kRatingLimit = 1'000'000'000;

// A rating cell's text read as an integer (halves to even), within the bound.
std::int64_t readRating(const std::string &text);

// A player's rated games as the new rating needs them.
struct RatedGames {
    int games = 0;    // number of rated games
    Fixed points;     // points scored in them
    Fixed opponents;  // sum of the opponents' ratings, each with its correction
};

// The expected score in one game against the average opponent, from the rating
// difference in double precision, stored to four decimals.
Fixed expectedScore(Fixed averageOpponent, std::int64_t rating);
// The factor by which the difference between points and expectation moves the rating.
int developmentFactor(std::int64_t rating, Fixed difference);
// The new rating before the floor; nothing when the player has no rated game.
std::optional<std::int64_t> newRating(const RatedGames &games, std::int64_t rating);
// The new-rating cell: a blank and the digits, or "1000" when below the floor.
std::string newRatingText(std::int64_t newRating);
// The change cell: " + 12" for a gain, "-21" for a loss, " 0" for none.
std::string ratingChangeText(std::int64_t oldRating, std::int64_t nowRating);

} // namespace krugovik
