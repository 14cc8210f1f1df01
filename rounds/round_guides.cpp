// Board lines drawn to fit their labels.
#include "rounds/board_line_label.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::FitBoardLines()
{
    for (int k = 1; k <= kBoards; ++k) {
        if (auto *line = qobject_cast<BoardLineLabel *>(lblParing[k]))
            line->fit();
    }
}

} // namespace krugovik
