#include "common/sheet_painter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <optional>

#include "common/fonts.h"

namespace krugovik {
namespace {

// Sizes in points; the device's pixels are these times its resolution over 72.
constexpr double kPadding = 3.5;     // left and right of a cell's text
constexpr double kNarrowPadding = 1; // of a game cell
constexpr double kLineFactor = 1.45; // a header's or caption's line over the text's height
constexpr double kNarrowShare = 0.7; // a game cell's least width over such a line
constexpr double kSizeStep = 0.5;
constexpr double kTitleExtra = 4;    // the title over the table's text
constexpr double kSubtitleExtra = 2; // what the sheet is
constexpr double kHeadingExtra = 1;  // the lines under the title
constexpr double kGap = 6;           // between the heading, the table and the footer
constexpr double kSignatureRule = 170;
constexpr double kThinRule = 0.5;
constexpr double kBlockRule = 1.5;
constexpr double kFrameRule = 1;
const QColor kHeaderFill(232, 232, 232);
const QColor kShadeFill(190, 190, 190);

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// A face narrow enough for a crosstable where one is installed, else the printouts' own.
QFont sheetFont(double points, bool bold = false)
{
    QFont font = programFont(points);
    font.setStretch(QFont::SemiCondensed);
    font.setBold(bold);
    return font;
}

// Every measure of one text size on one device.
struct Measures {
    Measures(const Sheet &sheet, double points, const QPaintDevice &device)
        : px(device.logicalDpiY() / 72.0), body(sheetFont(points)), header(sheetFont(points, true)),
          title(sheetFont(std::max(points + kTitleExtra, 12.0), true)),
          subtitle(sheetFont(points + kSubtitleExtra, true)),
          heading(sheetFont(points + kHeadingExtra)), bodyMetrics(body, &device),
          headerMetrics(header, &device), titleMetrics(title, &device),
          subtitleMetrics(subtitle, &device), headingMetrics(heading, &device)
    {
        rowHeight = bodyMetrics.height() * sheet.rowFactor;
        for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
            const SheetColumn &column = sheet.columns[c];
            const double pad = padding(column);
            double width = 0;
            for (const auto &row : sheet.rows) {
                if (c < row.size())
                    width = std::max(width, bodyMetrics.horizontalAdvance(q(row[c])));
            }
            // The header may wrap between words, but no word is ever cut.
            for (const QString &word : q(column.title).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                width = std::max(width, headerMetrics.horizontalAdvance(word));
            width += 2 * pad;
            if (column.narrow)
                width = std::max(width, bodyMetrics.height() * kLineFactor * kNarrowShare);
            widths.push_back(width);
        }
        // A caption wider than its run of columns widens them alike.
        for (const SheetGroup &group : sheet.groups) {
            const std::size_t end = std::min(group.first + group.count, widths.size());
            if (group.first >= end)
                continue;
            double run = 0;
            for (std::size_t c = group.first; c < end; ++c)
                run += widths[c];
            const double needed =
                headerMetrics.horizontalAdvance(q(group.title)) + 2 * kPadding * px;
            if (run >= needed)
                continue;
            for (std::size_t c = group.first; c < end; ++c)
                widths[c] += (needed - run) / double(end - group.first);
        }
        for (std::size_t c = 0; c < sheet.columns.size(); ++c)
            headerHeight = std::max(headerHeight, headerTextHeight(sheet.columns[c], widths[c]));
        headerHeight += bodyMetrics.height() * (kLineFactor - 1);
        groupHeight = sheet.groups.empty() ? 0 : bodyMetrics.height() * kLineFactor;
    }

