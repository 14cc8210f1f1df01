#pragma once

// Before new ratings are written back, each table row's name is compared with the name
// its base record holds now, so that a tournament opened beside another base never
// overwrites unrelated players silently.

#include <string>
#include <vector>

namespace krugovik {

// A table row that would be written into its base record; names are UTF-8.
struct WriteBackRow {
    int row = 0;           // table row, 1..22
    std::string tableName; // the name cell of the row
    std::string baseName;  // the name stored in the row's record
};

// A row whose names differ, both without leading and trailing blanks.
struct NameMismatch {
    int row = 0;
    std::string tableName;
    std::string baseName;

    bool operator==(const NameMismatch &) const = default;
};

// The rows whose names differ once leading and trailing blanks are dropped; the
// comparison is otherwise exact. In row order.
std::vector<NameMismatch> nameMismatches(const std::vector<WriteBackRow> &rows);

// The question put to the director, one line per mismatch; Yes writes those rows too.
std::string mismatchQuestion(const std::vector<NameMismatch> &mismatches);

} // namespace krugovik
