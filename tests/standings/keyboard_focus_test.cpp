// The crosstable takes the keyboard back after the find list, a message box or a menu.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

// What the director does after clicking a game cell, before he types the next result.
enum class Interruption {
    ClickOnTheTableClosesTheFindList,
    PlayerChosenFromTheFindList,
    FindListClosedWithEscape,
    MessageBoxOfAButton,
    MenuClosedWithEscape,
    MenuCommandWithABox,
};
const char *const kInterruptionNames[] = {"ClickOnTheTableClosesTheFindList",
                                          "PlayerChosenFromTheFindList",
                                          "FindListClosedWithEscape",
                                          "MessageBoxOfAButton",
                                          "MenuClosedWithEscape",
                                          "MenuCommandWithABox"};

class KeyboardFocusTest : public TournamentTest,
                          public ::testing::WithParamInterface<Interruption> {
  protected:
    // Keys and clicks go to the window, as the window system delivers them, so that an
    // open pop-up takes them first.
    void press(Qt::Key key) { QTest::keyClick(mainWindow()->windowHandle(), key); }
    void clickTable(int row, int column)
    {
        const QPoint at = grid()->visualRect(grid()->model()->index(row, column)).center();
        QTest::mouseClick(mainWindow()->windowHandle(), Qt::LeftButton, {},
                          grid()->viewport()->mapTo(mainWindow(), at));
    }
    void openFindList()
    {
        auto *find = widget<QLineEdit>(QStringLiteral("txtFind"));
        QTest::mouseClick(find, Qt::LeftButton);
        typeText(find, QStringLiteral("Пет"));
        ASSERT_TRUE(findList()->isVisible());
    }
    QAbstractItemView *findList()
    {
        return tournament()->findChild<QCompleter *>(QStringLiteral("cmpFind"))->popup();
    }
    void openMenu(const QString &name)
    {
        QMenuBar *bar = mainWindow()->menuBar();
        auto *menu = mainWindow()->findChild<QMenu *>(name);
        QTest::mouseClick(
            bar->window()->windowHandle(), Qt::LeftButton, {},
            bar->mapTo(bar->window(), bar->actionGeometry(menu->menuAction()).center()));
        ASSERT_TRUE(menu->isVisible());
    }
};

TEST_P(KeyboardFocusTest, DigitsTypedAfterwardsLandInTheTable)
{
    openWithFourPlayerBase();
    enterPlayers(3);
    mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow()));
    clickTable(1, 6);
    ASSERT_EQ(cell(1, 6), QStringLiteral("1"));
    // Where the keyboard should be afterwards.
    std::pair<int, int> keyboard{1, 6};
    switch (GetParam()) {
    case Interruption::ClickOnTheTableClosesTheFindList:
        openFindList();
        clickTable(2, 7);
        EXPECT_FALSE(findList()->isVisible());
        EXPECT_EQ(cell(2, 7), QStringLiteral("1")); // the click counted
        keyboard = {2, 7};
        break;
    case Interruption::PlayerChosenFromTheFindList:
        openFindList();
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtName"))->text(),
                  QStringLiteral("Петров Пётр"));
        break;
    case Interruption::FindListClosedWithEscape:
        openFindList();
        press(Qt::Key_Escape);
        break;
    case Interruption::MessageBoxOfAButton: {
        BoxAnswerer ok;
        PreviewAnswerer preview; // printed from its preview
        click(widget(QStringLiteral("cmdPrintBase"))); // without a printer a PDF, and a box
        EXPECT_EQ(ok.seen().count, 1);
        break;
    }
    case Interruption::MenuClosedWithEscape:
        openMenu(QStringLiteral("mnuEdit"));
        press(Qt::Key_Escape);
        break;
    case Interruption::MenuCommandWithABox: {
        BoxAnswerer ok;
        PreviewAnswerer preview; // printed from its preview
        openMenu(QStringLiteral("mnuResults"));
        press(Qt::Key_Down);
        press(Qt::Key_Return); // the standings, as a PDF without a printer, and a box
        EXPECT_EQ(ok.seen().count, 1);
        break;
    }
    }
    const QString found = widget<QLineEdit>(QStringLiteral("txtFind"))->text();
    press(Qt::Key_Minus);
    EXPECT_EQ(cell(keyboard.first, keyboard.second), QStringLiteral("-"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtFind"))->text(), found);
}

INSTANTIATE_TEST_SUITE_P(Interruptions, KeyboardFocusTest,
                         ::testing::Values(Interruption::ClickOnTheTableClosesTheFindList,
                                           Interruption::PlayerChosenFromTheFindList,
                                           Interruption::FindListClosedWithEscape,
                                           Interruption::MessageBoxOfAButton,
                                           Interruption::MenuClosedWithEscape,
                                           Interruption::MenuCommandWithABox),
                         [](const ::testing::TestParamInfo<Interruption> &info) {
                             return kInterruptionNames[int(info.param)];
                         });

} // namespace
