#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace krugovik {

// The tournament file chooser: browse to a file and open it, or create a new one in
// the current directory.
class FileChooser : public QWidget {
    Q_OBJECT
  public:
    explicit FileChooser(QWidget *parent = nullptr);

    // The full path of the tournament file last opened here.
    QString TourFilePath() const { return m_tourFilePath; }

    // Lists back at the current directory, the name box empty and enabled.
    void Form_Load();
    // The shown folder listed anew; the name box, "Создать" and the chosen file stay.
    void refreshLists();

  signals:
    // "Открыть" set TourFilePath; the tournament window is to be shown.
    void openRequested();

  private:
    void setDirectory(const QString &path);
    void drvDrive_Change(int index);
    void DirDirectory_Change(QListWidgetItem *item);
    void filFiles_Click(QListWidgetItem *item);
    void filFiles_DblClick(QListWidgetItem *item);
    void cmdClear_Click();
    void cmdCreate_Click();
    void cmdOK_Click();
    // A name that names no file: the director is asked whether to create it, with the
    // tournament extension, in folder. True when it was created; created is its name.
    bool createAsked(const QString &folder, const QString &typed, QString *created);

    QLabel *lblDrive = nullptr;
    QComboBox *drvDrive = nullptr;
    QLabel *lblDirectories = nullptr;
    QListWidget *DirDirectory = nullptr;
    QLabel *lblDirName = nullptr;
    QListWidget *filFiles = nullptr;
    QLabel *lblFileType = nullptr;
    QComboBox *cboFileType = nullptr;
    QLabel *lblFileName = nullptr;
    QLineEdit *txtFileName = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdCreate = nullptr;
    QPushButton *cmdOK = nullptr;

    QString m_directory; // the path the lists show
    QString m_tourFilePath;
    bool m_listing = false; // the lists are being filled: no selection is the director's
};

// The path of a file in a directory with one separator between them, also at a root.
QString joinPath(const QString &directory, const QString &name);
// Why a typed name cannot name a new tournament file here; empty when it can.
QString fileNameProblem(const QString &name);
// The name of a new tournament file: always the tournament extension, typed or not.
QString withTournamentExtension(const QString &name);

} // namespace krugovik
