#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class EntryTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        openWithFourPlayerBase();
    }
    QLineEdit *nameBox() { return widget<QLineEdit>(QStringLiteral("txtName")); }
    bool saveEnabled() { return widget(QStringLiteral("cmdSave"))->isEnabled(); }
    bool writeBackEnabled() { return widget(QStringLiteral("cmdZapisBase"))->isEnabled(); }
    // Every game cell of the three-player table, row by row.
    QStringList gameCells()
    {
        QStringList cells;
        for (int r = 1; r <= 3; ++r)
            for (int c = 5; c <= 7; ++c)
                cells << cell(r, c);
        return cells;
    }
};

TEST_F(EntryTest, APlayerEntersTheClickedRowWithHisRatingAndRecord)
{
    clickCell(grid(), 2, 0);
    EXPECT_EQ(cell(2, 1), QStringLiteral("Иванов Иван"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("1500"));
    EXPECT_EQ(cell(2, 0), QStringLiteral("2"));
    EXPECT_EQ(cellColour(2, 2), krugovik::toQColor(krugovik::kWindowBackground));
    EXPECT_TRUE(gameCells().join(QString()).isEmpty());
    // The same player again into his own row is allowed.
    BoxAnswerer answerer;
    clickCell(grid(), 2, 0);
    EXPECT_EQ(answerer.seen().count, 0);
}

TEST_F(EntryTest, RefusalsNameTheReasonAndChangeNothing)
{
    clickCell(grid(), 1, 0);
    {
        BoxAnswerer answerer;
        clickCell(grid(), 2, 0);
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Игрок Иванов Иван уже занесён в турнирную таблицу!"));
        EXPECT_EQ(answerer.seen().title, QStringLiteral("Круговик"));
        EXPECT_EQ(answerer.seen().buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
    EXPECT_TRUE(cell(2, 1).isEmpty());
    for (int k = 0; k < 3; ++k)
        click(widget(QStringLiteral("cmdNext")));
    ASSERT_EQ(nameBox()->text(), QStringLiteral("Без рейтинга"));
    {
        BoxAnswerer answerer;
        clickCell(grid(), 2, 0);
        EXPECT_EQ(
            answerer.seen().text,
            QStringLiteral("Игрока без рейтинга или начальной оценки включать в турнир нельзя!"));
    }
    EXPECT_TRUE(cell(2, 1).isEmpty());
    // An empty name matches another row's empty name cell.
    nameBox()->clear();
    widget<QLineEdit>(QStringLiteral("txtRate"))->setText(QStringLiteral("1500"));
    {
        BoxAnswerer answerer;
        clickCell(grid(), 2, 0);
        EXPECT_EQ(answerer.seen().text, QStringLiteral("Игрок  уже занесён в турнирную таблицу!"));
    }
}

TEST_F(EntryTest, AnEstimateIsLightYellowUntilAnEstablishedPlayerReplacesIt)
{
    click(widget(QStringLiteral("cmdNext")));
    click(widget(QStringLiteral("cmdNext")));
    clickCell(grid(), 3, 0);
    EXPECT_EQ(cell(3, 2), QStringLiteral("1350"));
    EXPECT_EQ(cellColour(3, 2), kEstimateCell);
    click(widget(QStringLiteral("cmdPrevious")));
    clickCell(grid(), 3, 0);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Петров Пётр"));
    EXPECT_EQ(cellColour(3, 2), krugovik::toQColor(krugovik::kWindowBackground));
}

TEST_F(EntryTest, TheLastRatingEnablesSavingAndResults)
{
    enterPlayers(2);
    EXPECT_FALSE(saveEnabled());
    clickCell(grid(), 1, 6); // a rating is still missing: no result
    EXPECT_TRUE(gameCells().join(QString()).isEmpty());
    click(widget(QStringLiteral("cmdNext")));
    clickCell(grid(), 0, 2); // the corrections keep their header while a rating is missing
    ASSERT_EQ(cell(0, 3), QStringLiteral("Корр."));
    clickCell(grid(), 3, 0);
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(writeBackEnabled());
    EXPECT_EQ(cell(0, 3), QStringLiteral("R нов."));
    clickCell(grid(), 1, 6);
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
}

TEST_F(EntryTest, AGameCellCyclesThroughSixResultsWithItsMirror)
{
    enterPlayers(3);
    const QStringList own = {"1", "0", "0.5", "+", "-", ""};
    const QStringList mirror = {"0", "1", "0.5", "-", "+", ""};
    for (int step = 0; step < 6; ++step) {
        clickCell(grid(), 1, 6);
        EXPECT_EQ(cell(1, 6), own[step]) << step;
        EXPECT_EQ(cell(2, 5), mirror[step]) << step;
    }
    // A click on the mirror goes on from the mirror's own text.
    clickCell(grid(), 1, 6);
    clickCell(grid(), 2, 5);
    EXPECT_EQ(cell(2, 5), QStringLiteral("0.5"));
    EXPECT_EQ(cell(1, 6), QStringLiteral("0.5"));
}

TEST_F(EntryTest, ClicksOutsideTheGameCellsChangeNoResult)
{
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    const QStringList before = gameCells();
    for (const auto &[row, column] :
         {std::pair{1, 5}, {2, 6}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {0, 0}, {0, 1}}) {
        clickCell(grid(), row, column);
        EXPECT_EQ(gameCells(), before) << row << "," << column;
    }
    EXPECT_EQ(cellColour(1, 5), kGreyCell);
    EXPECT_TRUE(cell(1, 5).isEmpty());
}

TEST_F(EntryTest, PointsThenBergerFromTheHeader)
{
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    setResult(2, 3, QStringLiteral("1"));
    setResult(1, 3, QStringLiteral("0.5"));
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(0, 4), QStringLiteral("Очков"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1.5"));
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 1"));
    EXPECT_EQ(cell(3, 4), QStringLiteral(" .5"));
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(0, 4), QStringLiteral("Бергер"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1.25"));
    EXPECT_EQ(cell(2, 4), QStringLiteral(" .5"));
    EXPECT_EQ(cell(3, 4), QStringLiteral(" .75"));
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(0, 4), QStringLiteral("Очков"));
}

TEST_F(EntryTest, BergerCountsAResultEnteredAfterThePoints)
{
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    clickCell(grid(), 0, 4);              // points 1, 0, 0
    setResult(2, 3, QStringLiteral("+")); // in the points at once
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 1"));
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1")); // beat player 2, who has 1 point
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 0")); // a forfeit win over a player with 0
    EXPECT_EQ(cell(3, 4), QStringLiteral(" 0"));
}

TEST_F(EntryTest, ABiggerTableWithForfeits)
{
    writeBase({{"A", "1500", ' '},
               {"B", "1500", ' '},
               {"C", "1500", ' '},
               {"D", "1500", ' '},
               {"E", "1500", ' '}});
    openTournament();
    widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(5);
    enterPlayers(5);
    // Player 1: "1", "0.5", "-", "+" against 2..5; 2 beats 3 by forfeit; 4 draws 5.
    setResult(1, 2, QStringLiteral("1"));
    setResult(1, 3, QStringLiteral("0.5"));
    setResult(1, 4, QStringLiteral("-"));
    setResult(1, 5, QStringLiteral("+"));
    setResult(2, 3, QStringLiteral("+"));
    setResult(4, 5, QStringLiteral("0.5"));
    clickCell(grid(), 0, 4);
    const QStringList points = {" 2.5", " 1", " .5", " 1.5", " .5"};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(cell(r, 4), points[r - 1]) << r;
    clickCell(grid(), 0, 4);
    // 1: 1×1 (beat 2) + .5×.5 (drew 3) + .5 (forfeit over 5) = 1.75; 2: .5 (over 3);
    // 3: .5×2.5 = 1.25; 4: 2.5 (forfeit over 1) + .5×.5 = 2.75; 5: .5×1.5 = .75.
    const QStringList berger = {" 1.75", " .5", " 1.25", " 2.75", " .75"};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(cell(r, 4), berger[r - 1]) << r;
}

} // namespace
