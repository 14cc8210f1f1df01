#include "standings/standings.h"

namespace krugovik {

Fixed playerPoints(const GameRecords &records, int i, int playerCount)
{
    Fixed points;
    for (int j = 1; j <= playerCount && j <= kMaxTablePlayers; ++j)
        points += standingPoints(records.state(i, j));
    return points;
}

Fixed bergerCoefficient(const GameRecords &records, int i, const std::vector<Fixed> &shownPoints)
{
    // Counted in half-units so that half of an odd count of ten-thousandths is never lost
    // before the sum: the shown points are multiples of 0.25 in practice.
    std::int64_t halves = 0;
    for (int j = 1; j < int(shownPoints.size()) && j <= kMaxTablePlayers; ++j)
        halves += shownPoints[j].units() * bergerHalves(records.state(i, j));
    return Fixed::fromUnits(divideHalfEven(halves, 2));
}

} // namespace krugovik
