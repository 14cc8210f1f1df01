#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "app/language.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QUndoGroup;

namespace krugovik {
class ButtonIcons;
class FileChooser;
class HelpViewer;
class StandingsView;
class NormsView;
class FileLayer;
class HallServer;
class TournamentWindow;
struct TournamentSnapshot;
} // namespace krugovik

// The frame of the program: the menu and the area in which the chooser and the
// tournament window open. Constructing it performs the start-up.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The size the window opens at on a screen large enough for it.
    static constexpr QSize kNaturalSize{1024, 720};

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void MDIForm_Load();
    void mnuOpen_Click();
    void showChooser();
    void showTournament();
    void openChosenTournament();
    // Asks about the open tournament's unsaved changes; false when it is to stay open.
    bool mayCloseTournament();
    void closeTournament();
    void fitTournamentWindow();
    // Within the screen's available area; maximised where that is smaller than the
    // natural size.
    void fitToScreen();
    void endProgram();

    QMdiArea *m_area = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuOpen = nullptr;
    // Файл: the event's details and the save of the open tournament (app/file_menu.cpp).
    void createFileMenu();
    void setTournamentCommandsEnabled(bool enabled);
    void mnuEvent_Click();
    void mnuSave_Click();
    QAction *mnuEvent = nullptr;
    QAction *mnuSave = nullptr;
    // «Жеребьёвка номеров»: the players' numbers drawn before the first result.
    void mnuDrawNumbers_Click();
    QAction *mnuDrawNumbers = nullptr;
    // Справка: the handbook inside the program.
    void createHelpMenu();
    void mnuHelp_Click();
    QMenu *mnuHelpMenu = nullptr;
    QAction *mnuHelp = nullptr;
    QPointer<krugovik::HelpViewer> m_help;
    // «Открыть TRF…»: a TRF round robin saved as a tournament file and opened.
    void mnuImportTrf_Click();
    QAction *mnuImportTrf = nullptr;
    QPointer<krugovik::FileChooser> m_chooser;
    QPointer<QMdiSubWindow> m_chooserWindow;
    QPointer<QMdiSubWindow> m_tournamentWindow;
    // The frame of the tournament last closed, hidden and empty, kept for the next one.
    QPointer<QMdiSubWindow> m_spareFrame;

    // TourFilePath as the chooser last set it; kept here so that it outlives the chooser.
    QString m_tourFilePath;
    krugovik::FileLayer *m_files = nullptr;
    // The tournament window's button pictures, made once for every tournament it opens.
    std::unique_ptr<krugovik::ButtonIcons> m_buttonIcons;
    // The results menu: the standings printout and the exports of the open tournament.
    void createResultsMenu();
    void setResultsEnabled(bool enabled);
    krugovik::TournamentWindow *openTournamentWindow() const;
    void mnuStandings_Click();
    void mnuStandingsView_Click();
    void mnuExportHtml_Click();
    void mnuExportCsv_Click();
    void mnuExportTrf_Click();
    void mnuTieBreaks_Click();
    void mnuTieOrder_Click();
    using ResultsWriter = std::string (*)(const krugovik::TournamentSnapshot &);
    void exportResults(const QString &title, const QString &extension, const QString &filter,
                       ResultsWriter writer);
    QMenu *mnuResults = nullptr;
    QAction *mnuStandings = nullptr;
    QAction *mnuStandingsView = nullptr;
    QPointer<krugovik::StandingsView> m_standingsView; // lives with the tournament window
    QAction *mnuExportHtml = nullptr;
    QAction *mnuExportCsv = nullptr;
    QAction *mnuExportTrf = nullptr;
    QAction *mnuTieBreaks = nullptr;
    QAction *mnuTieOrder = nullptr;
    // «Нормы и рейтинг ФИДЕ»: the category, rating changes and norms, with their forms.
    void mnuNorms_Click();
    void printNormCertificates();
    void printRatingReport();
    QAction *mnuNorms = nullptr;
    QPointer<krugovik::NormsView> m_normsView; // lives with the tournament window
    // База: the rating lists imported for the find box (app/base_menu.cpp).
    void createBaseMenu();
    void mnuImportList_Click();
    QMenu *mnuBase = nullptr;
    QAction *mnuImportList = nullptr;
    // Правка: takes back and brings back steps of the open tournament's table.
    void createEditMenu();
    QMenu *mnuEdit = nullptr;
    QAction *actUndo = nullptr;
    QAction *actRedo = nullptr;
    QUndoGroup *m_history = nullptr; // its active stack is the open tournament's
    // Язык / Language: the director's choice, remembered for the next start
    // (app/language_menu.cpp).
    void createLanguageMenu();
    void chooseLanguage(krugovik::Language language);
    QMenu *mnuLanguage = nullptr;
    QAction *mnuLanguageRussian = nullptr;
    QAction *mnuLanguageEnglish = nullptr;
    krugovik::Language m_language = krugovik::Language::Russian; // the one in force
    // «Табло в сети…»: the hall's web server, fed a snapshot after every change of the open
    // tournament (app/hall_menu.cpp).
    void createHallMenu();
    void mnuHall_Click();
    // Why the server did not start; empty when it listens.
    QString startHall(const QString &address, quint16 port);
    void stopHall();
    void showHallInTitle();
    void publishToHall();
    void watchForHall(krugovik::TournamentWindow *window);
    QAction *mnuHall = nullptr;
    krugovik::HallServer *m_hall = nullptr;
    qint64 m_hallBase = 0;
    int m_hallChanges = 0;
};
