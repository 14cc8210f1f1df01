#include "export/fide_snapshot.h"

#include <algorithm>
#include <cctype>

namespace krugovik {
namespace {

// The four digits of a year at `at` in text, or 0.
int yearAt(const std::string &text, std::size_t at)
{
    if (text.size() < at + 4)
        return 0;
    int year = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return 0;
        year = year * 10 + (text[i] - '0');
    }
    return year;
}

FideGameKind kindOf(GameState state)
{
    switch (state) {
    case GameState::Win:
    case GameState::Loss:
    case GameState::Draw:
        return FideGameKind::OverTheBoard;
    case GameState::ForfeitWin:
    case GameState::ForfeitLoss:
        return FideGameKind::Forfeit;
    case GameState::None:
        break;
    }
    return FideGameKind::Pending;
}

} // namespace

int eventYear(const TournamentSnapshot &snapshot)
{
    // "YYYY-MM-DD" for the event's days, "DD.MM.YYYY" for the snapshot's.
    if (const int year = yearAt(snapshot.event.startDate, 0))
        return year;
    if (const int year = yearAt(snapshot.event.endDate, 0))
        return year;
    return yearAt(snapshot.date, 6);
}

FideEvent fideEventOf(const TournamentSnapshot &snapshot)
{
    FideEvent event;
    event.year = eventYear(snapshot);
    const int n = std::min(int(snapshot.players.size()), kMaxTablePlayers);
    for (int i = 0; i < n; ++i) {
        const SnapshotPlayer &row = snapshot.players[std::size_t(i)];
        FidePlayer player;
        player.name = row.name;
        player.rating = row.identity.fideRating;
        player.title = row.identity.title;
        player.federation = row.identity.federation;
        player.sex = row.identity.sex;
        player.birthYear = row.identity.birthYear;
        player.listK = row.identity.listK;
        event.players.push_back(std::move(player));
    }
    std::vector<const GameRecords *> cycles = {&snapshot.games};
    for (const GameRecords &later : snapshot.laterCycles)
        cycles.push_back(&later);
    for (const GameRecords *records : cycles) {
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const GameState state = records->state(i, j);
                FideGame game{i - 1, j - 1, kindOf(state), 0};
                if (game.kind == FideGameKind::OverTheBoard)
                    game.firstHalfPoints = state == GameState::Win    ? 2
                                           : state == GameState::Draw ? 1
                                                                      : 0;
                event.games.push_back(game);
            }
        }
    }
    return event;
}

} // namespace krugovik
