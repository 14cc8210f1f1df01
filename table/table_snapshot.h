#pragma once

// Everything a step of table entry can change, as plain data. Taking a step back puts
// the whole of it back, so that the window looks exactly as it did before the step.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rating/game_records.h"

namespace krugovik {

// One label of the round display.
struct LabelSnapshot {
    std::string caption; // UTF-8
    std::string tag;     // the player number kept with the label, as text
    bool shown = false;  // not hidden

    bool operator==(const LabelSnapshot &) const = default;
};

struct TableSnapshot {
    int rows = 0;                               // grid rows, header row included
    int columns = 0;                            // grid columns, header column included
    std::vector<std::string> texts;             // cell texts row by row, UTF-8
    std::vector<std::uint32_t> colours;         // cell colours row by row, &HBBGGRR codes
    std::array<int, 31> baseRecordNo{};         // per table row: the base record
    std::array<int, 31> correctionMark{};       // per table row: 1000 or the correction
    std::array<int, 23> ratingCorrection{};     // per row: correction of an estimate
    GameRecords games;                          // the game arrays
    std::string missingRatingNote;              // UTF-8
    int roundNo = 0;                            // the round the display shows
    std::array<LabelSnapshot, 12> boardLines{}; // round title and board lines 1..11
    std::array<LabelSnapshot, 12> resultBoxes{};
    LabelSnapshot freePlayer; // who sits out the shown round
    bool saveEnabled = false;
    bool writeBackEnabled = false;
    int gridRow = 0;
    int gridCol = 0;
    std::string cellText; // UTF-8

    bool operator==(const TableSnapshot &other) const;
};

} // namespace krugovik
