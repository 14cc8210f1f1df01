#pragma once

#include <string>
#include <vector>

#include "rating/game_records.h"

namespace krugovik {

// One row of the crosstable as the exports read it.
struct SnapshotPlayer {
    std::string name;       // the name cell, UTF-8
    std::string ratingCell; // the rating cell's text
    bool estimate = false;  // the rating cell is light yellow: an initial estimate
};

// The open tournament as plain data: what every export and the standings printout need.
struct TournamentSnapshot {
    std::string name;                    // the tournament file's name without its extension
    std::string date;                    // the day of the export, "07.12.2026"
    std::vector<SnapshotPlayer> players; // table rows 1..N in order
    GameRecords games;                   // the game arrays of those rows
};

} // namespace krugovik
