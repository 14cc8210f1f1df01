#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class StepHistoryTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{QStringLiteral("Андреев Андрей"), "1500", ' '},
                   {QStringLiteral("Борисова Белла"), "1510", ' '},
                   {QStringLiteral("Васильев Вадим"), "1350", 'N'},
                   {QStringLiteral("Григорьева Галя"), "1530", ' '},
                   {QStringLiteral("Дмитриев Денис"), "1540", ' '},
                   {QStringLiteral("Егорова Ева"), "1550", 'N'},
                   {QStringLiteral("Жуков Жора"), "1560", ' '},
                   {QStringLiteral("Зуева Зоя"), "1570", ' '},
                   {QStringLiteral("Новенький Ник"), "1700", ' '}});
        openTournament();
    }
    void players(int count)
    {
        setPlayerCount(count);
        enterPlayers(count);
    }
    QAction *undo() const { return mainWindow()->findChild<QAction *>(QStringLiteral("actUndo")); }
    QAction *redo() const { return mainWindow()->findChild<QAction *>(QStringLiteral("actRedo")); }
    // A key as the director presses it, into the active window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        mainWindow()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow()));
        QTest::keyClick(grid(), key, modifiers);
    }
    QByteArray saved()
    {
        click(widget(QStringLiteral("cmdSave")));
        return readFile(QStringLiteral("ALPHA.TXT"));
    }
    QLabel *box(int k) { return widget<QLabel>(QStringLiteral("lblRezult_%1").arg(k)); }
    QStringList row(int r)
    {
        QStringList texts;
        for (int c = 0; c < grid()->columns(); ++c)
            texts << cell(r, c);
        return texts;
    }
};

TEST_F(StepHistoryTest, AWrongRowClickIsTakenBackWhole)
{
    players(8);
    const QStringList results = {"1", "0", "0.5", "+", "-", "1", "0"};
    for (int j = 1, k = 0; j <= 8; ++j) {
        if (j != 3)
            setResult(3, j, results[k++]);
    }
    clickCell(grid(), 0, 4); // points into column 4, a header command
    saved();
    const QByteArray before = saved(); // the second save finds the corrections settled
    const QStringList row3 = row(3);
    const QStringList games3 = [this] {
        QStringList texts;
        for (int r = 0; r <= 8; ++r)
            texts << cell(r, 7);
        return texts;
    }();
    ASSERT_EQ(cellColour(3, 2), kEstimateCell);

    // The editor shows record 9; a click on row 3's number replaces Васильев.
    auto *next = widget(QStringLiteral("cmdNext"));
    click(next);
    ASSERT_EQ(widget<QLabel>(QStringLiteral("lblRecord"))->text(), QStringLiteral("Запись 9 из 9"));
    clickCell(grid(), 3, 0);
    ASSERT_EQ(cell(3, 1), QStringLiteral("Новенький Ник"));
    EXPECT_EQ(cellColour(3, 2), krugovik::toQColor(krugovik::kWindowBackground));
    EXPECT_TRUE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить ввод игрока в строку 3"));
    EXPECT_NE(saved(), before); // a save is no step: it stays in the history

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(3), row3);
    EXPECT_EQ(cellColour(3, 2), kEstimateCell);
    for (int r = 0; r <= 8; ++r)
        EXPECT_EQ(cell(r, 7), games3[r]) << r;
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить результат партии 3-8"));
    EXPECT_TRUE(redo()->isEnabled());
    EXPECT_EQ(redo()->text(), QStringLiteral("Повторить ввод игрока в строку 3"));
    // Record number, mark and game arrays are those the file had before the click.
    EXPECT_EQ(saved(), before);

    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Новенький Ник"));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Васильев Вадим"));
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Новенький Ник"));
    EXPECT_EQ(cellColour(3, 2), krugovik::toQColor(krugovik::kWindowBackground));
}

TEST_F(StepHistoryTest, AResultByClickOrByBoxIsOneStepEachWay)
{
    players(6);
    clickCell(grid(), 0, 5); // round 1: 1-6, 2-5, 3-4
    saved();
    const QByteArray empty = saved(); // the second save finds the corrections settled

    clickCell(grid(), 1, 10);
    ASSERT_EQ(box(1)->text(), QStringLiteral("1:0"));
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить результат партии 1-6"));
    undo()->trigger();
    EXPECT_EQ(cell(1, 10), QString());
    EXPECT_EQ(cell(6, 5), QString());
    EXPECT_EQ(box(1)->text(), QString());
    EXPECT_EQ(saved(), empty); // the game arrays too
    redo()->trigger();
    EXPECT_EQ(cell(1, 10), QStringLiteral("1"));
    EXPECT_EQ(cell(6, 5), QStringLiteral("0"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("1:0"));

    click(box(2));
    click(box(2));
    click(box(2));
    ASSERT_EQ(cell(2, 9), QStringLiteral("0.5"));
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить результат на доске 2"));
    undo()->trigger();
    EXPECT_EQ(box(2)->text(), QStringLiteral("0:1"));
    EXPECT_EQ(cell(2, 9), QStringLiteral("0"));
    EXPECT_EQ(cell(5, 6), QStringLiteral("1"));
    for (int k = 0; k < 3; ++k)
        undo()->trigger();
    EXPECT_EQ(box(2)->text(), QString());
    EXPECT_EQ(box(1)->text(), QString());
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить ввод игрока в строку 6"));
    EXPECT_EQ(saved(), empty);
    redo()->trigger();
    redo()->trigger();
    EXPECT_EQ(box(2)->text(), QStringLiteral("1:0"));
    EXPECT_EQ(cell(5, 6), QStringLiteral("0"));
}

TEST_F(StepHistoryTest, AResultByKeyIsOneStepAndSpaceIsOneStepToo)
{
    players(4);
    const QByteArray empty = saved();
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(2, 7)); // player 2 against player 3
    QTest::keyClick(grid(), '=');
    ASSERT_EQ(cell(2, 7), QStringLiteral("0.5"));
    ASSERT_EQ(cell(3, 6), QStringLiteral("0.5"));
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить результат партии 2-3"));
    QTest::keyClick(grid(), Qt::Key_Space); // the cycle's next: "+"
    ASSERT_EQ(cell(2, 7), QStringLiteral("+"));

    undo()->trigger();
    EXPECT_EQ(cell(2, 7), QStringLiteral("0.5"));
    EXPECT_EQ(cell(3, 6), QStringLiteral("0.5"));
    undo()->trigger();
    EXPECT_EQ(cell(2, 7), QString());
    EXPECT_EQ(cell(3, 6), QString());
    EXPECT_EQ(saved(), empty);
    redo()->trigger();
    EXPECT_EQ(cell(3, 6), QStringLiteral("0.5"));
    // The current cell stayed where the keys were pressed.
    EXPECT_EQ(grid()->currentIndex().row(), 2);
    EXPECT_EQ(grid()->currentIndex().column(), 7);
}

