#include "trf/trf_check.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <sstream>

#include "common/number_text.h"
#include "common/texts.h"
#include "rounds/berger_schedule.h"

namespace krugovik {
namespace {

GameState stateOf(char result)
{
    switch (result) {
    case '1':
    case 'W':
        return GameState::Win;
    case '0':
    case 'L':
        return GameState::Loss;
    case '=':
    case 'D':
        return GameState::Draw;
    case '+':
        return GameState::ForfeitWin;
    case '-':
        return GameState::ForfeitLoss;
    default:
        return GameState::None;
    }
}

std::vector<std::string> words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

// The codes of a list line: blanks or commas between them.
std::vector<std::string> codesOf(std::string text)
{
    std::replace(text.begin(), text.end(), ',', ' ');
    return words(text);
}

// The tie-breaks of a list line, or the first code that is none of ours.
std::optional<std::vector<TieBreak>> tieBreaksOf(const std::vector<std::string> &codes,
                                                 std::string &unknown)
{
    std::vector<TieBreak> list;
    for (const std::string &code : codes) {
        const std::optional<TieBreak> tb = tieBreakFromCode(code);
        if (!tb) {
            unknown = code;
            return std::nullopt;
        }
        list.push_back(*tb);
    }
    return list;
}

// Where the pairings of the file leave the Berger table with this reversal choice.
std::vector<std::string> pairingFaults(const TrfFile &file, int cycles, bool reverse)
{
    const int n = int(file.players.size());
    const int perCycle = roundCount(n);
    std::vector<std::vector<ScheduledGame>> byRound(std::size_t(perCycle * cycles) + 1);
    for (const ScheduledGame &g : bergerSchedule(n, cycles, reverse))
        byRound[std::size_t(g.round)].push_back(g);
    std::vector<std::string> faults;
    for (int r = 1; r <= perCycle * cycles; ++r) {
        for (const ScheduledGame &g : byRound[std::size_t(r)]) {
            const TrfRound &white =
                file.players[std::size_t(g.firstNamed - 1)].rounds[std::size_t(r - 1)];
            // A round not yet paired is no fault; a paired one must be the table's.
            if (!white.paired())
                continue;
            const std::string table =
                std::to_string(g.firstNamed) + "-" + std::to_string(g.secondNamed);
            if (white.opponent != g.secondNamed)
                faults.push_back(
                    filled(translated("Trf", "тур %1: %2 играет с %3, а по таблице Бергера %4",
                                      "%4 is the pair the table gives, as 3-7"),
                           {std::to_string(r), std::to_string(g.firstNamed),
                            std::to_string(white.opponent), table}));
            else if (white.colour == 'b')
                faults.push_back(filled(translated("Trf", "тур %1: в паре %2 цвета наоборот, по "
                                                          "таблице Бергера белыми играет %3"),
                                        {std::to_string(r), table, std::to_string(g.firstNamed)}));
        }
    }
    return faults;
}

// "3 тура", "21 тур": a count of rounds.
std::string roundsText(int count)
{
    return countedText(translated("Counts", "%n туров", nullptr, count), count, "тур", "тура",
                       "туров");
}

// "по 3 тура", "по 21 туру": rounds in each cycle.
std::string roundsEachText(int count)
{
    return countedText(
        translated("CountsEach", "%n туров", "after «по»: rounds in each cycle", count), count,
        "туру", "тура", "туров");
}

// What a 092 line says of the event: a round robin, or nothing it says otherwise.
bool roundRobinType(const std::string &type)
{
    std::string letters;
    for (const char c : type) {
        if (std::isalpha(static_cast<unsigned char>(c)))
            letters += char(std::tolower(static_cast<unsigned char>(c)));
    }
    if (letters.empty())
        return true;
    if (letters.find("team") != std::string::npos)
        return false;
    return letters.find("robin") != std::string::npos ||
           letters.find("berger") != std::string::npos;
}

// The cycles of a file in scope; 0 for one out of scope.
int cyclesOf(const TrfFile &file, TrfError &why)
{
    if (const std::optional<TrfError> out = outOfScope(file)) {
        why = *out;
        return 0;
    }
    return file.roundCount / roundCount(int(file.players.size()));
}

// The ranks the file gives a tied group are its places, each once, or all its first.
bool sharedRanksFit(const TrfFile &file, const TieBreakRow &row,
                    const std::vector<TieBreakRow> &rows)
{
    std::vector<int> ranks;
    for (const TieBreakRow &other : rows) {
        if (other.firstPlace == row.firstPlace)
            ranks.push_back(file.players[std::size_t(other.player - 1)].rank);
    }
    std::sort(ranks.begin(), ranks.end());
    bool eachOnce = true;
    bool allFirst = true;
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        eachOnce = eachOnce && ranks[k] == row.firstPlace + int(k);
        allFirst = allFirst && ranks[k] == row.firstPlace;
    }
    return eachOnce || allFirst;
}

// The reversal choice of two cycles or more: the one the pairings follow.
bool reversalOf(const TrfFile &file, int cycles)
{
    return cycles >= 2 &&
           pairingFaults(file, cycles, true).size() < pairingFaults(file, cycles, false).size();
}

} // namespace

