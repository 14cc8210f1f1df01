// The protocol of the shown round, printed from the round display.
#include <QToolButton>
#include <algorithm>

#include "common/clickable_label.h"
#include "common/number_text.h"
#include "common/printer.h"
#include "rounds/berger_schedule.h"
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
    Printer printer(QStringLiteral("Протокол тура"));
    printer.setFont(QStringLiteral("MS Sans Serif"), 14);
    printer.printLine(QStringLiteral("         ПРОТОКОЛ ТУРА № ") +
                      QString::fromStdString(formatDisplay(std::int64_t(RoundNo))));
    printer.printLine();
    // Only boards that hold a game of the shown round, whatever else is visible.
    const std::vector<ScheduledGame> schedule = bergerSchedule(PlayerCount);
    for (int k = 1; k <= kBoards; ++k) {
        if (lblParing[k]->isHidden())
            continue;
        const QString first = lblParing[k]->tag();
        const QString second = lblRezult[k]->tag();
        const bool isGame =
            std::any_of(schedule.begin(), schedule.end(), [&](const ScheduledGame &g) {
                return g.round == RoundNo && QString::number(g.firstNamed) == first &&
                       QString::number(g.secondNamed) == second;
            });
        if (isGame)
            printer.printLine(field(lblParing[k]->text(), kBoardField) +
                              field(lblRezult[k]->text(), kResultField));
    }
    reportPrintOutcome(printer.endDoc(), this);
}

} // namespace krugovik
