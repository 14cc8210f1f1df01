#include "export/final_standings.h"

#include <algorithm>

#include "common/number_text.h"
#include "rating/new_ratings.h"
#include "standings/places.h"

namespace krugovik {
namespace {

std::string signedChange(std::int64_t delta)
{
    return delta > 0 ? '+' + std::to_string(delta) : std::to_string(delta);
}

} // namespace

std::string commaNumber(Fixed value)
{
    std::string text = formatDisplay(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    std::replace(text.begin(), text.end(), '.', ',');
    // ".5" becomes "0,5", "-.5" becomes "-0,5".
    const std::size_t comma = text.find(',');
    if (comma == 0 || (comma == 1 && text.front() == '-'))
        text.insert(text.begin() + std::ptrdiff_t(comma), '0');
    return text;
}

std::vector<StandingLine> finalStandings(const TournamentSnapshot &snapshot)
{
    const int n = std::min(int(snapshot.players.size()), kMaxTablePlayers);
    std::vector<RatingCell> cells;
    bool everyoneRated = true;
    for (int i = 0; i < n; ++i) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(i)];
        cells.push_back({player.ratingCell, player.estimate});
        // The new-rating command refuses while a rating cell is empty.
        everyoneRated = everyoneRated && !player.ratingCell.empty();
    }
    std::vector<NewRating> ratings;
    if (everyoneRated)
        ratings = computeNewRatings(cells, snapshot.games);

    std::vector<StandingLine> lines;
    for (const PlaceRow &row : rankPlayers(snapshot.games, n)) {
        StandingLine line;
        line.player = row.player;
        line.firstPlace = row.firstPlace;
        line.place = placeText(row);
        line.points = commaNumber(row.points);
        line.berger = commaNumber(row.berger);
        if (everyoneRated) {
            const NewRating &rating = ratings[std::size_t(row.player - 1)];
            line.newRating = std::to_string(rating.value);
            line.change = signedChange(rating.delta);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace krugovik
