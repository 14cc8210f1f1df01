#pragma once

#include <vector>

#include "common/fixed_point.h"
#include "rating/game_records.h"

namespace krugovik {

// Player i's points against players 1..playerCount; a forfeit win counts as a win.
Fixed playerPoints(const GameRecords &records, int i, int playerCount);

// Player i's Berger coefficient from the points each opponent j is shown with,
// shownPoints[j] for j = 1..size-1: whole for a win, half for a draw.
Fixed bergerCoefficient(const GameRecords &records, int i, const std::vector<Fixed> &shownPoints);

} // namespace krugovik
