#pragma once

#include <string>

#include "export/tournament_snapshot.h"
#include "rating/fide_event.h"

namespace krugovik {

// The tournament as FIDE's regulations see it: each player's FIDE rating, title, federation,
// sex and birth year from his identity (never the club's rating nor an estimate), and every
// game of every cycle, played, forfeited or still to play.
FideEvent fideEventOf(const TournamentSnapshot &snapshot);

// The year the event is played in: its first day's, else the day of the snapshot's; 0 when
// neither is known.
int eventYear(const TournamentSnapshot &snapshot);

} // namespace krugovik
