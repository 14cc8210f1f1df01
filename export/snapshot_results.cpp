#include "export/snapshot_results.h"

#include <algorithm>
#include <memory>

#include "rating/rating_calc.h"
#include "rounds/berger_schedule.h"

namespace krugovik {
namespace {

int playerCountOf(const TournamentSnapshot &snapshot)
{
    return std::min(int(snapshot.players.size()), kMaxTablePlayers);
}

int cycleCountOf(const TournamentSnapshot &snapshot)
{
    return std::clamp(snapshot.cycles, 1, kMaxCycles);
}

} // namespace

const GameRecords &cycleGames(const TournamentSnapshot &snapshot, int cycle)
{
    // Made at run time: a constant of this size crashes clang 14's constant evaluator.
    static const std::unique_ptr<const GameRecords> kNone = std::make_unique<GameRecords>();
    if (cycle == 1)
        return snapshot.games;
    const std::size_t later = std::size_t(cycle - 2);
    return cycle > 1 && later < snapshot.laterCycles.size() ? snapshot.laterCycles[later] : *kNone;
}

GameState countedState(const TournamentSnapshot &snapshot, int cycle, int i, int j)
{
    const GameState stored = cycleGames(snapshot, cycle).state(i, j);
    const int n = playerCountOf(snapshot);
    const auto game =
        scheduledGame(n, cycleCountOf(snapshot), snapshot.reverseLastRounds, cycle, i, j);
    // A game played over the board keeps its result, one without a result stays so, and
    // one lost by both counts for neither, whoever left.
    if (!game || isRated(stored) || stored == GameState::None)
        return stored;
    if (stored == GameState::ForfeitLoss &&
        cycleGames(snapshot, cycle).state(j, i) == GameState::ForfeitLoss)
        return stored;
    auto left = [&](int p) {
        const int after = snapshot.players[std::size_t(p - 1)].withdrawnAfter;
        return after > 0 && game->round > after;
    };
    if (left(i))
        return GameState::ForfeitLoss;
    if (left(j))
        return GameState::ForfeitWin;
    return stored;
}

std::vector<TieBreak> placeRules(const TournamentSnapshot &snapshot)
{
    const std::vector<TieBreak> rules = withoutChangeRecords(snapshot.tieBreaks);
    return rules.empty() ? classicTieBreaks() : rules;
}

int lastRoundPlayed(const TournamentSnapshot &snapshot)
{
    const int n = playerCountOf(snapshot);
    const int cycles = cycleCountOf(snapshot);
    int last = 0;
    for (int c = 1; c <= cycles; ++c) {
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const auto game = scheduledGame(n, cycles, snapshot.reverseLastRounds, c, i, j);
                if (game && cycleGames(snapshot, c).state(i, j) != GameState::None)
                    last = std::max(last, game->round);
            }
        }
    }
    return last;
}

RoundRobinResults roundRobinResults(const TournamentSnapshot &snapshot)
{
    RoundRobinResults results;
    const int n = playerCountOf(snapshot);
    results.playerCount = n;
    results.cycleCount = cycleCountOf(snapshot);
    for (int p = 1; p <= n; ++p) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(p - 1)];
        results.rating[std::size_t(p)] =
            int(std::max<std::int64_t>(0, readRating(player.ratingCell)));
        results.unrated[std::size_t(p)] = player.estimate || results.rating[std::size_t(p)] == 0;
        results.withdrawnAfter[std::size_t(p)] = std::max(0, player.withdrawnAfter);
    }
    for (int c = 1; c <= results.cycleCount; ++c) {
        const GameRecords &games = cycleGames(snapshot, c);
        auto &state = results.games[std::size_t(c - 1)];
        auto &white = results.white[std::size_t(c - 1)];
        auto &round = results.round[std::size_t(c - 1)];
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                state[std::size_t(i)][std::size_t(j)] = games.state(i, j);
                // A table too small for a schedule still has its results.
                if (const auto game =
                        scheduledGame(n, results.cycleCount, snapshot.reverseLastRounds, c, i, j)) {
                    white[std::size_t(i)][std::size_t(j)] = game->firstNamed;
                    round[std::size_t(i)][std::size_t(j)] = game->round;
                }
            }
        }
    }
    return results;
}

} // namespace krugovik
