// The protocol of the shown round, printed from the round display.
#include "common/number_text.h"
#include "common/printer.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {

constexpr int kBoardField = 51;
constexpr int kResultField = 7;

QString field(const QString &text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace

void TournamentWindow::cmdPrintParing_Click()
{
    const Tournament &t = m_document->tournament();
    Printer printer(QStringLiteral("Протокол тура"));
    printer.setFont(QStringLiteral("MS Sans Serif"), 14);
    printer.printLine(QStringLiteral("         ПРОТОКОЛ ТУРА № ") +
                      QString::fromStdString(formatDisplay(std::int64_t(t.roundNo()))));
    printer.printLine();
    // The boards of the shown round's games, whatever else is visible.
    for (int k = 1; k <= t.shownBoards(); ++k)
        printer.printLine(field(QString::fromStdString(t.boardLine(k)), kBoardField) +
                          field(QString::fromStdString(t.boardCaption(k)), kResultField));
    reportPrintOutcome(printer.endDoc(), this);
}

} // namespace krugovik