    // The width the table leaves over on a page of `pageWidth`, shared by the columns
    // that stretch.
    void stretch(const Sheet &sheet, double pageWidth)
    {
        double total = 0;
        int stretching = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            total += widths[c];
            stretching += sheet.columns[c].stretch ? 1 : 0;
        }
        if (stretching == 0 || total >= pageWidth)
            return;
        const double share = (pageWidth - total) / stretching;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            if (sheet.columns[c].stretch)
                widths[c] += share;
        }
    }
    double padding(const SheetColumn &column) const
    {
        return (column.narrow ? kNarrowPadding : kPadding) * px;
    }
    double headerTextHeight(const SheetColumn &column, double width) const
    {
        const double inner = width - 2 * padding(column);
        return headerMetrics
            .boundingRect(QRectF(0, 0, inner, 1e6), Qt::AlignHCenter | Qt::TextWordWrap,
                          q(column.title))
            .height();
    }
    // The title and the lines under it, wrapped to the page's width.
    double headingHeight(const Sheet &sheet, double pageWidth) const
    {
        double height = titleMetrics.height();
        if (!sheet.subtitle.empty())
            height += wrappedHeight(subtitleMetrics, sheet.subtitle, pageWidth);
        for (const std::string &line : sheet.heading)
            height += wrappedHeight(headingMetrics, line, pageWidth);
        return height + kGap * px;
    }
    double footerHeight(const Sheet &sheet, double pageWidth) const
    {
        if (sheet.footer.empty() && sheet.signatures.empty())
            return 0;
        double height = kGap * px;
        for (const std::string &line : sheet.footer)
            height += wrappedHeight(bodyMetrics, line, pageWidth);
        height += double(sheet.signatures.size()) * rowHeight * 2;
        return height;
    }
    static double wrappedHeight(const QFontMetricsF &metrics, const std::string &line, double width)
    {
        if (line.empty())
            return metrics.height();
        return metrics
            .boundingRect(QRectF(0, 0, width, 1e6), Qt::AlignLeft | Qt::TextWordWrap, q(line))
            .height();
    }
    double width(const std::vector<std::size_t> &columns) const
    {
        double total = 0;
        for (std::size_t c : columns)
            total += widths[c];
        return total;
    }

    double px; // device pixels per point
    QFont body, header, title, subtitle, heading;
    QFontMetricsF bodyMetrics, headerMetrics, titleMetrics, subtitleMetrics, headingMetrics;
    std::vector<double> widths;
    double rowHeight = 0;
    double headerHeight = 0;
    double groupHeight = 0;
};

// The columns split into runs that each fit `width`, the repeated ones in every run.
std::vector<std::vector<std::size_t>> columnRuns(const Sheet &sheet, const Measures &m,
                                                 double width)
{
    std::vector<std::size_t> all(sheet.columns.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    if (m.width(all) <= width)
        return {all};
    std::vector<std::size_t> repeated;
    for (std::size_t c : all) {
        if (sheet.columns[c].repeated)
            repeated.push_back(c);
    }
    std::vector<std::vector<std::size_t>> runs;
    std::vector<std::size_t> run;
    double used = m.width(repeated);
    for (std::size_t c : all) {
        if (sheet.columns[c].repeated)
            continue;
        if (!run.empty() && used + m.widths[c] > width) {
            // A page ends before a block (a cycle) rather than inside it, where the block
            // began on this page after some other column.
            std::size_t cut = run.size();
            for (std::size_t k = run.size(); k-- > 1;) {
                if (sheet.columns[run[k]].blockStart) {
                    cut = k;
                    break;
                }
            }
            std::vector<std::size_t> rest(run.begin() + std::ptrdiff_t(cut), run.end());
            run.resize(cut);
            runs.push_back(run);
            run = rest;
            used = m.width(repeated) + m.width(run);
        }
        run.push_back(c);
        used += m.widths[c];
    }
    if (!run.empty() || runs.empty())
        runs.push_back(run);
    // Each run in the table's order, its repeated columns where they stand.
    for (auto &r : runs) {
        r.insert(r.end(), repeated.begin(), repeated.end());
        std::sort(r.begin(), r.end());
    }
    return runs;
}

SheetPages pagesAt(const Sheet &sheet, const Measures &m, const QSizeF &page)
{
    SheetPages pages;
    pages.columnRuns = columnRuns(sheet, m, page.width());
    const double above = m.headingHeight(sheet, page.width()) + m.groupHeight + m.headerHeight;
    const std::size_t perPage =
        std::max<std::size_t>(1, std::size_t(std::max(0.0, page.height() - above) / m.rowHeight));
    const std::size_t rows = sheet.rows.size();
    for (std::size_t first = 0; first < rows || first == 0; first += perPage) {
        pages.rowRuns.push_back({first, std::min(rows, first + perPage)});
        if (rows == 0)
            break;
    }
    const std::size_t lastRows = pages.rowRuns.back().second - pages.rowRuns.back().first;
    const double lastHeight = above + double(lastRows) * m.rowHeight;
    pages.footerPage = lastHeight + m.footerHeight(sheet, page.width()) > page.height();
    return pages;
}

} // namespace

