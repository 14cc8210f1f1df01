#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QUndoGroup>
#include <QUndoStack>

#include "app/club_folder.h"
#include "app/file_chooser.h"
#include "app/screen_fit.h"
#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/fonts.h"
#include "common/keyboard_return.h"
#include "common/message_box.h"
#include "ui/base_editor.h"
#include "ui/picture_button.h"
#include "ui/tournament_window.h"

using namespace krugovik;

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    // Before any text is made: every widget takes its words as it is built.
    m_language = useLanguage(this, startLanguage(programSettingsFile()));
    m_files = new FileLayer(this);
    m_buttonIcons = std::make_unique<ButtonIcons>(style());
    setWindowTitle(programName() + QLatin1Char(' ') + kProgramVersion);
    setFont(screenFont(9));

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_area);
    m_area->viewport()->installEventFilter(this);

    mnuFile = menuBar()->addMenu(tr("Файл"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = mnuFile->addAction(tr("Загрузить (создать) турнир"));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    connect(mnuOpen, &QAction::triggered, this, &MainWindow::mnuOpen_Click);
    mnuImportTrf = mnuFile->addAction(tr("Открыть TRF…"));
    mnuImportTrf->setObjectName(QStringLiteral("mnuImportTrf"));
    connect(mnuImportTrf, &QAction::triggered, this, &MainWindow::mnuImportTrf_Click);
    createFileMenu();
    createHallMenu();
    createEditMenu();
    createBaseMenu();
    createResultsMenu();
    createLanguageMenu();
    createHelpMenu();
    returnKeyboardAfterMenus(menuBar());

    fitToScreen();
    MDIForm_Load();
}

MainWindow::~MainWindow()
{
    m_area->viewport()->removeEventFilter(this);
}

void MainWindow::MDIForm_Load()
{
    if (!codePageAvailable()) {
        // Without the code page every name would be written as wrong bytes.
        mnuOpen->setEnabled(false);
        mnuImportTrf->setEnabled(false);
        showMessage(this,
                    tr("В этой сборке Qt нет кодовой страницы Windows-1251. "
                       "Файлы турнира и базы игроков нельзя ни прочитать, ни записать."),
                    tr("Ошибка"), QMessageBox::Critical);
        return;
    }
    // What the first load of the tournament window does before anything else, without
    // building a window only to close it: the base opened once, created if missing.
    openBaseAtStartUp(m_files, this);
    showChooser();
}

void MainWindow::mnuOpen_Click()
{
    if (!mayCloseTournament())
        return;
    closeTournament();
    showChooser();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!mayCloseTournament()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::mayCloseTournament()
{
    TournamentWindow *window = openTournamentWindow();
    return !window || window->ConfirmLeaving();
}

void MainWindow::showChooser()
{
    if (!m_chooserWindow) {
        // Built inside the area, its widgets take the program's font from the start rather
        // than laying their texts out twice.
        m_chooser = new FileChooser(m_area);
        connect(m_chooser, &FileChooser::openRequested, this, &MainWindow::openChosenTournament);
        m_chooserWindow = m_area->addSubWindow(m_chooser);
        m_chooserWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_chooserWindow->move(0, 0);
    } else {
        // Back as the director left it; only the folder's files are listed anew.
        m_chooser->refreshLists();
    }
    m_chooserWindow->show();
    m_area->setActiveSubWindow(m_chooserWindow);
}

void MainWindow::openChosenTournament()
{
    const QString path = m_chooser->TourFilePath();
    // Another file closes the open tournament and loads anew; the same one is only shown.
    if (m_tournamentWindow && path != m_tourFilePath) {
        // The path changes only once the old tournament is left: its save writes its own file.
        if (!mayCloseTournament())
            return;
        closeTournament();
    }
    m_tourFilePath = path;
    showTournament();
}

void MainWindow::showTournament()
{
    if (m_tournamentWindow) {
        m_tournamentWindow->show();
        m_area->setActiveSubWindow(m_tournamentWindow);
        return;
    }
    auto *window = new TournamentWindow([this] { return m_tourFilePath; }, m_files, m_area,
                                        m_buttonIcons.get());
    connect(window, &TournamentWindow::exitRequested, this, &MainWindow::endProgram);
    if (m_spareFrame) {
        m_tournamentWindow = m_spareFrame;
        m_spareFrame = nullptr;
        m_tournamentWindow->setWindowState(Qt::WindowNoState);
        m_tournamentWindow->setWidget(window);
    } else {
        m_tournamentWindow = m_area->addSubWindow(window);
        m_tournamentWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_tournamentWindow->setWindowFlags(m_tournamentWindow->windowFlags() &
                                           ~Qt::WindowMaximizeButtonHint);
    }
    window->Form_Load();
    watchForHall(window);
    setResultsEnabled(true);
    setTournamentCommandsEnabled(true);
    // The window goes with its frame (closed by its own button) or out of it (another file
    // opened): either way the tournament's commands go with it.
    connect(window, &QObject::destroyed, mnuResults, [menu = mnuResults] {
        menu->setEnabled(false);
        menu->menuAction()->setEnabled(false);
    });
    // The window may go while the main window itself is being destroyed: the lambda
    // touches only the actions, and only those still alive.
    connect(window, &QObject::destroyed, mnuEvent,
            [save = QPointer<QAction>(mnuSave), event = QPointer<QAction>(mnuEvent),
             draw = QPointer<QAction>(mnuDrawNumbers)] {
                for (QAction *action : {save.data(), event.data(), draw.data()})
                    if (action)
                        action->setEnabled(false);
            });
    // A closed tournament's history leaves the group with its window.
    m_history->addStack(window->undoStack());
    m_history->setActiveStack(window->undoStack());
    m_tournamentWindow->move(0, 0);
    m_tournamentWindow->show();
    fitTournamentWindow();
    m_area->setActiveSubWindow(m_tournamentWindow);
}

void MainWindow::fitTournamentWindow()
{
    // Whole where the area has room for it; on a small screen as large as the area, and
    // the tournament window scrolls.
    if (!m_tournamentWindow || m_tournamentWindow->isMaximized())
        return;
    // Cut in one direction, the window scrolls in it, and that scroll bar takes room in the
    // other: the room is given, so that the right edge («Выход») is not left under it.
    QSize wanted = m_tournamentWindow->sizeHint();
    const QSize room = m_area->viewport()->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (wanted.height() > room.height())
        wanted.rwidth() += bar;
    if (wanted.width() > room.width())
        wanted.rheight() += bar;
    m_tournamentWindow->resize(wanted.boundedTo(room));
}

void MainWindow::fitToScreen()
{
    const QScreen *where = screen();
    if (!where) {
        resize(kNaturalSize);
        return;
    }
    const ScreenFit fit = fitOnScreen(where->availableGeometry(), kNaturalSize, pos());
    resize(fit.geometry.size());
    move(fit.geometry.topLeft());
    if (fit.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize)
        fitTournamentWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeTournament()
{
    QMdiSubWindow *frame = m_tournamentWindow;
    if (!frame)
        return;
    // The window is deleted at once, so that nothing of the old tournament outlives the next
    // load. Its frame is kept, hidden and empty, for the next tournament: building a frame
    // (its title bar reads the style's icons) was a good part of opening one.
    QWidget *window = frame->widget();
    frame->hide();
    frame->setWidget(nullptr);
    m_tournamentWindow = nullptr;
    delete window;
    m_spareFrame = frame;
}

void MainWindow::endProgram()
{
    close();
    QCoreApplication::quit();
}

void MainWindow::createEditMenu()
{
    m_history = new QUndoGroup(this);
    mnuEdit = menuBar()->addMenu(tr("Правка"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    actUndo = m_history->createUndoAction(this, tr("Отменить"));
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    actRedo = m_history->createRedoAction(this, tr("Повторить"));
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addAction(actUndo);
    mnuEdit->addAction(actRedo);
}
