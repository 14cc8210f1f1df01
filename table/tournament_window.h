#pragma once

// The tournament window holds the whole open tournament. Its state lives in two places:
// the variables below and the cells of the crosstable grdTable (names, ratings and
// results are read back from the cells). Routines are named after the widget and event
// they handle or after what they do, take no arguments and talk through GridRow,
// GridCol and CellText. The arithmetic lives in Qt-free functions of the subsystem
// folders; the routines read the widgets, call them and write the widgets back. The
// routines are spread over the folders of their subsystems.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "base/base_file.h"
#include "base/player_record.h"
#include "rating/game_records.h"

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
struct TournamentFile;
struct TournamentSnapshot;
struct TableSnapshot;
class CrossTable;

inline constexpr int kMaxPlayers = 22;
inline constexpr int kMinPlayers = 3;
inline constexpr int kBoards = 11;            // boards of the round display, 1..11
inline constexpr int kCategoryCount = 13;     // category options optRanc1..optRanc13
inline constexpr int kEstablishedMark = 1000; // CorrectionMark of an established rating
inline const QString kNoRatingNote = QStringLiteral("Нет рейтинга у игрока");

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
    QUndoStack *undoStack() const { return m_history; }

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

    // Tournament state and grid layout.
    void ClearTurn();
    void TableSise();
    // Tournament size and table view.
    void vscPlayer_Change();
    void Prokrutka();
    // Numbers, grey diagonal and widths of rows and columns 4..PlayerCount.
    void LabelRows();
    void chkSdvig_Click();
    void applyReducedView();
    // Tournament file.
    void LoadTurnir();
    void readTournament(const TournamentFile &file, std::vector<std::pair<int, int>> &games);
    void cmdSave_Click();
    // Writes the tournament file; false when nothing was written.
    bool SaveTournament();
    // The tournament file's bytes for the table as it stands.
    std::string TournamentFileBytes() const;
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
    // Clicks on the crosstable, entering players and results, standings.
    void grdTable_Click();
    void ClickNotRate();
    void RefreshCompleteness();
    void ClickGames();
    // Puts the game of the cell (GridRow, GridCol) into state, then its mirror.
    void SetGame(GameState state);
    void ClickResult();
    void Score();
    void Berger();
    void ClickNetRating();
    // Computes again whatever columns 3 and 4 show, after a result or a player changed.
    void RefreshShownColumns();
    // Game records.
    void ArrayGames();
    // Rating correction and calculation.
    void ClickCorrection();
    // Corrected estimates into column 3, and the corrections into column 4 when asked.
    void showCorrections(bool withColumn4);
    void CorrectEstimates();
    void Rating();
    // Rounds.
    void ClickParing();
    void Paring();
    void InputParing();
    void lblRezult_Click(int Index);
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
    // anything passes through grdTable_KeyDown: a result key through KeyGames, Space and
    // Enter through grdTable_Click.
    void createKeyEntry();
    void grdTable_KeyDown(int row, int column, const QString &key);
    void KeyGames(GameState state);
    // Taking steps back, the name check of the write-back, and the guides that tell the
    // director where he is: the record number and who sits out the shown round.
    void createGuides();
    // Runs action as one step of the history (entering a player, changing a result);
    // nothing is recorded when it changed nothing. A step inside a step joins it.
    void runStep(const QString &text, const std::function<void()> &action);
    TableSnapshot TakeSnapshot() const;
    void RestoreSnapshot(const TableSnapshot &snapshot);
    void ClearHistory();
    // Per table row: false when the director chose not to write a row whose name differs
    // from the name in its record.
    std::vector<bool> RowsToWriteBack();
    void ShowRecordNumber();
    void ShowFreePlayer();
    void FitBoardLines();
    QUndoStack *m_history = nullptr;
    std::shared_ptr<const TableSnapshot> m_lastAfter; // shared with the next step's before
    bool m_inStep = false;
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

    // Tournament state.
    int PlayerCount = kMinPlayers; // number of players, 3..22
    int GridRow = 0;               // current grid row; loop counter of many routines
    int GridCol = 0;               // current grid column, or an opponent number around ArrayGames
    QString CellText;              // the game cell's new text, input of ArrayGames
    std::array<int, 31> BaseRecordNo{};   // per table row: the base record the player came from
    std::array<int, 31> CorrectionMark{}; // per table row: 1000 established, else the correction
    QString MissingRatingNote;            // kNoRatingNote while some player row lacks a rating
    GameRecords Games;                    // GameResults, GamePoints, GamePlayed, OpponentRating
    std::array<int, kMaxPlayers + 1> RatingCorrection{}; // per row: correction of an estimate
    std::int64_t ShownRating = 0; // the rating ClickCorrection is showing, from column 2
    // While Paring runs: (i, j) = r when i meets j in round r named first, -r for the
    // mirror, 0 for no game. All zero at any other time.
    std::array<std::array<int, kMaxPlayers + 1>, kMaxPlayers + 1> PairingTable{};
    int RoundNo = 0; // the round the display shows, 0 before any selection
    // What column 3 shows, and column 4 under the header "Результат".
    enum class RatingColumns { Nothing, NewRatings, Corrections };
    RatingColumns m_ratingColumns = RatingColumns::Nothing;

    // The open player base.
    BaseFile Base;
    PlayerRecord CurrentPlayer; // the record buffer of the editor
    qint64 CurrentRecord = 1;   // 1-based record shown in the editor
    qint64 RecordCount = 1;     // records the editor browses, at least 1
};

} // namespace krugovik
