#pragma once

#include "common/fixed_point.h"

namespace krugovik {

// Rated games up to which the correction table reaches.
inline constexpr int kCorrectionTableGames = 15;

// The correction of an initial estimate, in rating points, for a player's score in his
// rated games: between -10 and +10 points a game. Beyond the table (16 games or more)
// the correction is 0, so that it depends on the results alone and a reloaded tournament
// rates as the saved one did. Scores are multiples of a half; any other score counts as
// the half below it. No games, or a negative count, give 0.
int ratingCorrection(int ratedGames, Fixed score);

} // namespace krugovik
