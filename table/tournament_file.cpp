#include "table/tournament_file.h"

#include <algorithm>

#include "base/player_record.h"
#include "common/fixed_point.h"
#include "common/number_text.h"
#include "rounds/berger_schedule.h"
#include "standings/tie_breaks.h"

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

// Control bytes outside the names and ratings of a file of n players.
bool controlBytesOutsideTexts(std::string_view bytes, int n)
{
    std::size_t index = 0;
    for (std::size_t at = 0; at < bytes.size(); ++index) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        if (!isTextItemLine(index, n) &&
            std::any_of(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(end),
                        isBinaryByte))
            return true;
        at = end;
        if (at < bytes.size())
            at += bytes.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    }
    return false;
}

std::string firstLine(std::string_view bytes)
{
    return trimBlanks(bytes.substr(0, bytes.find_first_of("\r\n")));
}

bool inRange(int count)
{
    return count >= kFewestTournamentPlayers && count <= kMostTournamentPlayers;
}

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
    TournamentFile file;
    ItemReader reader{std::string(withoutEndOfFileMark(bytes))};
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
    if (bytes.empty())
        return FileKind::Empty;
    bytes = withoutEndOfFileMark(bytes);
    if (bytes.empty())
        return FileKind::Empty;
    // Without a count there is no structure to place a name in: any control byte counts.
    const std::string first = firstLine(bytes);
    const bool counted = startsWithNumber(first);
    if (!counted || !inRange(heldNumber(first))) {
        if (std::any_of(bytes.begin(), bytes.end(), isBinaryByte))
            return FileKind::BinaryData;
        return counted ? FileKind::CountOutOfRange : FileKind::NoCount;
    }
    // A file cut short is still a tournament file.
    if (controlBytesOutsideTexts(bytes, heldNumber(first)))
        return FileKind::BinaryData;
    return FileKind::Tournament;
}

std::string foreignFileReason(std::string_view bytes)
{
    switch (classifyTournamentFile(bytes)) {
    case FileKind::Tournament:
        return readTournamentExtension(bytes).error;
    case FileKind::Empty:
        return {};
    case FileKind::BinaryData:
        return "в нём двоичные данные";
    case FileKind::NoCount:
        return "в первой строке нет числа участников";
    case FileKind::CountOutOfRange:
        return "число участников " +
               std::to_string(heldNumber(firstLine(withoutEndOfFileMark(bytes)))) +
               " вне пределов от 3 до 22";
    }
    return {};
}

// The extension's places sections: tie-break rules and withdrawals.

namespace {

constexpr std::string_view kEndLine = "*END";
// Sections in the order they must come; the cycles' own come first.
constexpr std::string_view kSections[] = {"CYCLES", "REVERSE", "RESULTS", "TIEBREAKS", "WITHDRAWN"};

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        out.push_back(line.substr(start, end - start));
        at = end;
    }
    return out;
}

// A whole decimal number without sign, or nothing.
std::optional<int> wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(text));
}

std::string refusal(const std::string &why)
{
    return "дополнение после таблицы повреждено: " + why;
}

} // namespace

std::string placesSectionLines(const PlacesExtension &places)
{
    std::string lines;
    if (!places.tieBreakCodes.empty()) {
        lines += "TIEBREAKS";
        for (const std::string &code : places.tieBreakCodes)
            lines += ' ' + code;
        lines += kLineEnd;
    }
    for (const auto &[player, round] : places.withdrawn)
        lines += "WITHDRAWN " + std::to_string(player) + ' ' + std::to_string(round) +
                 std::string(kLineEnd);
    return lines;
}

std::string extensionBytes(const std::string &sectionLines)
{
    const auto count = std::count(sectionLines.begin(), sectionLines.end(), '\n');
    return std::string(kExtensionMarker) + std::string(kLineEnd) + sectionLines +
           std::string(kEndLine) + ' ' + std::to_string(count) + std::string(kLineEnd);
}

ExtensionReading readTournamentExtension(std::string_view bytes)
{
    ExtensionReading reading;
    const std::string_view content = withoutEndOfFileMark(bytes);
    const TournamentFile file = readTournamentFile(content);
    if (!file.complete())
        return reading;
    const int n = *file.playerCount;
    ItemReader reader{std::string(content)};
    for (int k = 0; k < tournamentLineCount(n); ++k)
        reader.text();
    const std::optional<std::string> marker = reader.text();
    if (!marker || marker->rfind("*KRUGOVIK", 0) != 0)
        return reading;
    reading.present = true;
    if (*marker != kExtensionMarker) {
        reading.error = refusal("неизвестная версия «" + *marker + "»");
        return reading;
    }
    const int cycles = 1;
    const int rounds = roundCount(n) * cycles;
    int lines = 0;
    int lastSection = -1;
    int lastWithdrawn = 0;
    for (;;) {
        const std::optional<std::string> line = reader.text();
        if (!line) {
            reading.error = refusal("нет строки *END");
            return reading;
        }
        const std::vector<std::string_view> w = words(*line);
        const std::string_view head = w.empty() ? std::string_view() : w.front();
        if (head == kEndLine) {
            const std::optional<int> count = w.size() == 2 ? wholeNumber(w[1]) : std::nullopt;
            if (!count || *count != lines)
                reading.error = refusal("строка *END не сходится с числом строк");
            return reading;
        }
        ++lines;
        const auto found = std::find(std::begin(kSections), std::end(kSections), head);
        if (found == std::end(kSections)) {
            reading.error = refusal("неизвестная строка «" + *line + "»");
            return reading;
        }
        const int section = int(found - std::begin(kSections));
        const bool repeats = section == lastSection && head == "WITHDRAWN";
        if (section <= lastSection && !repeats) {
            reading.error = refusal("раздел " + std::string(head) + " не на своём месте");
            return reading;
        }
        lastSection = section;
        if (head == "TIEBREAKS") {
            if (w.size() < 2) {
                reading.error = refusal("в строке TIEBREAKS нет правил");
                return reading;
            }
            for (std::size_t k = 1; k < w.size(); ++k) {
                if (!tieBreakFromCode(w[k])) {
                    reading.error = refusal("неизвестное правило «" + std::string(w[k]) + "»");
                    return reading;
                }
                reading.places.tieBreakCodes.emplace_back(w[k]);
            }
        } else if (head == "WITHDRAWN") {
            const std::optional<int> player = w.size() == 3 ? wholeNumber(w[1]) : std::nullopt;
            const std::optional<int> round = w.size() == 3 ? wholeNumber(w[2]) : std::nullopt;
            // One line per player, in table order.
            if (!player || !round || *player <= lastWithdrawn || *player > n || *round < 1 ||
                *round > rounds) {
                reading.error = refusal("неверная строка «" + *line + "»");
                return reading;
            }
            lastWithdrawn = *player;
            reading.places.withdrawn.emplace_back(*player, *round);
        } else {
            // The cycles' sections are read where the cycles are kept.
            reading.error = refusal("раздел " + std::string(head) + " не поддерживается");
            return reading;
        }
    }
}

} // namespace krugovik
