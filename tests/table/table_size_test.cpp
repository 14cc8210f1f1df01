#include <QCheckBox>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace krugovik;
using namespace testing_support;

namespace {

class TableSizeTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        openTournament();
    }
    QScrollBar *spin() { return widget<QScrollBar>(QStringLiteral("vscPlayer")); }
    QCheckBox *fullView() { return widget<QCheckBox>(QStringLiteral("chkSdvig")); }
};

TEST_F(TableSizeTest, TheSpinIsATwoArrowScrollBarFrom1To22)
{
    EXPECT_EQ(spin()->orientation(), Qt::Vertical);
    EXPECT_EQ(spin()->maximum(), 22);
    EXPECT_EQ(spin()->value(), 3);
    EXPECT_EQ(spin()->singleStep(), 1);
    EXPECT_EQ(fullView()->toolTip(),
              QStringLiteral("Уменьшает поле таблицы под разрешение 800 на 600"));
    EXPECT_TRUE(fullView()->isChecked());
}

TEST_F(TableSizeTest, OneMorePlayerAddsARowAndAColumn)
{
    spin()->setValue(4);
    EXPECT_EQ(grid()->rows(), 5);
    EXPECT_EQ(grid()->columns(), 9);
    EXPECT_EQ(cell(0, 8), QStringLiteral("4"));
    EXPECT_EQ(cell(4, 0), QStringLiteral("4"));
    EXPECT_EQ(cellColour(4, 8), kGreyCell);
    EXPECT_EQ(cellColour(4, 7), toQColor(kWindowBackground));
    EXPECT_DOUBLE_EQ(grid()->widthTwips(), 7250);
    EXPECT_DOUBLE_EQ(grid()->heightTwips(), 1465);
    EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(8), 400);
    EXPECT_FALSE(widget(QStringLiteral("cmdSave"))->isEnabled());
    EXPECT_FALSE(widget(QStringLiteral("cmdZapisBase"))->isEnabled());
}

TEST_F(TableSizeTest, EveryCountFrom3To22StepByStepLabelsEveryRow)
{
    for (int n = 4; n <= 22; ++n) {
        spin()->setValue(n);
        ASSERT_EQ(grid()->rows(), n + 1);
        ASSERT_EQ(grid()->columns(), n + 5);
        EXPECT_DOUBLE_EQ(grid()->heightTwips(), (n - 3) * 250 + 1215);
        EXPECT_DOUBLE_EQ(grid()->widthTwips(), (n - 3) * 400 + 6850);
    }
    for (int k = 1; k <= 22; ++k) {
        EXPECT_EQ(cell(0, k + 4), QString::number(k));
        EXPECT_EQ(cell(k, 0), QString::number(k));
        EXPECT_EQ(cellColour(k, k + 4), kGreyCell);
    }
    // Going down removes rows and columns with their cells.
    spin()->setValue(5);
    EXPECT_EQ(grid()->rows(), 6);
    EXPECT_EQ(grid()->columns(), 10);
    spin()->setValue(6);
    EXPECT_EQ(cell(0, 9), QStringLiteral("5"));
    EXPECT_EQ(cell(0, 10), QStringLiteral("6"));
    EXPECT_EQ(cell(6, 0), QStringLiteral("6"));
}

TEST_F(TableSizeTest, AJumpLabelsEveryRowAsSingleStepsWould)
{
    spin()->setValue(10);
    EXPECT_EQ(grid()->rows(), 11);
    EXPECT_EQ(cell(0, 14), QStringLiteral("10"));
    EXPECT_EQ(cell(10, 0), QStringLiteral("10"));
    EXPECT_EQ(cell(0, 8), QStringLiteral("4"));
    EXPECT_EQ(cell(5, 0), QStringLiteral("5"));
}

TEST_F(TableSizeTest, CountsBelowThreeChangeNoSize)
{
    spin()->setValue(2);
    EXPECT_EQ(grid()->rows(), 4);
    EXPECT_EQ(grid()->columns(), 8);
    EXPECT_DOUBLE_EQ(grid()->widthTwips(), 6850);
}

TEST_F(TableSizeTest, TheReducedViewHidesThreeColumnsAndComesBack)
{
    fullView()->click();
    EXPECT_FALSE(fullView()->isChecked());
    for (int column = 2; column <= 4; ++column)
        EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(column), 1);
    EXPECT_DOUBLE_EQ(grid()->widthTwips(), 6850 - 2300);
    fullView()->click();
    EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(2), 600);
    EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(3), 700);
    EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(4), 1000);
    EXPECT_DOUBLE_EQ(grid()->widthTwips(), 6850);
}

TEST_F(TableSizeTest, ACountChangedInTheReducedViewStaysReduced)
{
    fullView()->click();
    spin()->setValue(5);
    EXPECT_FALSE(fullView()->isChecked());
    EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(3), 1);
    EXPECT_DOUBLE_EQ(grid()->widthTwips(), 2 * 400 + 6850 - 2300);
    fullView()->click();
    EXPECT_DOUBLE_EQ(grid()->widthTwips(), 2 * 400 + 6850);
    EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(3), 700);
}

} // namespace
