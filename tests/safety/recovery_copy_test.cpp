// A program killed after results were entered: its recovery copy brings them back.
#include <QDateTime>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "table/recovery_copy.h"
#include "table/recovery_rule.h"

using namespace testing_support;

namespace {

const QByteArray kAlpha = threePlayers(); // 2 against 3 not played

class CrashRecoveryTest : public TournamentTest,
                          public ::testing::WithParamInterface<QMessageBox::StandardButton> {
  protected:
    // Runs the dying program on ALPHA.TXT and kills it once its copy is written.
    void crashAfterAResult()
    {
        QProcess child;
        child.setWorkingDirectory(QDir::currentPath());
        child.start(QStringLiteral(KRUGOVIK_CRASH_CHILD),
                    {QCoreApplication::applicationName(), QStringLiteral("ALPHA.TXT")});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
        EXPECT_EQ(child.readLine().trimmed(), QByteArray("copy written"));
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished());
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    }
    // Opens ALPHA.TXT as it stands on disk.
    void openAlpha()
    {
        start();
        auto *files = widget<QListWidget>(QStringLiteral("filFiles"));
        const auto items = files->findItems(QStringLiteral("ALPHA.TXT"), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        files->setCurrentItem(items[0]);
        emit files->itemClicked(items[0]);
        click(widget(QStringLiteral("cmdOK")));
        ASSERT_NE(tournament(), nullptr);
    }
};

TEST_P(CrashRecoveryTest, TheCopyOfAKilledProgramIsOfferedOnce)
{
    const bool restore = GetParam() == QMessageBox::Yes;
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    writeFile(QStringLiteral("ALPHA.TXT"), kAlpha);
    crashAfterAResult();
    const QString copy = krugovik::recoveryCopyPath(path(QStringLiteral("ALPHA.TXT")));
    ASSERT_TRUE(QFile::exists(copy));
    EXPECT_FALSE(copy.startsWith(QDir::currentPath())); // never beside the tournament
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kAlpha);
    const QString written =
        QFileInfo(copy).lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    {
        BoxAnswerer answerer(GetParam());
        openAlpha();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Найдена несохранённая версия турнира ALPHA.TXT от %1. "
                                 "Восстановить?")
                      .arg(written));
        EXPECT_EQ(answerer.seen().buttons,
                  (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
    }
    EXPECT_EQ(cell(2, 7), restore ? QStringLiteral("1") : QString());
    EXPECT_EQ(cell(3, 6), restore ? QStringLiteral("0") : QString());
    EXPECT_EQ(cell(1, 5 + 1), QStringLiteral("1")); // what the file held stays
    EXPECT_EQ(tournament()->isWindowModified(), restore);
    EXPECT_EQ(QFile::exists(copy), restore);
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kAlpha);
    if (restore) {
        save();
        EXPECT_FALSE(QFile::exists(copy));
        EXPECT_TRUE(readFile(QStringLiteral("ALPHA.TXT"))
                        .contains("Petrov\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n1\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CrashRecoveryTest,
                         ::testing::Values(QMessageBox::Yes, QMessageBox::No),
                         [](const auto &info) {
                             return std::string(info.param == QMessageBox::Yes ? "Restore"
                                                                               : "Drop");
                         });

TEST(RecoveryRule, OfferedOnlyForWorkTheFileLacks)
{
    using krugovik::SavedBytes;
    const SavedBytes copy{"new", 2000};
    EXPECT_TRUE(krugovik::offersRecovery(copy, std::nullopt));
    EXPECT_TRUE(krugovik::offersRecovery(copy, SavedBytes{"old", 1000}));
    EXPECT_FALSE(krugovik::offersRecovery(copy, SavedBytes{"new", 1000}));   // saved since
    EXPECT_FALSE(krugovik::offersRecovery(copy, SavedBytes{"other", 3000})); // file newer
    const std::string a = krugovik::recoveryCopyName("/club/KUBOK.TXT", "KUBOK.TXT");
    EXPECT_EQ(a, krugovik::recoveryCopyName("/club/KUBOK.TXT", "KUBOK.TXT"));
    EXPECT_NE(a, krugovik::recoveryCopyName("/school/KUBOK.TXT", "KUBOK.TXT"));
    EXPECT_TRUE(a.ends_with("-KUBOK.TXT"));
}

} // namespace
