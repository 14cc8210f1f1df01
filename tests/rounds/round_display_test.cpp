#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class RoundDisplayTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{"A", "1500", ' '},
                   {"B", "1510", ' '},
                   {"C", "1520", ' '},
                   {"D", "1530", ' '},
                   {"E", "1540", ' '},
                   {"F", "1550", ' '},
                   {"G", "1560", ' '}});
        openTournament();
    }
    void players(int count, int entered)
    {
        // Arrow by arrow, as a director does, so that every row gets its number.
        setPlayerCount(count);
        enterPlayers(entered);
    }
    QLabel *board(int k) { return widget<QLabel>(QStringLiteral("lblParing_%1").arg(k)); }
    QLabel *box(int k) { return widget<QLabel>(QStringLiteral("lblRezult_%1").arg(k)); }
    bool shown(QWidget *w) { return w->isVisibleTo(tournament()); }
    void selectRound(int round) { clickCell(grid(), 0, round + 4); }
    int shownBoards()
    {
        int count = 0;
        for (int k = 1; k <= 11; ++k)
            count += shown(board(k));
        return count;
    }
};

TEST_F(RoundDisplayTest, TheDisplaySitsWhereTheFormPlacesIt)
{
    EXPECT_EQ(board(0)->text(), QStringLiteral("Жеребьёвка"));
    EXPECT_TRUE(shown(board(0)));
    EXPECT_EQ(shownBoards(), 0);
    EXPECT_FALSE(shown(box(0)));
    const double twip = board(0)->logicalDpiY() / 1440.0;
    EXPECT_NEAR(board(1)->x(), 1920 * twip, 1);
    EXPECT_NEAR(board(7)->x(), 7200 * twip, 1);
    EXPECT_NEAR(box(6)->y(), (8160 + 240 * 5) * twip, 1);
    EXPECT_NEAR(box(11)->x(), 11880 * twip, 1);
}

TEST_F(RoundDisplayTest, ARoundIsMarkedAndListedInBoardOrder)
{
    players(6, 6);
    selectRound(1);
    EXPECT_EQ(board(0)->text(), QStringLiteral("Жеребьёвка  1 тур."));
    EXPECT_EQ(board(1)->text(), QStringLiteral("1 A - F"));
    EXPECT_EQ(board(2)->text(), QStringLiteral("2 B - E"));
    EXPECT_EQ(board(3)->text(), QStringLiteral("3 C - D"));
    EXPECT_EQ(shownBoards(), 3);
    EXPECT_TRUE(shown(box(3)));
    EXPECT_EQ(cellColour(1, 10), kFirstNamedCell);
    EXPECT_EQ(cellColour(6, 5), kSecondNamedCell);
    EXPECT_EQ(cellColour(3, 8), kFirstNamedCell);

    selectRound(2); // 1-2, 5-3, 6-4
    EXPECT_EQ(cellColour(1, 10), krugovik::toQColor(krugovik::kWindowBackground));
    EXPECT_EQ(cellColour(6, 5), krugovik::toQColor(krugovik::kWindowBackground));
    EXPECT_EQ(cellColour(5, 7), kFirstNamedCell);
    EXPECT_EQ(cellColour(3, 9), kSecondNamedCell);
    EXPECT_EQ(board(2)->text(), QStringLiteral("2 E - C"));
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(cellColour(k, k + 4), kGreyCell) << k;
}

TEST_F(RoundDisplayTest, ARoundWithoutGamesShowsNoBoards)
{
    players(6, 6);
    selectRound(1);
    selectRound(6); // six players play five rounds
    EXPECT_EQ(board(0)->text(), QStringLiteral("Жеребьёвка  6 тур."));
    EXPECT_EQ(shownBoards(), 0);
    EXPECT_EQ(cellColour(1, 10), krugovik::toQColor(krugovik::kWindowBackground));
    EXPECT_EQ(board(1)->text(), QStringLiteral("1"));
}

TEST_F(RoundDisplayTest, BoxesShowTheFirstNamedSide)
{
    players(6, 6);
    setResult(1, 6, QStringLiteral("0.5"));
    setResult(5, 2, QStringLiteral("+")); // B, named first, lost by forfeit
    selectRound(1);
    EXPECT_EQ(box(1)->text(), QStringLiteral("0,5-0,5"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("- +"));
    EXPECT_EQ(box(3)->text(), QString());
    // A result entered in the crosstable reaches the box, read from the first-named side.
    setResult(4, 3, QStringLiteral("1"));
    EXPECT_EQ(box(3)->text(), QStringLiteral("0:1"));
    setResult(3, 4, QStringLiteral("1"));
    EXPECT_EQ(box(3)->text(), QStringLiteral("1:0"));
}

TEST_F(RoundDisplayTest, SixClicksOnABoxRunTheCycleInBothCells)
{
    players(6, 6);
    selectRound(1);
    const QStringList captions = {"1:0", "0:1", "0,5-0,5", "+ -", "- +", ""};
    const QStringList first = {"1", "0", "0.5", "+", "-", ""};
    const QStringList second = {"0", "1", "0.5", "-", "+", ""};
    for (int step = 0; step < 6; ++step) {
        click(box(2));
        EXPECT_EQ(box(2)->text(), captions[step]);
        EXPECT_EQ(cell(2, 9), first[step]);
        EXPECT_EQ(cell(5, 6), second[step]);
    }
    // The crosstable's points follow what the boxes entered.
    click(box(2));
    click(box(1));
    click(box(1));
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 1"));
    EXPECT_EQ(cell(6, 4), QStringLiteral(" 1"));
    selectRound(2);
    selectRound(1);
    EXPECT_EQ(box(1)->text(), QStringLiteral("0:1"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("1:0"));
}

TEST_F(RoundDisplayTest, BoxesIgnoreClicksWhileARatingIsMissing)
{
    players(7, 6);
    selectRound(1); // 2-7, 3-6, 4-5; 1 sits out
    ASSERT_EQ(shownBoards(), 3);
    EXPECT_EQ(board(1)->text(), QStringLiteral("1 B - "));
    click(box(2));
    EXPECT_EQ(box(2)->text(), QString());
    EXPECT_TRUE(cell(3, 10).isEmpty());
}

TEST_F(RoundDisplayTest, ABoxWithoutAGameChangesNothing)
{
    players(6, 6);
    selectRound(1);
    // After printing the table every box is visible, those without a game included.
    box(0)->show();
    box(5)->show();
    click(box(0));
    click(box(5));
    EXPECT_EQ(box(5)->text(), QString());
    EXPECT_EQ(box(0)->text(), QStringLiteral("Label1"));
    for (int r = 1; r <= 6; ++r)
        for (int c = 5; c <= 10; ++c)
            EXPECT_TRUE(cell(r, c).isEmpty()) << r << "," << c;
}

TEST_F(RoundDisplayTest, ACountChangeHidesTheBoardsAndTheMarks)
{
    players(6, 6);
    selectRound(1);
    widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(7);
    EXPECT_EQ(shownBoards(), 0);
    EXPECT_EQ(cellColour(1, 10), krugovik::toQColor(krugovik::kWindowBackground));
}

} // namespace
