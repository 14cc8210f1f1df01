#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class KeyEntryTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        openWithFourPlayerBase();
    }
    // The keyboard's cell, reached by keys only: to the top left corner, then down and right.
    void goTo(int row, int column)
    {
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Home, Qt::ControlModifier);
        for (int r = 0; r < row; ++r)
            QTest::keyClick(grid(), Qt::Key_Down);
        for (int c = 0; c < column; ++c)
            QTest::keyClick(grid(), Qt::Key_Right);
        ASSERT_EQ(current(), std::make_pair(row, column));
    }
    std::pair<int, int> current()
    {
        const QModelIndex index = grid()->currentIndex();
        return {index.row(), index.column()};
    }
    void key(char c) { QTest::keyClick(grid(), c); }
    void key(Qt::Key k) { QTest::keyClick(grid(), k); }
    QString board(int k) { return widget<QLabel>(QStringLiteral("lblRezult_%1").arg(k))->text(); }
};

TEST_F(KeyEntryTest, EachKeySetsTheGameAndItsMirror)
{
    enterPlayers(3);
    goTo(1, 6); // player 1 against player 2; the mirror is (2, 5)
    struct Step {
        std::function<void()> press;
        const char *own;
        const char *mirror;
    };
    const std::vector<Step> steps = {
        {[&] { key('1'); }, "1", "0"},
        {[&] { key('0'); }, "0", "1"},
        {[&] { key('5'); }, "0.5", "0.5"},
        {[&] { key('+'); }, "+", "-"},
        {[&] { key('-'); }, "-", "+"},
        {[&] { key(Qt::Key_Delete); }, "", ""},
        {[&] { key('='); }, "0.5", "0.5"},
        {[&] { key(Qt::Key_Backspace); }, "", ""},
        {[&] { QTest::keyClick(grid(), Qt::Key_1, Qt::KeypadModifier); }, "1", "0"},
        {[&] { QTest::keyClick(grid(), Qt::Key_Plus, Qt::ShiftModifier); }, "+", "-"},
        // Keys that mean nothing on a game.
        {[&] { key('2'); }, "+", "-"},
        {[&] { key('x'); }, "+", "-"},
        {[&] { key(Qt::Key_Return); }, "+", "-"},
        {[&] { QTest::keyClick(grid(), Qt::Key_1, Qt::ControlModifier); }, "+", "-"},
    };
    for (std::size_t k = 0; k < steps.size(); ++k) {
        steps[k].press();
        EXPECT_EQ(cell(1, 6), QString::fromUtf8(steps[k].own)) << "step " << k;
        EXPECT_EQ(cell(2, 5), QString::fromUtf8(steps[k].mirror)) << "step " << k;
        EXPECT_EQ(current(), std::make_pair(1, 6)) << "the current cell stays";
    }
    // A key on the mirror cell works from that side.
    goTo(2, 5);
    key('1');
    EXPECT_EQ(cell(2, 5), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 6), QStringLiteral("0"));
    // The diagonal and the columns before the games take no result.
    goTo(2, 6);
    key('1');
    goTo(2, 3);
    key('1');
    EXPECT_EQ(cell(2, 6), QString());
    EXPECT_EQ(cell(2, 3), QString());
}

TEST_F(KeyEntryTest, KeyedResultsAreTheGameRecordsThroughSaveAndReload)
{
    enterPlayers(3);
    goTo(1, 6);
    key('1'); // 1 beat 2
    key(Qt::Key_Right);
    key('='); // 1 drew 3
    goTo(3, 6);
    key('+'); // 3 beat 2 by forfeit
    // Points from the game records: Enter on the header of column 4.
    goTo(0, 4);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0, 4), QStringLiteral("Очков"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1.5"));
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 0"));
    EXPECT_EQ(cell(3, 4), QStringLiteral(" 1.5"));
    click(widget(QStringLiteral("cmdSave")));
    openTournament(readFile(QStringLiteral("ALPHA.TXT")));
    const QStringList games = {cell(1, 6), cell(1, 7), cell(2, 5),
                               cell(2, 7), cell(3, 5), cell(3, 6)};
    EXPECT_EQ(games, (QStringList{"1", "0.5", "0", "-", "0.5", "+"}));
    goTo(0, 4);
    key(' ');
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1.5"));
    EXPECT_EQ(cell(3, 4), QStringLiteral(" 1.5"));
    // Berger from the points shown: 1 × 0 + 0.5 × 1.5 for player 1.
    key(' ');
    EXPECT_EQ(cell(1, 4), QStringLiteral(" .75"));
}

TEST_F(KeyEntryTest, SpaceStepsTheCycleAsAClick)
{
    enterPlayers(3);
    goTo(2, 7);
    const QStringList own = {"1", "0", "0.5", "+", "-", ""};
    const QStringList mirror = {"0", "1", "0.5", "-", "+", ""};
    for (int step = 0; step < 6; ++step) {
        key(' ');
        EXPECT_EQ(cell(2, 7), own[step]);
        EXPECT_EQ(cell(3, 6), mirror[step]);
    }
    EXPECT_EQ(current(), std::make_pair(2, 7));
}

