// The crosstable and the round protocol printed as sheets of the tournament's figures,
// whatever the window shows at the moment.
#include <QFileInfo>

#include "common/printer.h"
#include "export/crosstable_print.h"
#include "export/round_protocol.h"
#include "table/tournament.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

namespace krugovik {

void TournamentWindow::cmdPrint_Click()
{
    const QFileInfo file(m_tourFilePath());
    Printer printer(
        tr("Таблица турнира"),
        file.completeBaseName() + QLatin1Char('-') +
            tr("tablica",
               "file name of the crosstable's PDF after the tournament's; Latin letters only"),
        file.absolutePath());
    printer.printSheet(crosstableSheet(snapshot()));
    reportPrintOutcome(printer.endDoc(this), this);
}

void TournamentWindow::printProtocol()
{
    // The round on show; none while its boards are hidden (after a change of the count).
    const TablePicture &shown = m_document->picture();
    const int round = shown.shownBoards() > 0 ? shown.roundNo() : 0;
    const QFileInfo file(m_tourFilePath());
    Printer printer(
        tr("Протокол тура"),
        file.completeBaseName() + QLatin1Char('-') +
            tr("protokol-%1",
               "file name of a round's result sheet PDF; %1 the round; Latin letters only")
                .arg(shown.roundNo()),
        file.absolutePath());
    printer.printSheet(roundProtocolSheet(snapshot(), round));
    reportPrintOutcome(printer.endDoc(this), this);
}

} // namespace krugovik
