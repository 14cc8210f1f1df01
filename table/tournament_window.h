#pragma once

// The tournament window is a view of the open tournament. The tournament lives in a
// TournamentDocument: a Qt-free Tournament, the only thing that changes players and
// results, beside the history of its steps. The window gathers the director's input,
// calls the document and shows what it says changed; the crosstable grdTable is a view
// over the document's item model.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "base/base_file.h"
#include "base/player_record.h"
#include "table/tournament.h"

class QAbstractButton;
class QDateTime;
class QButtonGroup;
class QCheckBox;
class QCompleter;
class QStandardItemModel;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QToolButton;
class QPushButton;
class QTimer;
class QUndoStack;

namespace krugovik {

class ClickableLabel;
class FileLayer;
struct TournamentSnapshot;
struct TableChange;
class CrossTable;
class TournamentDocument;

inline constexpr int kMaxPlayers = 22;
inline constexpr int kMinPlayers = 3;
inline constexpr int kBoards = 11;        // boards of the round display, 1..11
inline constexpr int kCategoryCount = 13; // category options optRanc1..optRanc13

class TournamentWindow : public QWidget {
    Q_OBJECT
  public:
    // tourFilePath reads the path the chooser set, at load and at every save; files is
    // how the window reaches the tournament file and the base (its own when none is given).
    explicit TournamentWindow(std::function<QString()> tourFilePath, FileLayer *files = nullptr,
                              QWidget *parent = nullptr);
    ~TournamentWindow() override;

    // The window's load: clears the tournament, opens the base, reads the file.
    void Form_Load();

    // The tournament as the exports read it: names, ratings and game arrays of the rows,
    // the file's name and today's date. Changes nothing.
    TournamentSnapshot snapshot() const;
    // The steps of table entry that can be taken back; the main window's menu follows it.
    QUndoStack *undoStack() const;

    // A player entered, a result changed or the number of players changed since the
    // tournament was loaded or saved.
    bool hasUnsavedChanges() const;
    // Before the tournament is left: asks whether to save its changes, if it has any.
    // False when the director chose to stay or the save failed; nothing has changed then.
    bool ConfirmLeaving();
    // Writes a recovery copy that is due now rather than when its timer fires.
    void WritePendingRecoveryCopy();

  signals:
    // The director confirmed the exit.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    // Construction of the widgets, positioned in twips.
    void createGrid();
    void createEditor();
    void createCategories();
    void createCommands();
    void createRoundDisplay();
    void place(QWidget *widget, double left, double top, double width, double height);

    // The table laid out for the tournament's size, and the reduced view.
    void vscPlayer_Change();
    void LayOutGrid();
    void chkSdvig_Click();
    void applyReducedView();
    // Shows what the document says changed.
    void ShowTournament(const TableChange &change);
    // Tournament file: its bytes as read, or nothing when there are none to load.
    std::optional<std::string> LoadTurnir();
    void cmdSave_Click();
    // Writes the tournament file; false when nothing was written.
    bool SaveTournament();
    void cmdPrint_Click();
    // Base file and editor.
    void OpenBase();
    void ShowCurrentRecord();
    void SaveCurrentRecord();
    void SetEditorButtonsAtLoad();
    void reportBaseFailure();
    void ApplyButtonRule();
    void txtNR_Change();
    void UpdateLabel();
    void optRanc_Click(int index);
    void ClearOpt();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdNew_Click();
    void cmdZapisBase_Click();
    void cmdPrintBase_Click();
    // Clicks on the crosstable and on the result boxes of the round display.
    void grdTable_Click();
    // The player the editor offers for a row.
    PlayerEntry EditorPlayer() const;
    void ShowRounds();
    void cmdPrintParing_Click();

    void cmdExit_Click();

