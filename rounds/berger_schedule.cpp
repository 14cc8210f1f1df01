#include "rounds/berger_schedule.h"

#include <algorithm>

namespace krugovik {
namespace {
constexpr int kFewest = 3;
constexpr int kMost = 22;
} // namespace

int roundCount(int playerCount)
{
    if (playerCount < kFewest || playerCount > kMost)
        return 0;
    const int m = playerCount % 2 == 0 ? playerCount : playerCount + 1;
    return m - 1;
}

std::vector<ScheduledGame> bergerSchedule(int playerCount)
{
    std::vector<ScheduledGame> games;
    const int rounds = roundCount(playerCount);
    if (rounds == 0)
        return games;
    // The table is drawn for an even M; with an odd count player M is the free player.
    const int m = rounds + 1;
    for (int i = 1; i < m; ++i) {
        for (int j = i + 1; j < m; ++j) {
            const int round = (i + j - 2) % rounds + 1;
            const bool iFirst = (i + j) % 2 != 0;
            games.push_back({round, iFirst ? i : j, iFirst ? j : i});
        }
    }
    if (m == playerCount) {
        for (int k = 1; k < m; ++k) {
            const int round = (2 * k - 2) % rounds + 1;
            const bool kFirst = k <= m / 2;
            games.push_back({round, kFirst ? k : m, kFirst ? m : k});
        }
    }
    std::sort(games.begin(), games.end(), [](const ScheduledGame &a, const ScheduledGame &b) {
        return a.round != b.round ? a.round < b.round : a.firstNamed < b.firstNamed;
    });
    return games;
}

} // namespace krugovik
