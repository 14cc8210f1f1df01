#include "standings/standings_print.h"

#include <algorithm>

#include "export/final_standings.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"

namespace krugovik {

Sheet standingsSheet(const TournamentSnapshot &snapshot)
{
    const std::vector<TieBreak> rules = placeRules(snapshot);
    Sheet sheet;
    sheet.title = sheetTitle(snapshot);
    sheet.subtitle = "Итоговая таблица";
    sheet.heading = sheetHeading(snapshot);
    sheet.largestPoints = 12;
    sheet.columns = {{"Место", SheetAlign::Centre},
                     {"№", SheetAlign::Right},
                     {"Участник", SheetAlign::Left, true, false, false, true},
                     {"Рейтинг", SheetAlign::Right},
                     {"Очки", SheetAlign::Centre, false, true}};
    for (const TieBreak &tb : rules)
        sheet.columns.push_back({printedTieBreakTitle(tb), SheetAlign::Centre});
    sheet.columns.push_back({"Новый рейтинг", SheetAlign::Right, false, true});
    sheet.columns.push_back({"Изменение", SheetAlign::Right});

    // New ratings as the new-rating command computes them; the figures of places from the
    // standings engine.
    const std::vector<StandingLine> lines = finalStandings(snapshot);
    for (const SheetStanding &standing : sheetStandings(snapshot)) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(standing.player - 1)];
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const StandingLine &l) {
            return l.player == standing.player;
        });
        std::vector<std::string> row = {standing.place, std::to_string(standing.player),
                                        player.name + (standing.withdrawn ? " (выбыл)" : ""),
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
    sheet.footer.push_back("Места по очкам, затем: " + order + '.');
    sheet.signatures.push_back("Главный судья\t" + snapshot.event.chiefArbiter);
    return sheet;
}

} // namespace krugovik
