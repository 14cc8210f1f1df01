#include <gtest/gtest.h>

#include "common/number_text.h"

using krugovik::Fixed;

struct ReadCase {
    const char *text;
    std::int64_t units;   // the number in ten-thousandths
    std::int64_t integer; // the number rounded to an integer
};

class NumberReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NumberReading, ReadsTheLeadingNumber)
{
    EXPECT_EQ(krugovik::readFixed(GetParam().text).units(), GetParam().units) << GetParam().text;
    EXPECT_EQ(krugovik::readInteger(GetParam().text), GetParam().integer) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    ::testing::Values(ReadCase{"1550", 15500000, 1550}, ReadCase{" 1 5 5 0 ", 15500000, 1550},
                      ReadCase{".5", 5000, 0}, ReadCase{" 1.5", 15000, 2},
                      ReadCase{"2.5", 25000, 2}, ReadCase{"-30 ", -300000, -30},
                      ReadCase{"+7", 70000, 7}, ReadCase{"- 2.5", -25000, -2},
                      ReadCase{"12abc", 120000, 12}, ReadCase{"1.2.3", 12000, 1},
                      ReadCase{"", 0, 0}, ReadCase{"abc", 0, 0}, ReadCase{"-", 0, 0},
                      ReadCase{"--5", 0, 0}, ReadCase{"5-3", 50000, 5}, ReadCase{"1e3", 10000, 1},
                      ReadCase{"&H10", 0, 0}, ReadCase{"0.00005", 0, 0}, ReadCase{"0.00015", 2, 0},
                      ReadCase{"0.000051", 1, 0}, ReadCase{"1501.5", 15015000, 1502},
                      ReadCase{"1502.50", 15025000, 1502}, ReadCase{"2.5000001", 25000, 3},
                      ReadCase{"\xd0\x90"
                               "12",
                               0, 0}));

TEST(NumberReading, HugeNumbersDoNotWrap)
{
    EXPECT_GT(krugovik::readInteger("99999999999999999999999"), 0);
    EXPECT_LT(krugovik::readInteger("-99999999999999999999999"), 0);
}

TEST(NumberWriting, DisplayFormOfDecimals)
{
    auto shown = [](std::int64_t units) {
        return krugovik::formatDisplay(Fixed::fromUnits(units));
    };
    EXPECT_EQ(shown(0), " 0");
    EXPECT_EQ(shown(15000), " 1.5");
    EXPECT_EQ(shown(5000), " .5");
    EXPECT_EQ(shown(7500), " .75");
    EXPECT_EQ(shown(67500), " 6.75");
    EXPECT_EQ(shown(30000), " 3");
    EXPECT_EQ(shown(-2500), "-.25");
    EXPECT_EQ(shown(-15000), "-1.5");
    EXPECT_EQ(shown(1), " .0001");
}

TEST(NumberWriting, PlainAndDisplayIntegers)
{
    EXPECT_EQ(krugovik::formatPlain(1550), "1550");
    EXPECT_EQ(krugovik::formatPlain(-5), "-5");
    EXPECT_EQ(krugovik::formatDisplay(std::int64_t{30}), " 30");
    EXPECT_EQ(krugovik::formatDisplay(std::int64_t{0}), " 0");
    EXPECT_EQ(krugovik::formatDisplay(std::int64_t{-21}), "-21");
}

TEST(NumberWriting, PlayerCountsInRussian)
{
    const std::pair<int, const char *> cases[] = {
        {1, "1 игрок"},       {2, "2 игрока"},    {3, "3 игрока"},    {4, "4 игрока"},
        {5, "5 игроков"},     {8, "8 игроков"},   {11, "11 игроков"}, {12, "12 игроков"},
        {14, "14 игроков"},   {20, "20 игроков"}, {21, "21 игрок"},   {22, "22 игрока"},
        {111, "111 игроков"}, {122, "122 игрока"}};
    for (const auto &[count, text] : cases)
        EXPECT_EQ(krugovik::playerCountText(count), text) << count;
}

struct DecimalCase {
    std::int64_t units;
    char separator;
    const char *text;
};

class DecimalText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalText, OneFormPerLanguage)
{
    const DecimalCase &c = GetParam();
    EXPECT_EQ(krugovik::decimalText(Fixed::fromUnits(c.units), c.separator), c.text);
}

// Russian writes a comma, English a point; a zero always stands before the separator and
// no zero trails.
INSTANTIATE_TEST_SUITE_P(
    Languages, DecimalText,
    ::testing::Values(DecimalCase{5000, ',', "0,5"}, DecimalCase{5000, '.', "0.5"},
                      DecimalCase{25000, ',', "2,5"}, DecimalCase{67500, ',', "6,75"},
                      DecimalCase{67500, '.', "6.75"}, DecimalCase{30000, ',', "3"},
                      DecimalCase{0, ',', "0"}, DecimalCase{-2500, ',', "-0,25"},
                      DecimalCase{-15000, '.', "-1.5"}, DecimalCase{-20000, ',', "-2"},
                      DecimalCase{1, ',', "0,0001"}, DecimalCase{105000, ',', "10,5"}));

// Without a translation loaded the program speaks Russian: the comma.
TEST(DecimalText, TheProgramsOwnLanguageWritesAComma)
{
    EXPECT_EQ(krugovik::decimalSeparator(), ',');
    EXPECT_EQ(krugovik::decimalText(Fixed::fromUnits(25000), krugovik::decimalSeparator()), "2,5");
}
