// Tournament files that cannot be read, and folders that take no temporary file. Tests run
// as root, whom permission bits do not stop, so the refusals are made through the file
// layer's seam, as the test names say.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/file_layer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

const QByteArray kThreePlayers = threePlayers();

ino_t inodeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

class FileFailuresTest : public TournamentTest {
  protected:
    krugovik::FileLayer *files()
    {
        start();
        return mainWindow()->findChild<krugovik::FileLayer *>(QStringLiteral("fileLayer"));
    }
};

TEST_F(FileFailuresTest, AnUnreadableFileThroughTheFileSeamIsReportedAndReplacedOnlyOnYes)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    files()->refuseReading(path(QStringLiteral("ALPHA.TXT")), QStringLiteral("Отказано в доступе"));
    {
        BoxAnswerer answerer;
        openTournament(kThreePlayers);
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(path(QStringLiteral("ALPHA.TXT"))));
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("Отказано в доступе")));
        EXPECT_EQ(answerer.seen().icon, QMessageBox::Warning);
    }
    EXPECT_TRUE(cell(1, 1).isEmpty());
    enterPlayers(3);
    {
        BoxAnswerer answerer(QMessageBox::No);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_EQ(answerer.seen().buttons,
                  (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
        EXPECT_TRUE(answerer.seen().text.contains(path(QStringLiteral("ALPHA.TXT"))));
    }
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kThreePlayers);
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
    }
    EXPECT_TRUE(
        readFile(QStringLiteral("ALPHA.TXT")).startsWith(" 3 \r\nIvanov\r\n 1 \r\n1500\r\n"));
    EXPECT_NE(readFile(QStringLiteral("ALPHA.TXT")), kThreePlayers); // the results were replaced
}

TEST_F(FileFailuresTest, AMissingFileIsCreatedOnTheDirectorsWordAndSaved)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament(); // the chooser lists it; it goes before the tournament opens
    mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ALPHA.TXT"))));
    BoxAnswerer answerer(QMessageBox::Yes);
    click(widget(QStringLiteral("cmdOK")));
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_EQ(answerer.seen().text, QStringLiteral("Турнира ALPHA.TXT нет. Создать его?"));
    ASSERT_NE(tournament(), nullptr);
    enterPlayers(3);
    save();
    EXPECT_EQ(answerer.seen().count, 1) << answerer.seen().text.toStdString();
    EXPECT_TRUE(readFile(QStringLiteral("ALPHA.TXT")).startsWith(" 3 \r\nIvanov\r\n"));
}

TEST_F(FileFailuresTest, AReadOnlyFolderThroughTheFileSeamIsSavedInPlace)
{
    files()->refuseNewFilesIn(path(QString()));
    openTournament(kThreePlayers + "extra lines that the save drops\r\n");
    const ino_t before = inodeOf(path(QStringLiteral("ALPHA.TXT")));
    BoxAnswerer answerer;
    save();
    EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kThreePlayers); // cut to its new length
    EXPECT_EQ(inodeOf(path(QStringLiteral("ALPHA.TXT"))), before);
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("ALPHA.TXT"), QStringLiteral("BASE.DAT")}));
}

TEST_F(FileFailuresTest, AReadOnlyFolderThroughTheFileSeamTakesALongerTournamentInPlace)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    files()->refuseNewFilesIn(path(QString()));
    openTournament(); // the new file's single line, shorter than what is saved over it
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    setResult(1, 3, QStringLiteral("0.5"));
    BoxAnswerer answerer;
    save();
    EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kThreePlayers);
}

TEST_F(FileFailuresTest, AWritableFolderKeepsTheSaveAllOrNothing)
{
    openTournament(kThreePlayers);
    const ino_t before = inodeOf(path(QStringLiteral("ALPHA.TXT")));
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kThreePlayers);
    // A new file took the old one's place whole.
    EXPECT_NE(inodeOf(path(QStringLiteral("ALPHA.TXT"))), before);
}

TEST_F(FileFailuresTest, ANewFileInAReadOnlyFolderThroughTheFileSeamIsReportedAndKept)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    files()->refuseNewFilesIn(path(QString()));
    openTournament();
    // Gone while it is open: the chooser would create a missing file before opening it.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ALPHA.TXT"))));
    enterPlayers(3);
    BoxAnswerer answerer;
    save();
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_TRUE(answerer.seen().text.contains(path(QStringLiteral("ALPHA.TXT"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ALPHA.TXT"))));
    EXPECT_EQ(cell(3, 1), QStringLiteral("Sidorov"));
}

} // namespace
