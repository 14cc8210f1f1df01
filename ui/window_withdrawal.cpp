// A player who leaves the event: «Выбыл после тура…» on his row's number or name, and
// «Вернуть в турнир» for one who left.
#include <QAction>
#include <QInputDialog>
#include <QMenu>

#include "ui/cross_table.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {

// The row's own cells: number, name and rating.
constexpr int kLastRowCell = 2;

} // namespace

void TournamentWindow::createWithdrawal()
{
    actWithdraw = new QAction(tr("Выбыл после тура…"), this);
    actWithdraw->setObjectName(QStringLiteral("actWithdraw"));
    connect(actWithdraw, &QAction::triggered, this, &TournamentWindow::actWithdraw_Click);
    actReinstate = new QAction(tr("Вернуть в турнир"), this);
    actReinstate->setObjectName(QStringLiteral("actReinstate"));
    connect(actReinstate, &QAction::triggered, this, &TournamentWindow::actReinstate_Click);
    grdTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grdTable, &QWidget::customContextMenuRequested, this,
            &TournamentWindow::grdTable_ContextMenu);
}

void TournamentWindow::grdTable_ContextMenu(const QPoint &position)
{
    const QModelIndex index = grdTable->indexAt(position);
    const int row = index.row();
    if (!index.isValid() || index.column() > kLastRowCell || row < 1 ||
        row > m_document->tournament().playerCount())
        return;
    // The command works on the row of the current cell.
    grdTable->setCurrentIndex(index);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuPlayerRow"));
    menu.addAction(actWithdraw);
    if (m_document->tournament().withdrawnAfter(row) > 0)
        menu.addAction(actReinstate);
    menu.exec(grdTable->viewport()->mapToGlobal(position));
}

void TournamentWindow::actWithdraw_Click()
{
    const Tournament &t = m_document->tournament();
    const int row = grdTable->currentIndex().row();
    if (row < 1 || row > t.playerCount())
        return;
    // After the last round nobody leaves: every game has been played.
    const int lastRound = t.totalRounds() - 1;
    if (lastRound < 1)
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgWithdraw"));
    dialog.setWindowTitle(tr("Выбыл после тура"));
    const QString name = QString::fromStdString(t.name(row));
    dialog.setLabelText(tr("Игрок %1 (№ %2) выбыл после тура:")
                            .arg(name.isEmpty() ? tr("без имени") : name, QString::number(row)));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, lastRound);
    dialog.setIntValue(t.withdrawnAfter(row) > 0 ? t.withdrawnAfter(row) : 1);
    dialog.setOkButtonText(tr("ОК"));
    dialog.setCancelButtonText(tr("Отмена"));
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_document->withdraw(row, dialog.intValue());
}

void TournamentWindow::actReinstate_Click()
{
    const int row = grdTable->currentIndex().row();
    if (row < 1 || row > m_document->tournament().playerCount())
        return;
    m_document->reinstate(row);
}

} // namespace krugovik
