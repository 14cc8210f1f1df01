#pragma once

#include <QObject>

class QAction;
class QPoint;
class QWidget;

namespace krugovik {

class CrossTable;
class TournamentDocument;

// A player who leaves the event: «Выбыл после тура…» in the menu of his row's number or
// name, and «Вернуть в турнир» for one who left. Its actions are the window's children; the
// steps go to the document.
class WithdrawalMenu : public QObject {
    Q_OBJECT
  public:
    WithdrawalMenu(QWidget *window, CrossTable *grid, TournamentDocument *document);

  private:
    void grdTable_ContextMenu(const QPoint &position);
    void actWithdraw_Click();
    void actReinstate_Click();

    QWidget *m_window;
    CrossTable *grdTable;
    TournamentDocument *m_document;
    QAction *actWithdraw = nullptr;
    QAction *actReinstate = nullptr;
};

} // namespace krugovik
