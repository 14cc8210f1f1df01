#pragma once

#include <string>

#include "export/tournament_snapshot.h"

namespace krugovik {

// The tournament in FIDE's Tournament Report File format (TRF16), lines ended by
// CR LF: the header, then one 001 line per player with the rounds of the Berger table.
std::string exportTrf(const TournamentSnapshot &snapshot);

} // namespace krugovik
