#pragma once

// The tournament window is a view of the open tournament. The tournament lives in a
// TournamentDocument: a Qt-free Tournament (table/tournament.h), the only thing that changes
// players and results, beside the history of its steps. The window gathers the director's
// input, calls the document and shows what the document says changed: the crosstable
// grdTable is a view over the document's item model, the base editor and the round display
// are parts of their own. Messages and dialogs come from here; the file and the recovery copy
// are read and written by the TournamentStore, which asks nothing and shows nothing.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QDateTime;
class QLabel;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSpinBox;
class QTimer;
class QToolButton;
class QUndoStack;

namespace krugovik {

class BaseEditor;
class ButtonIcons;
class CrossTable;
class FileLayer;
struct FileDescription;
class RoundDisplay;
class TournamentDocument;
class TournamentStore;
struct TableChange;
struct TournamentSnapshot;

class TournamentWindow : public QWidget {
    Q_OBJECT
  public:
    // tourFilePath reads the path the chooser set, at load and at every save; files is
    // how the window reaches the tournament file and the base, icons the buttons' pictures
    // (its own of each when none is given).
    explicit TournamentWindow(std::function<QString()> tourFilePath, FileLayer *files = nullptr,
                              QWidget *parent = nullptr, ButtonIcons *icons = nullptr);
    ~TournamentWindow() override;

    // The whole page of controls; the window is smaller only where the screen is.
    QSize sizeHint() const override;

    // The window's load: clears the tournament, opens the base, reads the file.
    void Form_Load();

    // The tournament as the exports read it: names, ratings and game arrays of the rows,
    // the file's name and today's date. Changes nothing.
    TournamentSnapshot snapshot() const;
    // The steps of table entry that can be taken back; the main window's menu follows it.
    QUndoStack *undoStack() const;
    // The open tournament and its history: the results menu sets the tie-break rules there.
    TournamentDocument *document() const { return m_document; }

    // A player entered, a result changed or the number of players changed since the
    // tournament was loaded or saved.
    bool hasUnsavedChanges() const;
    // Before the tournament is left: asks whether to save its changes, if it has any.
    // False when the director chose to stay or the save failed; nothing has changed then.
    bool ConfirmLeaving();
    // The save button's command from the menu: saves when the button may.
    void Save();
    // Writes a recovery copy that is due now rather than when its timer fires.
    void WritePendingRecoveryCopy();

  signals:
    // The director confirmed the exit.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    // Construction: the crosstable with the number of players, and the window's commands.
    void createGrid();
    void createCommands();
    void putIntoScrollArea();

    // The crosstable (ui/window_table.cpp): clicks and keys go to the document, the table
    // is laid out for the number of players and follows what the document says changed.
    void grdTable_Click();
    void grdTable_KeyDown(int row, int column, const QString &key);
    void vscPlayer_Change();
    void ShowTournament(const TableChange &change);
    void LayOutGrid();
    void chkSdvig_Click();
    void applyReducedView();
    // The width of the grid: every block of game columns, narrowed by the reduced view, and
    // no wider than the window, scrolling sideways beyond it.
    void fitGridWidth();
    // The number of cycles and the order of cycle 1's last rounds: steps of the history.
    void spnCycles_Change();
    void chkReverseLastRounds_Click();

    // The tournament file (ui/window_file.cpp): its bytes as read, or nothing when there
    // are none to load; the save, and the questions before a file is replaced.
    std::optional<FileDescription> LoadTurnir();
    void cmdSave_Click();
    // Writes the tournament file; false when nothing was written.
    bool SaveTournament();
    bool ConfirmReplacingUnreadFile(const QString &path, const QString &reason);
    bool ConfirmReplacingForeignFile(const QString &path, const QString &reason);
    bool ConfirmReplacingChangedFile(const QString &path);

    // Changes not yet saved, and the recovery copy that keeps them through a crash
    // (ui/window_unsaved.cpp).
    void createRecoveryCopy();
    void TableChanged();
    void MarkSaved();
    // The caption: the path, with the mark of unsaved changes while there are any.
    void ShowUnsavedMark();
    bool AskRestoring(const QDateTime &written);
    void WriteRecoveryCopy();

    // The crosstable and the shown round's protocol printed as sheets, and the exit.
    void cmdPrint_Click();
    void printProtocol();
    void cmdExit_Click();

    std::function<QString()> m_tourFilePath;
    FileLayer *m_files = nullptr;
    std::unique_ptr<ButtonIcons> m_ownIcons; // when the main window gave none
    ButtonIcons *m_icons = nullptr;
    TournamentDocument *m_document = nullptr; // the open tournament and its history
    BaseEditor *m_editor = nullptr;           // the player base and its editor
    RoundDisplay *m_rounds = nullptr;         // the shown round below the table
    QWidget *m_page = nullptr;                // the controls, in the scroll area
    QScrollArea *m_scroll = nullptr;
    std::unique_ptr<TournamentStore> m_store; // the file and the recovery copy
    bool m_loading = false;                   // inside Form_Load: what it lays out is no change
    bool m_changedOutsideHistory = false;     // the count changed, or a recovery copy was restored
    QTimer *m_recoveryTimer = nullptr;        // pending write of the recovery copy

    // Widgets, named as the director's manual names them.
    CrossTable *grdTable = nullptr;
    QScrollBar *vscPlayer = nullptr;
    QLabel *lblPlayerCount = nullptr; // the number of players beside the arrows
    QLabel *lblInfo = nullptr;
    QCheckBox *chkSdvig = nullptr;
    QLabel *lblCycles = nullptr;
    QSpinBox *spnCycles = nullptr;
    QCheckBox *chkReverseLastRounds = nullptr;
    QToolButton *cmdSave = nullptr;
    QToolButton *cmdPrint = nullptr;
    QLabel *lblPrint = nullptr;
    QPushButton *cmdExit = nullptr;
};

} // namespace krugovik
