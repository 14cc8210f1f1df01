#include "table/tournament_file.h"

#include <algorithm>
#include <charconv>

#include "base/player_record.h"
#include "common/fixed_point.h"
#include "common/number_text.h"
#include "common/texts.h"
#include "rating/game_notation.h"
#include "rounds/berger_schedule.h"
#include "standings/tie_breaks.h"
#include "table/event_details_file.h"

namespace krugovik {
namespace {

int heldNumber(std::string_view line)
{
    return heldItemNumber(readInteger(line));
}

// Whether the reading of a number finds digits at all, by the rule of readInteger: blanks
// anywhere, a sign first, then digits or a point and digits.
bool startsWithNumber(std::string_view line)
{
    bool signAllowed = true;
    bool pointSeen = false;
    for (const char c : line) {
        if (c == ' ')
            continue;
        if (c >= '0' && c <= '9')
            return true;
        if (signAllowed && (c == '-' || c == '+')) {
            signAllowed = false;
        } else if (c == '.' && !pointSeen) {
            signAllowed = false;
            pointSeen = true;
        } else {
            return false;
        }
    }
    return false;
}

// Control bytes that no number or result line holds. NUL pads a new file's first line; a
// tab is text.
bool isBinaryByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0 || byte == '\t' || byte == '\r' || byte == '\n')
        return false;
    return byte < 0x20 || byte == 0x7f;
}

void appendTextItem(std::string &file, std::string_view item)
{
    const std::size_t start = file.size();
    file += item;
    std::replace_if(
        file.begin() + static_cast<std::ptrdiff_t>(start), file.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    file += kLineEnd;
}

// Whether line `index` (from 0) of a file of n players is a name or a rating, the items
// that come from the director's typing or from the base.
bool isTextItemLine(std::size_t index, int n)
{
    if (index == 0)
        return false;
    const std::size_t block = (index - 1) / std::size_t(n + 3);
    const std::size_t item = (index - 1) % std::size_t(n + 3) + 1;
    return block < std::size_t(n) &&
           (item == std::size_t(BlockItem::Name) || item == std::size_t(BlockItem::Rating));
}

bool inRange(int count)
{
    return count >= kFewestTournamentPlayers && count <= kMostTournamentPlayers;
}

// The lines of a file as the items are read from them, before their blanks are removed:
// each ends at CR LF, a lone CR or a lone LF; the end-of-file marks ending the bytes are no
// part of them.
using Lines = std::vector<std::string_view>;

Lines splitLines(std::string_view bytes)
{
    bytes = withoutEndOfFileMark(bytes);
    Lines lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        lines.push_back(bytes.substr(at, end - at));
        at = end;
        if (at < bytes.size())
            at += bytes.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    }
    return lines;
}

bool holdsBinaryByte(std::string_view line)
{
    return std::any_of(line.begin(), line.end(), isBinaryByte);
}

FileKind kindOf(const Lines &lines)
{
    if (lines.empty())
        return FileKind::Empty;
    // Without a count there is no structure to place a name in: any control byte counts.
    const std::string first = trimBlanks(lines.front());
    const bool counted = startsWithNumber(first);
    if (!counted || !inRange(heldNumber(first))) {
        if (std::any_of(lines.begin(), lines.end(), holdsBinaryByte))
            return FileKind::BinaryData;
        return counted ? FileKind::CountOutOfRange : FileKind::NoCount;
    }
    // A file cut short is still a tournament file; names and ratings may hold any byte.
    const int n = heldNumber(first);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (!isTextItemLine(index, n) && holdsBinaryByte(lines[index]))
            return FileKind::BinaryData;
    }
    return FileKind::Tournament;
}

// The items of the lines one after the other.
class LineItems {
  public:
    explicit LineItems(const Lines &lines, std::size_t from = 0) : m_lines(lines), m_next(from) {}

    std::optional<std::string> text()
    {
        if (m_next >= m_lines.size())
            return std::nullopt;
        return trimBlanks(m_lines[m_next++]);
    }
    std::optional<int> number()
    {
        const std::optional<std::string> line = text();
        if (!line)
            return std::nullopt;
        return heldNumber(*line);
    }

