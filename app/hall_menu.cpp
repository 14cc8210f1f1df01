// «Файл» → «Табло в сети…»: the hall's web server of the open tournament. The window hands
// the server a fresh snapshot after every change; the server knows nothing of the window.
#include <QAction>
#include <QDateTime>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>

#include "app/club_folder.h"
#include "app/hall_dialog.h"
#include "app/main_window.h"
#include "common/message_box.h"
#include "hall/hall_file.h"
#include "hall/hall_server.h"
#include "hall/serve_command.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

using namespace krugovik;

namespace {

const QString kHallOnKey = QStringLiteral("hall/on");
const QString kHallAddressKey = QStringLiteral("hall/address");
const QString kHallPortKey = QStringLiteral("hall/port");

} // namespace

void MainWindow::createHallMenu()
{
    mnuHall = mnuFile->addAction(tr("Табло в сети…"));
    mnuHall->setObjectName(QStringLiteral("mnuHall"));
    connect(mnuHall, &QAction::triggered, this, &MainWindow::mnuHall_Click);
    m_hall = new HallServer(this);
    m_hallBase = QDateTime::currentMSecsSinceEpoch();
    // The director's last choice: the board comes back on with the program.
    const QSettings settings(programSettingsFile(), QSettings::IniFormat);
    if (settings.value(kHallOnKey, false).toBool())
        startHall(settings.value(kHallAddressKey).toString(),
                  quint16(settings.value(kHallPortKey, kHallPort).toUInt()));
}

QString MainWindow::startHall(const QString &address, quint16 port)
{
    if (!m_hall->listen(QHostAddress(address), port)) {
        showHallInTitle();
        return m_hall->errorString();
    }
    publishToHall();
    QSettings settings(programSettingsFile(), QSettings::IniFormat);
    settings.setValue(kHallOnKey, true);
    settings.setValue(kHallAddressKey, address);
    settings.setValue(kHallPortKey, port);
    showHallInTitle();
    return {};
}

void MainWindow::stopHall()
{
    m_hall->close();
    QSettings(programSettingsFile(), QSettings::IniFormat).setValue(kHallOnKey, false);
    showHallInTitle();
}

void MainWindow::showHallInTitle()
{
    QString title = programName() + QLatin1Char(' ') + kProgramVersion;
    if (m_hall->isListening())
        title +=
            QStringLiteral(" — ") + tr("табло: %1").arg(hallUrl(m_hall->address(), m_hall->port()));
    setWindowTitle(title);
}

void MainWindow::publishToHall()
{
    if (!m_hall || !m_hall->isListening())
        return;
    const TournamentWindow *tournament = openTournamentWindow();
    HallView view;
    if (tournament)
        view.snapshot = tournament->snapshot();
    view.changedAt = hallTime(QDateTime::currentDateTime());
    view.stamp = hallStamp(m_hallBase, ++m_hallChanges);
    m_hall->publish(std::move(view));
}

void MainWindow::watchForHall(TournamentWindow *window)
{
    connect(window->document(), &TournamentDocument::changed, this, &MainWindow::publishToHall);
    // Once the window is gone the pages say that no tournament is open.
    connect(window, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(this, &MainWindow::publishToHall, Qt::QueuedConnection);
    });
    publishToHall();
}

void MainWindow::mnuHall_Click()
{
    const QSettings settings(programSettingsFile(), QSettings::IniFormat);
    QHostAddress address(settings.value(kHallAddressKey).toString());
    if (address.isNull())
        address = hallAddresses().constFirst();
    HallDialog dialog(
        m_hall, address, quint16(settings.value(kHallPortKey, kHallPort).toUInt()),
        [this](const QHostAddress &where, quint16 port) {
            return startHall(where.toString(), port);
        },
        [this] { stopHall(); }, this);
    dialog.exec();
}
