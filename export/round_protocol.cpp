#include "export/round_protocol.h"

#include <algorithm>
#include <utility>

#include "common/texts.h"
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

// The round's cycle and its number within the cycle, {0, 0} for an event of one cycle.
std::pair<int, int> cycleAndRound(const TournamentSnapshot &snapshot, int round)
{
    const int perCycle = roundCount(playerCountOf(snapshot));
    if (cyclesOf(snapshot) > 1 && perCycle > 0 && round > 0)
        return {(round - 1) / perCycle + 1, (round - 1) % perCycle + 1};
    return {0, 0};
}

} // namespace

std::string roundName(const TournamentSnapshot &snapshot, int round)
{
    const auto [cycle, inCycle] = cycleAndRound(snapshot, round);
    if (cycle == 0)
        return filled(translated("Sheets", "Тур %1"), {std::to_string(round)});
    return filled(
        translated("Sheets", "Тур %1 (%2-й цикл, тур %3)",
                   "%1: the round through all cycles; %2: the cycle; %3: the round in it"),
        {std::to_string(round), std::to_string(cycle), std::to_string(inCycle)});
}

Sheet roundProtocolSheet(const TournamentSnapshot &snapshot, int round)
{
    const int n = playerCountOf(snapshot);
    const int cycles = cyclesOf(snapshot);
    const int perCycle = roundCount(n);
    Sheet sheet;
    sheet.title = sheetTitle(snapshot);
    // «Протокол тура № 6 (2-й цикл, тур 1)»
    if (round <= 0) {
        sheet.subtitle = translated("Sheets", "Протокол тура");
    } else if (const auto [cycle, inCycle] = cycleAndRound(snapshot, round); cycle == 0) {
        sheet.subtitle =
            filled(translated("Sheets", "Протокол тура № %1"), {std::to_string(round)});
    } else {
        sheet.subtitle = filled(
            translated("Sheets", "Протокол тура № %1 (%2-й цикл, тур %3)",
                       "%1: the round through all cycles; %2: the cycle; %3: the round in it"),
            {std::to_string(round), std::to_string(cycle), std::to_string(inCycle)});
    }
    // The event's place and dates, then the round's day, or the day it was printed where
    // the round has none: a protocol always carries a date.
    if (std::string where = sheetPlaceAndDates(snapshot); !where.empty())
        sheet.heading.push_back(std::move(where));
    const std::vector<std::string> &dates = snapshot.event.roundDates;
    if (round >= 1 && std::size_t(round) <= dates.size() && !dates[std::size_t(round - 1)].empty())
        sheet.heading.push_back(filled(translated("Sheets", "Дата тура: %1"),
                                       {sheetDate(dates[std::size_t(round - 1)])}));
    else if (std::string printed = printingDayLine(snapshot); !printed.empty())
        sheet.heading.push_back(std::move(printed));
    sheet.columns = {{translated("Sheets", "Доска"), SheetAlign::Centre},
                     {translated("Sheets", "Белые"), SheetAlign::Left},
                     {translated("Sheets", "Чёрные"), SheetAlign::Left},
                     {translated("Sheets", "Результат"), SheetAlign::Centre}};
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
            sheet.footer.push_back(filled(translated("Sheets", "Отдыхает: %1", "who has the bye"),
                                          {snapshot.players[std::size_t(free - 1)].name}));
    }
    sheet.signatures.push_back(translated("Sheets", "Главный судья", "who signs the sheet") + '\t' +
                               snapshot.event.chiefArbiter);
    return sheet;
}

} // namespace krugovik