  private:
    const Lines &m_lines;
    std::size_t m_next;
};

TournamentFile bodyOf(const Lines &lines);
FileExtensionRead extensionOf(const Lines &lines, int playerCount);

} // namespace

int heldItemNumber(std::int64_t value)
{
    return int(std::clamp(value, -kItemNumberLimit, kItemNumberLimit));
}

std::string newFileContent()
{
    return " 3 " + std::string(kNewFilePadding, '\0') + std::string(kLineEnd);
}

std::string integerItem(std::int64_t value)
{
    // The sign stands where a non-negative number has its blank.
    std::string item = value < 0 ? std::string() : std::string(1, ' ');
    item.append(std::to_string(value)).push_back(' ');
    return item;
}

bool TournamentFile::complete() const
{
    if (!playerCount || !inRange(*playerCount))
        return false;
    const auto n = static_cast<std::size_t>(*playerCount);
    return players.size() == n && std::all_of(players.begin(), players.end(), [n](auto &block) {
               return block.headItemsRead == kBlockHeadItems && block.results.size() == n - 1;
           });
}

std::string_view withoutEndOfFileMark(std::string_view bytes)
{
    const std::size_t last = bytes.find_last_not_of(kEndOfFileMark);
    return bytes.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

TournamentFile readTournamentFile(std::string_view bytes)
{
    return bodyOf(splitLines(bytes));
}

namespace {

TournamentFile bodyOf(const Lines &lines)
{
    TournamentFile file;
    LineItems reader(lines);
    file.playerCount = reader.number();
    if (!file.playerCount || !inRange(*file.playerCount))
        return file;
    const int n = *file.playerCount;
    for (int i = 1; i <= n; ++i) {
        std::optional<std::string> name = reader.text();
        if (!name)
            return file;
        PlayerBlock &block = file.players.emplace_back();
        block.name = std::move(*name);
        block.headItemsRead = 1;
        const std::optional<int> recordNo = reader.number();
        if (!recordNo)
            return file;
        block.baseRecordNo = *recordNo;
        block.headItemsRead = 2;
        std::optional<std::string> rating = reader.text();
        if (!rating)
            return file;
        block.rating = std::move(*rating);
        block.headItemsRead = 3;
        const std::optional<int> mark = reader.number();
        if (!mark)
            return file;
        block.correctionMark = *mark;
        block.headItemsRead = kBlockHeadItems;
        for (int j = 1; j < n; ++j) {
            std::optional<std::string> result = reader.text();
            if (!result)
                return file;
            block.results.push_back(std::move(*result));
        }
    }
    return file;
}

} // namespace

std::string writeTournamentFile(const std::vector<PlayerBlock> &players)
{
    const std::size_t resultsPerBlock = players.empty() ? 0 : players.size() - 1;
    std::string file = integerItem(static_cast<std::int64_t>(players.size()));
    file += kLineEnd;
    for (const PlayerBlock &player : players) {
        appendTextItem(file, player.name);
        file += integerItem(player.baseRecordNo);
        file += kLineEnd;
        appendTextItem(file, player.rating);
        file += integerItem(player.correctionMark);
        file += kLineEnd;
        for (std::size_t k = 0; k < resultsPerBlock; ++k)
            appendTextItem(file, k < player.results.size() ? player.results[k] : "");
    }
    return file;
}

namespace {

// The extension's sections in the order they must come.
enum class Section { None, Cycles, Reverse, Results, TieBreaks, Withdrawn, Event, Draw };

struct SectionLine {
    std::string_view word;
    std::string_view argument;
};

SectionLine splitSection(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

// A whole line of decimal digits within [low, high]; nothing else.
std::optional<int> strictNumber(std::string_view text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        text.front() == '-' || value < low || value > high)
        return std::nullopt;
    return value;
}

void appendLine(std::string &out, std::string_view line)
{
    out += line;
    out += kLineEnd;
}

// The results of one further cycle: every text one of the six, every game mirrored but a
// game lost by both ("-" on both sides: neither came to it).
std::string checkCycleResults(const std::vector<std::string> &results, int n, int cycle)
{
    std::vector<std::vector<GameState>> state(std::size_t(n) + 1,
                                              std::vector<GameState>(std::size_t(n) + 1));
    std::size_t next = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            const std::string &text = results[next++];
            const std::optional<GameState> read = stateFromCellText(text);
            if (!read)
                return filled(
                    translated("TournamentFile", "в цикле %1 результат «%2» не из шести возможных"),
                    {std::to_string(cycle), text});
            state[std::size_t(i)][std::size_t(j)] = *read;
        }
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const GameState ij = state[std::size_t(i)][std::size_t(j)];
            const GameState ji = state[std::size_t(j)][std::size_t(i)];
            const bool bothLost = ij == GameState::ForfeitLoss && ji == GameState::ForfeitLoss;
            if (ji != mirrored(ij) && !bothLost)
                return filled(translated("TournamentFile",
                                         "в цикле %1 результаты партии %2-%3 не согласованы"),
                              {std::to_string(cycle), std::to_string(i), std::to_string(j)});
        }
    }
    return {};
}

} // namespace

