// The rating routines of the tournament window.
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ClickCorrection()
{
    GridCol = grdTable->mouseColumn();
    GridRow = grdTable->mouseRow();
}

void TournamentWindow::CorrectEstimates() {}

void TournamentWindow::Rating() {}

} // namespace krugovik
