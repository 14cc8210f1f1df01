#pragma once

#include <string>
#include <vector>

#include "table/tournament_file.h"
#include "trf/trf_reader.h"

namespace krugovik {

// A name or text Windows-1251 cannot hold, and the letters it is stored in.
struct FoldedName {
    std::string original, stored;
};

// A TRF turned into a tournament file of the program: nothing the model cannot hold.
struct ImportedTournament {
    std::string name;                 // 012, the event's name; empty when the file has none
    std::vector<PlayerBlock> players; // names and ratings as the file writes them, cycle 1
    FileExtension extension;          // cycles, reversal, later results, 202, withdrawals,
                                      // the event's details of the header lines
    std::vector<FoldedName> folded;   // names folded to fit the code page

    // The tournament file's bytes.
    std::string fileBytes() const;
};

// The tournament of a TRF round robin of 3..22 players in 1..4 cycles whose pairings are
// the Berger table's, or why not (with the line where it has one). A player whose last
// games are all lost by forfeit, and who played half of his games or more, withdrew
// before them; a player ranked 0 whose games carry no result left without a place, and
// his paired games are kept as forfeits so that they count for nobody.
ImportedTournament importTrf(const TrfFile &file, TrfError &why, bool &ok);

// Each player's record in the base, from 1, by the name the base can hold (its first
// `nameWidth` bytes, blanks trimmed); 0 for one the base lacks. baseNames[k] is record
// k + 1's name.
std::vector<int> baseRecordsOf(const std::vector<PlayerBlock> &players,
                               const std::vector<std::string> &baseNames, std::size_t nameWidth);

} // namespace krugovik
