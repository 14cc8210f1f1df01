#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include "rating/event_category.h"
#include "rating/fide_rating.h"
#include "rating/fide_report.h"

using namespace krugovik;

namespace {

struct Expectation {
    int difference;
    int hundredths;
};

class ExpectedScore : public ::testing::TestWithParam<Expectation> {};

TEST_P(ExpectedScore, FollowsTable812)
{
    EXPECT_EQ(expectedHundredths(GetParam().difference), GetParam().hundredths)
        << "difference " << GetParam().difference;
}

// The edges of the bands of table 8.1.2, both signs, and the 400-point rule.
INSTANTIATE_TEST_SUITE_P(
    BandEdges, ExpectedScore,
    ::testing::Values(Expectation{0, 50}, Expectation{3, 50}, Expectation{4, 51},
                      Expectation{10, 51}, Expectation{11, 52}, Expectation{-11, 48},
                      Expectation{25, 53}, Expectation{26, 54}, Expectation{68, 59},
                      Expectation{69, 60}, Expectation{-69, 40}, Expectation{145, 69},
                      Expectation{146, 70}, Expectation{206, 76}, Expectation{207, 77},
                      Expectation{302, 85}, Expectation{303, 86}, Expectation{391, 91},
                      Expectation{392, 92}, Expectation{400, 92}, Expectation{411, 92},
                      Expectation{412, 92}, Expectation{735, 92}, Expectation{2000, 92},
                      Expectation{-400, 8}, Expectation{-1200, 8}));

struct Difference {
    int p;
    int dp;
};

class PerformanceDifference : public ::testing::TestWithParam<Difference> {};

TEST_P(PerformanceDifference, FollowsTable811)
{
    EXPECT_EQ(ratingDifferenceFor(GetParam().p), GetParam().dp) << "p " << GetParam().p;
}

INSTANTIATE_TEST_SUITE_P(Rows, PerformanceDifference,
                         ::testing::Values(Difference{100, 800}, Difference{99, 677},
                                           Difference{92, 401}, Difference{83, 273},
                                           Difference{78, 220}, Difference{72, 166},
                                           Difference{67, 125}, Difference{66, 117},
                                           Difference{50, 0}, Difference{49, -7},
                                           Difference{32, -133}, Difference{15, -296},
                                           Difference{1, -677}, Difference{0, -800}));

TEST(ScoreFraction, IsRoundedToTwoDecimalsHalvesUp)
{
    EXPECT_EQ(scoreFraction(14, 9), 78); // 7 / 9 = 0.777…
    EXPECT_EQ(scoreFraction(13, 9), 72); // 6.5 / 9 = 0.722…
    EXPECT_EQ(scoreFraction(5, 8), 31);  // 2.5 / 8 = 0.3125
    EXPECT_EQ(scoreFraction(1, 40), 1);  // 0.5 / 40 = 0.0125
    EXPECT_EQ(scoreFraction(3, 40), 4);  // 1.5 / 40 = 0.0375
    EXPECT_EQ(scoreFraction(0, 0), 0);
}

struct KCase {
    const char *what;
    KFactorInput input;
    int k;
};

class DevelopmentCoefficient : public ::testing::TestWithParam<KCase> {};

TEST_P(DevelopmentCoefficient, Follows833)
{
    EXPECT_EQ(kFactor(GetParam().input), GetParam().k) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DevelopmentCoefficient,
    ::testing::Values(
        KCase{"17 at the year's end, below 2300", {2299, 2009, 2026, false, false, 0}, 40},
        KCase{"17 at the year's end, at 2300", {2300, 2009, 2026, false, false, 0}, 20},
        // B.02 8.3.3: K 40 until the end of the year of the 18th birthday.
        KCase{"18 during the year: still a junior to its end",
              {2100, 2008, 2026, false, false, 0},
              40},
        KCase{"19 during the year", {2100, 2007, 2026, false, false, 0}, 20},
        KCase{"a new player of any age", {1900, 1970, 2026, true, false, 0}, 40},
        KCase{"an adult below 2400", {2399, 1980, 2026, false, false, 0}, 20},
        KCase{"an adult at 2400", {2400, 1980, 2026, false, false, 0}, 10},
        KCase{"once 2400, always 10", {2380, 1980, 2026, false, true, 0}, 10},
        KCase{"birth year unknown counts as adult", {2100, 0, 2026, false, false, 0}, 20},
        KCase{"the list's K wins", {2100, 2012, 2026, false, false, 20}, 20}));

// B.02 8.3.3: the list's K is 40 only for a junior below 2300 or a new player; the list has
// no count of games, so K 40 of anybody else tells a new player.
TEST(DevelopmentCoefficient, TheListsK40OfANonJuniorTellsANewPlayer)
{
    struct Case {
        const char *what;
        int listK, rating, birthYear;
        bool newPlayer;
    };
    for (const Case &c : {
             Case{"an adult with 40", 40, 1900, 1990, true},
             Case{"a junior at 2300 or above with 40", 40, 2310, 2012, true},
             Case{"a junior below 2300 with 40", 40, 2100, 2012, false},
             Case{"18 during the year, below 2300, with 40", 40, 2100, 2008, false},
             Case{"an adult with 20", 20, 1900, 1990, false},
             Case{"no K in the list", 0, 1900, 1990, false},
             Case{"age unknown: cannot tell", 40, 1900, 0, false},
         })
        EXPECT_EQ(newPlayerByListK(c.listK, c.rating, c.birthYear, 2026), c.newPlayer) << c.what;
}

TEST(DevelopmentCoefficient, IsCappedSoThatKTimesGamesStaysWithin700)
{
    EXPECT_EQ(cappedK(40, 17), 40); // 680
    EXPECT_EQ(cappedK(40, 18), 38); // 720 > 700: 38 × 18 = 684
    EXPECT_EQ(cappedK(20, 35), 20); // exactly 700
    EXPECT_EQ(cappedK(20, 36), 19);
    EXPECT_EQ(cappedK(10, 70), 10);
    EXPECT_EQ(cappedK(10, 71), 9);
}

TEST(RatingChange, RoundsHalvesUpWhateverTheSign)
{
    EXPECT_EQ(roundRatingHundredths(250), 3);
    EXPECT_EQ(roundRatingHundredths(249), 2);
    EXPECT_EQ(roundRatingHundredths(-250), -2);
    EXPECT_EQ(roundRatingHundredths(-251), -3);
    EXPECT_EQ(roundRatingHundredths(0), 0);
}

TEST(RatingChange, SumsKTimesScoreLessExpectedOverTheGames)
{
    // A 2450 player against nine opponents: expected 0.35 + 0.38 + 0.40 + 0.51 + 0.54 + 0.60
    // + 0.64 + 0.57 + 0.70 = 4.69; 7 points give 10 × 2.31 = 23.1.
    const std::vector<RatedGame> games = {{2560, 1}, {2540, 1}, {2520, 1}, {2440, 2}, {2420, 2},
                                          {2380, 2}, {2350, 2}, {2400, 2}, {2300, 1}};
    const RatingChange change = ratingChange(2450, 10, games);
    EXPECT_EQ(change.expectedHundredths, 469);
    EXPECT_EQ(change.halfPoints, 14);
    EXPECT_EQ(change.games, 9);
    EXPECT_EQ(change.change, 23);
}

TEST(RatingChange, CountsADifferenceBeyond400As400)
{
    // 2700 against 2000: expected 0.92, a draw loses 10 × 0.42.
    const RatingChange draw = ratingChange(2700, 10, {{2000, 1}});
    EXPECT_EQ(draw.expectedHundredths, 92);
    EXPECT_EQ(draw.change, -4);
    // The lower player gains 20 × 0.42 = 8.4.
    EXPECT_EQ(ratingChange(2000, 20, {{2700, 1}}).change, 8);
}

TEST(RatingChange, AppliesTheCapBeforeMultiplying)
{
    std::vector<RatedGame> games(20, RatedGame{2000, 2});
    // K 40 over 20 games is 800: K becomes 35; each win over an equal adds 0.5.
    const RatingChange change = ratingChange(2000, 40, games);
    EXPECT_EQ(change.k, 35);
    EXPECT_EQ(change.change, 350);
}

TEST(FirstRating, AddsTwoHypotheticalDrawsAgainst1800)
{
    // Five games against 2000 with 2.5 points: Ra = (5 × 2000 + 2 × 1800) / 7 = 1942.9 → 1943,
    // p = 3.5 / 7 = 0.50, Ru = 1943.
    EXPECT_EQ(firstRating(std::vector<RatedGame>(5, RatedGame{2000, 1})), 1943);
    // Five wins against 1600: Ra = (8000 + 3600) / 7 = 1657.1 → 1657, p = 6 / 7 = 0.86 → +309.
    EXPECT_EQ(firstRating(std::vector<RatedGame>(5, RatedGame{1600, 2})), 1966);
}

TEST(FirstRating, NeedsFiveGamesSomeScoreAndTheFloor)
{
    EXPECT_EQ(firstRating(std::vector<RatedGame>(4, RatedGame{2000, 2})), std::nullopt);
    EXPECT_EQ(firstRating(std::vector<RatedGame>(6, RatedGame{2000, 0})), std::nullopt);
    // Half a point from nine games against 1500: Ra = 17100 / 11 → 1555, p = 1.5 / 11 → 0.14,
    // dp −309: 1246, below the floor.
    std::vector<RatedGame> weak(9, RatedGame{1500, 0});
    weak[0].halfPoints = 1;
    EXPECT_EQ(firstRating(weak), std::nullopt);
}

TEST(Category, StartsAt2251AndRisesEvery25)
{
    EXPECT_EQ(eventCategory(2250), 0);
    EXPECT_EQ(eventCategory(2251), 1);
    EXPECT_EQ(eventCategory(2275), 1);
    EXPECT_EQ(eventCategory(2276), 2);
    EXPECT_EQ(eventCategory(2436), 8);
    EXPECT_EQ(eventCategory(2751), 21);
    EXPECT_EQ(eventCategory(1500), 0);
}

FideEvent eventOf(const std::vector<int> &ratings)
{
    FideEvent event;
    for (int r : ratings)
        event.players.push_back({"x", r, "", "", 0, 0, 0});
    return event;
}

TEST(Category, AveragesTheRatedPlayersOnly)
{
    EXPECT_EQ(averageRating(eventOf({2400, 2401, 0})), 2401); // 2400.5 rounds up
    EXPECT_EQ(averageRating(eventOf({0, 0})), 0);
}

TEST(Category, AnEventWithUnratedPlayersIsRatedWithAThirdRatedAndFourBelowTen)
{
    EXPECT_TRUE(canBeRated(eventOf({2000, 2000, 2000, 2000, 0, 0, 0, 0, 0})));
    EXPECT_FALSE(canBeRated(eventOf({2000, 2000, 2000, 0, 0, 0})));
    EXPECT_TRUE(canBeRated(eventOf({2000, 2000, 2000, 2000, 0, 0, 0, 0, 0, 0, 0, 0})));
    EXPECT_FALSE(canBeRated(eventOf({2000, 2000, 2000, 2000, 0, 0, 0, 0, 0, 0, 0, 0, 0})));
    // B.02 6.2.2: played twice, five players with an unrated one are too few; six will do,
    // and five all rated need nothing more.
    const auto played = [](FideEvent event, int cycles) {
        const int n = int(event.players.size());
        for (int c = 0; c < cycles; ++c)
            for (int i = 0; i < n; ++i)
                for (int j = i + 1; j < n; ++j)
                    event.games.push_back({i, j, FideGameKind::Pending, 0});
        return event;
    };
    const auto twice = [&](const FideEvent &event) { return played(event, 2); };
    EXPECT_TRUE(canBeRated(played(eventOf({2000, 2000, 2000, 2000, 0}), 1)));
    EXPECT_FALSE(canBeRated(twice(eventOf({2000, 2000, 2000, 2000, 0}))));
    EXPECT_TRUE(tooFewForSeveralCycles(twice(eventOf({2000, 2000, 2000, 2000, 0}))));
    EXPECT_FALSE(tooFewForSeveralCycles(twice(eventOf({2000, 2000, 2000, 0, 0, 0}))));
    EXPECT_TRUE(canBeRated(twice(eventOf({2000, 2000, 2000, 2000, 0, 0}))));
    EXPECT_TRUE(canBeRated(twice(eventOf({2000, 2000, 2000, 2000, 2000}))));
}

// A round robin of rated players with equal K: every game moves as many points one way as
// the other, so the changes add up to zero but for each player's rounding.
RC_GTEST_PROP(RoundRobin, ChangesOfEqualKSumToZeroWithinRounding, ())
{
    const int n = *rc::gen::inRange(3, 23);
    const int cycles = *rc::gen::inRange(1, 5);
    FideEvent event;
    event.year = 2026;
    for (int i = 0; i < n; ++i) {
        FidePlayer p;
        p.name = "p" + std::to_string(i);
        p.rating = *rc::gen::inRange(1400, 2900);
        p.listK = 20;
        event.players.push_back(p);
    }
    for (int c = 0; c < cycles; ++c) {
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j)
                event.games.push_back({i, j, FideGameKind::OverTheBoard, *rc::gen::inRange(0, 3)});
        }
    }
    int sum = 0;
    for (const FideReportLine &line : fideReport(event)) {
        RC_ASSERT(line.k == cappedK(20, (n - 1) * cycles));
        sum += line.change;
    }
    // Each rounding moves a change by at most half a point.
    RC_ASSERT(2 * std::abs(sum) <= n);
}

} // namespace
