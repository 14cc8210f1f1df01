#include "rounds/berger_schedule.h"

#include <algorithm>

namespace krugovik {
namespace {

constexpr int kFewestPlayers = 3;
constexpr int kMostPlayers = 22;

ScheduledGame game(int round, bool firstIsA, int a, int b)
{
    return firstIsA ? ScheduledGame{round, a, b} : ScheduledGame{round, b, a};
}

} // namespace

int roundCount(int playerCount)
{
    if (playerCount < kFewestPlayers || playerCount > kMostPlayers)
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
    // The table is drawn for an even M; with an odd count player M is the free player,
    // and whoever the rule pairs with him sits out.
    const int m = rounds + 1;
    for (int i = 1; i < m; ++i) {
        for (int j = i + 1; j < m; ++j)
            games.push_back(game((i + j - 2) % rounds + 1, (i + j) % 2 != 0, i, j));
    }
    if (m == playerCount) {
        for (int k = 1; k < m; ++k)
            games.push_back(game((2 * k - 2) % rounds + 1, k <= m / 2, k, m));
    }
    std::sort(games.begin(), games.end(), [](const ScheduledGame &a, const ScheduledGame &b) {
        return a.round != b.round ? a.round < b.round : a.firstNamed < b.firstNamed;
    });
    return games;
}

} // namespace krugovik
