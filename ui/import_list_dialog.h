#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <atomic>

#include "base/list_readers.h"
#include "base/rating_list_store.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;

namespace krugovik {

// dlgCsvColumns: which column of a federation's CSV holds which field, the separator,
// whether the first line names the columns, and the list's name as the find list shows it.
class CsvColumnsDialog : public QDialog {
    Q_OBJECT
  public:
    // firstLine: the file's first line; remembered: the last mapping (or a guess).
    CsvColumnsDialog(QWidget *parent, const QString &firstLine, const CsvColumns &remembered,
                     const QString &listName);
    CsvColumns columns() const;
    QString listName() const;

  private:
    void fillColumns();
    void checkName();

    QString m_firstLine;
    QComboBox *cboCsvSeparator = nullptr;
    QCheckBox *chkCsvHeader = nullptr;
    std::array<QComboBox *, kCsvFieldCount> cboCsvField{};
    QLineEdit *txtListName = nullptr;
    QPushButton *cmdCsvOk = nullptr;
};

// dlgImportList: the import running on a thread of its own, its progress (prgImport) and
// its cancel button (cmdCancelImport). The dialog closes itself when the import ends.
class ImportListDialog : public QDialog {
    Q_OBJECT
  public:
    ImportListDialog(QWidget *parent, const QString &folder, ListKind kind, const QString &listName,
                     const QString &path, const CsvColumns &columns);
    ~ImportListDialog() override;
    // Starts the import and shows the dialog until it ends.
    ImportResult run();

  protected:
    // Escape and the window's close button cancel, and the dialog waits for the end.
    void reject() override;

  private:
    void cancelImport();

    QString m_folder;
    ListKind m_kind;
    QString m_listName;
    QString m_path;
    QString m_importing; // what the label says while the import runs
    CsvColumns m_columns;
    std::atomic_bool m_cancel{false};
    ImportResult m_result;
    QThread *m_thread = nullptr;
    QLabel *lblImport = nullptr;
    QProgressBar *prgImport = nullptr;
    QPushButton *cmdCancelImport = nullptr;
};

// «База» → «Загрузить рейтинг-лист…»: asks for the file (and a CSV's columns), imports it
// into folder and tells the director what came of it. settingsFile keeps the last CSV
// mapping.
void importRatingList(QWidget *parent, const QString &folder, const QString &settingsFile);

// A list's name as the find list and the messages show it: the FIDE list's in the program's
// language, a federation's as the director named it.
QString shownListName(const QString &stored);

// What the director is told of an import.
QString importReport(const ImportResult &result, const QString &listName);

} // namespace krugovik