std::optional<TrfError> outOfScope(const TrfFile &file)
{
    const int n = int(file.players.size());
    const std::string type = file.first("092");
    if (!roundRobinType(type))
        return TrfError{0,
                        filled(translated("Trf", "092 называет не круговой турнир: %1"), {type})};
    if (n < 3 || n > kMaxTablePlayers)
        return TrfError{
            0, filled(translated("Trf", "%1, а в круговом турнире их 3-22"), {playerCountText(n)})};
    const int perCycle = roundCount(n);
    if (file.roundCount % perCycle != 0 || file.roundCount / perCycle < 1 ||
        file.roundCount / perCycle > kMaxCycles)
        return TrfError{
            0, filled(translated("Trf", "%1 — не 1-4 круга по %2 для %3"),
                      {roundsText(file.roundCount), roundsEachText(perCycle), playersForText(n)})};
    const std::string encoded = file.first("192");
    if (!encoded.empty() && encoded.find("ROBIN") == std::string::npos)
        return TrfError{
            0, filled(translated("Trf", "192 называет не круговой турнир: %1"), {encoded})};
    return std::nullopt;
}

int trfCycles(const TrfFile &file)
{
    TrfError why;
    return cyclesOf(file, why);
}

bool followsBerger(const TrfFile &file, int cycles, bool reverse)
{
    return pairingFaults(file, cycles, reverse).empty();
}

std::string notTieBreak(std::string_view where, std::string_view code)
{
    return filled(translated("Trf", "%1: %2 — не показатель кругового турнира",
                             "%1 is where the list stands (a TRF line's code or an option)"),
                  {where, code});
}

