// The round display: the boards of the shown round with their result boxes, and who sits
// out, as the tournament holds them.
#include <QLabel>

#include "common/clickable_label.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ShowRounds()
{
    const Tournament &t = m_document->tournament();
    lblParing[0]->setText(QString::fromStdString(t.roundTitle()));
    for (int k = 1; k <= kBoards; ++k) {
        lblParing[k]->setText(QString::fromStdString(t.boardLine(k)));
        lblParing[k]->setTag(QString::number(t.boardFirst(k)));
        lblRezult[k]->setText(QString::fromStdString(t.boardCaption(k)));
        lblRezult[k]->setTag(QString::number(t.boardSecond(k)));
        lblParing[k]->setHidden(k > t.shownBoards());
        lblRezult[k]->setHidden(k > t.shownBoards());
    }
    const QString free = QString::fromStdString(t.freePlayerLine());
    lblFree->setText(free);
    lblFree->setToolTip(free);
    lblFree->setHidden(free.isEmpty());
    FitBoardLines();
}

} // namespace krugovik
