#pragma once

#include <QObject>
#include <array>
#include <memory>
#include <vector>

#include "base/base_file.h"
#include "base/player_record.h"
#include "base/rating_list_store.h"

class QButtonGroup;
class QCompleter;
class QLabel;
class QLineEdit;
class QCheckBox;
class QRadioButton;
class QStandardItemModel;
class QToolButton;
class QWidget;

namespace krugovik {

class ButtonIcons;
class CodePageValidator;

class CrossTable;
class FileLayer;
class TournamentDocument;
struct PlayerEntry;

// Category options optRanc1..optRanc13.
inline constexpr int kCategoryCount = 13;

// The player base in the tournament window: the editor showing one BASE.DAT record at a
// time (txtName, txtRate, txtNR, the category options), the find box, and the commands on
// the whole base (the write-back of new ratings, the printed list). Its widgets are the
// window's children, placed in twips where the window's layout has them.
class BaseEditor : public QObject {
    Q_OBJECT
  public:
    // Builds the editor's row and the categories; files reaches the base, document is the
    // open tournament the write-back reads.
    BaseEditor(QWidget *window, FileLayer *files, TournamentDocument *document, ButtonIcons &icons);
    ~BaseEditor() override;

    // The find box, built once the table it gives the keyboard back to exists.
    void createFindBox(CrossTable *table);
    // The window's load: the base opened (created when missing) and record 1 shown.
    void load();
    // The player on show, as a row of the table takes him.
    PlayerEntry player() const;
    // A click on the table closes the find list too.
    void closeFindList();

  private:
    void createEditor(ButtonIcons &icons);
    void createCategories();
    void createCommands(ButtonIcons &icons);

    // Browsing and editing (ui/base_editor.cpp).
    void OpenBase();
    void ShowCurrentRecord();
    void SaveCurrentRecord();
    void SetEditorButtonsAtLoad();
    void reportBaseFailure();
    void ReportReadOnlyBase();
    bool RefuseReadOnlyBase();
    // A name, and a rating from 1000 to 3000: the arrows may leave the record on show.
    bool recordMayBeLeft() const;
    void ApplyButtonRule();
    void txtNR_Change();
    void UpdateLabel();
    void optRanc_Click(int index);
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdNew_Click();
    void ShowRecordNumber();
    void ShowNameNote(const QString &note);

    // Finding a player (ui/base_find.cpp).
    void UpdateFindBox();
    void txtFind_Change();
    void txtFind_Enter();
    void ShowFoundRecord(qint64 recordNo);
    // A player from a rating list: found in the base by his ID, or by his name when that
    // record has no identity yet, or else added at its end; then shown.
    void TakeListPlayer(const ListMatch &match);
    // Enter with an ID: the base's player of that ID, else the lists'; false when none.
    bool TakePlayerById(const QString &id);
    void ShowIdentity();

    // Commands on the whole base (ui/write_back.cpp).
    void cmdZapisBase_Click();
    // Per table row: false when the director chose not to write a row whose name differs
    // from the name in its record.
    std::vector<bool> RowsToWriteBack();
    void cmdPrintBase_Click();
    // The base list printed whole, or only the records of the tournament's players.
    void printBaseList(bool entrantsOnly);

    QWidget *m_window;
    FileLayer *m_files;
    TournamentDocument *m_document;

    // Widgets, named as the director's manual names them.
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *lblNameNote = nullptr; // what the code page or the length changed in the name
    CodePageValidator *m_nameCheck = nullptr;
    QLineEdit *txtRate = nullptr;
    QLineEdit *txtNR = nullptr;
    QCheckBox *chkRate = nullptr;
    QToolButton *cmdPrevious = nullptr;
    QToolButton *cmdNext = nullptr;
    QToolButton *cmdNew = nullptr;
    QLabel *lblParring = nullptr;
    std::array<QRadioButton *, kCategoryCount + 1> optRanc{}; // 1..13
    QButtonGroup *m_categories = nullptr;
    QLabel *lblM = nullptr;
    QLabel *lblD = nullptr;
    QToolButton *cmdZapisBase = nullptr;
    QToolButton *cmdPrintBase = nullptr;
    QLineEdit *txtFind = nullptr;
    QCompleter *m_findCompleter = nullptr;
    QStandardItemModel *m_findMatches = nullptr; // the pop-up list: name, rating
    QLabel *lblRecord = nullptr;                 // which record of how many is shown
    QLabel *lblIdentity = nullptr;               // FIDE ID, federation, title… of the record
    std::unique_ptr<RatingListStore> m_lists;    // the imported rating lists
    std::vector<ListMatch> m_listMatches;        // the lists' rows of the find list

    // The open player base.
    BaseFile Base;
    PlayerRecord CurrentPlayer; // the record buffer of the editor
    qint64 CurrentRecord = 1;   // 1-based record shown in the editor
    qint64 RecordCount = 1;     // records the editor browses, at least 1
};

// The start-up's opening of the base: created when missing, and the director told once
// when it can only be read or not at all, as the first load of the tournament window would.
void openBaseAtStartUp(FileLayer *files, QWidget *parent);

} // namespace krugovik
