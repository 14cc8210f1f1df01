#include "trf/trf_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "common/texts.h"

namespace krugovik {
namespace {

// Columns of the 001 line, counted from 1 as the format describes them.
constexpr std::size_t kNumberColumn = 5, kNumberWidth = 4;
constexpr std::size_t kSexColumn = 10, kSexWidth = 1;
constexpr std::size_t kTitleColumn = 11, kTitleWidth = 3;
constexpr std::size_t kNameColumn = 15, kNameWidth = 33;
constexpr std::size_t kRatingColumn = 49, kRatingWidth = 4;
constexpr std::size_t kFederationColumn = 54, kFederationWidth = 3;
constexpr std::size_t kIdColumn = 58, kIdWidth = 11;
constexpr std::size_t kBirthColumn = 70, kBirthWidth = 10;
constexpr std::size_t kPointsColumn = 81, kPointsWidth = 4;
constexpr std::size_t kRankColumn = 86, kRankWidth = 4;
constexpr std::size_t kFirstRoundColumn = 92, kRoundStep = 10;
constexpr std::size_t kOpponentWidth = 4;
constexpr std::size_t kColourOffset = 5, kResultOffset = 7;
// More rounds than any round robin of 22 players in 4 cycles could need.
constexpr int kMostRounds = 200;

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A whole number written right-aligned in a field; 0 for blanks, nothing for anything else.
std::optional<int> number(std::string_view text)
{
    const std::string_view digits = trimmed(text);
    if (digits.empty())
        return 0;
    if (digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(digits));
}

// "2.5", "10", "10.0": whole or half points.
std::optional<Fixed> points(std::string_view text)
{
    const std::string_view digits = trimmed(text);
    if (digits.empty())
        return kZero;
    const std::size_t dot = digits.find('.');
    const auto whole = number(digits.substr(0, dot));
    if (!whole || (dot == 0))
        return std::nullopt;
    Fixed value = Fixed::fromInt(*whole);
    if (dot != std::string_view::npos) {
        const std::string_view tenths = digits.substr(dot + 1);
        if (tenths == "5")
            value += kHalf;
        else if (tenths != "0")
            return std::nullopt;
    }
    return value;
}

bool resultWithOpponent(char c)
{
    return std::string_view("10=+-WDL ").find(c) != std::string_view::npos;
}

bool resultWithoutOpponent(char c)
{
    return std::string_view("+-HFUZW=D L0 ").find(c) != std::string_view::npos;
}

// The result the opponent's side must show.
char mirrorResult(char c)
{
    switch (c) {
    case '1':
        return '0';
    case '0':
        return '1';
    case '+':
        return '-';
    case '-':
        return '+';
    case 'W':
        return 'L';
    case 'L':
        return 'W';
    default:
        return c; // '=', 'D', ' '
    }
}

std::optional<TrfPlayer> playerLine(std::string_view text, int lineNumber, std::string &why)
{
    const TrfColumns line(text);
    TrfPlayer p;
    p.line = lineNumber;
    const auto start = number(line.field(kNumberColumn, kNumberWidth));
    if (!start || *start <= 0) {
        why = translated("Trf", "стартовый номер (колонки 5-8) — не число");
        return std::nullopt;
    }
    p.number = *start;
    p.sex = std::string(trimmed(line.field(kSexColumn, kSexWidth)));
    p.title = std::string(trimmed(line.field(kTitleColumn, kTitleWidth)));
    p.name = std::string(trimmed(line.field(kNameColumn, kNameWidth)));
    const auto rating = number(line.field(kRatingColumn, kRatingWidth));
    if (!rating) {
        why = translated("Trf", "рейтинг (колонки 49-52) — не число");
        return std::nullopt;
    }
    p.rating = *rating;
    p.federation = std::string(trimmed(line.field(kFederationColumn, kFederationWidth)));
    p.fideId = std::string(trimmed(line.field(kIdColumn, kIdWidth)));
    p.birth = std::string(trimmed(line.field(kBirthColumn, kBirthWidth)));
    const auto scored = points(line.field(kPointsColumn, kPointsWidth));
    if (!scored) {
        why = translated("Trf", "очки (колонки 81-84) — не целые и не с половиной");
        return std::nullopt;
    }
    p.points = *scored;
    const auto rank = number(line.field(kRankColumn, kRankWidth));
    if (!rank) {
        why = translated("Trf", "место (колонки 86-89) — не число");
        return std::nullopt;
    }
    p.rank = *rank;
    for (std::size_t column = kFirstRoundColumn; column <= line.size(); column += kRoundStep) {
        const int round = int((column - kFirstRoundColumn) / kRoundStep) + 1;
        if (round > kMostRounds) {
            why = filled(translated("Trf", "больше %1 туров"), {std::to_string(kMostRounds)});
            return std::nullopt;
        }
        const std::string cell = line.field(column - 1, kRoundStep);
        // The blank before each round and the ones between its fields; letters of other
        // alphabets have no place there.
        if (cell.size() != kRoundStep || cell[0] != ' ' || cell[5] != ' ' || cell[7] != ' ') {
            why = filled(translated("Trf", "тур %1 не на своих колонках"), {std::to_string(round)});
            return std::nullopt;
        }
        TrfRound r;
        const auto opponent = number(cell.substr(1, kOpponentWidth));
        if (!opponent) {
            why = filled(translated("Trf", "тур %1: номер соперника — не число"),
                         {std::to_string(round)});
            return std::nullopt;
        }
        r.opponent = *opponent;
        r.colour = cell[1 + kColourOffset];
        r.result = cell[1 + kResultOffset];
        if (std::string_view("wb- ").find(r.colour) == std::string_view::npos) {
            why = filled(translated("Trf", "тур %1: неизвестный цвет '%2'"),
                         {std::to_string(round), std::string(1, r.colour)});
            return std::nullopt;
        }
        const bool known =
            r.opponent > 0 ? resultWithOpponent(r.result) : resultWithoutOpponent(r.result);
        if (!known) {
            why = filled(translated("Trf", "тур %1: неизвестный результат '%2'"),
                         {std::to_string(round), std::string(1, r.result)});
            return std::nullopt;
        }
        if (r.opponent > 0 && r.colour != 'w' && r.colour != 'b' && r.result != '+' &&
            r.result != '-') {
            why = filled(translated("Trf", "тур %1: партия без цвета"), {std::to_string(round)});
            return std::nullopt;
        }
        if (r.opponent == p.number) {
            why = filled(translated("Trf", "тур %1: игрок играет сам с собой"),
                         {std::to_string(round)});
            return std::nullopt;
        }
        p.rounds.push_back(r);
    }
    while (!p.rounds.empty() && !p.rounds.back().paired())
        p.rounds.pop_back();
    return p;
}

} // namespace

std::string TrfFile::first(const std::string &code) const
{
    const auto it = header.find(code);
    return it == header.end() || it->second.empty() ? std::string() : it->second.front();
}

bool knownTrfCode(std::string_view code, const std::vector<std::string> &nationalFederations)
{
    // TRF16's records, then those TRF-2026 adds.
    static constexpr std::array<std::string_view, 37> kCodes = {
        "001", "012", "013", "022", "032", "042", "052", "062", "072", "082", "092", "102", "112",
        "122", "132", "142", "152", "162", "172", "192", "202", "212", "222", "240", "250", "260",
        "299", "300", "310", "320", "330", "352", "362", "801", "802", "###", "182"};
    if (std::find(kCodes.begin(), kCodes.end(), code) != kCodes.end())
        return true;
    // The pairing programs' extensions: XXR, XXC, XXS... and bbpPairings' BBW, BBD...
    if (code.size() == 3 && (code.substr(0, 2) == "XX" || code.substr(0, 2) == "BB"))
        return true;
    return std::find(nationalFederations.begin(), nationalFederations.end(), code) !=
           nationalFederations.end();
}

TrfReadResult readTrf(std::string_view bytes)
{
    TrfReadResult out;
    TrfFile &file = out.file;
    auto fail = [&](int line, std::string reason) {
        out.errors.push_back({line, std::move(reason)});
        return out;
    };
    const TrfText decoded = decodeTrf(bytes);
    file.encoding = decoded.encoding;
    std::vector<TrfPlayer> players;
    // Lines of other codes, sorted out once every 172 is known.
    std::vector<std::pair<int, std::string>> others;
    int lineNumber = 0;
    for (const std::string_view line : trfLines(decoded.utf8)) {
        ++lineNumber;
        if (std::any_of(line.begin(), line.end(), [](char c) {
                const auto byte = static_cast<unsigned char>(c);
                return byte < 0x20 && c != '\t';
            }))
            return fail(lineNumber, translated("Trf", "управляющий символ"));
        if (trimmed(line).empty())
            continue;
        if (line.substr(0, 3) == "###") {
            file.comments.emplace_back(trimmed(line.substr(3)));
            continue;
        }
        if (line.size() < 3)
            return fail(lineNumber, translated("Trf", "строка короче своего кода"));
        const std::string code(line.substr(0, 3));
        if (code == "001") {
            std::string why;
            const auto player = playerLine(line, lineNumber, why);
            if (!player)
                return fail(lineNumber, why);
            players.push_back(*player);
            continue;
        }
        others.emplace_back(lineNumber, std::string(line));
    }
    // 172 names the federation whose national ratings stand in lines under its code.
    std::vector<std::string> federations;
    for (const auto &[at, line] : others) {
        if (line.substr(0, 3) == "172" && line.size() >= 7)
            federations.push_back(line.substr(4, 3));
    }
    for (const auto &[at, line] : others) {
        const std::string code = line.substr(0, 3);
        if (code != "172" &&
            std::find(federations.begin(), federations.end(), code) != federations.end()) {
            const auto rank = number(TrfColumns(line).field(kNumberColumn, kNumberWidth));
            file.national.push_back({at, code, rank.value_or(0), line});
            continue;
        }
        if (!knownTrfCode(code, federations)) {
            // Whatever it is, it is none of the format's lines: a finding, not a fault.
            file.unknown.push_back({at, TrfColumns(line).field(1, 3)});
            continue;
        }
        if (line.size() > 3 && line[3] != ' ')
            return fail(at, translated("Trf", "после кода нет пробела"));
        if (code == "132" && file.roundDates.empty())
            file.roundDates = line;
        file.header[code].emplace_back(
            trimmed(std::string_view(line).substr(std::min<std::size_t>(4, line.size()))));
    }
    if (players.empty())
        return fail(0, translated("Trf", "нет ни одной строки игрока (001)"));
    std::stable_sort(players.begin(), players.end(),
                     [](const TrfPlayer &a, const TrfPlayer &b) { return a.number < b.number; });
    const int n = int(players.size());
    for (int k = 0; k < n; ++k) {
        if (players[std::size_t(k)].number != k + 1) {
            const auto &p = players[std::size_t(k)];
            return fail(p.line, p.number == k
                                    ? filled(translated("Trf", "стартовый номер %1 дважды"),
                                             {std::to_string(k)})
                                    : filled(translated("Trf", "нет стартового номера %1"),
                                             {std::to_string(k + 1)}));
        }
    }
    // The count of rounds from 142 or XXR; the rounds of the lines must fit in it.
    int longest = 0;
    for (const TrfPlayer &p : players)
        longest = std::max(longest, int(p.rounds.size()));
    file.roundCount = longest;
    for (const char *code : {"142", "XXR"}) {
        if (const std::string count = file.first(code); !count.empty()) {
            const auto rounds = number(count);
            if (!rounds || *rounds > kMostRounds)
                return fail(0, filled(translated("Trf", "%1 — не число туров"), {code}));
            if (*rounds < longest)
                return fail(
                    0, filled(translated("Trf", "%1: туров меньше, чем в строках 001"), {code}));
            file.roundCount = *rounds;
            break;
        }
    }
    for (TrfPlayer &p : players)
        p.rounds.resize(std::size_t(file.roundCount));
    // Every game must read the same from both sides.
    for (const TrfPlayer &p : players) {
        for (int r = 1; r <= file.roundCount; ++r) {
            const TrfRound &mine = p.rounds[std::size_t(r - 1)];
            if (mine.opponent == 0)
                continue;
            if (mine.opponent > n)
                return fail(p.line,
                            filled(translated("Trf", "тур %1: у соперника %2 нет строки 001"),
                                   {std::to_string(r), std::to_string(mine.opponent)}));
            const TrfRound &theirs =
                players[std::size_t(mine.opponent - 1)].rounds[std::size_t(r - 1)];
            if (theirs.opponent != p.number)
                return fail(p.line,
                            filled(translated("Trf", "тур %1: игрок %2 не называет соперником %3"),
                                   {std::to_string(r), std::to_string(mine.opponent),
                                    std::to_string(p.number)}));
            const bool colours = (mine.colour == 'w' && theirs.colour == 'b') ||
                                 (mine.colour == 'b' && theirs.colour == 'w') ||
                                 (mine.colour == '-' && theirs.colour == '-');
            if (!colours)
                return fail(p.line, filled(translated("Trf", "тур %1: у обоих игроков один цвет"),
                                           {std::to_string(r)}));
            // Both lose by forfeit when both have left.
            const bool bothForfeited = mine.result == '-' && theirs.result == '-';
            if (theirs.result != mirrorResult(mine.result) && !bothForfeited)
                return fail(
                    p.line,
                    filled(translated("Trf", "тур %1: результат расходится с записью игрока %2"),
                           {std::to_string(r), std::to_string(mine.opponent)}));
        }
    }
    file.players = std::move(players);
    return out;
}

} // namespace krugovik
