#include "export/trf_export.h"

#include <algorithm>
#include <cstddef>

#include "common/number_text.h"
#include "export/latin_text.h"
#include "export/snapshot_results.h"
#include "export/trf_program_records.h"
#include "rating/rating_calc.h"
#include "rounds/berger_schedule.h"
#include "table/event_details_file.h"

namespace krugovik {
namespace {

constexpr const char *kLineEnd = "\r\n";

// Columns of the 001 line, counted from 1 as the format describes them.
constexpr std::size_t kRankColumn = 5, kRankWidth = 4;
constexpr std::size_t kNameColumn = 15, kNameWidth = 33;
constexpr std::size_t kSexColumn = 10;
constexpr std::size_t kTitleColumn = 11, kTitleWidth = 3;
constexpr std::size_t kRatingColumn = 49, kRatingWidth = 4;
constexpr std::size_t kFederationColumn = 54;
constexpr std::size_t kFideIdColumn = 58, kFideIdWidth = 11;
constexpr std::size_t kBirthColumn = 70;
constexpr std::size_t kNationalIdColumn = 58, kNationalIdWidth = 11;
constexpr std::size_t kPointsColumn = 81, kPointsWidth = 4;
constexpr std::size_t kPlaceColumn = 86, kPlaceWidth = 4;
constexpr std::size_t kFirstRoundColumn = 92, kRoundStep = 10;
constexpr std::size_t kOpponentWidth = 4;
constexpr std::size_t kColourOffset = 5, kResultOffset = 7;

// Text cut or padded with blanks to `width` bytes.
std::string fitAscii(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

// Writes text into an ASCII line at a column counted from 1, padding with blanks.
void put(std::string &line, std::size_t column, const std::string &text)
{
    if (line.size() < column - 1 + text.size())
        line.resize(column - 1 + text.size(), ' ');
    line.replace(column - 1, text.size(), text);
}

void putRight(std::string &line, std::size_t column, std::size_t width, const std::string &text)
{
    put(line, column, std::string(width - std::min(width, text.size()), ' ') + text);
}

// Points with one decimal and a point: "2.5", "10.0". Points are whole or halves.
std::string oneDecimal(Fixed points)
{
    const std::int64_t tenths = divideHalfEven(points.units(), Fixed::kScale / 10);
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

char resultCode(GameState state)
{
    switch (state) {
    case GameState::Win:
        return '1';
    case GameState::Loss:
        return '0';
    case GameState::Draw:
        return '=';
    case GameState::ForfeitWin:
        return '+';
    case GameState::ForfeitLoss:
        return '-';
    case GameState::None:
        break;
    }
    return ' ';
}

// Text with its control bytes blanked: a line break in a name would split its line.
std::string blankControls(std::string text)
{
    std::replace_if(
        text.begin(), text.end(),
        [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7f;
        },
        ' ');
    return text;
}

// "07.12.2026" as the format writes a date, "2026/12/07"; empty for anything else.
std::string trfDate(const std::string &date)
{
    const bool shaped = date.size() == 10 && date[2] == '.' && date[5] == '.' &&
                        std::all_of(date.begin(), date.end(),
                                    [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
    return shaped ? date.substr(6, 4) + '/' + date.substr(3, 2) + '/' + date.substr(0, 2)
                  : std::string();
}

// "2026-12-07" as the format writes a date, "2026/12/07"; empty for anything else.
std::string isoTrfDate(const std::string &date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return {};
    return trfDate(date.substr(8, 2) + '.' + date.substr(5, 2) + '.' + date.substr(0, 4));
}

// Line 132: the day of each round, "YY/MM/DD", in the columns of the rounds of the 001
// lines; empty when no round has a day.
std::string roundDatesLine(const std::vector<std::string> &dates, int rounds)
{
    std::string line = "132";
    bool any = false;
    for (int r = 1; r <= rounds && std::size_t(r) <= dates.size(); ++r) {
        const std::string day = isoTrfDate(dates[std::size_t(r - 1)]);
        if (day.empty())
            continue;
        put(line, kFirstRoundColumn + kRoundStep * std::size_t(r - 1), day.substr(2));
        any = true;
    }
    return any ? line : std::string();
}

// The type of tournament coded for line 192: FIDE's codes for one cycle and for two (the
// rounds themselves, swapped or not, stand in the 001 lines), the Berger table repeated n
// times for more.
std::string tournamentTypeCode(int cycles)
{
    if (cycles == 1)
        return "FIDE_ROUNDROBIN";
    if (cycles == 2)
        return "FIDE_DOUBLEROUNDROBIN";
    return "BERGER_ROUNDROBIN_G" + std::to_string(cycles);
}

// Printable ASCII only, else nothing: a field other programs read by its columns.
std::string asciiField(const std::string &text, std::size_t width)
{
    for (char c : text)
        if (c < 0x21 || c > 0x7E)
            return {};
    return text.size() <= width ? text : std::string();
}

// A federation's code that can open a national rating line: three capital letters, so that
// the line can never read as a player's line ("001") or as one of the format's own codes
// ("XXR" and the other XX codes).
bool nationalLineCode(const std::string &code)
{
    return code.size() == 3 && !code.starts_with("XX") &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The federation whose national rating the club's rating is reported as: the event's, or
// else the first the players' identities name; empty when none is known.
std::string nationalRatingFederation(const TournamentSnapshot &snapshot)
{
    if (nationalLineCode(snapshot.event.federation))
        return snapshot.event.federation;
    for (const SnapshotPlayer &player : snapshot.players)
        if (nationalLineCode(player.identity.federation))
            return player.identity.federation;
    return {};
}

// The result code of the program's GAME record: the 001 line's codes, '*' for none.
char gameRecordCode(GameState state)
{
    return state == GameState::None ? '*' : resultCode(state);
}

// A comment line the import reads back (trf_program_records.h).
std::string programRecord(const std::string &text)
{
    return "### " + std::string(kProgramRecord) + ' ' + text + kLineEnd;
}

// One player's game of a round as the 001 line needs it.
struct RoundGame {
    int opponent = 0; // 0 when he sits the round out
    int cycle = 0;
    bool white = false;
};

// What the 001 lines show of player i's side of a game: the counted result, none where
// his or the opponent's games count for nobody.
GameState shownState(const TournamentSnapshot &snapshot, const std::vector<int> &place, int cycle,
                     int i, int j)
{
    const GameState state = countedState(snapshot, cycle, i, j);
    return place[std::size_t(i)] > 0 && place[std::size_t(j)] > 0 ? state : GameState::None;
}

// The program's records of what the lines before them cannot hold: the reversal, the
// default rules, the withdrawals, the results the 001 lines do not show, the event's details.
std::string programRecords(const TournamentSnapshot &snapshot, int n, const std::vector<int> &place)
{
    const int cycles = std::clamp(snapshot.cycles, 1, kMaxCycles);
    // The first says the records are there, so that none missing is taken for a foreign
    // file's silence; with one cycle there are no last rounds to swap.
    std::string out = programRecord("RECORDS 1");
    if (cycles >= 2)
        out += programRecord(std::string("REVERSE ") + (snapshot.reverseLastRounds ? '1' : '0'));
    const std::vector<TieBreak> rules = withoutChangeRecords(snapshot.tieBreaks);
    if (rules.empty())
        out += programRecord("RULES DEFAULT");
    // Lots and the director's order have no place in 202: the whole list goes here.
    if (std::any_of(rules.begin(), rules.end(),
                    [](const TieBreak &tb) { return !declaredInTrf(tb); })) {
        std::string list = "RULES";
        for (const TieBreak &tb : rules)
            list.append(" ").append(fideCode(tb));
        out += programRecord(list);
    }
    for (int i = 1; i <= n; ++i) {
        if (const int after = snapshot.players[std::size_t(i - 1)].withdrawnAfter; after > 0)
            out += programRecord("WITHDRAWN " + std::to_string(i) + ' ' + std::to_string(after));
    }
    for (const ScheduledGame &g : bergerSchedule(n, cycles, snapshot.reverseLastRounds)) {
        const int cycle = (g.round - 1) / roundCount(n) + 1;
        const int p = std::min(g.firstNamed, g.secondNamed);
        const int q = std::max(g.firstNamed, g.secondNamed);
        const GameRecords &games = cycleGames(snapshot, cycle);
        const GameState mine = games.state(p, q);
        const GameState theirs = games.state(q, p);
        if (mine == shownState(snapshot, place, cycle, p, q) &&
            theirs == shownState(snapshot, place, cycle, q, p))
            continue;
        out += programRecord("GAME " + std::to_string(g.round) + ' ' + std::to_string(p) + ' ' +
                             gameRecordCode(mine) + ' ' + std::to_string(q) + ' ' +
                             gameRecordCode(theirs));
    }
    for (const std::string &line : eventDetailsLines(snapshot.event, roundCount(n) * cycles))
        out += programRecord(line);
    return out;
}

} // namespace

std::string exportTrf(const TournamentSnapshot &snapshot)
{
    const int n = std::min(int(snapshot.players.size()), kMaxTablePlayers);
    const int cycles = std::clamp(snapshot.cycles, 1, kMaxCycles);
    const int rounds = roundCount(n) * cycles;

    const EventDetails &event = snapshot.event;
    std::vector<std::string> texts = {event.title.empty() ? snapshot.name : event.title};
    for (int i = 1; i <= n; ++i)
        texts.push_back(snapshot.players[std::size_t(i - 1)].name);
    // The event's texts after the names: place, arbiters, time control.
    const std::size_t details = texts.size();
    for (const std::string *text :
         {&event.place, &event.chiefArbiter, &event.deputyArbiter, &event.timeControl})
        texts.push_back(*text);
    const std::vector<std::string> latin = asciiLatin(texts);
    const auto detail = [&](std::size_t k) { return blankControls(latin[details + k]); };

    std::string out = "012 " + blankControls(latin[0]) + kLineEnd;
    // Header lines filled from the tournament rather than from the event's details: the
    // import leaves those details empty while the lines still say the same.
    std::string filled;
    const auto fill = [&filled](const char *code, const std::string &text) {
        filled += programRecord(std::string("FILLED ") + code + ' ' + percentEncoded(text));
    };
    if (event.title.empty())
        fill("012", blankControls(latin[0]));
    if (!event.place.empty())
        out += "022 " + detail(0) + kLineEnd;
    if (!event.federation.empty())
        out += "032 " + blankControls(event.federation) + kLineEnd;
    const std::string start =
        event.startDate.empty() ? trfDate(snapshot.startDate) : isoTrfDate(event.startDate);
    if (!start.empty())
        out += "042 " + start + kLineEnd;
    if (!start.empty() && event.startDate.empty())
        fill("042", start);
    const std::string end =
        event.endDate.empty() ? trfDate(snapshot.date) : isoTrfDate(event.endDate);
    if (!end.empty())
        out += "052 " + end + kLineEnd;
    if (!end.empty() && event.endDate.empty())
        fill("052", end);
    out += "062 " + std::to_string(n) + kLineEnd;
    out += std::string("092 Individual: Round Robin") + kLineEnd;
    if (!event.chiefArbiter.empty())
        out += "102 " + detail(1) + kLineEnd;
    if (!event.deputyArbiter.empty())
        out += "112 " + detail(2) + kLineEnd;
    if (!event.timeControl.empty())
        out += "122 " + detail(3) + kLineEnd;
    if (std::string dates = roundDatesLine(event.roundDates, rounds); !dates.empty())
        out += dates + kLineEnd;
    // Readers take the count of rounds from 142 or from XXR; an event whose last rounds
    // hold only forfeits would lose them without it.
    out += "142 " + std::to_string(rounds) + kLineEnd;
    out += "XXR " + std::to_string(rounds) + kLineEnd;
    out += "192 " + tournamentTypeCode(cycles) + kLineEnd;
    // The club's ratings go as national ratings of the federation; the starting ranks are
    // the table's order, which line 172 calls another method.
    const std::string nationalFederation = nationalRatingFederation(snapshot);
    // A national record only for a club rating of his own: one that repeats his FIDE
    // rating says nothing the 001 line does not.
    const auto hasNationalRecord = [&](const SnapshotPlayer &player) {
        const std::int64_t rating = readRating(player.ratingCell);
        return !nationalFederation.empty() && rating > 0 && rating <= 9999 && !player.estimate &&
               rating != player.identity.fideRating;
    };
    if (std::any_of(snapshot.players.begin(), snapshot.players.begin() + n, hasNationalRecord))
        out += "172 " + nationalFederation + " OTHER" + kLineEnd;
    std::string codes;
    for (const TieBreak &tb : placeRules(snapshot)) {
        if (declaredInTrf(tb))
            codes.append(codes.empty() ? "" : " ").append(fideCode(tb));
    }
    out += "202 " + codes + kLineEnd;
    // The lists in force before, as changed after a round of the event.
    for (const TieBreak &tb : snapshot.tieBreaks) {
        if (tb.kind == TieBreakKind::RulesChanged)
            out += "### Tie-breaks changed after round " + std::to_string(tb.afterRound) + ": " +
                   tb.previous + kLineEnd;
    }

    std::vector<int> place(std::size_t(n) + 1);
    std::vector<Fixed> points(std::size_t(n) + 1);
    for (const TieBreakRow &row :
         rankByTieBreaks(roundRobinResults(snapshot), placeRules(snapshot))) {
        place[std::size_t(row.player)] = row.firstPlace;
        // One without a place scores nothing that counts.
        points[std::size_t(row.player)] = row.firstPlace > 0 ? row.points : kZero;
    }
    std::vector<std::vector<RoundGame>> schedule(std::size_t(n) + 1,
                                                 std::vector<RoundGame>(std::size_t(rounds) + 1));
    for (const ScheduledGame &g : bergerSchedule(n, cycles, snapshot.reverseLastRounds)) {
        const int cycle = (g.round - 1) / roundCount(n) + 1;
        schedule[std::size_t(g.firstNamed)][std::size_t(g.round)] = {g.secondNamed, cycle, true};
        schedule[std::size_t(g.secondNamed)][std::size_t(g.round)] = {g.firstNamed, cycle, false};
    }

    std::string ratingRecords;
    for (int i = 1; i <= n; ++i) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(i - 1)];
        std::string line = "001";
        putRight(line, kRankColumn, kRankWidth, std::to_string(i));
        put(line, kNameColumn, fitAscii(blankControls(latin[std::size_t(i)]), kNameWidth));
        // Only what FIDE's list says of him: the club's rating, let alone an estimate, is
        // no FIDE rating.
        const PlayerIdentity &identity = player.identity;
        if (identity.sex)
            put(line, kSexColumn, identity.sex == 'F' ? "w" : "m");
        if (const std::string title = asciiField(identity.title, kTitleWidth); !title.empty())
            putRight(line, kTitleColumn, kTitleWidth, title);
        if (identity.fideRating > 0 && identity.fideRating <= 9999)
            putRight(line, kRatingColumn, kRatingWidth, std::to_string(identity.fideRating));
        if (const std::string federation = asciiField(identity.federation, 3); !federation.empty())
            put(line, kFederationColumn, federation);
        if (identity.fideId > 0 && identity.fideId < 100000000000)
            putRight(line, kFideIdColumn, kFideIdWidth, std::to_string(identity.fideId));
        // Lists give the year only; a date read from a TRF goes back whole.
        if (identity.birthYear > 0 && identity.birthYear <= 9999)
            put(line, kBirthColumn,
                std::to_string(identity.birthYear) + "/" +
                    (isBirthDay(identity.birthDay) ? identity.birthDay : std::string("00/00")));
        putRight(line, kPointsColumn, kPointsWidth, oneDecimal(points[std::size_t(i)]));
        putRight(line, kPlaceColumn, kPlaceWidth, std::to_string(place[std::size_t(i)]));
        for (int r = 1; r <= rounds; ++r) {
            const std::size_t column = kFirstRoundColumn + kRoundStep * std::size_t(r - 1);
            const RoundGame &game = schedule[std::size_t(i)][std::size_t(r)];
            if (game.opponent == 0) {
                put(line, column, "0000 - Z");
                continue;
            }
            const GameState state = countedState(snapshot, game.cycle, i, game.opponent);
            // A game without a result is left blank, as a round not yet paired, but for one
            // before a player without a place left: paired, a cut takes it first.
            auto voided = [&](int p) {
                return place[std::size_t(p)] == 0 &&
                       r <= snapshot.players[std::size_t(p - 1)].withdrawnAfter;
            };
            if (state == GameState::None && !voided(i) && !voided(game.opponent))
                continue;
            putRight(line, column, kOpponentWidth, std::to_string(game.opponent));
            put(line, column + kColourOffset, game.white ? "w" : "b");
            // The games of a player without a place count for nobody: paired, no result.
            const bool counted = place[std::size_t(i)] > 0 && place[std::size_t(game.opponent)] > 0;
            if (counted)
                put(line, column + kResultOffset, std::string(1, resultCode(state)));
        }
        line.erase(line.find_last_not_of(' ') + 1);
        // A last game paired without a result keeps its blank result column: readers that
        // count columns (FIDE's checker) take the pairing for none, or for a bye, otherwise.
        if (line.size() > kFirstRoundColumn &&
            (line.size() - kFirstRoundColumn) % kRoundStep == kColourOffset)
            line.append(kResultOffset - kColourOffset, ' ');
        out += line + kLineEnd;
        const std::int64_t clubRating = readRating(player.ratingCell);
        const bool national = hasNationalRecord(player);
        if (national) {
            std::string record = nationalFederation;
            putRight(record, kRankColumn, kRankWidth, std::to_string(i));
            putRight(record, kRatingColumn, kRatingWidth, std::to_string(clubRating));
            if (const std::string id = asciiField(identity.nationalId, kNationalIdWidth);
                !id.empty())
                putRight(record, kNationalIdColumn, kNationalIdWidth, id);
            out += record + kLineEnd;
        }
        // The import takes the national rating, else the FIDE rating, for the rating cell:
        // a cell that reads otherwise goes whole into a record of its own.
        const std::string derived =
            national ? std::to_string(clubRating)
                     : (identity.fideRating > 0 ? std::to_string(identity.fideRating) : "");
        if (!identity.nationalId.empty() &&
            !(national && !asciiField(identity.nationalId, kNationalIdWidth).empty()))
            ratingRecords += programRecord("NATIONAL-ID " + std::to_string(i) + ' ' +
                                           percentEncoded(identity.nationalId));
        if (player.estimate)
            ratingRecords += programRecord("ESTIMATE " + std::to_string(i) + ' ' +
                                           percentEncoded(player.ratingCell));
        else if (player.ratingCell != derived)
            ratingRecords += programRecord("RATING " + std::to_string(i) + ' ' +
                                           percentEncoded(player.ratingCell));
    }
    out += programRecords(snapshot, n, place) + filled + ratingRecords;
    return out;
}

} // namespace krugovik
