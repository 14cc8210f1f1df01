#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "standings/tie_breaks.h"
#include "trf/trf_reader.h"

namespace krugovik {

// A TRF read as a round robin of the program: what the standings need, and how the file
// lays it out.
struct TrfRoundRobin {
    RoundRobinResults results;       // places are computed from these
    std::vector<TieBreak> tieBreaks; // 202, in order
    bool reverseLastRounds = false;  // the Berger table's reversal the pairings match best
};

// The file as a round robin of 3..22 players in 1..4 cycles, or why it is none: a count
// of rounds that is no whole number of cycles, a 202 code that is no round-robin
// tie-break. A player whose rank is blank, with games paired but none scored, is one
// without a place.
std::optional<TrfRoundRobin> trfRoundRobin(const TrfFile &file, TrfError &why);

// Why the file is no round robin this program holds, or nothing when it is one: 092 or
// 192 names another kind of event, fewer than 3 or more than 22 players, rounds that are
// not 1..4 whole cycles.
std::optional<TrfError> outOfScope(const TrfFile &file);

// The cycles of a file in scope; 0 for one out of scope.
int trfCycles(const TrfFile &file);

// Whether every paired round of the file is the Berger table's, with its colours, under
// this choice of the last rounds of the first cycle.
bool followsBerger(const TrfFile &file, int cycles, bool reverse);

// Why a code of a tie-break list (where: "202", "212" or an option) is refused.
std::string notTieBreak(std::string_view where, std::string_view code);

// Everything in the file that disagrees with the Berger table (C.05 Annex 1, the better
// of the double round robin's two choices of its last rounds) or with the places its own
// tie-break list gives, one line each; empty when the file is consistent.
std::vector<std::string> checkTrf(const TrfFile &file);

} // namespace krugovik
