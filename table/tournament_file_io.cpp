// Reading and saving the tournament file.
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::LoadTurnir() {}

} // namespace krugovik
