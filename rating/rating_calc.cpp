#include "rating/rating_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/number_text.h"

namespace krugovik {
namespace {

// Rating differences are spread over this many points per power of ten.
constexpr double kRatingSpread = 400.0;

// A band of ratings and its development factors.
struct FactorBand {
    std::int64_t upTo; // highest rating of the band
    int below;         // factor when the player scored below expectation
    int atOrAbove;     // factor when he scored the expectation or more
};

constexpr std::array<FactorBand, 7> kFactorBands = {{
    {1099, 25, 45},
    {1299, 25, 40},
    {1499, 25, 35},
    {1699, 25, 30},
    {1999, 20, 25},
    {2199, 20, 20},
    {2299, 15, 15},
}};
// Factor of every rating above the last band.
constexpr int kTopFactor = 10;

std::int64_t bounded(std::int64_t rating)
{
    return std::clamp(rating, -kRatingLimit, kRatingLimit);
}

} // namespace

std::int64_t readRating(std::string_view text)
{
    return bounded(readInteger(text));
}

std::int64_t ownRating(Fixed ratingCell, bool isEstimate, int correction)
{
    // The cell is bounded first so that adding the correction cannot overflow.
    const Fixed cell =
        std::clamp(ratingCell, Fixed::fromInt(-kRatingLimit), Fixed::fromInt(kRatingLimit));
    const Fixed rating = isEstimate ? cell + Fixed::fromInt(correction) : cell;
    return bounded(rating.roundToInteger());
}

Fixed expectedScore(Fixed averageOpponent, std::int64_t rating)
{
    const double difference = (averageOpponent - Fixed::fromInt(bounded(rating))).toDouble();
    return Fixed::fromDouble(1.0 / (std::pow(10.0, difference / kRatingSpread) + 1.0));
}

int developmentFactor(std::int64_t rating, Fixed difference)
{
    for (const FactorBand &band : kFactorBands) {
        if (rating <= band.upTo)
            return difference < kZero ? band.below : band.atOrAbove;
    }
    return kTopFactor;
}

std::optional<std::int64_t> newRating(const RatedGames &games, std::int64_t rating)
{
    if (games.games <= 0)
        return std::nullopt;
    const std::int64_t r = bounded(rating);
    const Fixed average = Fixed::fromDouble(games.opponents.toDouble() / games.games);
    const Fixed expected = expectedScore(average, r) * games.games;
    const Fixed difference = games.points - expected;
    const Fixed result = Fixed::fromInt(r) + difference * developmentFactor(r, difference);
    return result.roundToInteger();
}

std::string newRatingText(std::int64_t newRating)
{
    if (newRating < kRatingFloor)
        return formatPlain(kRatingFloor);
    return formatDisplay(newRating);
}

std::string newRatingCell(std::optional<std::int64_t> newRating, std::string_view ratingCell)
{
    if (!newRating)
        return std::string(ratingCell);
    return newRatingText(*newRating);
}

std::string ratingChangeText(std::int64_t oldRating, std::int64_t nowRating)
{
    const std::int64_t change = bounded(nowRating) - bounded(oldRating);
    if (change > 0)
        return " +" + formatDisplay(change);
    return formatDisplay(change);
}

} // namespace krugovik
