#include <gtest/gtest.h>

#include "common/fixed_point.h"

using krugovik::Fixed;

TEST(FixedPoint, SumsAndProductsAreExact)
{
    // 0.1 added ten thousand times is exactly 1000 in ten-thousandths, unlike a double.
    Fixed sum;
    for (int i = 0; i < 10000; ++i)
        sum += Fixed::fromUnits(1000);
    EXPECT_EQ(sum, Fixed::fromInt(1000));
    EXPECT_EQ((Fixed::fromUnits(6401) * 4).units(), 25604);
    EXPECT_EQ((krugovik::kHalf - krugovik::kOne).units(), -5000);
}

struct DoubleCase {
    double value;
    std::int64_t units;
};

class FixedFromDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FixedFromDouble, RoundsToFourDecimalsHalvesToEven)
{
    EXPECT_EQ(Fixed::fromDouble(GetParam().value).units(), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Cases, FixedFromDouble,
                         ::testing::Values(DoubleCase{0.640065, 6401}, DoubleCase{0.64004, 6400},
                                           DoubleCase{-0.25, -2500}, DoubleCase{0.00005, 0},
                                           DoubleCase{1.03125, 10312}, DoubleCase{1.09375, 10938},
                                           DoubleCase{1e300, INT64_MAX}));

TEST(FixedPoint, RoundToIntegerHalvesToEven)
{
    EXPECT_EQ(Fixed::fromUnits(15015000).roundToInteger(), 1502); // 1501.5
    EXPECT_EQ(Fixed::fromUnits(15025000).roundToInteger(), 1502); // 1502.5
    EXPECT_EQ(Fixed::fromUnits(17787920).roundToInteger(), 1779); // 1778.792
    EXPECT_EQ(Fixed::fromUnits(-5000).roundToInteger(), 0);       // -0.5
    EXPECT_EQ(Fixed::fromUnits(-15000).roundToInteger(), -2);     // -1.5
    EXPECT_EQ(Fixed::fromUnits(-15001).roundToInteger(), -2);
}

TEST(FixedPoint, Int16ConversionHoldsAtTheLimits)
{
    EXPECT_EQ(krugovik::toInt16(Fixed::fromUnits(25000)), 2); // 2.5 → 2
    EXPECT_EQ(krugovik::toInt16(Fixed::fromUnits(35000)), 4); // 3.5 → 4
    EXPECT_EQ(krugovik::toInt16(std::int64_t{40000}), 32767);
    EXPECT_EQ(krugovik::toInt16(std::int64_t{-40000}), -32768);
}
