#include "export/csv_export.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string_view>

#include "common/texts.h"
#include "export/event_lines.h"
#include "export/final_standings.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
#include "rating/game_notation.h"

namespace krugovik {
namespace {

constexpr char kSeparator = ';';
constexpr const char *kLineEnd = "\r\n";
constexpr const char *kByteOrderMark = "\xEF\xBB\xBF";

// A number as the table writes one: a sign, digits, perhaps a decimal comma (a point in
// English) and more digits.
bool isNumber(const std::string &text)
{
    std::size_t k = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    const std::size_t digits = k;
    while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])))
        ++k;
    if (k == digits)
        return false;
    if (k < text.size() && (text[k] == ',' || text[k] == '.')) {
        const std::size_t fraction = ++k;
        while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])))
            ++k;
        if (k == fraction)
            return false;
    }
    return k == text.size();
}

// Text that a spreadsheet would take for a formula is marked as text with an apostrophe.
// A field holding the separator, a quote or a line break is quoted, its quotes doubled.
std::string field(const std::string &text)
{
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    const bool asIs = text == "+" || text == "-" || isNumber(text);
    const std::string marked = formula && !asIs ? '\'' + text : text;
    if (marked.find_first_of(";\"\r\n") == std::string::npos)
        return marked;
    std::string quoted = "\"";
    for (const char c : marked) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// A game as spreadsheets read it: the draw with a decimal comma.
std::string gameField(GameState state)
{
    return state == GameState::Draw ? commaNumber(kHalf) : std::string(cellText(state));
}

} // namespace

std::string exportCsv(const TournamentSnapshot &snapshot)
{
    const std::size_t n = snapshot.players.size();
    const int cycles = std::clamp(snapshot.cycles, 1, kMaxCycles);
    std::string out = kByteOrderMark;
    // The event's details first, a line each, and an empty line before the table.
    if (!snapshot.event.empty()) {
        out += field(translated("EventLines", "Турнир", "the event's title")) + kSeparator +
               field(sheetTitle(snapshot)) + kLineEnd;
        for (const EventLine &line : eventLines(snapshot.event))
            out += field(line.label) + kSeparator + field(line.value) + kLineEnd;
        out += kLineEnd;
    }
    const std::string titles[] = {
        translated("Sheets", "Место"),         translated("Sheets", "№"),
        translated("Sheets", "Участник"),      translated("Sheets", "Рейтинг"),
        translated("Sheets", "Новый рейтинг"), translated("Sheets", "Изменение"),
        translated("Sheets", "Очки")};
    for (const std::string &title : titles)
        out += (&title == titles ? "" : std::string(1, kSeparator)) + field(title);
    for (const std::string &title : tieBreakTitles(snapshot))
        out += kSeparator + field(title);
    for (int c = 1; c <= cycles; ++c) {
        // Later cycles' columns are told apart by the cycle: "3 (2)".
        const std::string cycle = c == 1 ? "" : " (" + std::to_string(c) + ')';
        for (std::size_t j = 1; j <= n; ++j)
            out += kSeparator + std::to_string(j) + cycle;
    }
    out += kLineEnd;
    for (const StandingLine &line : finalStandings(snapshot)) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(line.player - 1)];
        std::vector<std::string> fields = {line.place,     std::to_string(line.player),
                                           line.name,      player.ratingCell,
                                           line.newRating, line.change,
                                           line.points};
        fields.insert(fields.end(), line.tieBreaks.begin(), line.tieBreaks.end());
        bool first = true;
        for (const std::string &text : fields) {
            if (!first)
                out += kSeparator;
            out += field(text);
            first = false;
        }
        for (int c = 1; c <= cycles; ++c) {
            for (int j = 1; j <= int(n); ++j) {
                out += kSeparator;
                out +=
                    j == line.player ? "X" : gameField(countedState(snapshot, c, line.player, j));
            }
        }
        out += kLineEnd;
    }
    if (const std::string rules = placeRulesLine(snapshot); !rules.empty())
        out += field(rules) + kLineEnd;
    if (const std::string note = directEncounterNote(placeRules(snapshot)); !note.empty())
        out += field(note) + kLineEnd;
    return out;
}

} // namespace krugovik
