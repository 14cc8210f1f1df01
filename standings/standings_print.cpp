#include "standings/standings_print.h"

#include <algorithm>

#include "common/texts.h"
#include "export/final_standings.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"

namespace krugovik {

Sheet standingsSheet(const TournamentSnapshot &snapshot)
{
    const std::vector<TieBreak> rules = placeRules(snapshot);
    Sheet sheet;
    sheet.title = sheetTitle(snapshot);
    sheet.subtitle = translated("Sheets", "Итоговая таблица");
    sheet.heading = sheetHeading(snapshot);
    sheet.largestPoints = 12;
    sheet.columns = {{translated("Sheets", "Место"), SheetAlign::Centre},
                     {translated("Sheets", "№"), SheetAlign::Right},
                     {translated("Sheets", "Участник"), SheetAlign::Left, true, false, false, true},
                     {translated("Sheets", "Рейтинг"), SheetAlign::Right},
                     {translated("Sheets", "Очки"), SheetAlign::Centre, false, true}};
    for (const TieBreak &tb : rules)
        sheet.columns.push_back({printedTieBreakTitle(tb), SheetAlign::Centre});
    sheet.columns.push_back(
        {translated("Sheets", "Новый рейтинг"), SheetAlign::Right, false, true});
    sheet.columns.push_back({translated("Sheets", "Изменение"), SheetAlign::Right});

    // New ratings as the new-rating command computes them; the figures of places from the
    // standings engine.
    const std::vector<StandingLine> lines = finalStandings(snapshot);
    for (const SheetStanding &standing : sheetStandings(snapshot)) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(standing.player - 1)];
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const StandingLine &l) {
            return l.player == standing.player;
        });
        std::vector<std::string> row = {standing.place, std::to_string(standing.player),
                                        standing.withdrawn ? withdrawnName(player.name)
                                                           : player.name,
                                        player.ratingCell, standing.points};
        row.insert(row.end(), standing.tieBreaks.begin(), standing.tieBreaks.end());
        row.resize(sheet.columns.size() - 2);
        row.push_back(line != lines.end() ? line->newRating : std::string());
        row.push_back(line != lines.end() ? line->change : std::string());
        sheet.rows.push_back(std::move(row));
    }
    std::string order;
    for (const TieBreak &tb : rules)
        order += (order.empty() ? "" : ", ") + printedTieBreakTitle(tb);
    sheet.footer.push_back(
        filled(translated("Sheets", "Места по очкам, затем: %1.", "%1: the tie-breaks in order"),
               {order}));
    sheet.signatures.push_back(translated("Sheets", "Главный судья", "who signs the sheet") + '\t' +
                               snapshot.event.chiefArbiter);
    return sheet;
}

} // namespace krugovik
