#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/tournament_file.h"
#include "trf/trf_reader.h"

namespace krugovik {

// A TRF turned into a tournament file of the program: nothing the model cannot hold.
struct ImportedTournament {
    // A name or text Windows-1251 cannot hold, and what was stored in its place (UTF-8).
    struct FoldedName {
        std::string original, stored;
    };

    std::string name;                 // 012, the event's name; empty when the file has none
    std::vector<PlayerBlock> players; // names and ratings as the file writes them, cycle 1
    FileExtension extension;          // cycles, reversal, later results, 202, withdrawals,
                                      // the event's details of the header lines
    std::vector<FoldedName> folded;   // names and texts folded to the code page, file order

    // The tournament file's bytes.
    std::string fileBytes() const;
};

// The tournament of a TRF round robin of 3..22 players in 1..4 cycles whose pairings are
// the Berger table's, or why not (with the line where it has one). What the program's own
// export records beyond the TRF's fields (trf_program_records.h) is taken back exactly:
// withdrawals, the results the 001 lines leave blank, the rating cells, the reversal, the
// event's details. A file without those records gives its players a withdrawal where a run
// of two or more forfeit losses ends the line of one who played half of his games; a game
// paired without a result stays without one. Club ratings come from the national records of
// the federation 172 names, else the FIDE rating stands in the rating cell. Texts that are
// not UTF-8 are read as Windows-1252; what Windows-1251 cannot hold is folded (é → e).
ImportedTournament importTrf(const TrfFile &file, TrfError &why, bool &ok);

// A record of the base as the import matches players to it.
struct BaseEntry {
    std::string name;        // Windows-1251 bytes as the record holds them
    std::int64_t fideId = 0; // from the identity beside the base; 0 = none
};

// Finds each player in the base: by FIDE ID, else by the name itself, else by the name in
// Latin letters folded as the find box folds it («Korolev Sergey» is «Королёв Сергей»).
// A record of another FIDE ID is never his. A player found takes the record's number and
// the base's name; no record serves two players. Returns how many were not found (their record
// stays 0).
int matchToBase(ImportedTournament &tournament, const std::vector<BaseEntry> &base);

} // namespace krugovik
