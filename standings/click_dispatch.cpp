// Every click on the crosstable: the entry checks the director is told about, then the
// document's click dispatch.
#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>

#include "common/message_box.h"
#include "table/cross_table.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::grdTable_Click()
{
    // A click that reached the table past an open find list closes the list as well.
    if (m_findCompleter->popup()->isVisible())
        m_findCompleter->popup()->hide();
    const int column = grdTable->mouseColumn();
    const int row = grdTable->mouseRow();
    const PlayerEntry player = EditorPlayer();
    if (column == 0 && row != 0) {
        const EntryCheck check = m_document->tournament().checkEntry(row, player);
        if (check.refusal == EntryRefusal::NoRating) {
            showMessage(this, QStringLiteral("Игрока без рейтинга или начальной оценки включать "
                                             "в турнир нельзя!"));
            return;
        }
        if (check.refusal == EntryRefusal::AlreadyEntered) {
            showMessage(this, QStringLiteral("Игрок ") +
                                  QString::fromStdString(m_document->tournament().name(check.row)) +
                                  QStringLiteral(" уже занесён в турнирную таблицу!"));
            return;
        }
    }
    m_document->click(row, column, player);
}

PlayerEntry TournamentWindow::EditorPlayer() const
{
    return {txtName->text().toStdString(), txtRate->text().toStdString(),
            txtNR->text() == QLatin1String("N"), int(CurrentRecord)};
}

} // namespace krugovik
