#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_point.h"
#include "trf/trf_text.h"

namespace krugovik {

// One round of a player's 001 line as the file writes it.
struct TrfRound {
    int opponent = 0;  // starting rank of the opponent; 0 for none (a bye or not paired)
    char colour = ' '; // 'w', 'b', '-' or ' '
    char result = ' '; // '1' '=' '0' '+' '-' 'W' 'D' 'L' 'H' 'F' 'U' 'Z' or ' '
    // Paired, with or without a result: an opponent or a bye is written.
    bool paired() const { return opponent > 0 || colour != ' ' || result != ' '; }
};

// One 001 line.
struct TrfPlayer {
    int line = 0;                 // line number in the file, from 1
    int number = 0;               // starting rank, 1..N
    std::string sex;              // column 10, "m", "w" or blank
    std::string title;            // columns 11-13
    std::string name;             // columns 15-47, blanks trimmed
    int rating = 0;               // columns 49-52; 0 when blank
    std::string federation;       // columns 54-56
    std::string fideId;           // columns 58-68
    std::string birth;            // columns 70-79
    Fixed points;                 // columns 81-84
    int rank = 0;                 // columns 86-89; 0 when blank
    std::vector<TrfRound> rounds; // from round 1
};

// A line whose code is none of the format's: kept as a finding, never dropped in silence.
struct TrfUnknownRecord {
    int line = 0;     // from 1
    std::string code; // its first three characters
};

// A national rating record: a player's line under the code of a federation that 172
// names, with his starting rank in columns 5-8.
struct TrfNationalRecord {
    int line = 0;           // from 1
    std::string federation; // columns 1-3
    int number = 0;         // the starting rank, columns 5-8
    std::string text;       // the whole line as read, for the fields after the rank
};

// A whole file, read in one pass.
struct TrfFile {
    TrfEncoding encoding = TrfEncoding::Ascii; // how its bytes were taken
    // Header lines by their three-character code, each text after the code and a blank,
    // trailing blanks trimmed, in file order ("012" -> {"Club championship"}).
    std::map<std::string, std::vector<std::string>> header;
    std::vector<std::string> comments; // "###" lines, without the "### "
    std::string roundDates;            // line 132 whole: its days stand in the rounds' columns
    std::vector<TrfPlayer> players;    // in starting-rank order, 1..N
    int roundCount = 0;                // from 142 or XXR, else the longest 001 line
    std::vector<TrfNationalRecord> national; // in file order
    std::vector<TrfUnknownRecord> unknown;   // lines of codes the format does not have

    // The first text of a header line; empty when there is none.
    std::string first(const std::string &code) const;
};

// Where and why a file was refused.
struct TrfError {
    int line = 0; // from 1; 0 for the file as a whole
    std::string reason;
};

struct TrfReadResult {
    TrfFile file;
    std::vector<TrfError> errors; // empty when the file was read whole
    bool ok() const { return errors.empty(); }
};

// Reads the bytes of a TRF16 or TRF-2026 file: UTF-8 with or without a byte-order mark,
// else Windows-1252; lines ended by CR LF, LF or CR; columns counted in characters. Each
// 001 line must be well formed, starting ranks must run 1..N, and every game must be
// written the same way from both sides: opposite colours, matching results. A line of a
// code the format does not know is read past and listed in `unknown`.
TrfReadResult readTrf(std::string_view bytes);

// Whether a line's code is the format's own: TRF16's and TRF-2026's records, the XX and
// BB extensions of the pairing programs, and a federation's code that a 172 line names.
bool knownTrfCode(std::string_view code, const std::vector<std::string> &nationalFederations);

} // namespace krugovik
