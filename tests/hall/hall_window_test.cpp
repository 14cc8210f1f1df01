// «Файл» → «Табло в сети…»: off until the director starts it, the page's address and its QR
// code in the dialog and the window's title, the open tournament served and followed after
// every change, the choice remembered, and the window answering while the server is busy.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "app/club_folder.h"
#include "app/hall_dialog.h"
#include "app/main_window.h"
#include "hall/hall_client.h"
#include "support/test_helpers.h"

using namespace testing_support;

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort();
}

// A request through Qt's own client while the event loop runs the window and the server.
QByteArray fetch(quint16 port, const QString &path, int *status = nullptr)
{
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(
        QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path))));
    QSignalSpy done(reply, &QNetworkReply::finished);
    if (!done.wait(5000))
        ADD_FAILURE() << "no answer for " << path.toStdString();
    if (status)
        *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->readAll();
    delete reply;
    return body;
}

class HallBoard : public TournamentTest {
  protected:
    // Opens the dialog, lets `act` work in it, then closes it.
    void inDialog(const std::function<void(QDialog *)> &act)
    {
        bool seen = false;
        whenShown<QDialog>([&](QDialog *dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgHall"));
            act(dialog);
            seen = true;
            dialog->reject();
        });
        widget<QAction>(QStringLiteral("mnuHall"))->trigger();
        EXPECT_TRUE(seen);
    }
};

} // namespace

TEST_F(HallBoard, ServesTheOpenTournamentAndFollowsItsChanges)
{
    openTournament(threePlayers("<b>Ivanov</b>"));
    EXPECT_FALSE(mainWindow()->windowTitle().contains(QStringLiteral("http")));
    const quint16 port = freePort();
    inDialog([&](QDialog *dialog) {
        auto *address = child<QComboBox>(dialog, QStringLiteral("cboHallAddress"));
        // The machine's addresses, loopback last.
        ASSERT_GE(address->count(), 1);
        EXPECT_EQ(address->itemData(address->count() - 1).toString(), QStringLiteral("127.0.0.1"));
        address->setCurrentIndex(address->count() - 1);
        EXPECT_EQ(child<QSpinBox>(dialog, QStringLiteral("spnHallPort"))->value(), 8080);
        child<QSpinBox>(dialog, QStringLiteral("spnHallPort"))->setValue(port);
        auto *url = child<QLabel>(dialog, QStringLiteral("lblHallUrl"));
        EXPECT_FALSE(url->isVisible());
        child<QPushButton>(dialog, QStringLiteral("btnHallStart"))->click();
        EXPECT_EQ(url->text(), QStringLiteral("http://127.0.0.1:%1/").arg(port));
        EXPECT_FALSE(child<QLabel>(dialog, QStringLiteral("lblHallQr"))->pixmap().isNull());
        EXPECT_FALSE(child<QPushButton>(dialog, QStringLiteral("btnHallStart"))->isEnabled());
        EXPECT_TRUE(child<QPushButton>(dialog, QStringLiteral("btnHallStop"))->isEnabled());
        // On a netbook's screen of 1024 × 600, title bar and panel included.
        EXPECT_LE(dialog->sizeHint().height(), 600 - 60);
        EXPECT_LE(dialog->sizeHint().width(), 1024);
        // The handbook's picture of the dialog.
        dialog->grab().save(QStringLiteral(KRUGOVIK_SHOT_DIR "/hall-dialog.png"));
    });
    EXPECT_TRUE(
        mainWindow()->windowTitle().contains(QStringLiteral("http://127.0.0.1:%1/").arg(port)));

    int status = 0;
    const QByteArray page = fetch(port, QStringLiteral("/"), &status);
    EXPECT_EQ(status, 200);
    EXPECT_TRUE(page.contains("&lt;b&gt;Ivanov&lt;/b&gt;"));
    EXPECT_FALSE(page.contains("<b>Ivanov"));
    const QByteArray stamp = fetch(port, QStringLiteral("/stamp"));

    // A result entered (2 against 3 was not played): a fresh snapshot, a new stamp, and the
    // crosstable shows it.
    setResult(2, 3, QStringLiteral("1"));
    EXPECT_NE(fetch(port, QStringLiteral("/stamp")), stamp);
    const QByteArray after = fetch(port, QStringLiteral("/"));
    EXPECT_NE(after, page);

    const QSettings settings(krugovik::programSettingsFile(), QSettings::IniFormat);
    EXPECT_TRUE(settings.value(QStringLiteral("hall/on")).toBool());
    EXPECT_EQ(settings.value(QStringLiteral("hall/port")).toUInt(), port);
}

