#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krugovik {

// A tournament file holds one item per line, Windows-1251 bytes, lines ended by CR LF.
inline constexpr int kFewestTournamentPlayers = 3;
inline constexpr int kMostTournamentPlayers = 22;
inline constexpr std::string_view kLineEnd = "\r\n";

// The content of a new file: a blank, 3, a blank, 64 NUL characters, CR LF.
std::string newFileContent();

// An integer item: a blank (or a minus sign), the digits and a blank: " 3 ", "-30 ".
std::string integerItem(std::int64_t value);

// One player's block as it is written.
struct PlayerBlock {
    std::string name;                 // name cell, code-page bytes
    std::int64_t baseRecordNo = 0;    // the player's record in the base
    std::string rating;               // rating cell as text
    std::int64_t correctionMark = 0;  // 1000, or the correction of an estimate
    std::vector<std::string> results; // against players 1..N without himself, in order
};

// The whole file: 1 + N × (N + 3) lines.
std::string writeTournamentFile(const std::vector<PlayerBlock> &players);

// Reads a file item by item, each line with its blanks at both ends removed. Lines end
// in CR LF, a lone CR or a lone LF; a last line without an end still counts.
class ItemReader {
public:
    explicit ItemReader(std::string bytes) : m_bytes(std::move(bytes)) {}

    // The next line, or nothing at the end of the file.
    std::optional<std::string> text();
    // The next line's leading number rounded to an integer (0 when none).
    std::optional<std::int64_t> number();

private:
    std::string m_bytes;
    std::size_t m_position = 0;
};

// Why the bytes are plainly not a tournament file; empty when they may be one. Empty
// bytes are a file not yet written, not a foreign one.
std::string foreignFileReason(std::string_view bytes);

} // namespace krugovik
