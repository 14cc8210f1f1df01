#include "rating/rating_correction.h"

#include <array>
#include <initializer_list>

namespace krugovik {
namespace {

// One row of the table, scores doubled so that they are whole numbers: a score at or
// below `lower` gives -10 × games, at or above `upper` +10 × games, and each score in
// between has its entry, from lower + 0.5 up.
struct CorrectionRow {
    int lower;
    int upper;
    std::initializer_list<int> between;
};

const std::array<CorrectionRow, kCorrectionTableGames + 1> kCorrectionTable = {{
    {0, 0, {}},
    {-1, 3, {-10, 0, 10}},
    {-1, 5, {-20, -10, 0, 10, 20}},
    {1, 5, {-10, 0, 10}},
    {2, 6, {-20, 0, 20}},
    {3, 7, {-30, 0, 30}},
    {4, 8, {-40, 0, 40}},
    {5, 9, {-50, 0, 50}},
    {6, 10, {-43, 0, 43}},
    {6, 12, {-80, -43, 0, 43, 80}},
    {7, 13, {-73, -36, 0, 36, 73}},
    {7, 15, {-103, -65, -36, 0, 36, 65, 103}},
    {8, 16, {-87, -57, -29, 0, 29, 57, 87}},
    {8, 18, {-110, -87, -57, -29, 0, 29, 57, 87, 110}},
    {8, 20, {-133, -102, -80, -50, -29, 0, 29, 50, 80, 102, 133}},
    {8, 22, {-140, -125, -95, -72, -50, -21, 0, 21, 50, 72, 95, 125, 140}},
}};

} // namespace

int ratingCorrection(int ratedGames, Fixed score)
{
    if (ratedGames <= 0 || ratedGames > kCorrectionTableGames)
        return 0;
    const CorrectionRow &row = kCorrectionTable[std::size_t(ratedGames)];
    // Scores are multiples of a half; anything else counts as the half below it.
    std::int64_t doubled = score.units() * 2 / Fixed::kScale;
    if (score.units() < 0 && (score.units() * 2) % Fixed::kScale != 0)
        --doubled;
    if (doubled <= row.lower)
        return -10 * ratedGames;
    if (doubled >= row.upper)
        return 10 * ratedGames;
    return row.between.begin()[doubled - row.lower - 1];
}

} // namespace krugovik