std::string writeFileExtension(const FileExtension &extension)
{
    if (!extension.needed())
        return {};
    std::string body;
    int lines = 0;
    const auto add = [&](std::string_view line) {
        appendTextItem(body, line);
        ++lines;
    };
    if (extension.cycles > 1) {
        add("CYCLES " + std::to_string(extension.cycles));
        add(std::string("REVERSE ") + (extension.reverseLastRounds ? "1" : "0"));
        for (std::size_t c = 0; c < extension.laterResults.size(); ++c) {
            add("RESULTS " + std::to_string(c + 2));
            for (const std::string &result : extension.laterResults[c])
                add(result);
        }
    }
    if (!extension.tieBreakCodes.empty()) {
        std::string line = "TIEBREAKS";
        for (const std::string &code : extension.tieBreakCodes)
            line.append(" ").append(code);
        add(line);
    }
    for (const auto &[player, round] : extension.withdrawn)
        add("WITHDRAWN " + std::to_string(player) + " " + std::to_string(round));
    for (const std::string &line : eventDetailsLines(extension.event))
        add(line);
    if (extension.draw)
        add("DRAW " + drawRecordText(*extension.draw));
    for (const auto &[player, identity] : extension.identities)
        add(identityExtensionLine(player, identity));
    std::string out;
    appendLine(out, kExtensionMarker);
    out += body;
    appendLine(out, std::string(kExtensionEnd) + " " + std::to_string(lines));
    return out;
}

FileExtensionRead readFileExtension(std::string_view bytes, int playerCount)
{
    return extensionOf(splitLines(bytes), playerCount);
}

