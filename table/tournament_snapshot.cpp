// The open tournament gathered as plain data for the standings and the exports.
#include <QDate>
#include <QFileInfo>

#include "export/tournament_snapshot.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {

TournamentSnapshot TournamentWindow::snapshot() const
{
    return m_document->tournament().snapshot(
        QFileInfo(m_tourFilePath()).completeBaseName().toStdString(),
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
}

} // namespace krugovik