TEST_F(StepHistoryTest, HeaderCommandsAreNoStepsAndAreTakenBackWithTheStep)
{
    players(3);
    setResult(1, 2, QStringLiteral("1"));
    clickCell(grid(), 0, 4); // points
    clickCell(grid(), 0, 5); // round 1: 2-3
    ASSERT_EQ(cell(1, 4), QStringLiteral(" 1"));
    clickCell(grid(), 2, 7);
    clickCell(grid(), 0, 3); // new ratings
    clickCell(grid(), 0, 6); // round 2: 1-2
    undo()->trigger();
    // Exactly as before the result: points in column 4, round 1 on the display.
    EXPECT_EQ(cell(0, 4), QStringLiteral("Очков"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1"));
    EXPECT_EQ(cell(2, 7), QString());
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblParing_0"))->text(),
              QStringLiteral("Жеребьёвка  1 тур."));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblParing_1"))->text(),
              QStringLiteral("1 Борисова Белла - Васильев Вадим"));
    EXPECT_EQ(cellColour(2, 7), kFirstNamedCell);
    EXPECT_EQ(cellColour(1, 6), krugovik::toQColor(krugovik::kWindowBackground));
    // Only the result before is left: one more undo, and the history is at its start.
    undo()->trigger();
    EXPECT_EQ(cell(1, 6), QString());
    undo()->trigger();
    undo()->trigger();
    undo()->trigger();
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(cell(1, 1), QString());
}

TEST_F(StepHistoryTest, TheEditMenuHoldsUndoAndRedoWithTheirKeys)
{
    auto *menu = mainWindow()->findChild<QMenu *>(QStringLiteral("mnuEdit"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Правка"));
    EXPECT_EQ(menu->actions(), (QList<QAction *>{undo(), redo()}));
    EXPECT_EQ(undo()->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
    EXPECT_EQ(redo()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    // Without a tournament there is nothing to take back.
    players(3);
    undo()->trigger();
    ASSERT_TRUE(undo()->isEnabled());
    ASSERT_TRUE(redo()->isEnabled());
    BoxAnswerer discard(QMessageBox::Discard);
    mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());
}

TEST_F(StepHistoryTest, ClicksThatChangeNothingAreNoSteps)
{
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить"));
    EXPECT_EQ(redo()->text(), QStringLiteral("Повторить"));
    players(3);
    clickCell(grid(), 1, 5); // the diagonal
    clickCell(grid(), 2, 1); // a name
    clickCell(grid(), 0, 0); // the corner
    clickCell(grid(), 3, 0); // the same player into his own row again
    {
        BoxAnswerer answerer;
        clickCell(grid(), 1, 0); // refused: he is in row 3
        EXPECT_EQ(answerer.seen().count, 1);
    }
    EXPECT_EQ(undo()->text(), QStringLiteral("Отменить ввод игрока в строку 3"));
    undo()->trigger();
    EXPECT_EQ(cell(3, 1), QString());
    EXPECT_EQ(cell(1, 1), QStringLiteral("Андреев Андрей"));
}

TEST_F(StepHistoryTest, ALoadEmptiesTheHistoryAndAChangeOfTheCountIsAStep)
{
    players(3);
    setResult(1, 2, QStringLiteral("1"));
    ASSERT_TRUE(undo()->isEnabled());
    {
        BoxAnswerer discard(QMessageBox::Discard);
        openTournament();
    }
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());
    players(3);
    undo()->trigger();
    EXPECT_TRUE(redo()->isEnabled());
    auto *spin = widget<QScrollBar>(QStringLiteral("vscPlayer"));
    const int before = grid()->rows();
    spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int after = grid()->rows();
    ASSERT_NE(after, before);
    // The step taken replaces what could have been brought back.
    EXPECT_TRUE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());
    undo()->trigger();
    EXPECT_EQ(grid()->rows(), before);
    EXPECT_EQ(spin->value(), before - 1);
    redo()->trigger();
    EXPECT_EQ(grid()->rows(), after);
}

TEST_F(StepHistoryTest, TwoHundredStepsCanBeTakenBackAndTheBaseIsNeverTouched)
{
    players(3);
    const QByteArray base = readFile(QStringLiteral("BASE.DAT"));
    const QStringList cycle = {"1", "0", "0.5", "+", "-", ""};
    for (int k = 0; k < 201; ++k)
        clickCell(grid(), 1, 6);
    ASSERT_EQ(cell(1, 6), cycle[200 % 6]);
    for (int k = 0; k < 200; ++k)
        undo()->trigger();
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("0"));
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), base);
}

} // namespace
