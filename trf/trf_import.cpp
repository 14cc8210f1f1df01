#include "trf/trf_import.h"

#include <algorithm>
#include <iterator>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

#include "base/player_search.h"
#include "common/folded_text.h"
#include "common/texts.h"
#include "common/windows1251.h"
#include "export/latin_text.h"
#include "export/trf_program_records.h"
#include "rounds/berger_schedule.h"
#include "table/event_details_file.h"
#include "trf/trf_check.h"

namespace krugovik {
namespace {

// The crosstable cell text of a TRF result.
std::string cellOf(char result)
{
    switch (result) {
    case '1':
    case 'W':
        return "1";
    case '0':
    case 'L':
        return "0";
    case '=':
    case 'D':
        return "0.5";
    case '+':
        return "+";
    case '-':
        return "-";
    default:
        return {};
    }
}

bool overBoard(char result)
{
    return std::string_view("10=WLD").find(result) != std::string_view::npos;
}

// "2026/12/07" (or with dots or dashes) as "2026-12-07"; empty when it is no day.
std::string isoDate(std::string text)
{
    if (text.size() == 10 && (text[4] == '/' || text[4] == '.') && text[7] == text[4])
        text[4] = text[7] = '-';
    return isCalendarDate(text) ? text : std::string();
}

// Whether the bytes are UTF-8 throughout.
bool validUtf8(std::string_view text)
{
    for (std::size_t k = 0; k < text.size();) {
        const auto lead = static_cast<unsigned char>(text[k]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x06 ? 2
                                   : (lead >> 4) == 0x0E ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || k + length > text.size())
            return false;
        for (std::size_t c = 1; c < length; ++c) {
            if ((static_cast<unsigned char>(text[k + c]) & 0xC0) != 0x80)
                return false;
        }
        k += length;
    }
    return true;
}

// UTF-8 text of bytes: as they are when they are UTF-8, else read as Windows-1252.
std::string utf8Of(std::string_view bytes)
{
    if (validUtf8(bytes))
        return std::string(bytes);
    // Windows-1252's characters at 0x80..0x9F; the rest of the upper half is Latin-1's.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t code = byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// The program's records of the file (trf_program_records.h), each split into its words
// after "KRUGOVIK"; EVENT records keep their argument whole.
struct ProgramRecords {
    bool any = false;
    std::optional<bool> reverse;
    bool defaultRules = false;
    std::vector<TieBreak> rules; // the whole list where 202 cannot hold it (lots, order by hand)
    std::vector<std::pair<int, int>> withdrawn;
    // (round, p, q) → the results of p and q.
    std::map<std::tuple<int, int, int>, std::pair<char, char>> games;
    std::map<int, std::string> ratings; // rating cells, UTF-8
    std::map<int, std::string> estimates;
    std::map<int, std::string> nationalIds;
    std::vector<std::string> event;            // the EVENT lines' arguments
    std::map<std::string, std::string> filled; // header code → the text the export filled in
};

int numberOf(const std::string &word)
{
    if (word.empty() || word.size() > 6 ||
        !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoi(word);
}

ProgramRecords programRecordsOf(const TrfFile &file)
{
    ProgramRecords out;
    const std::string prefix = std::string(kProgramRecord) + ' ';
    for (const std::string &comment : file.comments) {
        if (comment.rfind(prefix, 0) != 0)
            continue;
        out.any = true;
        const std::string rest = comment.substr(prefix.size());
        std::istringstream words(rest);
        std::string kind;
        words >> kind;
        std::vector<std::string> args;
        for (std::string word; words >> word;)
            args.push_back(word);
        const auto at = [&](std::size_t k) { return k < args.size() ? numberOf(args[k]) : -1; };
        if (kind == "REVERSE" && args.size() == 1 && (args[0] == "0" || args[0] == "1")) {
            out.reverse = args[0] == "1";
        } else if (kind == "RULES" && args.size() == 1 && args[0] == "DEFAULT") {
            out.defaultRules = true;
        } else if (kind == "RULES" && !args.empty()) {
            std::vector<TieBreak> rules;
            for (const std::string &code : args) {
                if (const auto tb = tieBreakFromCode(code))
                    rules.push_back(*tb);
            }
            if (rules.size() == args.size())
                out.rules = std::move(rules);
        } else if (kind == "WITHDRAWN" && args.size() == 2 && at(0) > 0 && at(1) > 0) {
            out.withdrawn.emplace_back(at(0), at(1));
        } else if (kind == "GAME" && args.size() == 5 && at(0) > 0 && at(1) > 0 && at(3) > 0 &&
                   args[2].size() == 1 && args[4].size() == 1) {
            out.games[{at(0), at(1), at(3)}] = {args[2][0], args[4][0]};
        } else if ((kind == "RATING" || kind == "ESTIMATE" || kind == "NATIONAL-ID") &&
                   args.size() <= 2 && at(0) > 0) {
            const auto text = percentDecoded(args.size() == 2 ? args[1] : std::string());
            auto &texts = kind == "RATING"     ? out.ratings
                          : kind == "ESTIMATE" ? out.estimates
                                               : out.nationalIds;
            if (text)
                texts[at(0)] = *text;
        } else if (kind == "FILLED" && args.size() <= 2 && !args.empty()) {
            if (const auto text = percentDecoded(args.size() == 2 ? args[1] : std::string()))
                out.filled[args[0]] = *text;
        } else if (kind == kEventSection && rest.size() > kind.size() + 1) {
            out.event.push_back(rest.substr(kind.size() + 1));
        }
    }
    return out;
}

// The crosstable cell text of a GAME record's code; nothing for a code it does not know.
std::optional<std::string> gameRecordCell(char code)
{
    if (code == '*')
        return std::string();
    if (std::string_view("10=+-").find(code) == std::string_view::npos)
        return std::nullopt;
    return cellOf(code);
}

// The national rating records of the federation line 172 names: starting rank → rating and
// national ID. The reader keeps each record's text after the code with its leading blanks
// trimmed; the starting rank ends at column 8, which places every later column.
struct NationalRecord {
    int rating = 0;
    std::string nationalId;
};
std::map<int, NationalRecord> nationalRecordsOf(const TrfFile &file)
{
    constexpr std::size_t kRatingColumn = 49, kRatingWidth = 4;
    constexpr std::size_t kIdColumn = 58, kIdWidth = 11;
    std::map<int, NationalRecord> out;
    const std::string method = file.first("172");
    const std::string federation = method.substr(0, std::min<std::size_t>(3, method.size()));
    if (!isFederationCode(federation))
        return out;
    const auto trimmedField = [](const std::string &line, std::size_t column, std::size_t width) {
        std::string text = column - 1 < line.size() ? line.substr(column - 1, width) : "";
        const std::size_t first = text.find_first_not_of(' ');
        return first == std::string::npos
                   ? std::string()
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    for (const TrfNationalRecord &record : file.national) {
        if (record.federation != federation || record.number <= 0)
            continue;
        const int rating = numberOf(trimmedField(record.text, kRatingColumn, kRatingWidth));
        out[record.number] = {std::max(rating, 0), trimmedField(record.text, kIdColumn, kIdWidth)};
    }
    return out;
}

// The event's details the header lines give. The file writes the days of line 132 in the
// rounds' columns with two digits of the year: the century is the start's, else this one.
EventDetails headerDetails(const TrfFile &file, int rounds,
                           const std::function<std::string(const std::string &)> &text)
{
    constexpr std::size_t kFirstRoundColumn = 92, kRoundStep = 10, kDayWidth = 8;
    EventDetails event;
    event.title = text(file.first("012"));
    event.place = text(file.first("022"));
    if (const std::string federation = file.first("032"); isFederationCode(federation))
        event.federation = federation;
    event.startDate = isoDate(file.first("042"));
    event.endDate = isoDate(file.first("052"));
    event.chiefArbiter = text(file.first("102"));
    event.deputyArbiter = text(file.first("112"));
    event.timeControl = text(file.first("122"));
    const std::string century = event.startDate.empty() ? "20" : event.startDate.substr(0, 2);
    for (int r = 1; r <= rounds; ++r) {
        const std::size_t column = kFirstRoundColumn + kRoundStep * std::size_t(r - 1);
        if (file.roundDates.size() < column - 1 + kDayWidth)
            break;
        const std::string written = file.roundDates.substr(column - 1, kDayWidth);
        const std::string day = written.find_first_not_of(' ') == std::string::npos
                                    ? std::string()
                                    : isoDate(century + written);
        if (day.empty())
            continue;
        event.roundDates.resize(std::size_t(r));
        event.roundDates.back() = day;
    }
    return event;
}

// The header's text as the export writes a text: Latin letters, control bytes blanked,
// trailing blanks trimmed as the reader trims them.
std::string asWritten(const std::string &text)
{
    std::string latin = asciiLatin({text}).front();
    std::replace_if(
        latin.begin(), latin.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, ' ');
    const std::size_t first = latin.find_first_not_of(' ');
    return first == std::string::npos
               ? std::string()
               : latin.substr(first, latin.find_last_not_of(' ') - first + 1);
}

// The event's details: each field from the program's record where the header line still
// says what the record says, else from the header line; a header line the export filled
// from the tournament (its name, its days) and that still says so stands for no detail.
EventDetails eventOf(const TrfFile &file, const ProgramRecords &records, int rounds,
                     const std::function<std::string(const std::string &)> &text)
{
    const EventDetails header = headerDetails(file, rounds, text);
    if (!records.any)
        return header;
    EventDetails recorded;
    EventDetailsReader reader;
    for (const std::string &line : records.event) {
        if (!reader.read(line, rounds, recorded).empty())
            return header;
    }
    const auto filledIn = [&](const char *code) {
        const auto found = records.filled.find(code);
        return found != records.filled.end() && found->second == file.first(code);
    };
    const auto pickText = [&](const std::string &mine, const std::string &theirs,
                              const char *code) {
        if (!mine.empty() && asWritten(mine) == file.first(code))
            return mine;
        return filledIn(code) ? std::string() : theirs;
    };
    const auto pickDate = [&](const std::string &mine, const std::string &theirs,
                              const char *code) {
        if (!mine.empty() && mine == theirs)
            return mine;
        return filledIn(code) ? std::string() : theirs;
    };
    EventDetails event = header;
    event.title = pickText(recorded.title, header.title, "012");
    event.place = pickText(recorded.place, header.place, "022");
    event.chiefArbiter = pickText(recorded.chiefArbiter, header.chiefArbiter, "102");
    event.deputyArbiter = pickText(recorded.deputyArbiter, header.deputyArbiter, "112");
    event.timeControl = pickText(recorded.timeControl, header.timeControl, "122");
    event.startDate = pickDate(recorded.startDate, header.startDate, "042");
    event.endDate = pickDate(recorded.endDate, header.endDate, "052");
    // What the header has no line for.
    event.organiser = recorded.organiser;
    event.kind = recorded.kind;
    return event;
}

// Where a record names a game of the schedule: its cycle, from 1; 0 when it is none.
int cycleOfGame(const std::vector<ScheduledGame> &schedule, int perCycle, int round, int p, int q)
{
    for (const ScheduledGame &g : schedule) {
        if (g.round == round && std::min(g.firstNamed, g.secondNamed) == p &&
            std::max(g.firstNamed, g.secondNamed) == q)
            return (round - 1) / perCycle + 1;
    }
    return 0;
}

// A name folded as the find box folds it, in Latin letters, blanks and commas between its
// words made one blank: the key two spellings of a name share.
std::string nameKey(const std::string &utf8)
{
    std::string latin = asciiLatin({utf8}).front();
    std::string key;
    for (const char c : latin) {
        const bool gap = c == ' ' || c == ',' || c == '.' || c == '\t';
        if (gap) {
            if (!key.empty() && key.back() != ' ')
                key += ' ';
            continue;
        }
        key += char(foldForSearch(static_cast<unsigned char>(c)));
    }
    if (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

std::string trimmedName(const std::string &bytes)
{
    const std::size_t first = bytes.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return bytes.substr(first, bytes.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string ImportedTournament::fileBytes() const
{
    return writeTournamentFile(players) + writeFileExtension(extension);
}

ImportedTournament importTrf(const TrfFile &file, TrfError &why, bool &ok)
{
    ok = false;
    ImportedTournament out;
    const std::optional<TrfRoundRobin> rr = trfRoundRobin(file, why);
    if (!rr)
        return out;
    const int n = rr->results.playerCount;
    const int cycles = rr->results.cycleCount;
    const int perCycle = roundCount(n);
    const int rounds = perCycle * cycles;
    const ProgramRecords records = programRecordsOf(file);
    auto player = [&](int number) -> const TrfPlayer & {
        return file.players[std::size_t(number - 1)];
    };
    // Whether every paired game of the file stands where the Berger table puts it.
    const auto fitsBerger = [&](bool reverse, int &badLine, int &badRound) {
        for (const ScheduledGame &g : bergerSchedule(n, cycles, reverse)) {
            const TrfRound &white = player(g.firstNamed).rounds[std::size_t(g.round - 1)];
            if (white.paired() && (white.opponent != g.secondNamed || white.colour == 'b')) {
                badLine = player(g.firstNamed).line;
                badRound = g.round;
                return false;
            }
        }
        return true;
    };
    int badLine = 0, badRound = 0;
    // The program's record of the reversal decides where the pairings leave it open.
    bool reverse = rr->reverseLastRounds;
    if (records.reverse && fitsBerger(*records.reverse, badLine, badRound))
        reverse = *records.reverse;
    // Only the Berger table's pairings fit the crosstable's columns.
    if (!fitsBerger(reverse, badLine, badRound)) {
        why = {badLine, filled(translated("Trf", "тур %1: пары не по таблице Бергера"),
                               {std::to_string(badRound)})};
        return out;
    }
    const std::vector<ScheduledGame> schedule = bergerSchedule(n, cycles, reverse);

    // Texts as UTF-8 the code page can hold; each folded one is listed.
    const auto text = [&](const std::string &bytes) {
        const std::string utf8 = utf8Of(bytes);
        const FoldedText fit = foldToCodePage(utf8);
        const bool listed = std::any_of(out.folded.begin(), out.folded.end(),
                                        [&](const auto &f) { return f.original == utf8; });
        if (fit.text != utf8 && !listed)
            out.folded.push_back({utf8, fit.text});
        return fit.text;
    };
    out.name = text(file.first("012"));

    // Withdrawals: the program's records where the file has them; else a run of forfeit
    // losses (byes aside) to the last round, two or more, by one who played half of his
    // games over the board.
    std::vector<int> after(std::size_t(n) + 1, 0);
    if (records.any) {
        for (const auto &[p, r] : records.withdrawn) {
            if (p <= n && r < rounds)
                after[std::size_t(p)] = r;
        }
    } else {
        const int scheduled = (n - 1) * cycles;
        for (const TrfPlayer &p : file.players) {
            int overBoardGames = 0;
            for (const TrfRound &g : p.rounds)
                overBoardGames += g.opponent > 0 && overBoard(g.result) ? 1 : 0;
            int runStart = file.roundCount + 1;
            int run = 0;
            for (int r = file.roundCount; r >= 1; --r) {
                const TrfRound &g = p.rounds[std::size_t(r - 1)];
                if (g.opponent == 0 && g.paired())
                    continue;
                if (g.opponent == 0 || g.result != '-')
                    break;
                runStart = r;
                ++run;
            }
            if (run >= 2 && runStart > 1 && 2 * overBoardGames >= scheduled)
                after[std::size_t(p.number)] = runStart - 1;
        }
    }
    for (int p = 1; p <= n; ++p) {
        if (after[std::size_t(p)] > 0)
            out.extension.withdrawn.emplace_back(p, after[std::size_t(p)]);
    }

    // The results, cycle by cycle, i against j in file order: as the 001 lines show them, a
    // game paired without a result staying without one, then the program's records of the
    // results the lines do not show.
    std::vector<std::vector<std::vector<std::string>>> cells(
        std::size_t(cycles), std::vector<std::vector<std::string>>(
                                 std::size_t(n) + 1, std::vector<std::string>(std::size_t(n) + 1)));
    for (const TrfPlayer &p : file.players) {
        for (int r = 1; r <= file.roundCount; ++r) {
            const TrfRound &g = p.rounds[std::size_t(r - 1)];
            if (g.opponent > 0)
                cells[std::size_t((r - 1) / perCycle)][std::size_t(p.number)]
                     [std::size_t(g.opponent)] = cellOf(g.result);
        }
    }
    for (const auto &[game, results] : records.games) {
        const auto &[round, p, q] = game;
        const int cycle = p < q && q <= n ? cycleOfGame(schedule, perCycle, round, p, q) : 0;
        const auto mine = gameRecordCell(results.first);
        const auto theirs = gameRecordCell(results.second);
        if (cycle == 0 || !mine || !theirs)
            continue;
        cells[std::size_t(cycle - 1)][std::size_t(p)][std::size_t(q)] = *mine;
        cells[std::size_t(cycle - 1)][std::size_t(q)][std::size_t(p)] = *theirs;
    }

    const std::map<int, NationalRecord> national = nationalRecordsOf(file);
    for (const TrfPlayer &p : file.players) {
        PlayerBlock block;
        block.name = toWindows1251(text(p.name));
        // The rating cell: the program's record of it, else the national rating, else the
        // FIDE rating; a rating from a TRF is taken as established, an estimate as one.
        const auto nationalRecord = national.find(p.number);
        std::string rating;
        if (const auto estimate = records.estimates.find(p.number);
            estimate != records.estimates.end()) {
            rating = estimate->second;
        } else if (const auto cell = records.ratings.find(p.number);
                   cell != records.ratings.end()) {
            rating = cell->second;
        } else if (nationalRecord != national.end() && nationalRecord->second.rating > 0) {
            rating = std::to_string(nationalRecord->second.rating);
        } else if (p.rating > 0) {
            rating = std::to_string(p.rating);
        }
        block.rating = toWindows1251(rating);
        const bool estimate = records.estimates.count(p.number) > 0;
        const bool empty = p.name.empty() && rating.empty();
        block.correctionMark = estimate || empty ? 0 : 1000;
        for (int j = 1; j <= n; ++j) {
            if (j != p.number)
                block.results.push_back(cells[0][std::size_t(p.number)][std::size_t(j)]);
        }
        out.players.push_back(std::move(block));
        // What the 001 line tells of the player is his identity: the rating there is FIDE's.
        PlayerIdentity identity;
        identity.fideRating = p.rating;
        if (p.sex == "m" || p.sex == "w")
            identity.sex = p.sex == "w" ? 'F' : 'M';
        identity.title = p.title;
        identity.federation = p.federation;
        if (!p.fideId.empty() &&
            std::all_of(p.fideId.begin(), p.fideId.end(),
                        [](char c) { return c >= '0' && c <= '9'; }) &&
            p.fideId.size() < 12)
            identity.fideId = std::stoll(p.fideId);
        if (p.birth.size() >= 4 && std::all_of(p.birth.begin(), p.birth.begin() + 4,
                                               [](char c) { return c >= '0' && c <= '9'; }))
            identity.birthYear = std::stoi(p.birth.substr(0, 4));
        // The whole date goes back out as it came in.
        if (identity.birthYear > 0 && p.birth.size() == 10 && p.birth[4] == '/' &&
            isBirthDay(std::string_view(p.birth).substr(5)))
            identity.birthDay = p.birth.substr(5);
        if (const auto id = records.nationalIds.find(p.number); id != records.nationalIds.end())
            identity.nationalId = id->second;
        else if (nationalRecord != national.end())
            identity.nationalId = nationalRecord->second.nationalId;
        if (!identity.empty())
            out.extension.identities.emplace_back(p.number, identity);
    }
    out.extension.event = eventOf(file, records, rounds, text);
    out.extension.cycles = cycles;
    out.extension.reverseLastRounds = reverse;
    for (int c = 2; c <= cycles; ++c) {
        std::vector<std::string> results;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                if (j != i)
                    results.push_back(cells[std::size_t(c - 1)][std::size_t(i)][std::size_t(j)]);
            }
        }
        out.extension.laterResults.push_back(std::move(results));
    }
    // Earlier lists the file records as changed after a round come first, as the program
    // keeps them.
    constexpr std::string_view kChanged = "Tie-breaks changed after round ";
    for (const std::string &comment : file.comments) {
        if (comment.rfind(kChanged, 0) != 0)
            continue;
        const std::string rest = comment.substr(kChanged.size());
        const std::size_t colon = rest.find(": ");
        std::string codes = colon == std::string::npos ? std::string() : rest.substr(colon + 2);
        std::replace(codes.begin(), codes.end(), ' ', ',');
        const auto change = tieBreakFromCode("CHANGED/" + rest.substr(0, colon) + "/" + codes);
        if (change && change->kind == TieBreakKind::RulesChanged)
            out.extension.tieBreakCodes.push_back(fideCode(*change));
    }
    // The default order stands written out in 202; the program's record says none was chosen.
    // The whole list of the program's record, while 202 still declares its FIDE part.
    std::vector<TieBreak> declared;
    std::copy_if(records.rules.begin(), records.rules.end(), std::back_inserter(declared),
                 declaredInTrf);
    if (!records.rules.empty() && declared == rr->tieBreaks) {
        for (const TieBreak &tb : records.rules)
            out.extension.tieBreakCodes.push_back(fideCode(tb));
    } else if (!(records.defaultRules && rr->tieBreaks == classicTieBreaks())) {
        for (const TieBreak &tb : rr->tieBreaks)
            out.extension.tieBreakCodes.push_back(fideCode(tb));
    }
    ok = true;
    return out;
}

int matchToBase(ImportedTournament &tournament, const std::vector<BaseEntry> &base)
{
    std::vector<bool> taken(base.size(), false);
    std::vector<std::string> names(base.size()), keys(base.size());
    for (std::size_t k = 0; k < base.size(); ++k) {
        names[k] = trimmedName(base[k].name);
        keys[k] = nameKey(fromWindows1251(names[k]));
    }
    std::map<int, std::int64_t> fideIds;
    for (const auto &[row, identity] : tournament.extension.identities)
        fideIds[row] = identity.fideId;
    int missing = 0;
    for (std::size_t i = 0; i < tournament.players.size(); ++i) {
        PlayerBlock &player = tournament.players[i];
        const std::string name = trimmedName(player.name);
        const std::string key = nameKey(fromWindows1251(name));
        const std::int64_t fideId = fideIds.count(int(i) + 1) ? fideIds[int(i) + 1] : 0;
        std::optional<std::size_t> found;
        const auto find = [&](const auto &matches) {
            for (std::size_t k = 0; k < base.size() && !found; ++k) {
                if (!taken[k] && matches(k))
                    found = k;
            }
        };
        if (fideId > 0)
            find([&](std::size_t k) { return base[k].fideId == fideId; });
        // A record of another FIDE ID is another player, whatever his name.
        const auto sameId = [&](std::size_t k) {
            return fideId == 0 || base[k].fideId == 0 || base[k].fideId == fideId;
        };
        if (!name.empty()) {
            find([&](std::size_t k) { return sameId(k) && names[k] == name; });
            find([&](std::size_t k) { return sameId(k) && !key.empty() && keys[k] == key; });
        }
        player.baseRecordNo = found ? int(*found) + 1 : 0;
        if (!found) {
            ++missing;
            continue;
        }
        taken[*found] = true;
        player.name = names[*found];
    }
    return missing;
}

} // namespace krugovik