SheetPages layOutSheet(const Sheet &sheet, const QSizeF &page, const QPaintDevice &device)
{
    // The largest size at which the table fits one page, else the largest at which it
    // fits the page's width, else the smallest.
    std::optional<SheetPages> wide;
    for (double points = std::max(sheet.largestPoints, kSmallestSheetPoints);
         points >= kSmallestSheetPoints; points -= kSizeStep) {
        const Measures m(sheet, points, device);
        SheetPages pages = pagesAt(sheet, m, page);
        pages.points = points;
        if (pages.pageCount() == 1)
            return pages;
        if (!wide && pages.columnRuns.size() == 1)
            wide = pages;
    }
    if (wide)
        return *wide;
    SheetPages pages = pagesAt(sheet, Measures(sheet, kSmallestSheetPoints, device), page);
    pages.points = kSmallestSheetPoints;
    return pages;
}

QPageLayout::Orientation bestOrientation(const Sheet &sheet, const QPageLayout &layout,
                                         const QPaintDevice &device)
{
    const int dpi = device.logicalDpiY();
    QPageLayout portrait = layout;
    portrait.setOrientation(QPageLayout::Portrait);
    QPageLayout landscape = layout;
    landscape.setOrientation(QPageLayout::Landscape);
    const SheetPages upright = layOutSheet(sheet, portrait.paintRectPixels(dpi).size(), device);
    const SheetPages across = layOutSheet(sheet, landscape.paintRectPixels(dpi).size(), device);
    // Upright while it takes no more pages and its text is not cramped. A sheet whose
    // column stretches to the page's width (the names of a list) stays upright on as few
    // pages: across, that column would only grow wide and empty.
    constexpr double kComfortablePoints = 10;
    const bool stretches = std::any_of(sheet.columns.begin(), sheet.columns.end(),
                                       [](const SheetColumn &column) { return column.stretch; });
    if (across.pageCount() < upright.pageCount() ||
        (across.pageCount() == upright.pageCount() && !stretches &&
         upright.points < kComfortablePoints && across.points > upright.points))
        return QPageLayout::Landscape;
    return QPageLayout::Portrait;
}

