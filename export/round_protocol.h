#pragma once

#include "common/sheet.h"
#include "export/tournament_snapshot.h"

namespace krugovik {

// «Тур 6 (2-й цикл, тур 1)» for a round counted through all cycles; «Тур 3» with one cycle.
std::string roundName(const TournamentSnapshot &snapshot, int round);

// The protocol of a round, counted through all cycles, as a ruled table of its boards:
// board, White, Black and the result as it stands (empty until played), under the event's
// title, the round and its date, with who sits out and a line for the arbiter's signature.
// Round 0, or a round outside the schedule, has no boards.
Sheet roundProtocolSheet(const TournamentSnapshot &snapshot, int round);

} // namespace krugovik
