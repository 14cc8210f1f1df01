#pragma once

#include <vector>

#include "export/tournament_snapshot.h"
#include "standings/tie_breaks.h"

namespace krugovik {

// The game arrays of a cycle, 1..snapshot.cycles; an empty set for a cycle not recorded.
const GameRecords &cycleGames(const TournamentSnapshot &snapshot, int cycle);

// Player i's side of his game against j in `cycle` as it counts: a game after the round
// one of them withdrew is a forfeit ("-" for whoever left, "+" for the other), whatever
// the arrays hold, but a game the arrays hold lost by both stays lost by both.
GameState countedState(const TournamentSnapshot &snapshot, int cycle, int i, int j);

// The tie-breaks the snapshot's places go by: its list (without the records of its
// changes), or the default order.
std::vector<TieBreak> placeRules(const TournamentSnapshot &snapshot);
// The last round, counted through all cycles, with a result entered; 0 before any.
int lastRoundPlayed(const TournamentSnapshot &snapshot);
// The snapshot as the tie-break engine reads it: colours and rounds from the Berger
// schedule of its cycles, ratings from the rating cells, the withdrawals.
RoundRobinResults roundRobinResults(const TournamentSnapshot &snapshot);

} // namespace krugovik
