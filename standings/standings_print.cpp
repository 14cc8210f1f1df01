#include "standings/standings_print.h"

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

    // The figures of places and the new ratings as every other view of the standings has them.
    for (const StandingLine &line : finalStandings(snapshot)) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(line.player - 1)];
        std::vector<std::string> row = {line.place, std::to_string(line.player), line.name,
                                        player.ratingCell, line.points};
        row.insert(row.end(), line.tieBreaks.begin(), line.tieBreaks.end());
        row.resize(sheet.columns.size() - 2);
        row.push_back(line.newRating);
        row.push_back(line.change);
        sheet.rows.push_back(std::move(row));
    }
    std::string order;
    for (const TieBreak &tb : rules)
        order += (order.empty() ? "" : ", ") + printedTieBreakTitle(tb);
    sheet.footer.push_back(
        filled(translated("Sheets", "Места по очкам, затем: %1.", "%1: the tie-breaks in order"),
               {order}));
    if (std::string note = directEncounterNote(rules); !note.empty())
        sheet.footer.push_back(std::move(note));
    sheet.signatures.push_back(translated("Sheets", "Главный судья", "who signs the sheet") + '\t' +
                               snapshot.event.chiefArbiter);
    return sheet;
}

} // namespace krugovik
