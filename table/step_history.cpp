// The guides that tell the director where he is: the record number and who sits out.
#include <QLabel>

#include "common/fonts.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::createGuides()
{
    lblRecord = new QLabel(this);
    lblRecord->setObjectName(QStringLiteral("lblRecord"));
    lblRecord->setFont(programFont(8));
    place(lblRecord, 12650, 1190, 2400, 255);

    lblFree = new QLabel(this);
    lblFree->setObjectName(QStringLiteral("lblFree"));
    // Under the round title there is room for a narrow column only.
    lblFree->setFont(programFont(7.5));
    lblFree->setWordWrap(true);
    lblFree->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblFree, 0, 9140, 1900, 560);
    lblFree->hide();
}

} // namespace krugovik
