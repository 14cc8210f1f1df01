#include "standings/places.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

#include "standings/standings.h"

namespace krugovik {
namespace {

bool isWin(GameState state)
{
    return state == GameState::Win || state == GameState::ForfeitWin;
}

// Points each member of the group scored against the others, in group order; nothing
// when some game among them still lacks a result.
std::optional<std::vector<Fixed>> mutualPoints(const GameRecords &records,
                                               std::span<const PlaceRow> group)
{
    std::vector<Fixed> points(group.size());
    for (std::size_t a = 0; a < group.size(); ++a) {
        for (std::size_t b = 0; b < group.size(); ++b) {
            if (a == b)
                continue;
            const GameState state = records.state(group[a].player, group[b].player);
            if (state == GameState::None)
                return std::nullopt;
            points[a] += standingPoints(state);
        }
    }
    return points;
}

} // namespace

std::vector<PlaceRow> rankPlayers(const GameRecords &records, int playerCount)
{
    const int n = std::clamp(playerCount, 0, kMaxTablePlayers);
    std::vector<PlaceRow> rows(static_cast<std::size_t>(n));
    std::vector<Fixed> points(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        PlaceRow &row = rows[std::size_t(i - 1)];
        row.player = i;
        row.points = points[std::size_t(i)] = playerPoints(records, i, n);
        for (int j = 1; j <= n; ++j)
            row.wins += isWin(records.state(i, j)) ? 1 : 0;
    }
    for (PlaceRow &row : rows)
        row.berger = bergerCoefficient(records, row.player, points);

    // Table order stays within equal rows: stable sorts only.
    std::stable_sort(rows.begin(), rows.end(), [](const PlaceRow &a, const PlaceRow &b) {
        return std::tie(a.points, a.berger) > std::tie(b.points, b.berger);
    });

    // Within a group equal on both, the points among its members (once all their games
    // have results), then wins; equal keys share the places they cover.
    std::vector<Fixed> mutual(static_cast<std::size_t>(n) + 1); // by player
    auto key = [&](const PlaceRow &row) {
        return std::make_pair(mutual[std::size_t(row.player)], row.wins);
    };
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = start + 1;
        while (end < rows.size() && rows[end].points == rows[start].points &&
               rows[end].berger == rows[start].berger)
            ++end;
        const std::span<PlaceRow> group(rows.begin() + std::ptrdiff_t(start), end - start);
        if (group.size() > 1) {
            if (const auto scored = mutualPoints(records, group)) {
                for (std::size_t k = 0; k < group.size(); ++k)
                    mutual[std::size_t(group[k].player)] = (*scored)[k];
            }
        }
        std::stable_sort(group.begin(), group.end(),
                         [&](const PlaceRow &a, const PlaceRow &b) { return key(a) > key(b); });
        for (std::size_t k = 0; k < group.size();) {
            std::size_t last = k + 1;
            while (last < group.size() && key(group[last]) == key(group[k]))
                ++last;
            for (std::size_t m = k; m < last; ++m) {
                group[m].firstPlace = int(start + k) + 1;
                group[m].lastPlace = int(start + last);
            }
            k = last;
        }
        start = end;
    }
    return rows;
}

std::string placeText(const PlaceRow &row)
{
    if (row.lastPlace > row.firstPlace)
        return std::to_string(row.firstPlace) + '-' + std::to_string(row.lastPlace);
    return std::to_string(row.firstPlace);
}

} // namespace krugovik
