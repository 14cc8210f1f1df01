#pragma once

#include <optional>
#include <string>
#include <vector>

#include "trf/trf_reader.h"

namespace krugovik {

// New starting ranks for a file's players: newNumber[k] is the number of the file's
// player k in the tournament (from 1; [0] unused).
using TrfRenumbering = std::vector<int>;

// Whether a renumbering moves nobody.
bool keepsNumbers(const TrfRenumbering &renumbering);

// For a round robin in scope, the renumbering under which every paired round is the
// Berger table's, with its colours where the file gives them: the file's own numbers
// when they already are, nothing when no renumbering is. Games fix their players' new
// numbers in turn, so a played round or two decide most of it.
std::optional<TrfRenumbering> bergerRenumbering(const TrfFile &file);

// The file with its players renumbered: their lines in the new order, opponents and the
// national records' ranks with the new numbers.
TrfFile renumbered(const TrfFile &file, const TrfRenumbering &renumbering);

// The players who move, in cycles: "5 ↔ 6" for a swap, "1 → 3 → 7 → 1" for a longer
// cycle (the file's number, then the tournament's), separated by "; ".
std::string renumberingText(const TrfRenumbering &renumbering);

} // namespace krugovik