TEST_F(HallBoard, ComesBackOnAtTheNextStartUntilStopped)
{
    const quint16 port = freePort();
    {
        QSettings settings(krugovik::programSettingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("hall/on"), true);
        settings.setValue(QStringLiteral("hall/address"), QStringLiteral("127.0.0.1"));
        settings.setValue(QStringLiteral("hall/port"), port);
    }
    start();
    EXPECT_TRUE(
        mainWindow()->windowTitle().contains(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    int status = 0;
    EXPECT_TRUE(fetch(port, QStringLiteral("/"), &status).contains("Турнир не открыт."));
    EXPECT_EQ(status, 200);

    // Two hundred requests from another thread while the window's event loop serves them:
    // it never runs late by more than a fraction of a second.
    std::atomic<int> answered = 0;
    std::thread clients([&] {
        std::vector<std::thread> each;
        for (int k = 0; k < 200; ++k)
            each.emplace_back([&] {
                if (hall_client::get(port, "/", "GET").status == 200)
                    ++answered;
            });
        for (std::thread &thread : each)
            thread.join();
    });
    QElapsedTimer clock;
    clock.start();
    qint64 late = 0;
    QElapsedTimer tick;
    tick.start();
    while (answered < 200 && clock.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        late = std::max(late, tick.restart());
    }
    clients.join();
    EXPECT_EQ(answered, 200);
    EXPECT_LT(late, 500);

    inDialog([&](QDialog *dialog) {
        EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblHallUrl"))->text(),
                  QStringLiteral("http://127.0.0.1:%1/").arg(port));
        child<QPushButton>(dialog, QStringLiteral("btnHallStop"))->click();
        EXPECT_TRUE(child<QPushButton>(dialog, QStringLiteral("btnHallStart"))->isEnabled());
    });
    EXPECT_FALSE(mainWindow()->windowTitle().contains(QStringLiteral("http")));
    EXPECT_EQ(hall_client::get(port, "/").status, 0);
    const QSettings settings(krugovik::programSettingsFile(), QSettings::IniFormat);
    EXPECT_FALSE(settings.value(QStringLiteral("hall/on")).toBool());
}

// The code a phone's camera reads: the three finder squares in their corners.
TEST(HallQrCode, HasTheFinderPatterns)
{
    const QImage code = krugovik::qrImage(QStringLiteral("http://192.168.100.200:8080/"), 1);
    ASSERT_FALSE(code.isNull());
    const int side = code.width() - 8;
    ASSERT_EQ(side % 4, 1); // 21, 25, 29… modules
    const auto dark = [&](int x, int y) { return qGray(code.pixel(x + 4, y + 4)) < 128; };
    for (const auto &[left, top] :
         {std::pair{0, 0}, std::pair{side - 7, 0}, std::pair{0, side - 7}})
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x) {
                const int ring = std::min(std::min(x, y), std::min(6 - x, 6 - y));
                EXPECT_EQ(dark(left + x, top + y), ring != 1) << left << "," << top;
            }
    // The quiet zone is white.
    for (int k = 0; k < code.width(); ++k)
        EXPECT_EQ(qGray(code.pixel(k, 0)), 255);
    const QImage large = krugovik::qrImage(QStringLiteral("http://192.168.100.200:8080/"), 5);
    EXPECT_EQ(large.width(), code.width() * 5);
}
