#pragma once

#include <optional>
#include <vector>

namespace krugovik {

// FIDE's standard rating arithmetic (Rating Regulations B.02, in force since 1 March 2024).
// Scores are counted in half points and probabilities in hundredths, so that every sum is
// exact and only the final change is rounded.

// The expected score of a player rated `difference` points above his opponent, in
// hundredths: table 8.1.2, a difference beyond 400 counted as 400 (8.3.1). 50 for equal
// ratings, 92 at +400 and beyond, 8 at -400 and beyond.
int expectedHundredths(int difference);

// The rating difference dp for a fractional score p in hundredths (0..100): table 8.1.1,
// ±800 at 100 and 0.
int ratingDifferenceFor(int pHundredths);

// p = score / games in hundredths, rounded to two decimals with halves up.
int scoreFraction(int halfPoints, int games);

// What decides a rated player's development coefficient.
struct KFactorInput {
    int rating = 0;           // his published rating
    int birthYear = 0;        // 0 = unknown
    int year = 0;             // the year the event is rated in
    bool newPlayer = false;   // fewer than 30 rated games so far
    bool reached2400 = false; // his published rating has ever been 2400 or more
    int listK = 0;            // the K the rating list publishes for him; 0 = not given
};

// K by 8.3.3: the list's K where it is given; else 40 for a new player and, until the end
// of the year of his 18th birthday, for one whose rating is below 2300; 20 below 2400; 10
// once 2400 was reached.
int kFactor(const KFactorInput &player);

// Whether a player born in birthYear still counts as a junior for K in `year` (8.3.3).
bool isJunior(int birthYear, int year);

// Whether the list's K tells a new player (fewer than 30 rated games): a K of 40 for a
// player who is no junior below 2300. FIDE's list has no count of games to tell it
// otherwise.
bool newPlayerByListK(int listK, int rating, int birthYear, int year);

// K reduced so that K × games does not exceed 700 (8.3.3).
int cappedK(int k, int games);

// One rated game of a rated player: his opponent's rating and his score in half points.
struct RatedGame {
    int opponentRating = 0;
    int halfPoints = 0; // 2 a win, 1 a draw, 0 a loss
};

// A rated player's result in one event.
struct RatingChange {
    int k = 0;                  // the K applied, after the cap
    int games = 0;              // rated games
    int halfPoints = 0;         // score in them
    int expectedHundredths = 0; // the sum of the expected scores
    int change = 0;             // the rating change, rounded (8.3.4)
};

// ΣK(score − expected) over the games, rounded to the nearest whole number with a half
// rounded up whatever the sign (8.3.4).
RatingChange ratingChange(int rating, int k, const std::vector<RatedGame> &games);

// Rounds hundredths of a rating point to a whole number, a half upwards (+2.5 → 3,
// −2.5 → −2).
int roundRatingHundredths(long long hundredths);

// The games an unrated player needs against rated opponents for a first rating (8.2.1).
inline constexpr int kFewestGamesForFirstRating = 5;
// The two hypothetical draws against opponents of this rating added to his games (8.2.2).
inline constexpr int kHypotheticalOpponent = 1800;
// The lowest rating published (B.02's rating floor).
inline constexpr int kRatingFloor = 1400;

// An unrated player's first rating from his games against rated opponents, as 8.2 computes
// it: Ra the average of those opponents and two hypothetical opponents rated 1800, p his
// score with two hypothetical draws, Ru = Ra + dp(p). Nothing when he played fewer than
// five such games, scored nothing in them, or Ru falls below the rating floor.
std::optional<int> firstRating(const std::vector<RatedGame> &games);

} // namespace krugovik
