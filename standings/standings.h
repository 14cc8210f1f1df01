#pragma once

#include <span>
#include <vector>

#include "common/fixed_point.h"
#include "rating/game_records.h"

namespace krugovik {

// Shown points are held within this many points, far beyond any real score, so that a
// hand-edited column cannot make the coefficient overflow.
inline constexpr std::int64_t kShownPointsLimit = 1'000'000'000;

// Player i's points against players 1..playerCount; a forfeit win counts as a win.
Fixed playerPoints(const GameRecords &records, int i, int playerCount);
// The same over the game arrays of every cycle.
Fixed playerPoints(std::span<const GameRecords> cycles, int i, int playerCount);

// Player i's Berger coefficient from the points each opponent j is shown with,
// shownPoints[j] for j = 1..size-1 (index 0 unused): the whole of them for a win, half
// for a draw, each half rounded to four decimals, halves to even.
Fixed bergerCoefficient(const GameRecords &records, int i, const std::vector<Fixed> &shownPoints);
// The same over every game of every cycle.
Fixed bergerCoefficient(std::span<const GameRecords> cycles, int i,
                        const std::vector<Fixed> &shownPoints);

} // namespace krugovik