    // Files that cannot be read or written.
    void ReportReadOnlyBase();
    bool RefuseReadOnlyBase();
    bool ConfirmReplacingUnreadFile(const QString &path, const QString &reason);
    bool ConfirmReplacingForeignFile(const QString &path, const QString &reason);

    // Changes not yet saved, and the recovery copy that keeps them through a crash.
    void createRecoveryCopy();
    void TableChanged();
    void MarkSaved();
    // The caption: the path, with the mark of unsaved changes while there are any.
    void ShowUnsavedMark();
    int AskSavingChanges();
    bool AskRestoring(const QDateTime &written);
    void WriteRecoveryCopy();
    bool m_loading = false;               // inside Form_Load: what it lays out is no change
    bool m_changedOutsideHistory = false; // the count changed, or a recovery copy was restored
    QTimer *m_recoveryTimer = nullptr;    // pending write of the recovery copy
    QString m_recoveryPath;               // the copy of the tournament loaded last

    // Finding a player in the base (base/base_find.cpp).
    void createFindBox();
    // A name, and a rating from 1000 to 3000: the arrows may leave the record on show.
    bool recordMayBeLeft() const;
    void UpdateFindBox();
    void txtFind_Change();
    void txtFind_Enter();
    void ShowFoundRecord(qint64 recordNo);
    // Results from the keyboard (standings/key_entry.cpp). Every key that changes
    // anything passes through grdTable_KeyDown: a result key to the document, Space and
    // Enter through grdTable_Click.
    void createKeyEntry();
    void grdTable_KeyDown(int row, int column, const QString &key);
    // The name check of the write-back, and the guides that tell the director where he
    // is: the record number and who sits out the shown round.
    void createGuides();
    // Per table row: false when the director chose not to write a row whose name differs
    // from the name in its record.
    std::vector<bool> RowsToWriteBack();
    void ShowRecordNumber();
    void FitBoardLines();
    TournamentDocument *m_document = nullptr; // the open tournament and its history
    QLabel *lblRecord = nullptr;
    QLabel *lblFree = nullptr;

    std::function<QString()> m_tourFilePath;
    FileLayer *m_files = nullptr;
    QString m_unreadTourFile; // a tournament file that existed but could not be read at load

    // Widgets, named as the director's manual names them.
    CrossTable *grdTable = nullptr;
    QScrollBar *vscPlayer = nullptr;
    QLabel *lblInfo = nullptr;
    QCheckBox *chkSdvig = nullptr;
    QToolButton *cmdSave = nullptr;
    QToolButton *cmdPrint = nullptr;
    QLabel *lblPrint = nullptr;
    QLabel *lblParring = nullptr;
    QPushButton *cmdExit = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtRate = nullptr;
    QLineEdit *txtNR = nullptr;
    QCheckBox *chkRate = nullptr;
    std::array<QRadioButton *, kCategoryCount + 1> optRanc{}; // 1..13
    QButtonGroup *m_categories = nullptr;
    QLabel *lblM = nullptr;
    QLabel *lblD = nullptr;
    QToolButton *cmdNew = nullptr;
    QToolButton *cmdNext = nullptr;
    QToolButton *cmdPrevious = nullptr;
    QToolButton *cmdZapisBase = nullptr;
    QToolButton *cmdPrintBase = nullptr;
    std::array<ClickableLabel *, kBoards + 1> lblParing{}; // 0 is the round title
    std::array<ClickableLabel *, kBoards + 1> lblRezult{};
    QToolButton *cmdPrintParing = nullptr;
    QLineEdit *txtFind = nullptr;
    QCompleter *m_findCompleter = nullptr;
    QStandardItemModel *m_findMatches = nullptr; // the pop-up list: name, rating

    // The open player base.
    BaseFile Base;
    PlayerRecord CurrentPlayer; // the record buffer of the editor
    qint64 CurrentRecord = 1;   // 1-based record shown in the editor
    qint64 RecordCount = 1;     // records the editor browses, at least 1
};

} // namespace krugovik
