// Who sits out the shown round, and board lines drawn to fit their labels.
#include <QLabel>

#include "rounds/board_line_label.h"
#include "rounds/sitting_out.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ShowFreePlayer()
{
    const int free = sittingOut(PlayerCount, RoundNo);
    if (free == 0) {
        lblFree->hide();
        return;
    }
    lblFree->setText(QStringLiteral("Отдыхает: ") + grdTable->text(free, 1));
    lblFree->setToolTip(lblFree->text());
    lblFree->show();
}

void TournamentWindow::FitBoardLines()
{
    for (int k = 1; k <= kBoards; ++k) {
        if (auto *line = qobject_cast<BoardLineLabel *>(lblParing[k]))
            line->fit();
    }
}

} // namespace krugovik
