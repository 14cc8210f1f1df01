#pragma once

// Lays a sheet out on the pages of a printer: the largest text size from the sheet's own
// down to 7 points at which the table fits the page's width (and, where that is possible,
// its height), headings wrapped between words and never cut; a table too wide even at 7
// points goes on several pages side by side, its repeated columns on each, and one too
// long runs on over several pages, its headers on each.

#include <QPageLayout>
#include <QSizeF>
#include <cstddef>
#include <utility>
#include <vector>

#include "common/sheet.h"

class QPagedPaintDevice;
class QPaintDevice;

namespace krugovik {

// The smallest text a sheet is printed in, in points.
inline constexpr double kSmallestSheetPoints = 7;

// How a sheet falls on pages of one size.
struct SheetPages {
    double points = 0; // the table's text size
    // The columns of each run of pages side by side, in order, repeated columns included.
    std::vector<std::vector<std::size_t>> columnRuns;
    // The rows of each page of a run: [first, end).
    std::vector<std::pair<std::size_t, std::size_t>> rowRuns;
    bool footerPage = false; // the lines under the table need a page of their own
    int pageCount() const { return int(columnRuns.size() * rowRuns.size()) + (footerPage ? 1 : 0); }
};

// The layout on a page of `page` (the printable part, in the device's pixels).
SheetPages layOutSheet(const Sheet &sheet, const QSizeF &page, const QPaintDevice &device);

// Landscape when the table is printed larger or on fewer pages so, else portrait.
QPageLayout::Orientation bestOrientation(const Sheet &sheet, const QPageLayout &layout,
                                         const QPaintDevice &device);

// Paints the sheet on the device's pages; false when the device refused a page.
bool paintSheet(const Sheet &sheet, QPagedPaintDevice &device);

} // namespace krugovik
