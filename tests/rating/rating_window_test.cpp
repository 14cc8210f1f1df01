#include <QAbstractButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class RatingWindowTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{QStringLiteral("Новичок"), "1200", 'N'},
                   {QStringLiteral("Опытный"), "1500", ' '},
                   {QStringLiteral("Третий"), "1500", ' '}});
        openTournament();
    }
    QStringList columns3And4()
    {
        QStringList cells;
        for (int r = 0; r <= 3; ++r)
            cells << cell(r, 3) << cell(r, 4);
        return cells;
    }
};

TEST_F(RatingWindowTest, NewRatingsWaitForEveryRating)
{
    enterPlayers(2);
    const QStringList before = columns3And4();
    const bool writeBack = widget(QStringLiteral("cmdZapisBase"))->isEnabled();
    clickCell(grid(), 0, 3);
    EXPECT_EQ(columns3And4(), before);
    EXPECT_EQ(widget(QStringLiteral("cmdZapisBase"))->isEnabled(), writeBack);
}

TEST_F(RatingWindowTest, AnEstimateIsCorrectedAndRatedFromItsCorrection)
{
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1")); // the estimate player beat the established one

    clickCell(grid(), 0, 2);
    EXPECT_EQ(cell(1, 3), QStringLiteral(" 1210"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 10"));
    EXPECT_TRUE(cell(2, 3).isEmpty());
    EXPECT_TRUE(cell(2, 4).isEmpty());
    EXPECT_EQ(cell(0, 4), QStringLiteral("Результат"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("R нов.")); // every rating is present

    clickCell(grid(), 0, 3);
    // 1210 against 1500: E = .1585, 1 − .1585 = .8415, K 40: 1243.66.
    EXPECT_EQ(cell(1, 3), QStringLiteral(" 1244"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" + 44")); // against the bare estimate
    // 1500 against 1200 + 10: E = .8415, K 25: 1478.96.
    EXPECT_EQ(cell(2, 3), QStringLiteral(" 1479"));
    EXPECT_EQ(cell(2, 4), QStringLiteral("-21"));
    // Without a rated game the rating is copied as it stands.
    EXPECT_EQ(cell(3, 3), QStringLiteral("1500"));
    EXPECT_EQ(cell(3, 4), QStringLiteral(" 0"));
    EXPECT_EQ(cell(0, 4), QStringLiteral("Результат"));
    EXPECT_TRUE(widget(QStringLiteral("cmdZapisBase"))->isEnabled());
    EXPECT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
}

TEST_F(RatingWindowTest, ForfeitsNeitherCorrectNorRate)
{
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("+"));
    clickCell(grid(), 0, 2);
    EXPECT_EQ(cell(1, 3), QStringLiteral(" 1200"));
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 0"));
    clickCell(grid(), 0, 3);
    EXPECT_EQ(cell(1, 3), QStringLiteral("1200"));
    EXPECT_EQ(cell(2, 3), QStringLiteral("1500"));
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 0"));
}

TEST_F(RatingWindowTest, ACountChangeKeepingEveryRowFilledRatesAgain)
{
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(4);
    EXPECT_TRUE(cell(1, 3).isEmpty()); // row 4 lacks a rating: nothing is rated
    EXPECT_FALSE(widget(QStringLiteral("cmdSave"))->isEnabled());
    widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(3);
    EXPECT_EQ(cell(1, 3), QStringLiteral(" 1244"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("R нов."));
    EXPECT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
}

} // namespace
