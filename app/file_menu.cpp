// The menu «Файл» beyond loading: the save of the open tournament and the event's details;
// and the menu «Справка» with the handbook.
#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "common/message_box.h"
#include "rounds/round_names.h"
#include "ui/draw_numbers_dialog.h"
#include "ui/event_dialog.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

using namespace krugovik;

void MainWindow::createFileMenu()
{
    mnuSave = mnuFile->addAction(tr("Сохранить"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(mnuSave, &QAction::triggered, this, &MainWindow::mnuSave_Click);
    mnuEvent = mnuFile->addAction(tr("Сведения о турнире…"));
    mnuEvent->setObjectName(QStringLiteral("mnuEvent"));
    connect(mnuEvent, &QAction::triggered, this, &MainWindow::mnuEvent_Click);
    mnuDrawNumbers = mnuFile->addAction(tr("Жеребьёвка номеров…"));
    mnuDrawNumbers->setObjectName(QStringLiteral("mnuDrawNumbers"));
    connect(mnuDrawNumbers, &QAction::triggered, this, &MainWindow::mnuDrawNumbers_Click);
    setTournamentCommandsEnabled(false);
}

void MainWindow::setTournamentCommandsEnabled(bool enabled)
{
    mnuSave->setEnabled(enabled);
    mnuEvent->setEnabled(enabled);
    mnuDrawNumbers->setEnabled(enabled);
}

void MainWindow::mnuSave_Click()
{
    if (TournamentWindow *tournament = openTournamentWindow())
        tournament->Save();
}

void MainWindow::mnuEvent_Click()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    TournamentDocument *document = tournament->document();
    const Tournament &t = document->tournament();
    QStringList rounds;
    for (int r = 1; r <= t.totalRounds(); ++r)
        rounds << QString::fromStdString(roundName(t.playerCount(), t.cycles(), r));
    EventDialog dialog(t.event(), rounds, this);
    if (dialog.exec() == QDialog::Accepted)
        document->setEvent(dialog.details());
}

void MainWindow::mnuDrawNumbers_Click()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    TournamentDocument *document = tournament->document();
    const Tournament &t = document->tournament();
    if (t.lastCycleWithResults() != 0) {
        showMessage(this, tr("Номера разыгрываются только до первого результата."));
        return;
    }
    std::vector<DrawEntrant> players;
    for (int row = 1; row <= t.playerCount(); ++row) {
        const PlayerIdentity &identity = t.identity(row);
        DrawEntrant player;
        player.name = t.name(row);
        // FIDE's rating where the player has one, else the table's.
        player.rating = identity.fideRating > 0 ? identity.fideRating
                                                : QString::fromStdString(t.rating(row)).toInt();
        player.title = identity.title;
        player.group = identity.federation;
        players.push_back(std::move(player));
    }
    DrawNumbersDialog dialog(std::move(players), t.numberDraw(), this);
    if (dialog.exec() == QDialog::Accepted)
        document->drawNumbers(dialog.order(), dialog.record());
}

void MainWindow::createHelpMenu()
{
    mnuHelpMenu = menuBar()->addMenu(tr("Справка"));
    mnuHelpMenu->setObjectName(QStringLiteral("mnuHelpMenu"));
    mnuHelp = mnuHelpMenu->addAction(tr("Руководство"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->setShortcut(QKeySequence(Qt::Key_F1));
    connect(mnuHelp, &QAction::triggered, this, &MainWindow::mnuHelp_Click);
}

void MainWindow::mnuHelp_Click()
{
    // One window of the handbook, brought forward when it is open already.
    if (!m_help) {
        m_help = new HelpViewer(handbookFolder(), this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}
