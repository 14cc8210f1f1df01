// Which record of how many the editor shows.
#include <QLabel>

#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ShowRecordNumber()
{
    lblRecord->setText(QStringLiteral("Запись %1 из %2").arg(CurrentRecord).arg(RecordCount));
}

} // namespace krugovik