std::optional<TrfRoundRobin> trfRoundRobin(const TrfFile &file, TrfError &why)
{
    const int n = int(file.players.size());
    const int cycles = cyclesOf(file, why);
    if (cycles == 0)
        return std::nullopt;
    const int perCycle = roundCount(n);
    TrfRoundRobin out;
    std::string unknown;
    const auto listed = tieBreaksOf(codesOf(file.first("202")), unknown);
    if (!listed) {
        why = {0, notTieBreak("202", unknown)};
        return std::nullopt;
    }
    out.tieBreaks = *listed;
    // 212 is the whole order of the standings: the score first, then the same list as 202.
    if (file.header.count("212") > 0) {
        std::vector<std::string> codes = codesOf(file.first("212"));
        if (codes.empty() || codes.front() != "PTS") {
            why = {0,
                   translated("Trf", "212: места распределяются не по очкам (нет PTS в начале)")};
            return std::nullopt;
        }
        codes.erase(codes.begin());
        const auto ordered = tieBreaksOf(codes, unknown);
        if (!ordered) {
            why = {0, notTieBreak("212", unknown)};
            return std::nullopt;
        }
        if (file.header.count("202") == 0)
            out.tieBreaks = *ordered;
        else if (*ordered != out.tieBreaks) {
            why = {0, translated("Trf", "212 и 202 называют разные показатели")};
            return std::nullopt;
        }
    }
    RoundRobinResults &r = out.results;
    r.playerCount = n;
    r.cycleCount = cycles;
    for (const TrfPlayer &p : file.players) {
        r.rating[std::size_t(p.number)] = p.rating;
        r.unrated[std::size_t(p.number)] = p.rating == 0;
        int lastPaired = 0;
        bool scored = false;
        for (int round = 1; round <= file.roundCount; ++round) {
            const TrfRound &g = p.rounds[std::size_t(round - 1)];
            if (g.opponent > 0)
                lastPaired = round;
            scored = scored || (g.opponent > 0 && g.result != ' ');
            if (g.opponent == 0)
                continue;
            const int c = (round - 1) / perCycle;
            const int q = g.opponent;
            auto &cell = r.games[std::size_t(c)][std::size_t(p.number)][std::size_t(q)];
            if (cell != GameState::None ||
                r.round[std::size_t(c)][std::size_t(p.number)][std::size_t(q)] != 0) {
                why = {p.line, filled(translated("Trf", "встречается с %1 дважды в круге %2"),
                                      {std::to_string(q), std::to_string(c + 1)})};
                return std::nullopt;
            }
            cell = stateOf(g.result);
            r.white[std::size_t(c)][std::size_t(p.number)][std::size_t(q)] =
                g.colour == 'b' ? q : p.number;
            r.round[std::size_t(c)][std::size_t(p.number)][std::size_t(q)] = round;
        }
        // Paired but never scored, and no rank: one who left without a place. His games
        // are no games of the others; the engine drops them once he has withdrawn.
        if (p.rank == 0 && lastPaired > 0 && !scored)
            r.withdrawnAfter[std::size_t(p.number)] = std::max(1, lastPaired);
    }
    // Pairs not yet paired still need a round and colours for the engine: the table's.
    const auto schedule = bergerSchedule(n, r.cycleCount, false);
    for (const ScheduledGame &g : schedule) {
        const int c = (g.round - 1) / perCycle;
        auto &round = r.round[std::size_t(c)];
        if (round[std::size_t(g.firstNamed)][std::size_t(g.secondNamed)] != 0)
            continue;
        round[std::size_t(g.firstNamed)][std::size_t(g.secondNamed)] = g.round;
        round[std::size_t(g.secondNamed)][std::size_t(g.firstNamed)] = g.round;
        r.white[std::size_t(c)][std::size_t(g.firstNamed)][std::size_t(g.secondNamed)] =
            g.firstNamed;
        r.white[std::size_t(c)][std::size_t(g.secondNamed)][std::size_t(g.firstNamed)] =
            g.firstNamed;
    }
    out.reverseLastRounds = reversalOf(file, cycles);
    return out;
}

std::vector<std::string> checkTrf(const TrfFile &file)
{
    auto said = [](const TrfError &why) {
        return why.line > 0 ? filled(translated("Trf", "строка %1: %2"),
                                     {std::to_string(why.line), why.reason})
                            : why.reason;
    };
    TrfError why;
    const int cycles = cyclesOf(file, why);
    if (cycles == 0)
        return {said(why)};
    std::vector<std::string> faults = pairingFaults(file, cycles, reversalOf(file, cycles));
    const std::optional<TrfRoundRobin> rr = trfRoundRobin(file, why);
    if (!rr) {
        faults.push_back(said(why));
        return faults;
    }
    std::string list;
    for (const TieBreak &tb : rr->tieBreaks)
        list += (list.empty() ? "" : " ") + fideCode(tb);
    const std::vector<TieBreakRow> rows = rankByTieBreaks(rr->results, rr->tieBreaks);
    for (const TieBreakRow &row : rows) {
        const TrfPlayer &p = file.players[std::size_t(row.player - 1)];
        // Players the list leaves tied may stand in any order among their places: the
        // lots and the director's order are no part of 202.
        const bool withinTie = row.firstPlace > 0 && p.rank >= row.firstPlace &&
                               p.rank <= row.lastPlace && sharedRanksFit(file, row, rows);
        if (p.rank != row.firstPlace && !withinTie) {
            const std::string player = std::to_string(row.player);
            const std::string rank = std::to_string(p.rank);
            const std::string place = row.firstPlace
                                          ? std::to_string(row.firstPlace)
                                          : translated("Trf", "без места", "a player's place");
            faults.push_back(
                list.empty()
                    ? filled(translated("Trf", "игрок %1: в файле место %2, по очкам — %3"),
                             {player, rank, place})
                    : filled(translated("Trf", "игрок %1: в файле место %2, по очкам и %3 — %4",
                                        "%3 is the list of tie-break codes"),
                             {player, rank, list, place}));
        }
        const Fixed points = row.firstPlace > 0 ? row.points : kZero;
        if (p.points != points)
            faults.push_back(
                filled(translated("Trf", "игрок %1: очки в файле расходятся с его партиями"),
                       {std::to_string(row.player)}));
    }
    return faults;
}

} // namespace krugovik
