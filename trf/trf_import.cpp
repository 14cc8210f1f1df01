#include "trf/trf_import.h"

#include <algorithm>
#include <cstddef>

#include "common/texts.h"
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

// The event's details the header lines give. The file writes the days of line 132 in the
// rounds' columns with two digits of the year: the century is the start's, else this one.
EventDetails detailsOf(const TrfFile &file, int rounds)
{
    constexpr std::size_t kFirstRoundColumn = 92, kRoundStep = 10, kDayWidth = 8;
    EventDetails event;
    event.title = file.first("012");
    event.place = file.first("022");
    if (const std::string federation = file.first("032"); isFederationCode(federation))
        event.federation = federation;
    event.startDate = isoDate(file.first("042"));
    event.endDate = isoDate(file.first("052"));
    event.chiefArbiter = file.first("102");
    event.deputyArbiter = file.first("112");
    event.timeControl = file.first("122");
    const std::string century = event.startDate.empty() ? "20" : event.startDate.substr(0, 2);
    for (int r = 1; r <= rounds; ++r) {
        const std::size_t column = kFirstRoundColumn + kRoundStep * std::size_t(r - 1);
        if (file.roundDates.size() < column - 1 + kDayWidth)
            break;
        const std::string text = file.roundDates.substr(column - 1, kDayWidth);
        const std::string day = text.find_first_not_of(' ') == std::string::npos
                                    ? std::string()
                                    : isoDate(century + text);
        if (day.empty())
            continue;
        event.roundDates.resize(std::size_t(r));
        event.roundDates.back() = day;
    }
    return event;
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
    // Only the Berger table's pairings fit the crosstable's columns.
    for (const ScheduledGame &g : bergerSchedule(n, cycles, rr->reverseLastRounds)) {
        const TrfRound &white =
            file.players[std::size_t(g.firstNamed - 1)].rounds[std::size_t(g.round - 1)];
        if (white.paired() && (white.opponent != g.secondNamed || white.colour == 'b')) {
            why = {file.players[std::size_t(g.firstNamed - 1)].line,
                   filled(translated("Trf", "тур %1: пары не по таблице Бергера"),
                          {std::to_string(g.round)})};
            return out;
        }
    }
    out.name = file.first("012");
    // Withdrawals first: the games after one are forfeits the model makes itself.
    std::vector<int> after(std::size_t(n) + 1, 0);
    const int scheduled = (n - 1) * cycles;
    auto player = [&](int number) -> const TrfPlayer & {
        return file.players[std::size_t(number - 1)];
    };
    // Left without a place: ranked 0, paired, never scored. The file keeps neither his
    // results nor when he left: every game of his is kept as the file shows it, and he
    // is marked as gone after the last round.
    std::vector<bool> placeless(std::size_t(n) + 1, false);
    for (const TrfPlayer &p : file.players) {
        bool scored = false;
        bool paired = false;
        for (int r = 1; r <= file.roundCount; ++r) {
            const TrfRound &g = p.rounds[std::size_t(r - 1)];
            scored = scored || (g.opponent > 0 && g.result != ' ');
            paired = paired || g.opponent > 0;
        }
        if (p.rank == 0 && paired && !scored) {
            placeless[std::size_t(p.number)] = true;
            after[std::size_t(p.number)] = file.roundCount;
        }
    }
    // His games before he left are taken as played and lost, as many as leave him short
    // of half his games, the rest as forfeits: either way they count for nobody, and the
    // opponents keep the games over the board their own places may need.
    const int mostPlayed = (scheduled - 1) / 2;
    std::vector<int> played(std::size_t(n) + 1, 0);
    // hiddenPlayed[r][p]: p's game of round r is one of those taken as played.
    std::vector<std::vector<bool>> hiddenPlayed(std::size_t(file.roundCount) + 1,
                                                std::vector<bool>(std::size_t(n) + 1, false));
    // Opponents who end on a run of forfeit losses may need the games most.
    auto endsOnForfeits = [&](int who) {
        const auto &rounds = player(who).rounds;
        int run = 0;
        for (auto g = rounds.rbegin(); g != rounds.rend(); ++g) {
            if (g->opponent == 0 && g->paired())
                continue;
            if (g->opponent == 0 || g->result != '-')
                break;
            ++run;
        }
        return run >= 2;
    };
    for (const bool needy : {true, false})
        for (int r = 1; r <= file.roundCount; ++r) {
            for (int p = 1; p <= n; ++p) {
                const TrfRound &g = player(p).rounds[std::size_t(r - 1)];
                const int q = g.opponent;
                if (q < p || g.result != ' ' ||
                    (!placeless[std::size_t(p)] && !placeless[std::size_t(q)]))
                    continue;
                if (hiddenPlayed[std::size_t(r)][std::size_t(p)] ||
                    needy != (endsOnForfeits(p) || endsOnForfeits(q)))
                    continue;
                auto room = [&](int who) {
                    return !placeless[std::size_t(who)] || played[std::size_t(who)] < mostPlayed;
                };
                if (room(p) && room(q)) {
                    hiddenPlayed[std::size_t(r)][std::size_t(p)] = true;
                    hiddenPlayed[std::size_t(r)][std::size_t(q)] = true;
                    ++played[std::size_t(p)];
                    ++played[std::size_t(q)];
                }
            }
        }
    for (const TrfPlayer &p : file.players) {
        if (placeless[std::size_t(p.number)])
            continue;
        int overBoardGames = 0;
        for (int r = 1; r <= file.roundCount; ++r) {
            const TrfRound &g = p.rounds[std::size_t(r - 1)];
            overBoardGames += (g.opponent > 0 && overBoard(g.result)) ||
                                      hiddenPlayed[std::size_t(r)][std::size_t(p.number)]
                                  ? 1
                                  : 0;
        }
        // A run of forfeit losses (byes aside) to the last round, two or more, by one who
        // played half of his games keeps his place and marks when he left.
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
    for (int p = 1; p <= n; ++p) {
        if (after[std::size_t(p)] > 0)
            out.extension.withdrawn.emplace_back(p, after[std::size_t(p)]);
    }
    // The results, cycle by cycle, i against j in file order.
    std::vector<std::vector<std::vector<std::string>>> cells(
        std::size_t(cycles), std::vector<std::vector<std::string>>(
                                 std::size_t(n) + 1, std::vector<std::string>(std::size_t(n) + 1)));
    for (const TrfPlayer &p : file.players) {
        for (int r = 1; r <= file.roundCount; ++r) {
            const TrfRound &g = p.rounds[std::size_t(r - 1)];
            if (g.opponent == 0)
                continue;
            const int q = g.opponent;
            auto left = [&](int who) {
                return after[std::size_t(who)] > 0 && r > after[std::size_t(who)];
            };
            std::string text = cellOf(g.result);
            const bool hidden =
                g.result == ' ' && (placeless[std::size_t(p.number)] || placeless[std::size_t(q)]);
            // The one without a place loses; of two such, the later in the table.
            const bool loses =
                placeless[std::size_t(p.number)] && (!placeless[std::size_t(q)] || p.number > q);
            const bool bothForfeited =
                g.result == '-' && player(q).rounds[std::size_t(r - 1)].result == '-';
            if (bothForfeited && left(p.number) && left(q))
                // Both had left: the crosstable holds one forfeit, the withdrawals make it
                // a loss for both.
                text = p.number < q ? "-" : "+";
            else if (hidden && hiddenPlayed[std::size_t(r)][std::size_t(p.number)])
                text = loses ? "0" : "1";
            else if (hidden)
                text = loses ? "-" : "+";
            cells[std::size_t((r - 1) / perCycle)][std::size_t(p.number)][std::size_t(q)] = text;
        }
    }
    for (const TrfPlayer &p : file.players) {
        PlayerBlock block;
        block.name = p.name;
        block.rating = p.rating > 0 ? std::to_string(p.rating) : std::string();
        block.correctionMark = 1000; // a rating from a TRF is taken as established
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
            std::all_of(p.fideId.begin(), p.fideId.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
            p.fideId.size() < 12)
            identity.fideId = std::stoll(p.fideId);
        if (p.birth.size() >= 4 &&
            std::all_of(p.birth.begin(), p.birth.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }))
            identity.birthYear = std::stoi(p.birth.substr(0, 4));
        if (!identity.empty())
            out.extension.identities.emplace_back(p.number, identity);
    }
    out.extension.event = detailsOf(file, file.roundCount);
    out.extension.cycles = cycles;
    out.extension.reverseLastRounds = rr->reverseLastRounds;
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
    for (const TieBreak &tb : rr->tieBreaks)
        out.extension.tieBreakCodes.push_back(fideCode(tb));
    ok = true;
    return out;
}

std::vector<int> baseRecordsOf(const std::vector<PlayerBlock> &players,
                               const std::vector<std::string> &baseNames, std::size_t nameWidth)
{
    auto key = [&](const std::string &name) {
        std::string text = name.substr(0, nameWidth);
        const std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos)
            return std::string();
        return text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    std::vector<int> records;
    for (const PlayerBlock &p : players) {
        const std::string wanted = key(p.name);
        int found = 0;
        for (std::size_t k = 0; k < baseNames.size() && found == 0 && !wanted.empty(); ++k) {
            if (key(baseNames[k]) == wanted)
                found = int(k) + 1;
        }
        records.push_back(found);
    }
    return records;
}

} // namespace krugovik
