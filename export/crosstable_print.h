#pragma once

#include "common/sheet.h"
#include "export/tournament_snapshot.h"

namespace krugovik {

// The crosstable as a sheet for the wall, whatever the window shows: per player in table
// order his number, name and rating, his games cycle by cycle (× against himself, ½ a
// draw, + and − a game won or lost without play), his points, the tie-breaks of the
// chosen rules and his place, all from the standings engine.
Sheet crosstableSheet(const TournamentSnapshot &snapshot);

} // namespace krugovik
