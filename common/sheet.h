#pragma once

// A printed sheet as plain data: a title, lines under it, one ruled table and lines under
// the table. What goes on paper is decided here; how it is laid out on the pages of a
// printer is the printer's business.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace krugovik {

enum class SheetAlign { Left, Centre, Right };

// One column of a sheet's table.
struct SheetColumn {
    std::string title; // the header; wraps between words, never cut
    SheetAlign align = SheetAlign::Centre;
    bool repeated = false;   // printed again on every page when the columns need several
    bool blockStart = false; // a heavier rule before it: the first column of a block
    bool narrow = false;     // a game cell: one character with little room around it
    bool stretch = false;    // takes a share of the page's width the table leaves over
};

// A caption over a run of columns, "1-й цикл".
struct SheetGroup {
    std::size_t first = 0; // the run's first column
    std::size_t count = 0;
    std::string title;
};

// One printout: its headings, its table and what stands under the table.
struct Sheet {
    std::string title;    // the sheet's first line, in bold: the event
    std::string subtitle; // what the sheet is, in bold: «Итоговая таблица»
    std::vector<std::string> heading; // lines under the title: the event, its place and dates
    std::vector<SheetColumn> columns;
    std::vector<SheetGroup> groups;             // captions over the headers; may be empty
    std::vector<std::vector<std::string>> rows; // one cell per column, UTF-8
    // Cells drawn on grey, (row, column): a player's game against himself.
    std::vector<std::pair<std::size_t, std::size_t>> shaded;
    std::vector<std::string> footer; // lines under the table: legends, who sits out
    // Lines to sign on: who signs, a tab and his name where known, "Главный судья\tПетров П."
    std::vector<std::string> signatures;
    double largestPoints = 11; // the table's text size when the page has room for it
    double rowFactor = 1.45;   // a row's height over a line of text: more room to write in
};

} // namespace krugovik
