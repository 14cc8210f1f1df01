#include "standings/places.h"

#include <algorithm>
#include <cstddef>
#include <optional>
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
                                               const std::vector<PlaceRow> &group)
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

    std::vector<PlaceRow> ranked;
    ranked.reserve(rows.size());
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = start + 1;
        while (end < rows.size() && rows[end].points == rows[start].points &&
               rows[end].berger == rows[start].berger)
            ++end;
        std::vector<PlaceRow> group(rows.begin() + std::ptrdiff_t(start),
                                    rows.begin() + std::ptrdiff_t(end));
        std::vector<Fixed> mutual(group.size());
        if (group.size() > 1) {
            if (const auto scored = mutualPoints(records, group))
                mutual = *scored;
        }
        std::vector<std::size_t> order(group.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = k;
        auto key = [&](std::size_t k) { return std::make_pair(mutual[k], group[k].wins); };
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return key(a) > key(b); });
        // Equal keys share the places they cover; the stable sort kept them in table order.
        for (std::size_t k = 0; k < order.size();) {
            std::size_t last = k + 1;
            while (last < order.size() && key(order[last]) == key(order[k]))
                ++last;
            for (std::size_t m = k; m < last; ++m) {
                PlaceRow row = group[order[m]];
                row.firstPlace = int(start + k) + 1;
                row.lastPlace = int(start + last);
                ranked.push_back(row);
            }
            k = last;
        }
        start = end;
    }
    return ranked;
}

std::string placeText(const PlaceRow &row)
{
    if (row.lastPlace > row.firstPlace)
        return std::to_string(row.firstPlace) + '-' + std::to_string(row.lastPlace);
    return std::to_string(row.firstPlace);
}

} // namespace krugovik