namespace {

FileExtensionRead extensionOf(const Lines &allLines, int playerCount)
{
    FileExtensionRead out;
    if (!inRange(playerCount))
        return out;
    const int n = playerCount;
    if (allLines.size() < std::size_t(tournamentLineCount(n)))
        return out;
    LineItems reader(allLines, std::size_t(tournamentLineCount(n)));
    const std::optional<std::string> marker = reader.text();
    // Lines after the last block that are no extension are no part of the tournament.
    if (!marker || marker->rfind("*KRUGOVIK", 0) != 0)
        return out;
    if (*marker != kExtensionMarker) {
        out.error = filled(translated("TournamentFile", "дополнение файла «%1» записано более "
                                                        "новой версией программы"),
                           {*marker});
        return out;
    }
    std::vector<std::string> lines;
    std::optional<std::string> line;
    while ((line = reader.text()) && splitSection(*line).word != kExtensionEnd)
        lines.push_back(std::move(*line));
    if (!line) {
        out.error = translated("TournamentFile", "дополнение файла оборвано: нет строки *END");
        return out;
    }
    if (strictNumber(splitSection(*line).argument, 0, int(kItemNumberLimit)) != int(lines.size())) {
        out.error = translated("TournamentFile",
                               "в дополнении файла %n строк, а строка *END называет другое число",
                               nullptr, int(lines.size()));
        return out;
    }

    FileExtension &ext = out.extension;
    const std::size_t resultLines = std::size_t(n) * std::size_t(n - 1);
    Section last = Section::None;
    bool reverseRead = false;
    EventDetailsReader events;
    for (std::size_t at = 0; at < lines.size();) {
        const std::string &text = lines[at++];
        const SectionLine section = splitSection(text);
        if (section.word == kIdentitySection) {
            if (!readIdentityExtensionLine(section.argument, n, ext.identities)) {
                out.error =
                    filled(translated("TournamentFile", "в дополнении файла неверная строка «%1»"),
                           {text});
                return out;
            }
            continue;
        }
        Section kind = Section::None;
        if (section.word == "CYCLES")
            kind = Section::Cycles;
        else if (section.word == "REVERSE")
            kind = Section::Reverse;
        else if (section.word == "RESULTS")
            kind = Section::Results;
        else if (section.word == "TIEBREAKS")
            kind = Section::TieBreaks;
        else if (section.word == "WITHDRAWN")
            kind = Section::Withdrawn;
        else if (section.word == kEventSection)
            kind = Section::Event;
        else if (section.word == "DRAW")
            kind = Section::Draw;
        if (kind == Section::None) {
            out.error = filled(
                translated("TournamentFile", "в дополнении файла неизвестный раздел «%1»"), {text});
            return out;
        }
        // Each section once and in order, RESULTS once per further cycle; REVERSE and
        // RESULTS only after CYCLES.
        const bool repeats = kind == last && (kind == Section::Results ||
                                              kind == Section::Withdrawn || kind == Section::Event);
        const bool needsCycles = kind == Section::Reverse || kind == Section::Results;
        if (!(kind > last || repeats) || (needsCycles && last == Section::None)) {
            out.error = filled(
                translated("TournamentFile", "в дополнении файла раздел «%1» не на своём месте"),
                {text});
            return out;
        }
        last = kind;
        const auto outOfRange = [&] {
            out.error = filled(
                translated("TournamentFile", "в дополнении файла число вне пределов в строке «%1»"),
                {text});
        };
        if (kind == Section::Cycles) {
            const std::optional<int> count = strictNumber(section.argument, 2, 4);
            if (!count)
                return outOfRange(), out;
            ext.cycles = *count;
        } else if (kind == Section::Reverse) {
            const std::optional<int> flag = strictNumber(section.argument, 0, 1);
            if (!flag)
                return outOfRange(), out;
            ext.reverseLastRounds = *flag == 1;
            reverseRead = true;
        } else if (kind == Section::TieBreaks) {
            const std::string codes(section.argument);
            std::size_t at = 0;
            while (at < codes.size()) {
                const std::size_t begin = codes.find_first_not_of(' ', at);
                if (begin == std::string::npos)
                    break;
                const std::size_t stop = std::min(codes.find(' ', begin), codes.size());
                const std::string code = codes.substr(begin, stop - begin);
                if (!tieBreakFromCode(code)) {
                    out.error = filled(
                        translated("TournamentFile", "в дополнении файла неизвестное правило «%1»"),
                        {code});
                    return out;
                }
                ext.tieBreakCodes.push_back(code);
                at = stop;
            }
            if (ext.tieBreakCodes.empty())
                return outOfRange(), out;
        } else if (kind == Section::Event) {
            const int rounds = roundCount(n) * ext.cycles;
            if (std::string why = events.read(section.argument, rounds, ext.event); !why.empty()) {
                out.error = filled(translated("TournamentFile", "в дополнении файла %1",
                                              "%1 is a reason: a clause without a capital"),
                                   {why});
                return out;
            }
        } else if (kind == Section::Draw) {
            ext.draw = readDrawRecord(section.argument);
            if (!ext.draw)
                return outOfRange(), out;
        } else if (kind == Section::Withdrawn) {
            const std::string args(section.argument);
            const std::size_t blank = args.find(' ');
            if (blank == std::string::npos)
                return outOfRange(), out;
            const int player = strictNumber(args.substr(0, blank), 1, n).value_or(0);
            const int round =
                strictNumber(args.substr(blank + 1), 1, roundCount(n) * ext.cycles).value_or(0);
            // One line per player, in table order.
            const int previous = ext.withdrawn.empty() ? 0 : ext.withdrawn.back().first;
            if (player == 0 || round == 0 || player <= previous)
                return outOfRange(), out;
            ext.withdrawn.emplace_back(player, round);
        } else {
            const int expected = int(ext.laterResults.size()) + 2;
            if (strictNumber(section.argument, 2, ext.cycles) != expected)
                return outOfRange(), out;
            if (lines.size() - at < resultLines) {
                out.error = filled(
                    translated("TournamentFile", "в дополнении файла неполны результаты цикла %1"),
                    {std::to_string(expected)});
                return out;
            }
            ext.laterResults.emplace_back(lines.begin() + std::ptrdiff_t(at),
                                          lines.begin() + std::ptrdiff_t(at + resultLines));
            at += resultLines;
            if (std::string why = checkCycleResults(ext.laterResults.back(), n, expected);
                !why.empty()) {
                out.error = filled(translated("TournamentFile", "в дополнении файла %1",
                                              "%1 is a reason: a clause without a capital"),
                                   {why});
                return out;
            }
        }
    }
    if (ext.cycles > 1 && !reverseRead) {
        out.error = translated("TournamentFile", "в дополнении файла нет строки REVERSE");
        return out;
    }
    if (int(ext.laterResults.size()) != ext.cycles - 1) {
        out.error =
            filled(translated("TournamentFile", "в дополнении файла нет результатов цикла %1"),
                   {std::to_string(int(ext.laterResults.size()) + 2)});
        return out;
    }
    return out;
}

} // namespace

