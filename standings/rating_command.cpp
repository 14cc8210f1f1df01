// The command behind the header of the new-rating column.
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ClickNetRating() {}

} // namespace krugovik
