// Every click on the crosstable, and entering the editor's player into a row.
#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QToolButton>

#include "common/colours.h"
#include "common/message_box.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::grdTable_Click()
{
    // A click that reached the table past an open find list closes the list as well.
    if (m_findCompleter->popup()->isVisible())
        m_findCompleter->popup()->hide();
    GridCol = grdTable->mouseColumn();
    GridRow = grdTable->mouseRow();
    if (GridCol == 0 && GridRow != 0) {
        if (txtRate->text().isEmpty()) {
            showMessage(this, QStringLiteral("Игрока без рейтинга или начальной оценки включать "
                                             "в турнир нельзя!"));
            return;
        }
        for (int k = 1; k <= PlayerCount; ++k) {
            if (grdTable->text(k, 1) == txtName->text() && k != GridRow) {
                showMessage(this, QStringLiteral("Игрок ") + grdTable->text(k, 1) +
                                      QStringLiteral(" уже занесён в турнирную таблицу!"));
                return;
            }
        }
    }
    // A player or a result may change; the header commands compute their columns themselves.
    const bool tableCell = GridRow >= 1 && (GridCol == 0 || GridCol >= 5);
    const auto dispatch = [this, tableCell] {
        ClickGames();
        ClickResult();
        ClickParing();
        ClickCorrection();
        ClickNotRate();
        ClickNetRating();
        RefreshCompleteness();
        if (tableCell)
            RefreshShownColumns();
    };
    // Entering a player and changing a result are steps the director can take back;
    // the header commands are not.
    if (GridRow >= 1 && GridCol == 0)
        runStep(QStringLiteral("ввод игрока в строку %1").arg(GridRow), dispatch);
    else if (GridRow >= 1 && GridCol >= 5)
        runStep(QStringLiteral("результат партии %1-%2").arg(GridRow).arg(GridCol - 4), dispatch);
    else
        dispatch();
}

void TournamentWindow::RefreshCompleteness()
{
    for (int r = 1; r <= PlayerCount; ++r) {
        if (grdTable->text(r, 2).isEmpty()) {
            MissingRatingNote = kNoRatingNote;
            break;
        }
        MissingRatingNote.clear();
    }
    if (MissingRatingNote.isEmpty()) {
        grdTable->setText(0, 3, QStringLiteral("R нов."));
        cmdSave->setEnabled(true);
        cmdZapisBase->setEnabled(true);
    }
}

void TournamentWindow::ClickNotRate()
{
    if (GridCol != 0 || GridRow < 1)
        return;
    const int r = GridRow;
    grdTable->setText(r, 1, txtName->text());
    grdTable->setText(r, 2, txtRate->text());
    BaseRecordNo[r] = int(CurrentRecord);
    if (txtNR->text() == QLatin1String("N")) {
        grdTable->setColour(r, 2, kEstimateColour);
        CorrectionMark[r] = 0;
    } else {
        grdTable->setColour(r, 2, kWindowBackground);
        CorrectionMark[r] = kEstablishedMark;
    }
}

} // namespace krugovik
