#include "standings/standings.h"

#include <algorithm>
#include <cstddef>

namespace krugovik {

Fixed playerPoints(const GameRecords &records, int i, int playerCount)
{
    return playerPoints(std::span<const GameRecords>(&records, 1), i, playerCount);
}

Fixed playerPoints(std::span<const GameRecords> cycles, int i, int playerCount)
{
    Fixed points;
    for (const GameRecords &records : cycles) {
        for (int j = 1; j <= std::min(playerCount, kMaxTablePlayers); ++j)
            points += standingPoints(records.state(i, j));
    }
    return points;
}

Fixed bergerCoefficient(const GameRecords &records, int i, const std::vector<Fixed> &shownPoints)
{
    return bergerCoefficient(std::span<const GameRecords>(&records, 1), i, shownPoints);
}

Fixed bergerCoefficient(std::span<const GameRecords> cycles, int i,
                        const std::vector<Fixed> &shownPoints)
{
    const Fixed limit = Fixed::fromInt(kShownPointsLimit);
    const int last = std::min(int(shownPoints.size()) - 1, kMaxTablePlayers);
    Fixed coefficient;
    for (const GameRecords &records : cycles) {
        for (int j = 1; j <= last; ++j) {
            const Fixed shown = std::clamp(shownPoints[std::size_t(j)], -limit, limit);
            // Points shown are multiples of 0.25, so their half is exact; anything finer is
            // rounded here, term by term, as a stored decimal would be.
            const std::int64_t share = shown.units() * bergerHalves(records.state(i, j));
            coefficient += Fixed::fromUnits(divideHalfEven(share, 2));
        }
    }
    return coefficient;
}

} // namespace krugovik
