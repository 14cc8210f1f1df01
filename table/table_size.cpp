// The table laid out for the number of players, the reduced view, and the window following
// what the document says changed.
#include <QCheckBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "common/clickable_label.h"
#include "table/cross_table.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {
constexpr double kGameColumnWidth = 400;
// Columns "R", "R нов." and "Результат" together, the width the reduced view takes away.
constexpr double kReducedTwips = 2300;
constexpr double kVanishedWidth = 1;
// Widths of the columns number, name, rating, new rating and result.
constexpr std::array<double, 5> kColumnWidths = {300, 2700, 600, 700, 1000};
constexpr double kHeaderRowHeight = 300;

double gridHeightFor(int n)
{
    return (n - 3) * 250 + 1215;
}
double gridWidthFor(int n)
{
    return (n - 3) * 400 + 6850;
}
} // namespace

void TournamentWindow::vscPlayer_Change()
{
    m_document->changePlayerCount(vscPlayer->value());
}

void TournamentWindow::ShowTournament(const TableChange &change)
{
    const Tournament &t = m_document->tournament();
    cmdSave->setEnabled(t.saveEnabled());
    cmdZapisBase->setEnabled(t.writeBackEnabled());
    if (change.layout) {
        const QSignalBlocker quiet(vscPlayer);
        vscPlayer->setValue(t.playerCount());
        LayOutGrid();
    }
    if (change.rounds)
        ShowRounds();
    if (!change.content || m_loading)
        return;
    // The number of players is no step of the history.
    if (change.layout)
        m_changedOutsideHistory = true;
    TableChanged();
}

void TournamentWindow::LayOutGrid()
{
    const int n = m_document->tournament().playerCount();
    grdTable->setRowHeightTwips(0, kHeaderRowHeight);
    for (int c = 0; c < grdTable->columns(); ++c)
        grdTable->setColumnWidthTwips(c, c < 5 ? kColumnWidths[std::size_t(c)] : kGameColumnWidth);
    grdTable->setHeightTwips(gridHeightFor(n));
    grdTable->setWidthTwips(gridWidthFor(n));
    // The reduced view outlives a change of the count: check box, widths and grid agree.
    if (chkSdvig && !chkSdvig->isChecked())
        applyReducedView();
}

void TournamentWindow::chkSdvig_Click()
{
    if (!chkSdvig->isChecked()) {
        applyReducedView();
        return;
    }
    for (int column = 2; column <= 4; ++column)
        grdTable->setColumnWidthTwips(column, kColumnWidths[std::size_t(column)]);
    grdTable->setWidthTwips(grdTable->widthTwips() + kReducedTwips);
    vscPlayer->setEnabled(true);
}

void TournamentWindow::applyReducedView()
{
    for (int column = 2; column <= 4; ++column)
        grdTable->setColumnWidthTwips(column, kVanishedWidth);
    grdTable->setWidthTwips(grdTable->widthTwips() - kReducedTwips);
}

} // namespace krugovik
