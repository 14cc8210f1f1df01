#include "rounds/berger_schedule.h"

#include <algorithm>
#include <utility>

namespace krugovik {
namespace {

constexpr int kFewestPlayers = 3;
constexpr int kMostPlayers = 22;

ScheduledGame game(int round, bool firstIsA, int a, int b)
{
    return firstIsA ? ScheduledGame{round, a, b} : ScheduledGame{round, b, a};
}

// The game of two distinct players of 1..playerCount in the one-cycle table. The table is
// drawn for an even M; with an odd count player M is the free player, and whoever the
// rule pairs with him sits out.
ScheduledGame tableGame(int playerCount, int a, int b)
{
    const int rounds = roundCount(playerCount);
    const int m = rounds + 1;
    const auto [i, j] = std::minmax(a, b);
    if (j == m)
        return game((2 * i - 2) % rounds + 1, i <= m / 2, i, m);
    return game((i + j - 2) % rounds + 1, (i + j) % 2 != 0, i, j);
}

void sortByBoards(std::vector<ScheduledGame> &games)
{
    std::sort(games.begin(), games.end(), [](const ScheduledGame &a, const ScheduledGame &b) {
        return a.round != b.round ? a.round < b.round : a.firstNamed < b.firstNamed;
    });
}

bool cyclesInRange(int playerCount, int cycles)
{
    return roundCount(playerCount) > 0 && cycles >= 1 && cycles <= kMostCycles;
}

// Where within its cycle table round r is played, and, each order being its own inverse,
// which table round is played at place r. Only the first cycle of two or more swaps its
// last two rounds. A third cycle plays the table backwards, so that at both of its joins
// the same table round meets itself with the colours reversed: nobody gets one colour three
// times running there. The fourth cycle is the second again.
int placeInCycle(int rounds, int cycles, bool reverseLastRounds, int cycle, int r)
{
    if (cycle == 1 && reverseLastRounds && cycles >= 2 && r >= rounds - 1)
        return 2 * rounds - 1 - r;
    if (cycle >= 3 && cycle % 2 != 0)
        return rounds + 1 - r;
    return r;
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
    if (roundCount(playerCount) == 0)
        return games;
    for (int i = 1; i <= playerCount; ++i) {
        for (int j = i + 1; j <= playerCount; ++j)
            games.push_back(tableGame(playerCount, i, j));
    }
    sortByBoards(games);
    return games;
}

std::vector<ScheduledGame> bergerSchedule(int playerCount, int cycles, bool reverseLastRounds)
{
    std::vector<ScheduledGame> games;
    if (!cyclesInRange(playerCount, cycles))
        return games;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (int i = 1; i <= playerCount; ++i) {
            for (int j = i + 1; j <= playerCount; ++j)
                games.push_back(
                    *scheduledGame(playerCount, cycles, reverseLastRounds, cycle, i, j));
        }
    }
    sortByBoards(games);
    return games;
}

std::optional<ScheduledGame> scheduledGame(int playerCount, int cycles, bool reverseLastRounds,
                                           int cycle, int a, int b)
{
    if (!cyclesInRange(playerCount, cycles) || cycle < 1 || cycle > cycles || a == b ||
        std::min(a, b) < 1 || std::max(a, b) > playerCount)
        return std::nullopt;
    const int rounds = roundCount(playerCount);
    ScheduledGame g = tableGame(playerCount, a, b);
    g.round =
        (cycle - 1) * rounds + placeInCycle(rounds, cycles, reverseLastRounds, cycle, g.round);
    if (cycle % 2 == 0)
        std::swap(g.firstNamed, g.secondNamed);
    return g;
}

int tableRound(int playerCount, int cycles, bool reverseLastRounds, int round)
{
    if (!cyclesInRange(playerCount, cycles))
        return 0;
    const int rounds = roundCount(playerCount);
    if (round < 1 || round > cycles * rounds)
        return 0;
    const int cycle = (round - 1) / rounds + 1;
    return placeInCycle(rounds, cycles, reverseLastRounds, cycle, (round - 1) % rounds + 1);
}

} // namespace krugovik
