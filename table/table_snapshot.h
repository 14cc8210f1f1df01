#pragma once

// Everything a step of table entry can change. Taking a step back puts
// the whole of it back, so that the window looks exactly as it did before the step.

#include <QString>
#include <array>

#include "rating/game_records.h"
#include "table/cross_table.h"

namespace krugovik {

// One label of the round display.
struct LabelSnapshot {
    QString caption;
    QString tag;        // the player number kept with the label, as text
    bool shown = false;  // not hidden

    bool operator==(const LabelSnapshot &) const = default;
};

struct TableSnapshot {
    int rows = 0;                               // grid rows, header row included
    int columns = 0;                            // grid columns, header column included
    CrossCells cells;                           // every cell's text and colour
    std::array<int, 31> baseRecordNo{};         // per table row: the base record
    std::array<int, 31> correctionMark{};       // per table row: 1000 or the correction
    std::array<int, 23> ratingCorrection{};     // per row: correction of an estimate
    GameRecords games;                          // the game arrays
    QString missingRatingNote;
    int roundNo = 0;                            // the round the display shows
    std::array<LabelSnapshot, 12> boardLines{}; // round title and board lines 1..11
    std::array<LabelSnapshot, 12> resultBoxes{};
    LabelSnapshot freePlayer; // who sits out the shown round
    bool saveEnabled = false;
    bool writeBackEnabled = false;
    int gridRow = 0;
    int gridCol = 0;
    QString cellText;

    bool operator==(const TableSnapshot &) const = default;
};

} // namespace krugovik
