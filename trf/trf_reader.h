#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_point.h"

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

// A whole file, read in one pass.
struct TrfFile {
    // Header lines by their three-character code, each text after the code and a blank,
    // trailing blanks trimmed, in file order ("012" -> {"Club championship"}).
    std::map<std::string, std::vector<std::string>> header;
    std::vector<std::string> comments; // "###" lines, without the "### "
    std::string roundDates;            // line 132 whole: its days stand in the rounds' columns
    std::vector<TrfPlayer> players;    // in starting-rank order, 1..N
    int roundCount = 0;                // from 142 or XXR, else the longest 001 line

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

// Reads TRF16 or TRF-2026 text (lines ended by LF or CR LF). Each 001 line must be
// well formed, starting ranks must run 1..N, and every game must be written the same way
// from both sides: opposite colours, matching results.
TrfReadResult readTrf(std::string_view text);

} // namespace krugovik
