// The table laid out for the number of players.
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::Prokrutka() {}

} // namespace krugovik
