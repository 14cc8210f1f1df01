#include "export/round_protocol.h"

#include <algorithm>

#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
#include "rounds/berger_schedule.h"
#include "rounds/sitting_out.h"

namespace krugovik {
namespace {

// The result from White's side, as the arbiter writes it.
std::string resultText(GameState white)
{
    switch (white) {
    case GameState::Win:
        return "1 – 0";
    case GameState::Loss:
        return "0 – 1";
    case GameState::Draw:
        return "½ – ½";
    case GameState::ForfeitWin:
        return "+ – −";
    case GameState::ForfeitLoss:
        return "− – +";
    case GameState::None:
        break;
    }
    return {};
}

int playerCountOf(const TournamentSnapshot &snapshot)
{
    return std::min(int(snapshot.players.size()), kMaxTablePlayers);
}

int cyclesOf(const TournamentSnapshot &snapshot)
{
    return std::clamp(snapshot.cycles, 1, kMaxCycles);
}

} // namespace

std::string roundName(const TournamentSnapshot &snapshot, int round)
{
    const int perCycle = roundCount(playerCountOf(snapshot));
    std::string name = "Тур " + std::to_string(round);
    if (cyclesOf(snapshot) > 1 && perCycle > 0 && round > 0) {
        name += " (" + std::to_string((round - 1) / perCycle + 1) + "-й цикл, тур " +
                std::to_string((round - 1) % perCycle + 1) + ')';
    }
    return name;
}

Sheet roundProtocolSheet(const TournamentSnapshot &snapshot, int round)
{
    const int n = playerCountOf(snapshot);
    const int cycles = cyclesOf(snapshot);
    const int perCycle = roundCount(n);
    Sheet sheet;
    sheet.title = sheetTitle(snapshot);
    // «Протокол тура № 6 (2-й цикл, тур 1)»
    sheet.subtitle = round > 0 ? "Протокол тура № " +
                                     roundName(snapshot, round).substr(std::string("Тур ").size())
                               : "Протокол тура";
    const std::vector<std::string> event = sheetHeading(snapshot);
    // The event's place and dates, without the printing day: the round has its own.
    if (!event.empty() && event.front().rfind("По состоянию", 0) != 0)
        sheet.heading.push_back(event.front());
    const std::vector<std::string> &dates = snapshot.event.roundDates;
    if (round >= 1 && std::size_t(round) <= dates.size() && !dates[std::size_t(round - 1)].empty())
        sheet.heading.push_back("Дата тура: " + sheetDate(dates[std::size_t(round - 1)]));
    sheet.columns = {{"Доска", SheetAlign::Centre},
                     {"Белые", SheetAlign::Left},
                     {"Чёрные", SheetAlign::Left},
                     {"Результат", SheetAlign::Centre}};
    // Names across the page and rows tall enough to write a result in by hand.
    sheet.columns[1].stretch = true;
    sheet.columns[2].stretch = true;
    sheet.columns[3].stretch = true;
    sheet.largestPoints = 14;
    sheet.rowFactor = 2.2;
    const int cycle = perCycle > 0 && round > 0 ? (round - 1) / perCycle + 1 : 0;
    int board = 0;
    for (const ScheduledGame &game : bergerSchedule(n, cycles, snapshot.reverseLastRounds)) {
        if (game.round != round)
            continue;
        sheet.rows.push_back(
            {std::to_string(++board), snapshot.players[std::size_t(game.firstNamed - 1)].name,
             snapshot.players[std::size_t(game.secondNamed - 1)].name,
             resultText(countedState(snapshot, cycle, game.firstNamed, game.secondNamed))});
    }
    if (board > 0) {
        const int free = sittingOut(n, tableRound(n, cycles, snapshot.reverseLastRounds, round));
        if (free > 0)
            sheet.footer.push_back("Отдыхает: " + snapshot.players[std::size_t(free - 1)].name);
    }
    sheet.signatures.push_back("Главный судья\t" + snapshot.event.chiefArbiter);
    return sheet;
}

} // namespace krugovik
