#include <gtest/gtest.h>

#include "rounds/board_line_fit.h"

using namespace krugovik;

namespace {

// Ten units a character in the label's font, one less in each smaller step.
int width(const std::u32string &text, int step)
{
    return int(text.size()) * (10 - step);
}

struct FitCase {
    const char *name;
    std::u32string caption;
    int width;
    int smallestStep;
    std::u32string text;
    int fontStep;
};

class FitBoardLine : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitBoardLine, ShrinksThenElidesTheLongerName)
{
    const FitCase &c = GetParam();
    const BoardLineFit fit = fitBoardLine(c.caption, c.width, c.smallestStep, width);
    EXPECT_EQ(fit.text, c.text);
    EXPECT_EQ(fit.fontStep, c.fontStep);
}

INSTANTIATE_TEST_SUITE_P(
    RoundDisplay, FitBoardLine,
    ::testing::Values(
        // 14 characters.
        FitCase{"FitsAsItIs", U"1 Ивнов - Петр", 140, 2, U"1 Ивнов - Петр", 0},
        FitCase{"OneSizeSmaller", U"1 Ивнов - Петр", 126, 2, U"1 Ивнов - Петр", 1},
        FitCase{"TwoSizesSmaller", U"1 Ивнов - Петр", 112, 2, U"1 Ивнов - Петр", 2},
        // 22 characters; at step 2 each takes 8 units, 160 units hold 20.
        FitCase{"TheLongerNameLosesItsMiddle", U"2 Константин - Ли Ань", 160, 2,
                U"2 Конс…нтин - Ли Ань", 2},
        FitCase{"BothNamesOnceEquallyLong", U"3 Абвгд - Ежзий", 88, 2, U"3 А…д - Е…й", 2},
        FitCase{"WithoutSeparatorTheRestIsOneName", U"11 Абвгдежзик", 80, 2, U"11 Абв…зик", 2},
        FitCase{"NothingFitsLeavesOneLetterEach", U"4 Абв - Где", 10, 1, U"4 А… - Г…", 1},
        FitCase{"EmptyNameStaysEmpty", U"5  - Абвгдеж", 72, 2, U"5  - Аб…ж", 2}),
    [](const ::testing::TestParamInfo<FitCase> &info) { return std::string(info.param.name); });

} // namespace
