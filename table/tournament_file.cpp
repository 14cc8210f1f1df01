#include "table/tournament_file.h"

#include <cctype>

#include "base/player_record.h"
#include "common/number_text.h"

namespace krugovik {

std::string newFileContent()
{
    return " 3 " + std::string(64, '\0') + std::string(kLineEnd);
}

std::string integerItem(std::int64_t value)
{
    // The sign stands where a non-negative number has its blank.
    return (value < 0 ? std::string() : std::string(" ")) + std::to_string(value) + " ";
}

std::string writeTournamentFile(const std::vector<PlayerBlock> &players)
{
    std::string file = integerItem(std::int64_t(players.size())) + std::string(kLineEnd);
    auto line = [&file](const std::string &item) {
        file += item;
        file += kLineEnd;
    };
    for (const PlayerBlock &player : players) {
        line(player.name);
        line(integerItem(player.baseRecordNo));
        line(player.rating);
        line(integerItem(player.correctionMark));
        for (const std::string &result : player.results)
            line(result);
    }
    return file;
}

std::optional<std::string> ItemReader::text()
{
    if (m_position >= m_bytes.size())
        return std::nullopt;
    const std::size_t end = m_bytes.find_first_of("\r\n", m_position);
    const std::size_t stop = end == std::string::npos ? m_bytes.size() : end;
    std::string line = m_bytes.substr(m_position, stop - m_position);
    m_position = stop;
    if (m_position < m_bytes.size()) {
        const bool crlf = m_bytes[m_position] == '\r' && m_position + 1 < m_bytes.size() &&
                          m_bytes[m_position + 1] == '\n';
        m_position += crlf ? 2 : 1;
    }
    return trimBlanks(line);
}

std::optional<std::int64_t> ItemReader::number()
{
    const std::optional<std::string> line = text();
    if (!line)
        return std::nullopt;
    return readInteger(*line);
}

std::string foreignFileReason(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        // NUL pads the first line of a new file; tabs and line ends are text.
        if (byte < 0x20 && byte != 0 && byte != '\t' && byte != '\r' && byte != '\n')
            return "в нём двоичные данные";
    }
    ItemReader reader{std::string(bytes)};
    const std::string first = reader.text().value_or(std::string());
    if (first.empty() || !(std::isdigit(static_cast<unsigned char>(first.front())) ||
                           first.front() == '+' || first.front() == '-'))
        return "в первой строке нет числа участников";
    const std::int64_t count = readInteger(first);
    if (count < kFewestTournamentPlayers || count > kMostTournamentPlayers)
        return "число участников " + std::to_string(count) + " вне пределов от 3 до 22";
    return {};
}

} // namespace krugovik
