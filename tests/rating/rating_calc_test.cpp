#include <gtest/gtest.h>

#include "common/number_text.h"
#include "rating/rating_calc.h"

using namespace krugovik;

namespace {

Fixed points(double value)
{
    return Fixed::fromDouble(value);
}

struct NewRatingCase {
    const char *name;
    std::int64_t rating;
    int games;
    std::int64_t opponentSum;
    double points;
    std::int64_t expected; // before the floor
    const char *cell;
    const char *change;
};

class NewRating : public ::testing::TestWithParam<NewRatingCase> {};

// The change is read back from the new-rating cell, as the crosstable does it.
TEST_P(NewRating, FromTheRatedGames)
{
    const NewRatingCase &c = GetParam();
    const RatedGames games{c.games, points(c.points), Fixed::fromInt(c.opponentSum)};
    const std::optional<std::int64_t> rating = newRating(games, c.rating);
    ASSERT_TRUE(rating.has_value());
    EXPECT_EQ(*rating, c.expected);
    const std::string cell = newRatingCell(rating, formatPlain(c.rating));
    EXPECT_EQ(cell, c.cell);
    EXPECT_EQ(ratingChangeText(c.rating, readRating(cell)), c.change);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, NewRating,
    ::testing::Values(NewRatingCase{"EvenOpponents", 1500, 5, 7500, 3.5, 1530, " 1530", " + 30"},
                      NewRatingCase{"BelowExpectation", 1800, 4, 6800, 1.5, 1779, " 1779", "-21"},
                      NewRatingCase{"Floor", 1010, 4, 4040, 0, 960, "1000", "-10"},
                      NewRatingCase{"AtExpectation", 2000, 2, 4000, 1, 2000, " 2000", " 0"},
                      NewRatingCase{"Top", 2400, 1, 2400, 1, 2405, " 2405", " + 5"},
                      NewRatingCase{"HalfDownToEven", 1515, 1, 1515, 0, 1502, " 1502", "-13"},
                      NewRatingCase{"HalfUpToEven", 1514, 1, 1514, 0, 1502, " 1502", "-12"},
                      NewRatingCase{"LowestBand", 1000, 1, 1000, 1, 1022, " 1022", " + 22"},
                      NewRatingCase{"AtTheFloor", 1050, 4, 4200, 0, 1000, " 1000", "-50"},
                      NewRatingCase{"FractionalAverage", 1500, 3, 4301, 2, 1507, " 1507", " + 7"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RatingCalc, ExpectationIsStoredToFourDecimals)
{
    EXPECT_EQ(expectedScore(Fixed::fromInt(1700), 1800).units(), 6401);
    EXPECT_EQ(expectedScore(Fixed::fromInt(1500), 1500).units(), 5000);
    EXPECT_EQ(expectedScore(Fixed::fromInt(2200), 1800).units(), 909); // 1 / 11
    // The fraction of the average counts: 1196.5 against 1240.
    EXPECT_EQ(expectedScore(Fixed::fromUnits(11'965'000), 1240).units(), 5623);
}

struct FactorCase {
    std::int64_t rating;
    int below;
    int atOrAbove;
};

class Factor : public ::testing::TestWithParam<FactorCase> {};

TEST_P(Factor, DependsOnRatingAndSign)
{
    const FactorCase &c = GetParam();
    EXPECT_EQ(developmentFactor(c.rating, Fixed::fromUnits(-1)), c.below) << c.rating;
    EXPECT_EQ(developmentFactor(c.rating, kZero), c.atOrAbove) << c.rating;
    EXPECT_EQ(developmentFactor(c.rating, Fixed::fromUnits(1)), c.atOrAbove) << c.rating;
}

INSTANTIATE_TEST_SUITE_P(BandEdges, Factor,
                         ::testing::Values(FactorCase{-5, 25, 45}, FactorCase{1099, 25, 45},
                                           FactorCase{1100, 25, 40}, FactorCase{1299, 25, 40},
                                           FactorCase{1300, 25, 35}, FactorCase{1500, 25, 30},
                                           FactorCase{1650, 25, 30}, FactorCase{1700, 20, 25},
                                           FactorCase{1999, 20, 25}, FactorCase{2000, 20, 20},
                                           FactorCase{2199, 20, 20}, FactorCase{2200, 15, 15},
                                           FactorCase{2299, 15, 15}, FactorCase{2300, 10, 10}));

TEST(RatingCalc, APlayerWithoutRatedGamesKeepsHisCell)
{
    EXPECT_FALSE(newRating(RatedGames{}, 1500).has_value());
    EXPECT_EQ(newRatingCell(std::nullopt, "1500 "), "1500 ");
    EXPECT_EQ(ratingChangeText(readRating("1500 "), readRating("1500 ")), " 0");
}

TEST(RatingCalc, AnEstimateIsRatedWithItsCorrection)
{
    const std::int64_t rating = ownRating(readFixed("1200"), true, 40);
    EXPECT_EQ(rating, 1240);
    EXPECT_EQ(ownRating(readFixed("1200"), false, 40), 1200);
    EXPECT_EQ(ownRating(readFixed("1200.5"), true, 1), 1202);
    EXPECT_EQ(ownRating(readFixed("1199.5"), true, 1), 1200);
    // An opponent 1190 and an estimate opponent 1233 with correction -30.
    const RatedGames games{2, points(1.5), Fixed::fromInt(1190 + 1233 - 30)};
    const std::optional<std::int64_t> now = newRating(games, rating);
    ASSERT_TRUE(now.has_value());
    EXPECT_EQ(*now, 1255);
    EXPECT_EQ(ratingChangeText(1200, *now), " + 55");
}

TEST(RatingCalc, HugeRatingsNeitherWrapNorOverflow)
{
    EXPECT_EQ(readRating("40000"), 40000);
    EXPECT_EQ(readRating("99999999999999999999"), kRatingLimit);
    EXPECT_EQ(readRating("-99999999999999999999"), -kRatingLimit);
    EXPECT_EQ(ownRating(Fixed::fromUnits(INT64_MAX), true, 150), kRatingLimit);
    const RatedGames games{21, Fixed::fromInt(21), Fixed::fromInt(21 * kRatingLimit)};
    EXPECT_EQ(newRating(games, INT64_MAX), kRatingLimit + 105);
    EXPECT_EQ(ratingChangeText(INT64_MIN, INT64_MAX), " + 2000000000");
}

} // namespace
