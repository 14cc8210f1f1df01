// Results entered from the keyboard on the crosstable's current cell.
#include <QLineEdit>

#include "rating/game_notation.h"
#include "standings/result_keys.h"
#include "table/cross_table.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::createKeyEntry()
{
    const QString keys = QStringLiteral(
        "Клавиатура: стрелки, Tab, Home, End — выбор клетки.\n"
        "В клетке партии: 1 — победа, 0 — поражение, 5 или = — ничья (0.5),\n"
        "+ — победа без игры, - — поражение без игры, Delete или Backspace — без результата,\n"
        "пробел — следующий результат, как щелчок.\n"
        "Enter или пробел на номере игрока — занести в строку игрока из базы,\n"
        "на заголовке — как щелчок по нему.");
    grdTable->setToolTip(keys);
    grdTable->viewport()->setToolTip(keys);
    connect(grdTable, &CrossTable::cellKeyPressed, this, &TournamentWindow::grdTable_KeyDown);
}

void TournamentWindow::grdTable_KeyDown(int row, int column, const QString &key)
{
    const bool gameCell = row >= 1 && column >= 5 && column != row + 4;
    const CellKey meaning = cellKey(key.toStdString(), gameCell);
    switch (meaning.action) {
    case CellKeyAction::Click:
        grdTable->setMouseCell(row, column);
        grdTable_Click();
        break;
    case CellKeyAction::SetResult:
        // One step of the history, as a click on the cell is.
        m_document->key(row, column, meaning.result);
        break;
    case CellKeyAction::Nothing:
        break;
    }
}

} // namespace krugovik
