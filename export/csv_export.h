#pragma once

#include <string>

#include "export/tournament_snapshot.h"

namespace krugovik {

// The standings with the crosstable for spreadsheets: UTF-8 with a byte-order mark,
// fields separated by ";", lines ended by CR LF, one line per player in place order.
std::string exportCsv(const TournamentSnapshot &snapshot);

} // namespace krugovik
