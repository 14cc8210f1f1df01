// The open tournament gathered as plain data for the standings and the exports.
#include <QDate>
#include <QFileInfo>

#include "export/tournament_snapshot.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

TournamentSnapshot TournamentWindow::snapshot() const
{
    TournamentSnapshot snapshot;
    snapshot.name = QFileInfo(m_tourFilePath()).completeBaseName().toStdString();
    snapshot.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    for (int i = 1; i <= PlayerCount; ++i)
        snapshot.players.push_back({grdTable->text(i, 1).toStdString(),
                                    grdTable->text(i, 2).toStdString(),
                                    grdTable->colour(i, 2) == kEstimateColour});
    snapshot.games = Games;
    return snapshot;
}

} // namespace krugovik
