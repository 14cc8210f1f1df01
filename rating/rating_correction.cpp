#include "rating/rating_correction.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace krugovik {
namespace {

// The most entries a row has between its bounds (15 games: 4.5 to 10.5).
constexpr std::size_t kMaxBetween = 13;

// One row of the table, scores doubled so that they are whole numbers: a score at or
// below `lower` gives -10 × games, at or above `upper` +10 × games, and each score in
// between has its entry, from lower + 1 up.
struct CorrectionRow {
    int lower;                            // doubled score, at or below it the least correction
    int upper;                            // doubled score, at or above it the most correction
    std::array<int, kMaxBetween> between; // rating points for doubled scores lower + 1 ...
};

// For one and two games every score has its own entry, so the bounds lie outside 0..2g.
constexpr std::array<CorrectionRow, kCorrectionTableGames + 1> kCorrectionTable = {{
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

constexpr bool rowsFitTheirEntries()
{
    for (std::size_t g = 1; g < kCorrectionTable.size(); ++g) {
        const CorrectionRow &row = kCorrectionTable[g];
        const int count = row.upper - row.lower - 1;
        if (count < 1 || count > int(kMaxBetween))
            return false;
    }
    return true;
}
static_assert(rowsFitTheirEntries());

// The score in halves, rounded down: floor division, so that it never overflows.
std::int64_t doubledScore(Fixed score)
{
    constexpr std::int64_t half = Fixed::kScale / 2;
    std::int64_t doubled = score.units() / half;
    if (score.units() % half < 0)
        --doubled;
    return doubled;
}

} // namespace

int ratingCorrection(int ratedGames, Fixed score)
{
    if (ratedGames <= 0 || ratedGames > kCorrectionTableGames)
        return 0;
    const CorrectionRow &row = kCorrectionTable[std::size_t(ratedGames)];
    const std::int64_t doubled = doubledScore(score);
    if (doubled <= row.lower)
        return -10 * ratedGames;
    if (doubled >= row.upper)
        return 10 * ratedGames;
    return row.between[std::size_t(doubled - row.lower - 1)];
}

} // namespace krugovik
