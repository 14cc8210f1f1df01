#pragma once

#include "common/sheet.h"
#include "export/tournament_snapshot.h"

namespace krugovik {

// The final standings as a sheet: the event, then one row per player in place order with
// his place, number, name, rating, points, the tie-breaks of the chosen rules (a column
// each, titled by name and code), his new rating and its change, and under the table the
// order of places and a line for the chief arbiter's signature.
Sheet standingsSheet(const TournamentSnapshot &snapshot);

} // namespace krugovik
