// The rating routines of the tournament window.
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::CorrectEstimates() {}

void TournamentWindow::Rating() {}

} // namespace krugovik
