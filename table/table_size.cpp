// The table laid out for the number of players, and the reduced view.
#include <QCheckBox>
#include <QScrollBar>
#include <QToolButton>

#include "common/clickable_label.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {
constexpr double kGameColumnWidth = 400;
// Columns "R", "R нов." and "Результат" together, the width the reduced view takes away.
constexpr double kReducedTwips = 2300;
constexpr double kVanishedWidth = 1;

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
    if (!m_loading)
        m_changedOutsideHistory = true;
    cmdSave->setEnabled(true);
    cmdZapisBase->setEnabled(true);
    MissingRatingNote = kNoRatingNote;
    const int v = vscPlayer->value();
    if (v == kMinPlayers) {
        PlayerCount = kMinPlayers;
        grdTable->setColumns(8);
        grdTable->setRows(4);
    } else if (v > kMinPlayers && v <= kMaxPlayers) {
        PlayerCount = v;
        grdTable->setColumns(v + 5);
        grdTable->setRows(v + 1);
        // The spin may jump (its menu, the keys Home and End, dragging): every new row and
        // column is labelled as single steps would have labelled it.
        LabelRows();
    }
    TableSise();
    const int n = PlayerCount;
    for (int i = 1; i <= n; ++i) {
        for (int m = 5; m <= n + 4; ++m) {
            if (m != i + 4)
                grdTable->setColour(i, m, kWindowBackground);
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (grdTable->text(i, 1).isEmpty()) {
            cmdSave->setEnabled(false);
            cmdZapisBase->setEnabled(false);
        }
    }
    for (int k = 1; k <= kBoards; ++k) {
        lblParing[k]->hide();
        lblRezult[k]->hide();
    }
    lblFree->hide();
    ClearHistory();
    grdTable->setHeightTwips(gridHeightFor(n));
    grdTable->setWidthTwips(gridWidthFor(n));
    // The reduced view outlives a change of the count: check box, widths and grid agree.
    if (!chkSdvig->isChecked())
        applyReducedView();
    TableChanged();
    for (int i = 1; i <= n; ++i) {
        if (grdTable->text(i, 2).isEmpty()) {
            MissingRatingNote = kNoRatingNote;
            // No new ratings for a table with an empty row, rather than stale ones.
            if (!m_loading)
                RefreshShownColumns();
            return;
        }
        MissingRatingNote.clear();
    }
    CorrectEstimates();
    Rating();
    grdTable->setText(0, 3, QStringLiteral("R нов."));
    cmdSave->setEnabled(true);
    cmdZapisBase->setEnabled(true);
}

void TournamentWindow::LabelRows()
{
    for (int k = kMinPlayers + 1; k <= PlayerCount; ++k) {
        grdTable->setText(0, k + 4, QString::number(k));
        grdTable->setText(k, 0, QString::number(k));
        grdTable->setColour(k, k + 4, kDiagonalGrey);
        grdTable->setColumnWidthTwips(k + 4, kGameColumnWidth);
    }
}

void TournamentWindow::Prokrutka()
{
    const int n = PlayerCount;
    LabelRows();
    // Estimates are marked for every count, but only in rows that hold a player: the
    // empty rows of a new file carry the mark 0.
    for (int i = 1; i <= n; ++i) {
        const bool holdsPlayer = !grdTable->text(i, 1).isEmpty() || !grdTable->text(i, 2).isEmpty();
        if (holdsPlayer && CorrectionMark[i] != kEstablishedMark)
            grdTable->setColour(i, 2, kEstimateColour);
    }
}

void TournamentWindow::chkSdvig_Click()
{
    if (!chkSdvig->isChecked()) {
        applyReducedView();
        return;
    }
    grdTable->setColumnWidthTwips(2, 600);
    grdTable->setColumnWidthTwips(3, 700);
    grdTable->setColumnWidthTwips(4, 1000);
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
