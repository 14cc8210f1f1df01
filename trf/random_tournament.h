#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/tournament_snapshot.h"

namespace krugovik {

// What a random round robin is made of. Shares are percentages of the games.
struct RandomTournamentOptions {
    int players = 8;         // 3..22
    int cycles = 1;          // 1..kMaxCycles
    std::uint64_t seed = 1;  // the same seed and options give the same event
    int drawPercent = 30;    // games drawn
    int forfeitPercent = 0;  // games lost by forfeit
    int unplayedPercent = 0; // games without a result
    int withdrawals = 0;     // players who leave before the end, 0..players-2
    std::vector<TieBreak> tieBreaks = fideRoundRobinTieBreaks();
};

// The options' faults, one line each; empty when they make an event.
std::vector<std::string> optionFaults(const RandomTournamentOptions &options);

// A random round robin: players with random ratings (one in ten unrated), the Berger
// table with a random choice of the double round robin's reversal, random results and
// withdrawals. The same on every machine: a generator of its own, no library distribution.
TournamentSnapshot randomTournament(const RandomTournamentOptions &options);

// The player leaves after `afterRound` (counted through all cycles): his games after it are
// forfeits he loses, as the crosstable makes them.
void withdrawPlayer(TournamentSnapshot &snapshot, int player, int afterRound);

} // namespace krugovik