TEST_F(KeyEntryTest, KeysChangeNothingWhileARatingIsMissing)
{
    enterPlayers(2);
    goTo(1, 6);
    for (const char c : {'1', '0', '5', '=', '+', '-', ' '})
        key(c);
    key(Qt::Key_Delete);
    EXPECT_EQ(cell(1, 6), QString());
    EXPECT_EQ(cell(2, 5), QString());
    // The third player, entered from the keyboard, lets results in.
    click(widget(QStringLiteral("cmdNext")));
    goTo(3, 0);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Сидорова Аня"));
    EXPECT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
    goTo(1, 6);
    key('1');
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
}

TEST_F(KeyEntryTest, EnterOrSpaceOnANumberEntersTheEditorsPlayer)
{
    goTo(2, 0);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(2, 1), QStringLiteral("Иванов Иван"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("1500"));
    click(widget(QStringLiteral("cmdNext")));
    click(widget(QStringLiteral("cmdNext")));
    grid()->setFocus();
    key(Qt::Key_Down);
    key(' ');
    EXPECT_EQ(cell(3, 1), QStringLiteral("Сидорова Аня"));
    EXPECT_EQ(cellColour(3, 2), kEstimateCell);
    // The refusals of a click.
    {
        BoxAnswerer answerer;
        goTo(1, 0);
        key(Qt::Key_Return);
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Игрок Сидорова Аня уже занесён в турнирную таблицу!"));
    }
    click(widget(QStringLiteral("cmdNext")));
    {
        BoxAnswerer answerer;
        goTo(1, 0);
        key(' ');
        EXPECT_EQ(
            answerer.seen().text,
            QStringLiteral("Игрока без рейтинга или начальной оценки включать в турнир нельзя!"));
    }
    EXPECT_EQ(cell(1, 1), QString());
}

TEST_F(KeyEntryTest, EnterOnAHeaderActsAsAClickOnIt)
{
    enterPlayers(3);
    goTo(0, 5);
    key(Qt::Key_Return);
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblParing_0"))->text(),
              QStringLiteral("Жеребьёвка  1 тур."));
    // Round 1 of three players is 2 against 3: a key on that game shows on its board.
    goTo(2, 7);
    key('5');
    EXPECT_EQ(board(1), QStringLiteral("0,5-0,5"));
    key('-');
    EXPECT_EQ(board(1), QStringLiteral("- +"));
    // New ratings from the header of column 3.
    goTo(0, 3);
    key(Qt::Key_Enter);
    EXPECT_FALSE(cell(1, 3).isEmpty());
    EXPECT_EQ(cell(0, 4), QStringLiteral("Результат"));
}

TEST_F(KeyEntryTest, ArrowsTabHomeAndEndMoveTheCurrentCell)
{
    enterPlayers(3);
    goTo(1, 1);
    key(Qt::Key_End);
    EXPECT_EQ(current(), std::make_pair(1, 7));
    key(Qt::Key_Home);
    EXPECT_EQ(current(), std::make_pair(1, 0));
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), std::make_pair(1, 1));
    QTest::keyClick(grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(current(), std::make_pair(1, 0));
    key(Qt::Key_Up);
    EXPECT_EQ(current(), std::make_pair(0, 0));
    // A click moves the keyboard's cell too.
    clickCell(grid(), 3, 5);
    EXPECT_EQ(current(), std::make_pair(3, 5));
    EXPECT_EQ(grid()->window()->focusWidget(), grid());
    // The reduced view's vanished columns are stepped over.
    widget<QCheckBox>(QStringLiteral("chkSdvig"))->setChecked(false);
    goTo(1, 1);
    key(Qt::Key_Right);
    EXPECT_EQ(current(), std::make_pair(1, 5));
    key(Qt::Key_Left);
    EXPECT_EQ(current(), std::make_pair(1, 1));
}

TEST_F(KeyEntryTest, TheTooltipListsTheKeys)
{
    const QString tip = grid()->toolTip();
    for (const QString &word :
         {QStringLiteral("1 — победа"), QStringLiteral("0 — поражение"), QStringLiteral("5 или ="),
          QStringLiteral("+ — победа без игры"), QStringLiteral("- — поражение без игры"),
          QStringLiteral("Delete"), QStringLiteral("Backspace"), QStringLiteral("пробел"),
          QStringLiteral("Enter"), QStringLiteral("Tab"), QStringLiteral("Home"),
          QStringLiteral("End")})
        EXPECT_TRUE(tip.contains(word)) << word.toStdString();
}

TEST_F(KeyEntryTest, AKeyReplacesATextOutsideTheSix)
{
    // Player 1's line of the game against 2 holds no result: the cell shows none, while
    // player 2's line keeps the game.
    QByteArray file = threePlayers();
    file.replace("Ivanov\r\n 1 \r\n1500\r\n 1000 \r\n1", "Ivanov\r\n 1 \r\n1500\r\n 1000 \r\nx");
    openTournament(file);
    ASSERT_EQ(cell(1, 6), QString());
    ASSERT_EQ(cell(2, 5), QStringLiteral("0"));
    goTo(1, 6);
    key('1');
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("0"));
    key(' '); // as a click: the next in the cycle
    EXPECT_EQ(cell(1, 6), QStringLiteral("0"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("1"));
}

} // namespace
