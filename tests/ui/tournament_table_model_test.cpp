#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QUndoStack>
#include <gtest/gtest.h>
#include <set>

#include "table/tournament_file.h"
#include "ui/table_texts.h"
#include "ui/tournament_document.h"
#include "ui/tournament_table_model.h"

using namespace krugovik;

namespace {

class TableModelTest : public ::testing::Test {
  protected:
    TournamentDocument document;
    TournamentTableModel model{&document};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};

    void players(int count)
    {
        document.changePlayerCount(count);
        for (int r = 1; r <= count; ++r)
            document.click(r, 0,
                           {"P" + std::to_string(r), std::to_string(1400 + 10 * r), r == 2, r});
    }
    // The item model shows exactly what the tournament holds.
    void expectSameAsTournament()
    {
        const Tournament &t = document.tournament();
        const TablePicture &picture = document.picture();
        const TableGeometry grid = document.grid();
        ASSERT_EQ(model.rowCount(), grid.rowCount());
        ASSERT_EQ(model.columnCount(), grid.columnCount());
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c)
                ASSERT_EQ(model.index(r, c).data().toString().toStdString(),
                          r == 0 && c < 5   ? headerCaption(picture, c)
                          : c == 1 && r > 0 ? nameCellText(t, r)
                                            : picture.text(r, c))
                    << r << "," << c;
    }
};

TEST_F(TableModelTest, FollowsEveryOperationAndItsHistory)
{
    players(6);
    QUndoStack *history = document.undoStack();
    // The count and the six players entered.
    EXPECT_EQ(history->count(), 7);
    document.click(1, 6, {});
    document.key(3, 8, GameState::Draw);
    document.click(0, 5, {}); // round 1: 1-6, 2-5, 3-4
    document.clickResultBox(2);
    document.click(0, 3, {});
    expectSameAsTournament();
    EXPECT_EQ(history->undoText(), QStringLiteral("результат на доске 2"));
    EXPECT_EQ(model.index(2, 9).data().toString(), QStringLiteral("1"));
    while (history->canUndo())
        history->undo();
    expectSameAsTournament();
    EXPECT_EQ(model.index(1, 1).data().toString(), QString());
    EXPECT_EQ(model.rowCount(), 4);
    for (int k = 0; k < 9; ++k)
        history->redo();
    expectSameAsTournament();
    EXPECT_EQ(model.index(3, 8).data().toString(), QStringLiteral("0.5"));
    document.changePlayerCount(4);
    EXPECT_EQ(history->undoText(), QStringLiteral("число игроков 4"));
    expectSameAsTournament();
    history->undo();
    EXPECT_EQ(model.rowCount(), 7);
    expectSameAsTournament();
    document.load(std::nullopt);
    expectSameAsTournament();
}

TEST_F(TableModelTest, AResultChangesItsTwoCellsAndTheComputedColumns)
{
    players(5);
    QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
    document.click(2, 8, {});
    std::set<std::pair<int, int>> changed;
    for (const QList<QVariant> &signal : spy) {
        const QModelIndex from = signal[0].value<QModelIndex>();
        const QModelIndex to = signal[1].value<QModelIndex>();
        for (int r = from.row(); r <= to.row(); ++r)
            for (int c = from.column(); c <= to.column(); ++c)
                changed.insert({r, c});
    }
    std::set<std::pair<int, int>> expected = {{2, 8}, {4, 6}};
    for (int r = 0; r <= 5; ++r)
        expected.insert({{r, 3}, {r, 4}});
    EXPECT_EQ(changed, expected);
    // A click that changes nothing is no step and changes no cell.
    spy.clear();
    document.click(2, 6, {}); // the diagonal
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(document.undoStack()->count(), 7);
}

// A table just read takes results until the rows were first checked for ratings. A click
// on the diagonal makes that check as a step of its own, which undo takes back; a header
// makes it without one.
TEST_F(TableModelTest, TheDiagonalChecksTheRatingsAsAStep)
{
    QUndoStack *history = document.undoStack();
    document.load(describeTournamentFile(newFileContent()));
    ASSERT_FALSE(document.tournament().ratingsChecked());
    document.click(1, 5, {});
    ASSERT_EQ(history->count(), 1);
    EXPECT_EQ(history->undoText(), QStringLiteral("результат партии 1-1"));
    EXPECT_TRUE(document.tournament().ratingMissing());
    document.click(1, 6, {}); // no result while a row lacks a rating
    EXPECT_EQ(history->count(), 1);
    EXPECT_EQ(model.index(1, 6).data().toString(), QString());
    history->undo();
    EXPECT_FALSE(document.tournament().ratingsChecked());
    document.click(1, 6, {});
    EXPECT_EQ(model.index(1, 6).data().toString(), QStringLiteral("1"));
    history->undo();
    ASSERT_TRUE(history->canRedo());
    document.click(0, 4, {});
    EXPECT_TRUE(document.tournament().ratingsChecked());
    EXPECT_TRUE(history->canRedo());
    expectSameAsTournament();
}

TEST_F(TableModelTest, ColoursComeFromTheCellsState)
{
    players(4);
    document.click(0, 5, {}); // round 1: 1-4, 2-3
    EXPECT_EQ(model.index(1, 8).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 255, 255));
    EXPECT_EQ(model.index(4, 5).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 192, 192));
    EXPECT_EQ(model.index(3, 7).data(Qt::BackgroundRole).value<QColor>(), QColor(128, 128, 128));
    EXPECT_EQ(model.index(2, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 192));
}

} // namespace
