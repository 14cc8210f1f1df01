#pragma once

#include <string>
#include <vector>

#include "base/player_identity.h"
#include "export/event_details.h"
#include "rating/game_records.h"
#include "standings/tie_breaks.h"

namespace krugovik {

// One row of the crosstable as the exports read it.
struct SnapshotPlayer {
    std::string name;       // the name cell, UTF-8
    std::string ratingCell; // the rating cell's text
    bool estimate = false;  // the rating cell is light yellow: an initial estimate
    int withdrawnAfter = 0; // the round (counted through all cycles) after which he left; 0 = none
    // FIDE ID, federation, title… when his base record has them.
    PlayerIdentity identity;
};

// The open tournament as plain data: what every export and the standings printout need.
struct TournamentSnapshot {
    std::string name;                    // the tournament file's name without its extension
    std::string date;                    // the day of the export, "07.12.2026"
    std::string startDate;               // the first round's day, "01.12.2026"; empty = unknown
    std::vector<SnapshotPlayer> players; // table rows 1..N in order
    GameRecords games;                   // the game arrays of those rows (the first cycle)
    // The tie-breaks after points, in order; empty = the default «Очки, Бергер, личная
    // встреча, победы».
    std::vector<TieBreak> tieBreaks;
    int cycles = 1;                 // how often each pair meets, 1..kMaxCycles
    bool reverseLastRounds = false; // the first cycle's last two rounds swapped (bergerSchedule)
    std::vector<GameRecords> laterCycles; // the game arrays of cycles 2..cycles, in order
    EventDetails event;                   // what the director told of the event
};

} // namespace krugovik
