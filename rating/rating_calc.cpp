#include "rating/rating_calc.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace krugovik {

std::int64_t readRating(const std::string &text)
{
    return std::clamp(readInteger(text), -kRatingLimit, kRatingLimit);
}

Fixed expectedScore(Fixed averageOpponent, std::int64_t rating)
{
    const double difference = (averageOpponent - Fixed::fromInt(rating)).toDouble();
    return Fixed::fromDouble(1.0 / (std::pow(10.0, difference / 400.0) + 1.0));
}

int developmentFactor(std::int64_t rating, Fixed difference)
{
    struct Band {
        std::int64_t upTo; // highest rating of the band
        int below;         // factor when the player scored below expectation
        int atOrAbove;     // factor when he scored the expectation or more
    };
    static constexpr Band kBands[] = {{1099, 25, 45}, {1299, 25, 40}, {1499, 25, 35},
                                      {1699, 25, 30}, {1999, 20, 25}, {2199, 20, 20},
                                      {2299, 15, 15}};
    for (const Band &band : kBands) {
        if (rating <= band.upTo)
            return difference < kZero ? band.below : band.atOrAbove;
    }
    return 10;
}

std::optional<std::int64_t> newRating(const RatedGames &games, std::int64_t rating)
{
    if (games.games <= 0)
        return std::nullopt;
    const Fixed average = Fixed::fromDouble(games.opponents.toDouble() / games.games);
    const Fixed expected = expectedScore(average, rating) * games.games;
    const Fixed difference = games.points - expected;
    const Fixed result = Fixed::fromInt(rating) + difference * developmentFactor(rating, difference);
    return result.roundToInteger();
}

std::string newRatingText(std::int64_t newRating)
{
    if (newRating < kRatingFloor)
        return formatPlain(kRatingFloor);
    return formatDisplay(newRating);
}

std::string ratingChangeText(std::int64_t oldRating, std::int64_t nowRating)
{
    if (nowRating > oldRating)
        return " +" + formatDisplay(nowRating - oldRating);
    return formatDisplay(nowRating - oldRating);
}

} // namespace krugovik
