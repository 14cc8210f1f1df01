// krugovik --serve as a real process: it serves the file, follows it when another process
// replaces it the way a save does, and stops cleanly on SIGTERM and on Ctrl+C.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

#include "hall/hall_client.h"
#include "table/tournament.h"

using namespace krugovik;
using namespace hall_client;

namespace {

// The seven-player sample after round 4: games without results are left.
QByteArray sample()
{
    QFile file(QStringLiteral(KRUGOVIK_EXAMPLES_DIR "/PERVENSTVO.TXT"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The program's first line names the page's address; its port.
quint16 startServing(QProcess &program, const QString &file)
{
    program.setProgram(QStringLiteral(KRUGOVIK_PROGRAM));
    // Loopback and a free port: the test is reachable from nowhere else.
    program.setArguments({QStringLiteral("--serve"), file, QStringLiteral("--listen"),
                          QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                          QStringLiteral("0")});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start();
    EXPECT_TRUE(program.waitForStarted(10000));
    QByteArray out;
    const QRegularExpression url(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)/"));
    for (int k = 0; k < 100; ++k) {
        program.waitForReadyRead(200);
        out += program.readAllStandardOutput();
        if (const auto match = url.match(QString::fromUtf8(out)); match.hasMatch())
            return quint16(match.captured(1).toUInt());
    }
    ADD_FAILURE() << "no address: " << out.toStdString()
                  << program.readAllStandardError().toStdString();
    return 0;
}

// The same tournament with one more result, as the window would save it: the first game
// of the table without one is won.
QByteArray withNewResult(const QByteArray &bytes)
{
    Tournament tournament;
    tournament.load(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const int n = tournament.playerCount();
    for (int player = 1; player <= n; ++player)
        for (int cycle = 0; cycle < tournament.cycles(); ++cycle)
            for (int opponent = 1; opponent <= n; ++opponent)
                if (opponent != player &&
                    tournament.cell({cycle, player, opponent}) == GameState::None) {
                    tournament.setResult({cycle, player, opponent}, GameState::Win);
                    return QByteArray::fromStdString(tournament.fileBytes());
                }
    ADD_FAILURE() << "every game has a result";
    return bytes;
}

} // namespace

TEST(ServeCommand, FollowsTheFileAnotherProcessReplaces)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("PERVENSTVO.TXT"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sample());
    }
    QProcess program;
    const quint16 port = startServing(program, path);
    ASSERT_NE(port, 0);
    const Reply first = get(port, "/");
    ASSERT_EQ(first.status, 200);
    const std::string stamp = get(port, "/stamp").body;

    // Another process replaces the file whole, as a save through a temporary file does.
    const QByteArray bytes = sample();
    const QByteArray changed = withNewResult(bytes);
    ASSERT_NE(changed, bytes);
    {
        QFile next(folder.filePath(QStringLiteral("next")));
        ASSERT_TRUE(next.open(QIODevice::WriteOnly));
        next.write(changed);
    }
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("mv"), {folder.filePath(QStringLiteral("next")), path}),
        0);
    std::string now = stamp;
    while (now == stamp && clock.elapsed() < 5000) {
        QThread::msleep(50);
        now = get(port, "/stamp").body;
    }
    EXPECT_NE(now, stamp);
    // Within a second of the save: the page polls twice a second on top of this.
    EXPECT_LT(clock.elapsed(), 1000);
    const Reply second = get(port, "/");
    EXPECT_NE(second.body, first.body);

    // A second replacement: the watch was made again after the first.
    const QByteArray again = withNewResult(changed);
    {
        QFile next(folder.filePath(QStringLiteral("next")));
        ASSERT_TRUE(next.open(QIODevice::WriteOnly));
        next.write(again);
    }
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("mv"), {folder.filePath(QStringLiteral("next")), path}),
        0);
    const std::string secondStamp = now;
    clock.restart();
    while (now == secondStamp && clock.elapsed() < 5000) {
        QThread::msleep(50);
        now = get(port, "/stamp").body;
    }
    EXPECT_NE(now, secondStamp);

    // The server never wrote: the folder holds the file alone, as the other process left it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("PERVENSTVO.TXT")});

    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().contains("Табло остановлено."));
    EXPECT_EQ(get(port, "/").status, 0);
}

TEST(ServeCommand, StopsOnCtrlC)
{
    QProcess program;
    const quint16 port = startServing(program, QStringLiteral(KRUGOVIK_EXAMPLES_DIR "/KUBOK.TXT"));
    ASSERT_NE(port, 0);
    EXPECT_EQ(get(port, "/standings").status, 200);
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(ServeCommand, RefusesWhatItCannotServe)
{
    QTemporaryDir folder;
    const QString foreign = folder.filePath(QStringLiteral("notes.txt"));
    {
        QFile file(foreign);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("shopping list\nmilk\n");
    }
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--serve")},
          QStringList{QStringLiteral("--serve"), folder.filePath(QStringLiteral("missing.txt"))},
          QStringList{QStringLiteral("--serve"), foreign},
          QStringList{QStringLiteral("--serve"), QStringLiteral(KRUGOVIK_EXAMPLES_DIR "/KUBOK.TXT"),
                      QStringLiteral("--port"), QStringLiteral("99999")},
          QStringList{QStringLiteral("--serve"), QStringLiteral(KRUGOVIK_EXAMPLES_DIR "/KUBOK.TXT"),
                      QStringLiteral("--listen"), QStringLiteral("nowhere")}}) {
        QProcess program;
        program.start(QStringLiteral(KRUGOVIK_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForFinished(10000)) << arguments.join(' ').toStdString();
        EXPECT_NE(program.exitCode(), 0) << arguments.join(' ').toStdString();
        EXPECT_FALSE(program.readAllStandardError().isEmpty());
    }
}
