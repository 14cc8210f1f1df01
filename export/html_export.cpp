#include "export/html_export.h"

#include <algorithm>
#include <cstddef>

#include "common/texts.h"
#include "export/event_lines.h"
#include "export/final_standings.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
#include "rating/game_notation.h"

namespace krugovik {
namespace {

// Light yellow as the crosstable marks an estimate, grey as its diagonal.
constexpr const char *kStyle =
    R"(body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 1.5em; color: #000; background: #fff; }
h1 { font-size: 1.6em; margin: 0 0 0.2em 0; }
h2 { font-size: 1.2em; margin: 1.4em 0 0.4em 0; }
p.date { margin: 0; color: #444; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.15em 0.45em; }
th { background: #eee; font-weight: bold; }
td.n { text-align: right; }
td.g { text-align: center; min-width: 1.3em; }
td.self { background: #808080; }
td.est { background: #ffffc0; }
)";

std::string cell(const std::string &text, const std::string &cls = {})
{
    const std::string open = cls.empty() ? "<td>" : "<td class=\"" + cls + "\">";
    return open + htmlEscaped(text) + "</td>";
}

std::string header(const std::string &text)
{
    return "<th>" + htmlEscaped(text) + "</th>";
}

std::string gameText(GameState state)
{
    return state == GameState::Draw ? "½" : std::string(cellText(state));
}

} // namespace

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string exportHtml(const TournamentSnapshot &snapshot)
{
    const std::vector<StandingLine> lines = finalStandings(snapshot);
    const std::size_t n = snapshot.players.size();
    const int cycles = std::clamp(snapshot.cycles, 1, kMaxCycles);
    std::vector<const StandingLine *> byPlayer(n + 1, nullptr);
    for (const StandingLine &line : lines)
        byPlayer[std::size_t(line.player)] = &line;
    auto playerOf = [&](const StandingLine &line) -> const SnapshotPlayer & {
        return snapshot.players[std::size_t(line.player - 1)];
    };
    auto ratingClass = [](const SnapshotPlayer &player) {
        return std::string(player.estimate ? "n est" : "n");
    };
    // One cell holds the pair's games of every cycle: "1 ½".
    auto games = [&](std::size_t i, std::size_t j) {
        std::string text;
        for (int c = 1; c <= cycles; ++c) {
            if (c > 1)
                text += ' ';
            text += gameText(countedState(snapshot, c, int(i), int(j)));
        }
        return text;
    };

    // The page speaks the language of the program that wrote it.
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + htmlEscaped(programLanguageCode()) +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n";
    const std::string title = sheetTitle(snapshot);
    out += "<title>" + htmlEscaped(title) + "</title>\n";
    out += "<style>\n" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
    out += "<h1>" + htmlEscaped(title) + "</h1>\n";
    if (const std::vector<EventLine> details = eventLines(snapshot.event); !details.empty()) {
        out += "<p class=\"event\">";
        for (std::size_t k = 0; k < details.size(); ++k)
            out += (k == 0 ? "" : "<br>\n") + htmlEscaped(details[k].label) + ": " +
                   htmlEscaped(details[k].value);
        out += "</p>\n";
    }
    out += "<p class=\"date\">" + htmlEscaped(snapshot.date) + "</p>\n";

    out += "<h2>" + htmlEscaped(translated("Sheets", "Итоговая таблица")) +
           "</h2>\n<table>\n<thead>\n<tr>";
    for (const std::string &title : standingTitles(snapshot))
        out += header(title);
    out += "</tr>\n</thead>\n<tbody>\n";
    for (const StandingLine &line : lines) {
        const SnapshotPlayer &player = playerOf(line);
        out += "<tr>" + cell(line.place, "n") + cell(std::to_string(line.player), "n") +
               cell(line.name) + cell(player.ratingCell, ratingClass(player)) +
               cell(line.points, "n");
        for (const std::string &value : line.tieBreaks)
            out += cell(value, "n");
        out += cell(line.newRating, "n") + cell(line.change, "n") + "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
    if (const std::string rules = placeRulesLine(snapshot); !rules.empty())
        out += "<p class=\"rules\">" + htmlEscaped(rules) + "</p>\n";
    if (const std::string note = directEncounterNote(placeRules(snapshot)); !note.empty())
        out += "<p class=\"rules\">" + htmlEscaped(note) + "</p>\n";

    out += "<h2>" + htmlEscaped(translated("Sheets", "Турнирная таблица")) +
           "</h2>\n<table>\n<thead>\n<tr>";
    out += header(translated("Sheets", "№")) + header(translated("Sheets", "Участник")) +
           header(translated("Sheets", "Рейтинг"));
    for (std::size_t j = 1; j <= n; ++j)
        out += header(std::to_string(j));
    out += header(translated("Sheets", "Очки")) + header(translated("Sheets", "Место")) +
           "</tr>\n</thead>\n<tbody>\n";
    for (std::size_t i = 1; i <= n; ++i) {
        const StandingLine &line = *byPlayer[i];
        const SnapshotPlayer &player = playerOf(line);
        out += "<tr>" + cell(std::to_string(i), "n") + cell(line.name) +
               cell(player.ratingCell, ratingClass(player));
        for (std::size_t j = 1; j <= n; ++j) {
            if (j == i)
                out += cell("", "g self");
            else
                out += cell(games(i, j), "g");
        }
        out += cell(line.points, "n") + cell(line.place, "n") + "</tr>\n";
    }
    out += "</tbody>\n</table>\n</body>\n</html>\n";
    return out;
}

} // namespace krugovik
