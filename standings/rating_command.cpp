// The command behind the header of the new-rating column.
#include <QToolButton>

#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ClickNetRating()
{
    if (GridRow != 0 || GridCol != 3)
        return;
    for (int r = 1; r <= PlayerCount; ++r) {
        if (grdTable->text(r, 2).isEmpty())
            MissingRatingNote = kNoRatingNote;
    }
    if (!MissingRatingNote.isEmpty())
        return;
    CorrectEstimates();
    Rating();
    grdTable->setText(0, 3, QStringLiteral("R нов."));
    cmdSave->setEnabled(true);
    cmdZapisBase->setEnabled(true);
}

} // namespace krugovik
