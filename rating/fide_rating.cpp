#include "rating/fide_rating.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace krugovik {
namespace {

// Table 8.1.2: the upper end of each band of rating differences whose higher-rated player
// is expected to score 50, 51, … 99 hundredths; beyond the last, 100.
constexpr std::array<int, 50> kExpectationBands = {
    3,   10,  17,  25,  32,  39,  46,  53,  61,  68,  76,  83,  91,  98,  106, 113, 121,
    129, 137, 145, 153, 162, 170, 179, 188, 197, 206, 215, 225, 235, 245, 256, 267, 278,
    290, 302, 315, 328, 344, 357, 374, 391, 411, 432, 456, 484, 517, 559, 619, 735};

// Table 8.1.1: dp for p = 50, 51, … 100 hundredths.
constexpr std::array<int, 51> kDifferences = {
    0,   7,   14,  21,  29,  36,  43,  50,  57,  65,  72,  80,  87,  95,  102, 110, 117,
    125, 133, 141, 149, 158, 166, 175, 184, 193, 202, 211, 220, 230, 240, 251, 262, 273,
    284, 296, 309, 322, 336, 351, 366, 383, 401, 422, 444, 470, 501, 538, 589, 677, 800};

// Floor division, so that a negative sum rounds like a positive one.
long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

int expectedHundredths(int difference)
{
    // 8.3.1: a difference of more than 400 points counts as 400.
    const int d = std::min(std::abs(difference), 400);
    const auto band = std::lower_bound(kExpectationBands.begin(), kExpectationBands.end(), d);
    const int higher = 50 + int(band - kExpectationBands.begin());
    return difference >= 0 ? higher : 100 - higher;
}

int ratingDifferenceFor(int pHundredths)
{
    const int p = std::clamp(pHundredths, 0, 100);
    return p >= 50 ? kDifferences[std::size_t(p - 50)] : -kDifferences[std::size_t(50 - p)];
}

int scoreFraction(int halfPoints, int games)
{
    if (games <= 0)
        return 0;
    // 100 × half / (2 × games), a half up.
    return int(floorDiv(100LL * halfPoints + games, 2LL * games));
}

bool isJunior(int birthYear, int year)
{
    // 8.3.3: K 40 lasts until the end of the year of the 18th birthday.
    return birthYear > 0 && year > 0 && year - birthYear <= 18;
}

bool newPlayerByListK(int listK, int rating, int birthYear, int year)
{
    // The list's K is 40 only for a junior below 2300 or a new player (8.3.3); a junior
    // whose birth year is unknown cannot be told apart.
    return listK == 40 && birthYear > 0 && !(isJunior(birthYear, year) && rating < 2300);
}

int kFactor(const KFactorInput &player)
{
    if (player.listK > 0)
        return player.listK;
    if (player.newPlayer || (isJunior(player.birthYear, player.year) && player.rating < 2300))
        return 40;
    if (player.rating < 2400 && !player.reached2400)
        return 20;
    return 10;
}

int cappedK(int k, int games)
{
    // 8.3.3: K × n may not exceed 700; K becomes the largest whole number that keeps it so.
    if (games > 0 && k * games > 700)
        return 700 / games;
    return k;
}

int roundRatingHundredths(long long hundredths)
{
    return int(floorDiv(hundredths + 50, 100));
}

RatingChange ratingChange(int rating, int k, const std::vector<RatedGame> &games)
{
    RatingChange out;
    out.games = int(games.size());
    out.k = cappedK(k, out.games);
    long long surplus = 0; // Σ(score − expected) in hundredths
    for (const RatedGame &game : games) {
        const int expected = expectedHundredths(rating - game.opponentRating);
        out.expectedHundredths += expected;
        out.halfPoints += game.halfPoints;
        surplus += 50LL * game.halfPoints - expected;
    }
    out.change = roundRatingHundredths(surplus * out.k);
    return out;
}

std::optional<int> firstRating(const std::vector<RatedGame> &games)
{
    const int n = int(games.size());
    int half = 0;
    long long sum = 0;
    for (const RatedGame &game : games) {
        half += game.halfPoints;
        sum += game.opponentRating;
    }
    // 8.2.1: at least five games against rated opponents; a zero score is disregarded.
    if (n < kFewestGamesForFirstRating || half == 0)
        return std::nullopt;
    // 8.2.2: two hypothetical draws against opponents rated 1800 join the games.
    const long long count = n + 2;
    const long long ra = floorDiv(2 * (sum + 2LL * kHypotheticalOpponent) + count, 2 * count);
    const int p = scoreFraction(half + 2, n + 2);
    const int ru = int(ra) + ratingDifferenceFor(p);
    if (ru < kRatingFloor)
        return std::nullopt;
    return ru;
}

} // namespace krugovik
