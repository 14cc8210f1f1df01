// The final standings of 22 players under each order of places, beside the default order
// in the same run: an ordinary finish and one where everybody ties.
#include <benchmark/benchmark.h>

#include "export/final_standings.h"

namespace {

using krugovik::GameState;
using krugovik::TieBreakKind;

enum Finish { Ordinary, AllTied };
enum Order { Default, Fide, Every };

// 22 players. Ordinary: the lower number wins, every fifth pair draws. All tied: each
// beats the ten after him round the circle and draws the one opposite, so all have 10.5
// points, 10 wins and the same Berger coefficient.
krugovik::TournamentSnapshot tournament22(Finish finish, Order order)
{
    krugovik::TournamentSnapshot snapshot;
    snapshot.name = "Б22";
    snapshot.date = "07.12.2026";
    const int n = 22;
    for (int i = 1; i <= n; ++i)
        snapshot.players.push_back(
            {"Участник " + std::to_string(i), std::to_string(2100 - 35 * i), i % 7 == 0, 0, {}});
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            GameState state = (i + j) % 5 == 0 ? GameState::Draw : GameState::Win;
            if (finish == AllTied) {
                const int ahead = j - i;
                state = ahead == 11  ? GameState::Draw
                        : ahead < 11 ? GameState::Win
                                     : GameState::Loss;
            }
            krugovik::recordGame(snapshot.games, i, j, state, 2100 - 35 * j, 2100 - 35 * i);
        }
    }
    if (order == Fide)
        snapshot.tieBreaks = krugovik::fideRoundRobinTieBreaks();
    if (order == Every)
        snapshot.tieBreaks = {{TieBreakKind::DirectEncounter},
                              {TieBreakKind::Wins},
                              {TieBreakKind::WinsOverBoard},
                              {TieBreakKind::BlackGames},
                              {TieBreakKind::BlackWins},
                              {TieBreakKind::SonnebornBerger},
                              {TieBreakKind::Koya},
                              {TieBreakKind::Koya, 40},
                              {TieBreakKind::Koya, 50, -1},
                              {TieBreakKind::AverageOpponentRating},
                              {TieBreakKind::PerformanceRating}};
    return snapshot;
}

void Standings22(benchmark::State &state)
{
    const auto snapshot = tournament22(Finish(state.range(0)), Order(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(krugovik::finalStandings(snapshot));
}

} // namespace

// Arguments: finish (0 ordinary, 1 all tied), order (0 default, 1 FIDE, 2 every tie-break).
BENCHMARK(Standings22)
    ->ArgNames({"finish", "order"})
    ->ArgsProduct({{Ordinary, AllTied}, {Default, Fide, Every}})
    ->Unit(benchmark::kMicrosecond);
