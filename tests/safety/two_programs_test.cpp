// Two programs on one tournament, each a process of its own: a save never silently replaces
// what the other saved, and neither offers, nor deletes, the other's live recovery copy.
#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "table/recovery_copy.h"

using namespace testing_support;

namespace {

// The other director's program: started on ALPHA.TXT with a result entered, not saved.
class OtherProgram {
  public:
    OtherProgram()
    {
        m_process.start(QStringLiteral(KRUGOVIK_SECOND_PROGRAM),
                        {QCoreApplication::applicationName(), QStringLiteral("ALPHA.TXT")});
        started = m_process.waitForReadyRead(30000) && line() == "opened";
    }
    ~OtherProgram()
    {
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished();
        }
    }
    // The lines the program printed for the order, up to its answer "saved" or "kept".
    QStringList order(const QByteArray &text)
    {
        m_process.write(text + "\n");
        QStringList said;
        while (said.isEmpty() || (said.last() != "saved" && said.last() != "kept")) {
            if (!m_process.canReadLine() && !m_process.waitForReadyRead(30000))
                break;
            while (m_process.canReadLine())
                said << QString::fromUtf8(line());
        }
        return said;
    }
    void kill()
    {
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
    }
    bool started = false;

  private:
    QByteArray line() { return m_process.readLine().trimmed(); }
    QProcess m_process;
};

class TwoProgramsTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    }
    // Opens ALPHA.TXT as it stands on disk, its name typed into the chooser.
    void reopen()
    {
        if (!mainWindow())
            start();
        widget<QLineEdit>(QStringLiteral("txtFileName"))->setText(QStringLiteral("ALPHA.TXT"));
        click(widget(QStringLiteral("cmdOK")));
    }
    const QByteArray kAlpha = threePlayers();
    const QString kQuestion = QStringLiteral(
        "Файл ALPHA.TXT изменён другой программой после того, как вы его открыли. Заменить его?");
};

TEST_F(TwoProgramsTest, TheLaterSaveAsksAndNoLeavesTheEarlierOneByteForByte)
{
    openTournament(kAlpha);
    OtherProgram other;
    ASSERT_TRUE(other.started);
    // This program saves first: 1 against 3 becomes a win.
    setResult(1, 3, QStringLiteral("1"));
    {
        BoxAnswerer answerer;
        save();
        EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    }
    const QByteArray mine = readFile(QStringLiteral("ALPHA.TXT"));
    ASSERT_NE(mine, kAlpha);
    // The other program opened the file before: it asks, and No leaves this save alone.
    EXPECT_EQ(other.order("save no"), (QStringList{"asked: " + kQuestion, "kept"}));
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), mine);
    // Yes replaces it; then this program is the one whose file changed.
    EXPECT_EQ(other.order("save yes"), (QStringList{"asked: " + kQuestion, "saved"}));
    const QByteArray theirs = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_NE(theirs, mine);
    setResult(1, 3, QStringLiteral("0"));
    {
        BoxAnswerer answerer(QMessageBox::No);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_EQ(answerer.seen().text, kQuestion);
        EXPECT_EQ(answerer.seen().buttons,
                  (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
    }
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), theirs);
    EXPECT_TRUE(tournament()->isWindowModified());
    // Once replaced on Yes, the file is this program's again: the next save asks nothing.
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        save();
        setResult(2, 3, QStringLiteral("0"));
        save();
        EXPECT_EQ(answerer.seen().count, 1);
    }
    EXPECT_FALSE(tournament()->isWindowModified());
}

TEST_F(TwoProgramsTest, ALiveProgramsCopyIsNeitherOfferedNorDeleted)
{
    writeFile(QStringLiteral("ALPHA.TXT"), kAlpha);
    OtherProgram other;
    ASSERT_TRUE(other.started);
    const QStringList theirs = krugovik::recoveryCopyPaths(path(QStringLiteral("ALPHA.TXT")));
    ASSERT_EQ(theirs.size(), 1);
    {
        BoxAnswerer answerer(QMessageBox::No);
        reopen();
        EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    }
    // A change here gets a copy of its own; leaving without saving drops only that one.
    setResult(1, 3, QStringLiteral("1"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return krugovik::recoveryCopyPaths(path(QStringLiteral("ALPHA.TXT"))).size() == 2; },
        2000));
    {
        BoxAnswerer answerer(QMessageBox::Discard);
        mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
        EXPECT_EQ(answerer.seen().count, 1);
    }
    EXPECT_EQ(krugovik::recoveryCopyPaths(path(QStringLiteral("ALPHA.TXT"))), theirs);
    // Once the other program is dead, its copy is offered here.
    other.kill();
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        reopen();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.startsWith(
            QStringLiteral("Найдена несохранённая версия турнира ALPHA.TXT от ")));
    }
    EXPECT_EQ(cell(2, 7), QStringLiteral("1"));
    EXPECT_TRUE(tournament()->isWindowModified());
}

} // namespace
