#pragma once

// Snapshots of whole events for the sheets' tests: any count, any number of cycles, either
// rule set, with or without the event's details.

#include <string>
#include <vector>

#include "export/tournament_snapshot.h"
#include "rating/game_records.h"
#include "standings/tie_breaks.h"

namespace sheet_fixture {

// Every game decided by (i·7 + j·3 + cycle) mod 5: the lower number wins (0, 4), loses
// (1), draws (2) or has no result yet (3); the pair 1-2 of the first cycle is a forfeit
// won by 2.
inline krugovik::TournamentSnapshot event(const std::vector<std::string> &names, int cycles,
                                          bool fide, bool details)
{
    using krugovik::GameState;
    krugovik::TournamentSnapshot s;
    s.name = "KUBOK";
    s.date = "08.12.2026";
    const int n = int(names.size());
    for (int i = 1; i <= n; ++i)
        s.players.push_back(
            {names[std::size_t(i - 1)], std::to_string(1300 + 37 * i), i == 3, 0, {}});
    s.cycles = cycles;
    s.reverseLastRounds = cycles > 1;
    s.laterCycles.resize(std::size_t(cycles - 1));
    if (fide)
        s.tieBreaks = krugovik::fideRoundRobinTieBreaks();
    for (int c = 1; c <= cycles; ++c) {
        krugovik::GameRecords &games = c == 1 ? s.games : s.laterCycles[std::size_t(c - 2)];
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const int k = (i * 7 + j * 3 + c) % 5;
                GameState state = k == 1   ? GameState::Loss
                                  : k == 2 ? GameState::Draw
                                  : k == 3 ? GameState::None
                                           : GameState::Win;
                if (c == 1 && i == 1 && j == 2)
                    state = GameState::ForfeitLoss;
                if (state != GameState::None)
                    krugovik::recordGame(games, i, j, state, 1300 + 37 * j, 1300 + 37 * i);
            }
        }
    }
    if (details) {
        s.event.title = "Первенство района среди юношей";
        s.event.place = "Тверь";
        s.event.startDate = "2026-12-01";
        s.event.endDate = "2026-12-09";
        s.event.chiefArbiter = "Кузнецов Пётр";
        for (int r = 1; r <= 44; ++r)
            s.event.roundDates.push_back("2026-12-" + std::string(r < 9 ? "0" : "") +
                                         std::to_string(std::min(r + 1, 28)));
    }
    return s;
}

} // namespace sheet_fixture
