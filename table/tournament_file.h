#pragma once

#include "table/identity_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export/event_details.h"
#include "rounds/number_draw.h"

namespace krugovik {

// A tournament file holds one item per line in Windows-1251 bytes; this code never converts
// them. Blanks are spaces only: a tab is text like any other byte.

// The count on line 1 of a file this system lays out.
inline constexpr int kFewestTournamentPlayers = 3;
inline constexpr int kMostTournamentPlayers = 22;
// The writer ends every line so; the reader also takes a lone CR or a lone LF.
inline constexpr std::string_view kLineEnd = "\r\n";
// NUL characters after the count on the single line of a new file.
inline constexpr std::size_t kNewFilePadding = 64;
// Numbers of the file are held within this bound: wide enough for a record number of any
// base, narrow enough that no sum of them overflows.
inline constexpr std::int64_t kItemNumberLimit = 1'000'000'000;
// A number read from a line, held within the bound.
int heldItemNumber(std::int64_t value);

// Lines of a player's block before the results: name, record number, rating, mark.
inline constexpr int kBlockHeadItems = 4;

// Lines of a whole file for a count: line 1, then a block of N + 3 lines per player.
constexpr int tournamentLineCount(int playerCount)
{
    return 1 + playerCount * (playerCount + 3);
}

// The content of a new file: a blank, 3, a blank, 64 NUL characters, CR LF.
std::string newFileContent();

// An integer item: a blank (or a minus sign), the digits and a blank: " 3 ", "-30 ".
std::string integerItem(std::int64_t value);

// The four items of a block before its results, numbered in file order.
enum class BlockItem { Name = 1, BaseRecordNo, Rating, CorrectionMark };

// One player's block, as it is written or as far as it was read.
struct PlayerBlock {
    std::string name;                    // name cell, code-page bytes
    int baseRecordNo = 0;                // 1-based record of the base the player came from
    std::string rating;                  // rating cell text, code-page bytes
    int correctionMark = 0;              // 1000 for an established rating, else the correction
    std::vector<std::string> results;    // against players 1..N except himself, text as read
    int headItemsRead = kBlockHeadItems; // of the four items before the results, how many
                                         // the file held: fewer only where a cut file ends

    bool holds(BlockItem item) const { return headItemsRead >= static_cast<int>(item); }
};

// What a reading got before the file ended or its count was refused.
struct TournamentFile {
    std::optional<int>
        playerCount; // line 1 as a number, held within kItemNumberLimit; none when empty
    std::vector<PlayerBlock> players; // blocks in file order; the last may be cut short

    // The count is one to lay out and every block was read whole.
    bool complete() const;
};

// The byte old DOS editors append after the last line; any run of it ending the file is
// no part of the tournament.
inline constexpr char kEndOfFileMark = '\x1a';
// The bytes without the end-of-file marks that end them.
std::string_view withoutEndOfFileMark(std::string_view bytes);

// Reads items up to the first failure (the end of the bytes, a count outside 3..22) and
// stops there without a word; extra lines after the last block and end-of-file marks
// ending the bytes are ignored. Texts are
// kept as read, "2" or any other result included. Numbers are the leading decimal number
// of the line (0 when none), halves to even, held within kItemNumberLimit.
TournamentFile readTournamentFile(std::string_view bytes);

// The whole file for players.size() players: exactly 1 + N × (N + 3) lines, each ended by
// CR LF. Results are cut or filled with empty lines to N − 1 per block; a CR or LF inside
// a text item is written as a blank, since it would end the item's line early.
std::string writeTournamentFile(const std::vector<PlayerBlock> &players);

// What follows the last player block: the cycles beyond the first (and whatever else a
// tournament holds beyond what one cycle can), in lines ending CR LF, ASCII only:
//
//     *KRUGOVIK 2             the marker and the extension's version
//     CYCLES C                only when C > 1 (2..4)
//     REVERSE 0|1             only when C > 1: cycle 1's last two rounds swapped
//     RESULTS c               for c = 2..C, then N(N - 1) result lines, i = 1..N, j != i
//     TIEBREAKS CODE ...      only when the rules are not the default: FIDE acronyms
//     WITHDRAWN i r           one line per player who left, after round r of all cycles
//     EVENT FIELD value       the event's details, one line per field (event_details_file.h)
//     DRAW METHOD [SEED [FED|CLUB]]  how the numbers were drawn (rounds/number_draw.h)
//     IDENTITY i FIELDS       one line per player with an identity (table/identity_file.h)
//     *END k                  k = the lines between the marker and this one
//
// A file without it reads as one cycle, and a one-cycle tournament writes none, so that an
// older reader still reads the first cycle.
inline constexpr std::string_view kExtensionMarker = "*KRUGOVIK 2";
inline constexpr std::string_view kExtensionEnd = "*END";

struct FileExtension {
    int cycles = 1;                // how often each pair meets, 1..4
    bool reverseLastRounds = true; // cycle 1's last two rounds swapped
    // Cycles 2..cycles: the result texts of i against j, i = 1..N, j = 1..N, j != i.
    std::vector<std::vector<std::string>> laterResults;
    std::vector<std::string> tieBreakCodes;     // TIEBREAKS: FIDE acronyms; empty = the default
    std::vector<std::pair<int, int>> withdrawn; // WITHDRAWN: player 1..N, after round r
    EventDetails event;                         // EVENT: what the director told of the event
    RowIdentities identities;                   // IDENTITY: player 1..N, in table order
    std::optional<DrawRecord> draw;             // DRAW: how the numbers were drawn