namespace {

Qt::Alignment alignmentOf(SheetAlign align)
{
    switch (align) {
    case SheetAlign::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case SheetAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case SheetAlign::Centre:
        break;
    }
    return Qt::AlignCenter;
}

// Draws the title and the heading lines; returns the height they took.
double paintHeading(QPainter &painter, const Sheet &sheet, const Measures &m, double width)
{
    double y = 0;
    painter.setFont(m.title);
    painter.drawText(QRectF(0, y, width, m.titleMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     q(sheet.title));
    y += m.titleMetrics.height();
    if (!sheet.subtitle.empty()) {
        painter.setFont(m.subtitle);
        const double h = Measures::wrappedHeight(m.subtitleMetrics, sheet.subtitle, width);
        painter.drawText(QRectF(0, y, width, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         q(sheet.subtitle));
        y += h;
    }
    painter.setFont(m.heading);
    for (const std::string &line : sheet.heading) {
        const double h = Measures::wrappedHeight(m.headingMetrics, line, width);
        painter.drawText(QRectF(0, y, width, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         q(line));
        y += h;
    }
    return y + kGap * m.px;
}

// Draws one page of the table at `top`: the captions, the headers and the rows given.
double paintTable(QPainter &painter, const Sheet &sheet, const Measures &m, double top,
                  const std::vector<std::size_t> &columns, std::size_t firstRow, std::size_t endRow)
{
    std::vector<double> left;
    double x = 0;
    for (std::size_t c : columns) {
        left.push_back(x);
        x += m.widths[c];
    }
    const double right = x;
    double y = top;
    painter.setPen(QPen(Qt::black, kThinRule * m.px));
    // Captions over runs of columns, each over the part of its run on this page.
    if (m.groupHeight > 0) {
        painter.setFont(m.header);
        for (const SheetGroup &group : sheet.groups) {
            double from = -1;
            double to = -1;
            for (std::size_t k = 0; k < columns.size(); ++k) {
                if (columns[k] >= group.first && columns[k] < group.first + group.count) {
                    if (from < 0)
                        from = left[k];
                    to = left[k] + m.widths[columns[k]];
                }
            }
            if (from < 0)
                continue;
            const QRectF box(from, y, to - from, m.groupHeight);
            painter.fillRect(box, kHeaderFill);
            painter.drawRect(box);
            painter.drawText(box, Qt::AlignCenter, q(group.title));
        }
        y += m.groupHeight;
    }
    const double headerTop = y;
    painter.fillRect(QRectF(0, y, right, m.headerHeight), kHeaderFill);
    painter.setFont(m.header);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const SheetColumn &column = sheet.columns[columns[k]];
        const double pad = m.padding(column);
        painter.drawText(QRectF(left[k] + pad, y, m.widths[columns[k]] - 2 * pad, m.headerHeight),
                         Qt::AlignCenter | Qt::TextWordWrap, q(column.title));
    }
    y += m.headerHeight;
    painter.setFont(m.body);
    for (std::size_t r = firstRow; r < endRow; ++r) {
        const auto &row = sheet.rows[r];
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const std::size_t c = columns[k];
            const QRectF cell(left[k], y, m.widths[c], m.rowHeight);
            if (std::find(sheet.shaded.begin(), sheet.shaded.end(), std::make_pair(r, c)) !=
                sheet.shaded.end())
                painter.fillRect(cell, kShadeFill);
            const double pad = m.padding(sheet.columns[c]);
            if (c < row.size())
                painter.drawText(cell.adjusted(pad, 0, -pad, 0),
                                 alignmentOf(sheet.columns[c].align), q(row[c]));
        }
        y += m.rowHeight;
    }
    // The rules: thin between cells, heavier before a block and around the table.
    painter.drawLine(QLineF(0, headerTop, right, headerTop));
    for (std::size_t r = 0; r <= endRow - firstRow; ++r) {
        const double lineY = headerTop + m.headerHeight + double(r) * m.rowHeight;
        painter.drawLine(QLineF(0, lineY, right, lineY));
    }
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const bool block = sheet.columns[columns[k]].blockStart && k > 0;
        painter.setPen(QPen(Qt::black, (block ? kBlockRule : kThinRule) * m.px));
        painter.drawLine(QLineF(left[k], headerTop, left[k], y));
    }
    painter.setPen(QPen(Qt::black, kFrameRule * m.px));
    painter.drawRect(QRectF(0, headerTop, right, y - headerTop));
    return y;
}

void paintFooter(QPainter &painter, const Sheet &sheet, const Measures &m, double top, double width)
{
    double y = top + kGap * m.px;
    painter.setFont(m.body);
    painter.setPen(Qt::black);
    for (const std::string &line : sheet.footer) {
        const double h = Measures::wrappedHeight(m.bodyMetrics, line, width);
        painter.drawText(QRectF(0, y, width, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         q(line));
        y += h;
    }
    // "Главный судья ______________ Петров П." with the name, where known, after the rule.
    for (const std::string &signature : sheet.signatures) {
        y += m.rowHeight;
        const QStringList parts = q(signature).split(QLatin1Char('\t'));
        const double baseline = y + m.bodyMetrics.ascent();
        painter.drawText(QPointF(0, baseline), parts[0]);
        const double from = m.bodyMetrics.horizontalAdvance(parts[0]) + kGap * m.px;
        const double to = from + kSignatureRule * m.px;
        painter.setPen(QPen(Qt::black, kThinRule * m.px));
        painter.drawLine(QLineF(from, baseline + 1 * m.px, to, baseline + 1 * m.px));
        if (parts.size() > 1)
            painter.drawText(QPointF(to + kGap * m.px, baseline), parts[1]);
        y += m.rowHeight;
    }
}

} // namespace

bool paintSheet(const Sheet &sheet, QPagedPaintDevice &device)
{
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiY()).size();
    const SheetPages pages = layOutSheet(sheet, page, device);
    Measures m(sheet, pages.points, device);
    if (pages.columnRuns.size() == 1)
        m.stretch(sheet, page.width());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setPen(Qt::black);
    const int count = pages.pageCount();
    int number = 0;
    auto pageNumber = [&] {
        ++number;
        if (count < 2)
            return;
        painter.setFont(m.body);
        painter.drawText(
            QRectF(0, 0, page.width(), page.height()), Qt::AlignRight | Qt::AlignBottom,
            QCoreApplication::translate("Sheets", "Лист %1 из %2", "a page of a printed sheet")
                .arg(number)
                .arg(count));
    };
    double bottom = 0;
    bool first = true;
    for (const auto &columns : pages.columnRuns) {
        for (const auto &[firstRow, endRow] : pages.rowRuns) {
            if (!first && !device.newPage())
                return false;
            first = false;
            const double top = paintHeading(painter, sheet, m, page.width());
            bottom = paintTable(painter, sheet, m, top, columns, firstRow, endRow);
            pageNumber();
        }
    }
    if (pages.footerPage) {
        if (!device.newPage())
            return false;
        bottom = paintHeading(painter, sheet, m, page.width()) - kGap * m.px;
        pageNumber();
    }
    paintFooter(painter, sheet, m, bottom, page.width());
    return painter.end();
}

} // namespace krugovik
