#include "export/crosstable_print.h"

#include <algorithm>

#include "common/texts.h"
#include "export/final_standings.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"

namespace krugovik {
namespace {

std::string gameText(GameState state)
{
    switch (state) {
    case GameState::Win:
        return "1";
    case GameState::Loss:
        return "0";
    case GameState::Draw:
        return "½";
    case GameState::ForfeitWin:
        return "+";
    case GameState::ForfeitLoss:
        return "−";
    case GameState::None:
        break;
    }
    return {};
}

} // namespace

Sheet crosstableSheet(const TournamentSnapshot &snapshot)
{
    const int n = std::min(int(snapshot.players.size()), kMaxTablePlayers);
    const int cycles = std::clamp(snapshot.cycles, 1, kMaxCycles);
    const std::vector<TieBreak> rules = placeRules(snapshot);
    Sheet sheet;
    sheet.title = sheetTitle(snapshot);
    sheet.subtitle = translated("Sheets", "Турнирная таблица");
    sheet.heading = sheetHeading(snapshot);
    sheet.largestPoints = 12;

    sheet.columns.push_back({translated("Sheets", "№"), SheetAlign::Right, true});
    sheet.columns.push_back({translated("Sheets", "Участник"), SheetAlign::Left, true});
    sheet.columns.push_back({translated("Sheets", "Рейтинг"), SheetAlign::Right});
    const std::size_t firstGame = sheet.columns.size();
    for (int c = 1; c <= cycles; ++c) {
        for (int j = 1; j <= n; ++j)
            sheet.columns.push_back({std::to_string(j), SheetAlign::Centre, false, j == 1, true});
        if (cycles > 1)
            sheet.groups.push_back(
                {firstGame + std::size_t((c - 1) * n), std::size_t(n),
                 filled(translated("Sheets", "%1-й цикл", "a caption over the cycle's columns"),
                        {std::to_string(c)})});
    }
    // Points and place stand on every page when the cycles need several side by side.
    sheet.columns.push_back({translated("Sheets", "Очки"), SheetAlign::Centre, true, true});
    for (const TieBreak &tb : rules)
        sheet.columns.push_back({shownCode(tb), SheetAlign::Centre});
    sheet.columns.push_back({translated("Sheets", "Место"), SheetAlign::Centre, true});

    std::vector<const SheetStanding *> byPlayer(std::size_t(n) + 1, nullptr);
    const std::vector<SheetStanding> standings = sheetStandings(snapshot);
    for (const SheetStanding &s : standings)
        byPlayer[std::size_t(s.player)] = &s;
    for (int i = 1; i <= n; ++i) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(i - 1)];
        const SheetStanding *standing = byPlayer[std::size_t(i)];
        std::vector<std::string> row = {std::to_string(i),
                                        standing && standing->withdrawn ? withdrawnName(player.name)
                                                                        : player.name,
                                        player.ratingCell};
        for (int c = 1; c <= cycles; ++c) {
            for (int j = 1; j <= n; ++j) {
                if (j == i) {
                    sheet.shaded.push_back({std::size_t(i - 1), row.size()});
                    row.push_back("×");
                } else {
                    row.push_back(gameText(countedState(snapshot, c, i, j)));
                }
            }
        }
        row.push_back(standing ? standing->points : std::string());
        for (std::size_t k = 0; k < rules.size(); ++k)
            row.push_back(standing && k < standing->tieBreaks.size() ? standing->tieBreaks[k]
                                                                     : std::string());
        row.push_back(standing ? standing->place : std::string());
        sheet.rows.push_back(std::move(row));
    }
    sheet.footer.push_back(
        filled(translated("Sheets", "Места по очкам, затем: %1.", "%1: the tie-breaks in order"),
               {tieBreakLegend(rules)}));
    if (std::string note = directEncounterNote(rules); !note.empty())
        sheet.footer.push_back(std::move(note));
    sheet.footer.push_back(translated("Sheets", "½ — ничья; + и − — победа и поражение без игры."));
    return sheet;
}

} // namespace krugovik
