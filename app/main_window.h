#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QUndoGroup;

namespace krugovik {
class FileChooser;
class TournamentWindow;
} // namespace krugovik

// The frame of the program: the menu and the area in which the chooser and the
// tournament window open. Constructing it performs the start-up.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

  private:
    void MDIForm_Load();
    void mnuOpen_Click();
    void showChooser();
    void showTournament();
    void closeTournament();
    void endProgram();

    QMdiArea *m_area = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuOpen = nullptr;
    QPointer<krugovik::FileChooser> m_chooser;
    QPointer<QMdiSubWindow> m_chooserWindow;
    QPointer<QMdiSubWindow> m_tournamentWindow;

    // Правка: takes back and brings back steps of the open tournament's table.
    void createEditMenu();
    QMenu *mnuEdit = nullptr;
    QAction *actUndo = nullptr;
    QAction *actRedo = nullptr;
    QUndoGroup *m_history = nullptr; // its active stack is the open tournament's
};