    // Whether anything differs from a file without the extension.
    bool needed() const
    {
        return cycles > 1 || !tieBreakCodes.empty() || !withdrawn.empty() || !event.empty() ||
               !identities.empty() || draw.has_value();
    }
};

// The extension's lines, or nothing when it is not needed.
std::string writeFileExtension(const FileExtension &extension);

// The extension of a file of playerCount players as read; error is the director's reason
// when the marker is there and what follows it does not read (then nothing of the file
// may be taken for the tournament), empty otherwise.
struct FileExtensionRead {
    FileExtension extension;
    std::string error;
};
FileExtensionRead readFileExtension(std::string_view bytes, int playerCount);

// Reads a file line by line. Each line is taken whole, with its blanks at both ends
// removed; NUL and every other byte stay in the text.
class ItemReader {
  public:
    explicit ItemReader(std::string bytes) : m_bytes(std::move(bytes)) {}

    // The next line, or nothing at the end of the bytes.
    std::optional<std::string> text();
    // The next line's leading number, halves to even, held within kItemNumberLimit.
    std::optional<int> number();

  private:
    std::string m_bytes;
    std::size_t m_position = 0;
};

// Whether bytes may be read as a tournament file.
enum class FileKind {
    Tournament,      // a count of 3 to 22 on line 1 (a new file is one)
    Empty,           // no bytes (or end-of-file marks only): nothing to lose by saving over it
    BinaryData,      // control bytes where only numbers and results stand
    NoCount,         // line 1 does not start with a number
    CountOutOfRange, // line 1 holds a count outside 3 to 22
};

// Judged by the structure: names and ratings may hold any byte (a name from the base may
// carry a control character), every other line only text; end-of-file marks ending the
// bytes are ignored. Whatever writeTournamentFile makes of the six result texts is a
// Tournament.
FileKind classifyTournamentFile(std::string_view bytes);

// Plainly not a tournament file: a later save would replace something else.
constexpr bool isForeign(FileKind kind)
{
    return kind != FileKind::Tournament && kind != FileKind::Empty;
}

// Why the bytes are plainly not a tournament file, in the director's words; empty when
// they may be one.
std::string foreignFileReason(std::string_view bytes);

// A tournament file read once, in one pass over its lines: what kind of file the bytes are,
// the first cycle's blocks and what follows them, read for the count of line 1. Whatever
// opens, checks or restores a tournament takes it from here; the functions above are its
// parts.
struct FileDescription {
    FileKind kind = FileKind::Empty;
    TournamentFile body;         // as readTournamentFile reads it
    FileExtensionRead extension; // as readFileExtension reads it for the body's count

    // foreignFileReason of the bytes.
    std::string foreignReason() const;
    // The table may be built from it: not foreign, and its extension reads.
    bool readable() const { return !isForeign(kind) && extension.error.empty(); }
};
FileDescription describeTournamentFile(std::string_view bytes);

} // namespace krugovik
