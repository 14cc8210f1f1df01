// The round display: the schedule of the selected round and its boards.
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ClickParing() {}

} // namespace krugovik
