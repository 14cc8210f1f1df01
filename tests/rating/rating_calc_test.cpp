#include <gtest/gtest.h>

#include "rating/rating_calc.h"
#include "rating/rating_correction.h"

using namespace krugovik;

namespace {

Fixed points(double value) { return Fixed::fromDouble(value); }

struct NewRatingCase {
    const char *name;
    std::int64_t rating;
    int games;
    std::int64_t opponentSum;
    double points;
    std::int64_t expected;
    const char *cell;
    const char *change;
};

class NewRating : public ::testing::TestWithParam<NewRatingCase> {};

TEST_P(NewRating, FromTheRatedGames)
{
    const NewRatingCase &c = GetParam();
    const RatedGames games{c.games, points(c.points), Fixed::fromInt(c.opponentSum)};
    const std::optional<std::int64_t> rating = newRating(games, c.rating);
    ASSERT_TRUE(rating.has_value());
    EXPECT_EQ(*rating, c.expected);
    EXPECT_EQ(newRatingText(*rating), c.cell);
    EXPECT_EQ(ratingChangeText(c.rating, std::max(*rating, kRatingFloor)), c.change);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, NewRating,
    ::testing::Values(NewRatingCase{"EvenOpponents", 1500, 5, 7500, 3.5, 1530, " 1530", " + 30"},
                      NewRatingCase{"Below", 1800, 4, 6800, 1.5, 1779, " 1779", "-21"},
                      NewRatingCase{"Floor", 1010, 4, 4040, 0, 960, "1000", "-10"},
                      NewRatingCase{"Expectation", 2000, 2, 4000, 1, 2000, " 2000", " 0"},
                      NewRatingCase{"Strong", 2400, 1, 2400, 1, 2405, " 2405", " + 5"},
                      NewRatingCase{"HalfToEven", 1000, 1, 1000, 1, 1022, " 1022", " + 22"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RatingCalc, ExpectationIsStoredToFourDecimals)
{
    EXPECT_EQ(expectedScore(Fixed::fromInt(1700), 1800).units(), 6401);
    EXPECT_EQ(expectedScore(Fixed::fromInt(1500), 1500).units(), 5000);
    EXPECT_EQ(expectedScore(Fixed::fromInt(2200), 1800).units(), 909); // 1 / 11
}

TEST(RatingCalc, FactorDependsOnRatingAndSign)
{
    EXPECT_EQ(developmentFactor(1650, Fixed::fromUnits(1)), 30);
    EXPECT_EQ(developmentFactor(1650, Fixed::fromUnits(-1)), 25);
    EXPECT_EQ(developmentFactor(1650, kZero), 30);
    EXPECT_EQ(developmentFactor(1099, kZero), 45);
    EXPECT_EQ(developmentFactor(1100, kZero), 40);
    EXPECT_EQ(developmentFactor(1999, Fixed::fromUnits(-1)), 20);
    EXPECT_EQ(developmentFactor(2299, kZero), 15);
    EXPECT_EQ(developmentFactor(2300, Fixed::fromUnits(-1)), 10);
    EXPECT_EQ(developmentFactor(-5, kZero), 45);
}

TEST(RatingCalc, NoRatedGameNoNewRating)
{
    EXPECT_FALSE(newRating(RatedGames{}, 1500).has_value());
}

TEST(RatingCalc, ChangeTexts)
{
    EXPECT_EQ(ratingChangeText(1200, 1255), " + 55");
    EXPECT_EQ(ratingChangeText(1500, 1500), " 0");
    EXPECT_EQ(ratingChangeText(1500, 1479), "-21");
}

TEST(RatingCalc, HugeRatingsNeitherWrapNorOverflow)
{
    EXPECT_EQ(readRating("40000"), 40000);
    EXPECT_EQ(readRating("99999999999999999999"), kRatingLimit);
    const RatedGames games{21, Fixed::fromInt(21), Fixed::fromInt(21 * kRatingLimit)};
    EXPECT_TRUE(newRating(games, kRatingLimit).has_value());
}

struct CorrectionCase {
    int games;
    double score;
    int correction;
};

class Correction : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(Correction, FromTheTable)
{
    EXPECT_EQ(ratingCorrection(GetParam().games, points(GetParam().score)), GetParam().correction)
        << GetParam().games << " games, " << GetParam().score;
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, Correction,
    ::testing::Values(CorrectionCase{0, 0, 0}, CorrectionCase{1, 1, 10}, CorrectionCase{1, 0.5, 0},
                      CorrectionCase{1, 0, -10}, CorrectionCase{2, 1.5, 10},
                      CorrectionCase{2, 2, 20}, CorrectionCase{2, 0.5, -10},
                      CorrectionCase{3, 0, -30}, CorrectionCase{3, 0.5, -30},
                      CorrectionCase{3, 1, -10}, CorrectionCase{3, 1.5, 0},
                      CorrectionCase{3, 2.5, 30}, CorrectionCase{3, 3, 30},
                      CorrectionCase{8, 3.5, -43}, CorrectionCase{8, 3, -80},
                      CorrectionCase{9, 4, -43}, CorrectionCase{9, 3, -90},
                      CorrectionCase{12, 4.5, -87}, CorrectionCase{15, 9.5, 95},
                      CorrectionCase{15, 4, -150}, CorrectionCase{15, 11, 150},
                      CorrectionCase{16, 12, 0}, CorrectionCase{21, 0, 0}));

TEST(Correction, TheTableIsMirrorSymmetricAndBounded)
{
    for (int g = 0; g <= kCorrectionTableGames; ++g) {
        int previous = -10 * g;
        for (int doubled = 0; doubled <= 2 * g; ++doubled) {
            const Fixed score = Fixed::fromUnits(doubled * Fixed::kScale / 2);
            const Fixed mirror = Fixed::fromInt(g) - score;
            const int correction = ratingCorrection(g, score);
            EXPECT_EQ(correction, -ratingCorrection(g, mirror)) << g << " games, " << doubled / 2.0;
            EXPECT_GE(correction, previous) << g << " games, " << doubled / 2.0;
            EXPECT_LE(std::abs(correction), 10 * g);
            previous = correction;
        }
        EXPECT_EQ(ratingCorrection(g, Fixed::fromUnits(g * Fixed::kScale / 2)), 0) << g;
    }
}

} // namespace
