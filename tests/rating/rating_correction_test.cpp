#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "rating/rating_correction.h"

using namespace krugovik;

namespace {

Fixed score(double value)
{
    return Fixed::fromDouble(value);
}

struct CorrectionCase {
    int games;
    double score;
    int correction;
};

class Correction : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(Correction, FromTheTable)
{
    const CorrectionCase &c = GetParam();
    EXPECT_EQ(ratingCorrection(c.games, score(c.score)), c.correction)
        << c.games << " games, " << c.score;
}

INSTANTIATE_TEST_SUITE_P(Lookups, Correction,
                         ::testing::Values(CorrectionCase{0, 0, 0}, CorrectionCase{1, 1, 10},
                                           CorrectionCase{1, 0.5, 0}, CorrectionCase{1, 0, -10},
                                           CorrectionCase{2, 1.5, 10}, CorrectionCase{2, 2, 20},
                                           CorrectionCase{2, 0.5, -10}, CorrectionCase{3, 0, -30},
                                           CorrectionCase{3, 0.5, -30}, CorrectionCase{3, 1, -10},
                                           CorrectionCase{3, 1.5, 0}, CorrectionCase{3, 2.5, 30},
                                           CorrectionCase{3, 3, 30}, CorrectionCase{8, 3.5, -43},
                                           CorrectionCase{8, 3, -80}, CorrectionCase{9, 4, -43},
                                           CorrectionCase{9, 3, -90}, CorrectionCase{9, 5.5, 80},
                                           CorrectionCase{12, 4.5, -87}, CorrectionCase{12, 7, 57},
                                           CorrectionCase{14, 6, -50}, CorrectionCase{15, 9.5, 95},
                                           CorrectionCase{15, 7, -21}, CorrectionCase{15, 4, -150},
                                           CorrectionCase{15, 11, 150}, CorrectionCase{16, 12, 0},
                                           CorrectionCase{21, 0, 0}));

INSTANTIATE_TEST_SUITE_P(OddInputs, Correction,
                         ::testing::Values(CorrectionCase{-1, 0, 0}, CorrectionCase{3, 1.9999, 0},
                                           CorrectionCase{3, 1.4999, -10},
                                           CorrectionCase{1, -0.0001, -10},
                                           CorrectionCase{2, -7, -20}, CorrectionCase{2, 2.5, 20},
                                           CorrectionCase{15, 40, 150}));

TEST(Correction, ScoresAtTheLimitsOfTheDecimal)
{
    EXPECT_EQ(ratingCorrection(5, Fixed::fromUnits(INT64_MAX)), 50);
    EXPECT_EQ(ratingCorrection(5, Fixed::fromUnits(INT64_MIN)), -50);
}

TEST(Correction, TheTableIsMirrorSymmetricRisingAndBounded)
{
    for (int g = 0; g <= kCorrectionTableGames; ++g) {
        int previous = -10 * g;
        for (int doubled = 0; doubled <= 2 * g; ++doubled) {
            const Fixed s = Fixed::fromUnits(doubled * Fixed::kScale / 2);
            const int correction = ratingCorrection(g, s);
            EXPECT_EQ(correction, -ratingCorrection(g, Fixed::fromInt(g) - s))
                << g << " games, " << doubled / 2.0;
            EXPECT_GE(correction, previous) << g << " games, " << doubled / 2.0;
            EXPECT_LE(std::abs(correction), 10 * g);
            previous = correction;
        }
        EXPECT_EQ(ratingCorrection(g, kZero), -10 * g) << g;
        EXPECT_EQ(ratingCorrection(g, Fixed::fromInt(g)), 10 * g) << g;
        EXPECT_EQ(ratingCorrection(g, Fixed::fromUnits(g * Fixed::kScale / 2)), 0) << g;
    }
}

} // namespace