std::optional<std::string> ItemReader::text()
{
    if (m_position >= m_bytes.size())
        return std::nullopt;
    const std::size_t end = m_bytes.find_first_of("\r\n", m_position);
    const std::size_t stop = end == std::string::npos ? m_bytes.size() : end;
    const std::string_view line = std::string_view(m_bytes).substr(m_position, stop - m_position);
    m_position = stop;
    if (m_position < m_bytes.size()) {
        const bool crlf = m_bytes[m_position] == '\r' && m_position + 1 < m_bytes.size() &&
                          m_bytes[m_position + 1] == '\n';
        m_position += crlf ? 2 : 1;
    }
    return trimBlanks(line);
}

std::optional<int> ItemReader::number()
{
    const std::optional<std::string> line = text();
    if (!line)
        return std::nullopt;
    return heldNumber(*line);
}

FileKind classifyTournamentFile(std::string_view bytes)
{
    return kindOf(splitLines(bytes));
}

std::string foreignFileReason(std::string_view bytes)
{
    return describeTournamentFile(bytes).foreignReason();
}

FileDescription describeTournamentFile(std::string_view bytes)
{
    const Lines lines = splitLines(bytes);
    FileDescription file;
    file.kind = kindOf(lines);
    file.body = bodyOf(lines);
    file.extension = extensionOf(lines, file.body.playerCount.value_or(0));
    return file;
}

std::string FileDescription::foreignReason() const
{
    switch (kind) {
    case FileKind::Tournament:
    case FileKind::Empty:
        return {};
    case FileKind::BinaryData:
        return translated("TournamentFile", "в нём двоичные данные");
    case FileKind::NoCount:
        return translated("TournamentFile", "в первой строке нет числа участников");
    case FileKind::CountOutOfRange:
        return filled(translated("TournamentFile", "число участников %1 вне пределов от 3 до 22"),
                      {std::to_string(body.playerCount.value_or(0))});
    }
    return {};
}

} // namespace krugovik
