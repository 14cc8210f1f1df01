#include <QCheckBox>
#include <QLabel>
#include <QHeaderView>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

// Four players entered from the base, as a director starts a double round-robin.
class CyclesWindowTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{"A", "1500", ' '}, {"B", "1510", ' '}, {"C", "1520", ' '}, {"D", "1530", ' '}});
        openTournament();
        setPlayerCount(4);
        enterPlayers(4);
    }
    QSpinBox *cycles() { return widget<QSpinBox>(QStringLiteral("spnCycles")); }
    QAbstractItemModel *table() { return grid()->model(); }
    // The column of a game against j in cycle c.
    static int column(int c, int j) { return 4 + (c - 1) * 4 + j; }
};

TEST_F(CyclesWindowTest, TheSpinLaysOutABlockPerCycleAndAClickStaysInItsBlock)
{
    EXPECT_EQ(cycles()->value(), 1);
    EXPECT_TRUE(widget<QCheckBox>(QStringLiteral("chkReverseLastRounds"))->isChecked());
    const int oneCycleWidth = grid()->width();
    for (const int c : {2, 3, 4}) {
        cycles()->setValue(c);
        ASSERT_EQ(table()->columnCount(), 5 + 4 * c);
        for (int block = 1; block <= c; ++block) {
            EXPECT_EQ(cell(0, column(block, 3)), QStringLiteral("3"));
            // Four players play three rounds a cycle: header 3 is the cycle's last.
            EXPECT_EQ(table()->index(0, column(block, 3)).data(Qt::ToolTipRole).toString(),
                      QStringLiteral("Тур %1 (%2-й цикл, тур 3)").arg(3 * block).arg(block));
            EXPECT_EQ(cellColour(2, column(block, 2)), kGreyCell);
        }
    }
    EXPECT_GT(grid()->width(), oneCycleWidth);
    EXPECT_EQ(grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Eight players in four cycles are wider than the window: the grid scrolls sideways,
    // and «Полная таблица» still narrows it.
    setPlayerCount(8);
    // No wider than the window's page; the test screen is small, so the window itself
    // may show less of the page and scroll.
    EXPECT_LE(grid()->geometry().right(), tournament()->sizeHint().width());
    EXPECT_EQ(grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto *full = widget<QCheckBox>(QStringLiteral("chkSdvig"));
    const int wide = grid()->horizontalHeader()->length();
    full->setChecked(false);
    EXPECT_LT(grid()->horizontalHeader()->length(), wide);
    EXPECT_EQ(grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    full->setChecked(true);
    widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(4);
    EXPECT_EQ(grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    clickCell(grid(), 1, column(2, 4));
    EXPECT_EQ(cell(1, column(2, 4)), QStringLiteral("1"));
    EXPECT_EQ(cell(4, column(2, 1)), QStringLiteral("0"));
    EXPECT_EQ(cell(1, column(1, 4)), QString());
}

TEST_F(CyclesWindowTest, AHeaderOfTheSecondCycleShowsItsRound)
{
    cycles()->setValue(2);
    clickCell(grid(), 0, column(2, 1));
    // Four players play three rounds a cycle: the first of cycle 2 is round 4.
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblParing_0"))->text(),
              QStringLiteral("Жеребьёвка  4 тур."));
    const QString board = widget<QLabel>(QStringLiteral("lblParing_1"))->text();
    EXPECT_FALSE(board.isEmpty());
    click(widget<QLabel>(QStringLiteral("lblRezult_1")));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblRezult_1"))->text(), QStringLiteral("1:0"));
}

TEST_F(CyclesWindowTest, FewerCyclesAreRefusedWhileResultsStandAndTheChangeIsUndone)
{
    cycles()->setValue(2);
    clickCell(grid(), 2, column(2, 3));
    {
        BoxAnswerer answer;
        cycles()->setValue(1);
        EXPECT_EQ(answer.seen().count, 1);
        EXPECT_TRUE(answer.seen().text.contains(QStringLiteral("в цикле 2")));
    }
    EXPECT_EQ(cycles()->value(), 2);
    EXPECT_EQ(table()->columnCount(), 13);
    QUndoStack *history = mainWindow()->findChild<QUndoStack *>(QStringLiteral("undoStack"));
    ASSERT_NE(history, nullptr);
    history->undo(); // the result
    history->undo(); // the second cycle
    EXPECT_EQ(cycles()->value(), 1);
    EXPECT_EQ(table()->columnCount(), 9);
    history->redo();
    EXPECT_EQ(cycles()->value(), 2);
}

TEST_F(CyclesWindowTest, TheSaveKeepsEveryCycle)
{
    cycles()->setValue(3);
    widget<QCheckBox>(QStringLiteral("chkReverseLastRounds"))->setChecked(false);
    clickCell(grid(), 3, column(3, 1));
    save();
    const QByteArray file = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(file.contains("\r\n*KRUGOVIK 2\r\nCYCLES 3\r\nREVERSE 0\r\nRESULTS 2\r\n"));
    EXPECT_TRUE(file.endsWith("*END 28\r\n"));
    openTournament(file, QStringLiteral("BETA.TXT"));
    EXPECT_EQ(cycles()->value(), 3);
    EXPECT_FALSE(widget<QCheckBox>(QStringLiteral("chkReverseLastRounds"))->isChecked());
    EXPECT_EQ(cell(3, column(3, 1)), QStringLiteral("1"));
    EXPECT_EQ(cell(1, column(3, 3)), QStringLiteral("0"));
}

TEST_F(CyclesWindowTest, ABrokenExtensionIsRefusedWithAMessage)
{
    QByteArray file = threePlayers() + "*KRUGOVIK 2\r\nCYCLES 2\r\n";
    BoxAnswerer answer;
    openTournament(file, QStringLiteral("GAMMA.TXT"));
    EXPECT_TRUE(answer.seen().text.contains(QStringLiteral("нет строки *END")));
    EXPECT_EQ(cycles()->value(), 1);
    EXPECT_EQ(cell(1, 1), QString());
}

} // namespace
