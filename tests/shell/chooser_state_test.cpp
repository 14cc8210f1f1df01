// The chooser keeps what the director left in it, and the path outlives it.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class ChooserStateTest : public TournamentTest {
  protected:
    QWidget *chooser() const
    {
        return mainWindow()->findChild<QWidget *>(QStringLiteral("frmOpenFile"));
    }
    QLineEdit *nameBox() { return widget<QLineEdit>(QStringLiteral("txtFileName")); }
    QListWidget *files() { return widget<QListWidget>(QStringLiteral("filFiles")); }
    QString shownFolder() { return widget<QLabel>(QStringLiteral("lblDirName"))->text(); }
    void menu() { mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger(); }
};

TEST_F(ChooserStateTest, ASaveAfterTheChooserWasClosedWritesToTheOpenedFile)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament();
    // The × of the chooser's frame.
    auto *frame = qobject_cast<QMdiSubWindow *>(chooser()->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(chooser(), nullptr);
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    BoxAnswerer answerer;
    click(widget(QStringLiteral("cmdSave")));
    EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    EXPECT_TRUE(
        readFile(QStringLiteral("ALPHA.TXT")).startsWith(" 3 \r\nIvanov\r\n 1 \r\n1500\r\n"));
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("ALPHA.TXT")));
    // The menu brings a chooser back, fresh.
    menu();
    ASSERT_NE(chooser(), nullptr);
    EXPECT_TRUE(nameBox()->text().isEmpty());
    EXPECT_EQ(tournament(), nullptr);
}

TEST_F(ChooserStateTest, TheMenuBringsTheChooserBackAsItWasLeft)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("club")));
    writeFile(QStringLiteral("club/JUNIOR.TXT"), TournamentTest::newTournamentFile());
    writeFile(QStringLiteral("club/SENIOR.TXT"), TournamentTest::newTournamentFile());
    start();
    menu(); // lists read anew
    auto *dirs = widget<QListWidget>(QStringLiteral("DirDirectory"));
    emit dirs->itemActivated(dirs->findItems(QStringLiteral("club"), Qt::MatchEndsWith).value(0));
    const QString club = shownFolder();
    ASSERT_TRUE(club.endsWith(QStringLiteral("club")));
    const auto junior = files()->findItems(QStringLiteral("JUNIOR.TXT"), Qt::MatchExactly);
    ASSERT_EQ(junior.size(), 1);
    files()->setCurrentItem(junior[0]);
    emit files()->itemClicked(junior[0]);
    click(widget(QStringLiteral("cmdOK")));
    ASSERT_NE(tournament(), nullptr);

    menu();
    EXPECT_EQ(tournament(), nullptr);
    EXPECT_EQ(shownFolder(), club);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("JUNIOR.TXT"));
    EXPECT_FALSE(nameBox()->isEnabled());
    EXPECT_FALSE(widget(QStringLiteral("cmdCreate"))->isEnabled());
    ASSERT_NE(files()->currentItem(), nullptr);
    EXPECT_EQ(files()->currentItem()->text(), QStringLiteral("JUNIOR.TXT"));
    // Only "Создать" shows it afresh, at the current directory, with the new file chosen.
    click(widget(QStringLiteral("cmdClear")));
    nameBox()->setText(QStringLiteral("NEW"));
    click(widget(QStringLiteral("cmdCreate")));
    EXPECT_EQ(shownFolder(), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(nameBox()->text(), QStringLiteral("NEW.TXT"));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("NEW.TXT")));
}

TEST_F(ChooserStateTest, TheArrowKeysChooseAFileAsAClickDoes)
{
    writeFile(QStringLiteral("A.TXT"), TournamentTest::newTournamentFile());
    writeFile(QStringLiteral("B.TXT"), TournamentTest::newTournamentFile());
    start();
    menu();
    ASSERT_EQ(files()->count(), 2);
    // Passing through the list on the way to the buttons chooses nothing.
    nameBox()->setText(QStringLiteral("NEW"));
    QApplication::setActiveWindow(mainWindow());
    files()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(files()->hasFocus());
    EXPECT_EQ(nameBox()->text(), QStringLiteral("NEW"));
    EXPECT_TRUE(widget(QStringLiteral("cmdCreate"))->isEnabled());
    files()->setCurrentRow(0);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("A.TXT"));
    QTest::keyClick(files(), Qt::Key_Down);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("B.TXT"));
    EXPECT_FALSE(nameBox()->isEnabled());
    EXPECT_FALSE(widget(QStringLiteral("cmdCreate"))->isEnabled());
    QTest::keyClick(files(), Qt::Key_Up);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("A.TXT"));
    click(widget(QStringLiteral("cmdOK")));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("A.TXT")));
}

TEST_F(ChooserStateTest, ATypedNameFindsItsFileInAnyCase)
{
    const QByteArray kubok = threePlayers();
    const QString kubokName = QStringLiteral("KUBOK.TXT");
    const QString cupName = QStringLiteral("Кубок Города.TXT");
    writeFile(kubokName, kubok);
    writeFile(cupName, kubok);
    start();
    const QStringList files = QDir::current().entryList(QDir::Files);
    const struct {
        QString typed;
        QString file; // the existing file it names
    } cases[] = {
        {QStringLiteral("kubok"), kubokName},
        {QStringLiteral("кУБОК гОРОДА"), cupName},
    };
    for (const auto &c : cases) {
        // "Создать" asks before it replaces the file, under the file's own name.
        nameBox()->setText(c.typed);
        {
            BoxAnswerer answerer(QMessageBox::No);
            click(widget(QStringLiteral("cmdCreate")));
            EXPECT_EQ(answerer.seen().count, 1) << c.typed.toStdString();
            EXPECT_TRUE(answerer.seen().text.contains(c.file))
                << answerer.seen().text.toStdString();
        }
        EXPECT_EQ(QDir::current().entryList(QDir::Files), files);
        EXPECT_EQ(readFile(c.file), kubok);
        // "Открыть" opens it.
        BoxAnswerer answerer;
        click(widget(QStringLiteral("cmdOK")));
        EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
        ASSERT_NE(tournament(), nullptr);
        EXPECT_EQ(tournament()->windowTitle(), path(c.file));
        EXPECT_EQ(cell(1, 1), QStringLiteral("Ivanov"));
        menu();
        click(widget(QStringLiteral("cmdClear")));
    }
}

TEST_F(ChooserStateTest, ChoosingTheDriveAlreadyChosenChangesNothing)
{
    start();
    const QString folder = shownFolder();
    auto *drives = widget<QComboBox>(QStringLiteral("drvDrive"));
    nameBox()->setText(QStringLiteral("typed"));
    emit drives->activated(drives->currentIndex());
    EXPECT_EQ(shownFolder(), folder);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("typed"));
}

} // namespace
