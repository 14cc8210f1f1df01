#include "ui/withdrawal_menu.h"

#include <algorithm>

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMenu>

#include "ui/cross_table.h"
#include "ui/tournament_document.h"

namespace krugovik {
namespace {

// The row's own cells: number, name and rating.
constexpr int kLastRowCell = 2;

} // namespace

// The menu's words keep the tournament window's context of the translations.
WithdrawalMenu::WithdrawalMenu(QWidget *window, CrossTable *grid, TournamentDocument *document)
    : QObject(window), m_window(window), grdTable(grid), m_document(document)
{
    actWithdraw = new QAction(
        QCoreApplication::translate("krugovik::TournamentWindow", "Выбыл после тура…"), window);
    actWithdraw->setObjectName(QStringLiteral("actWithdraw"));
    connect(actWithdraw, &QAction::triggered, this, &WithdrawalMenu::actWithdraw_Click);
    actReinstate = new QAction(
        QCoreApplication::translate("krugovik::TournamentWindow", "Вернуть в турнир"), window);
    actReinstate->setObjectName(QStringLiteral("actReinstate"));
    connect(actReinstate, &QAction::triggered, this, &WithdrawalMenu::actReinstate_Click);
    grdTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grdTable, &QWidget::customContextMenuRequested, this,
            &WithdrawalMenu::grdTable_ContextMenu);
}

void WithdrawalMenu::grdTable_ContextMenu(const QPoint &position)
{
    const QModelIndex index = grdTable->indexAt(position);
    const int row = index.row();
    if (!index.isValid() || index.column() > kLastRowCell || row < 1 ||
        row > m_document->tournament().playerCount())
        return;
    // The command works on the row of the current cell.
    grdTable->setCurrentIndex(index);
    QMenu menu(m_window);
    menu.setObjectName(QStringLiteral("mnuPlayerRow"));
    menu.addAction(actWithdraw);
    if (m_document->tournament().withdrawnAfter(row) > 0)
        menu.addAction(actReinstate);
    menu.exec(grdTable->viewport()->mapToGlobal(position));
}

void WithdrawalMenu::actWithdraw_Click()
{
    const Tournament &t = m_document->tournament();
    const int row = grdTable->currentIndex().row();
    if (row < 1 || row > t.playerCount())
        return;
    // After the last round nobody leaves: every game has been played.
    const int lastRound = t.totalRounds() - 1;
    if (lastRound < 1)
        return;
    QInputDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("dlgWithdraw"));
    dialog.setWindowTitle(
        QCoreApplication::translate("krugovik::TournamentWindow", "Выбыл после тура"));
    const QString name = QString::fromStdString(t.name(row));
    dialog.setLabelText(QCoreApplication::translate("krugovik::TournamentWindow",
                                                    "Игрок %1 (№ %2) выбыл после тура:")
                            .arg(name.isEmpty() ? QCoreApplication::translate(
                                                      "krugovik::TournamentWindow", "без имени")
                                                : name,
                                 QString::number(row)));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, lastRound);
    // The round he left after is most often the last one he has a result in.
    dialog.setIntValue(t.withdrawnAfter(row) > 0
                           ? t.withdrawnAfter(row)
                           : std::clamp(t.lastRoundWithResult(row), 1, lastRound));
    dialog.setOkButtonText(QCoreApplication::translate("krugovik::TournamentWindow", "ОК"));
    dialog.setCancelButtonText(QCoreApplication::translate("krugovik::TournamentWindow", "Отмена"));
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_document->withdraw(row, dialog.intValue());
}

void WithdrawalMenu::actReinstate_Click()
{
    const int row = grdTable->currentIndex().row();
    if (row < 1 || row > m_document->tournament().playerCount())
        return;
    m_document->reinstate(row);
}

} // namespace krugovik
