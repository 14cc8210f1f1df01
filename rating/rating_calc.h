#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/fixed_point.h"

namespace krugovik {

// The lowest new rating the crosstable shows, in rating points.
inline constexpr std::int64_t kRatingFloor = 1000;
// Ratings are held within this bound, far beyond any real rating, so that a hand-edited
// file cannot make the sums overflow.
inline constexpr std::int64_t kRatingLimit = 1'000'000'000;

// A rating cell's text read as an integer (halves to even), within the bound.
std::int64_t readRating(std::string_view text);

// A player's rated games as the new rating needs them.
struct RatedGames {
    int games = 0;   // number of rated games
    Fixed points;    // points scored in them
    Fixed opponents; // sum of the opponents' ratings, each with its correction, rating points
};

// The rating a player is rated from, in rating points: his rating cell's value, plus the
// correction when that value is only an initial estimate, rounded halves to even.
std::int64_t ownRating(Fixed ratingCell, bool isEstimate, int correction);
// The expected score in one game against the average opponent, from the rating
// difference in double precision, stored to four decimals.
Fixed expectedScore(Fixed averageOpponent, std::int64_t rating);
// The factor by which the difference between points and expectation moves the rating;
// a result exactly at the expectation counts as one above it.
int developmentFactor(std::int64_t rating, Fixed difference);
// The new rating before the floor; nothing when the player has no rated game.
std::optional<std::int64_t> newRating(const RatedGames &games, std::int64_t rating);
// The new rating as the crosstable shows it: a blank and the digits, or "1000" when
// below the floor.
std::string newRatingText(std::int64_t newRating);
// The whole new-rating cell: the rating cell's text, unchanged, for a player without a
// rated game, else the new rating's text.
std::string newRatingCell(std::optional<std::int64_t> newRating, std::string_view ratingCell);
// The change cell: " + 12" for a gain, "-21" for a loss, " 0" for none.
std::string ratingChangeText(std::int64_t oldRating, std::int64_t nowRating);

} // namespace krugovik
