#include "rating/new_ratings.h"

#include <algorithm>
#include <cstddef>

#include "common/number_text.h"
#include "rating/rating_calc.h"
#include "rating/rating_correction.h"

namespace krugovik {

int estimateCorrection(const GameRecords &records, int i, int playerCount)
{
    return estimateCorrection(std::span<const GameRecords>(&records, 1), i, playerCount);
}

int estimateCorrection(std::span<const GameRecords> cycles, int i, int playerCount)
{
    int games = 0;
    Fixed score;
    for (const GameRecords &records : cycles) {
        for (int j = 1; j <= playerCount; ++j) {
            games += records.played[i][j];
            if (records.points[i][j] == kHalf || records.points[i][j] == kOne)
                score += records.points[i][j];
        }
    }
    return ratingCorrection(games, score);
}

RatedGames ratedGames(const GameRecords &records, int i, int playerCount,
                      const std::vector<int> &correction)
{
    return ratedGames(std::span<const GameRecords>(&records, 1), i, playerCount, correction);
}

RatedGames ratedGames(std::span<const GameRecords> cycles, int i, int playerCount,
                      const std::vector<int> &correction)
{
    RatedGames rated;
    for (const GameRecords &records : cycles) {
        for (int j = 1; j <= playerCount; ++j) {
            rated.games += records.played[i][j];
            rated.points += records.points[i][j];
            if (j != i && isRated(records.state(i, j)))
                rated.opponents +=
                    Fixed::fromInt(records.opponentRating[i][j] + correction[std::size_t(j)]);
        }
    }
    return rated;
}

std::vector<NewRating> computeNewRatings(const std::vector<RatingCell> &cells,
                                         const GameRecords &records)
{
    return computeNewRatings(cells, std::span<const GameRecords>(&records, 1));
}

std::vector<NewRating> computeNewRatings(const std::vector<RatingCell> &cells,
                                         std::span<const GameRecords> records)
{
    const int n = std::min(int(cells.size()), kMaxTablePlayers);
    auto cellOf = [&](int player) -> const RatingCell & { return cells[std::size_t(player - 1)]; };

    std::vector<int> correction(std::size_t(n) + 1, 0);
    for (int i = 1; i <= n; ++i) {
        if (cellOf(i).estimate)
            correction[std::size_t(i)] = estimateCorrection(records, i, n);
    }

    std::vector<NewRating> result(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const RatedGames rated = ratedGames(records, i, n, correction);
        const RatingCell &cell = cellOf(i);
        const std::int64_t rating =
            ownRating(readFixed(cell.text), cell.estimate, correction[std::size_t(i)]);
        NewRating &out = result[std::size_t(i - 1)];
        out.cell = newRatingCell(newRating(rated, rating), cell.text);
        out.value = readRating(out.cell);
        out.delta = out.value - readRating(cell.text);
        out.change = ratingChangeText(readRating(cell.text), out.value);
    }
    return result;
}

} // namespace krugovik
