#include "standings/standings_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "common/colours.h"
#include "common/fonts.h"
#include "export/final_standings.h"

namespace krugovik {
namespace {

// The page in screen pixels, shaped like the printable part of an A4 sheet.
constexpr int kPageWidth = 700;
constexpr int kPageHeight = 990;
constexpr int kRowHeight = 22;
constexpr int kCellPadding = 5;

// Widths and alignments of the columns, in the order of kStandingTitles.
struct Column {
    int width;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr std::array<Column, kStandingTitles.size()> kColumns = {{
    {52, kRight},
    {32, kRight},
    {214, kLeft},
    {68, kRight},
    {50, kRight},
    {62, kRight},
    {114, kRight},
    {92, kRight},
}};
constexpr std::size_t kNameColumn = 2;
// The Berger column, whose place the chosen tie-breaks take.
constexpr std::size_t kBergerColumn = 5;
// Under another order the fixed columns narrow (their titles wrap) and each tie-break gets
// a column wide enough for the longest word of its title.
constexpr std::array<Column, kStandingTitles.size()> kNarrowColumns = {{
    {48, kRight},
    {28, kRight},
    {190, kLeft},
    {60, kRight},
    {44, kRight},
    {84, kRight},
    {64, kRight},
    {76, kRight},
}};

// The columns of the snapshot's standings: one per tie-break in the Berger column's place.
std::vector<Column> columnsOf(bool defaultOrder, std::size_t tieBreaks)
{
    const auto &base = defaultOrder ? kColumns : kNarrowColumns;
    std::vector<Column> columns(base.begin(), base.end());
    columns.erase(columns.begin() + kBergerColumn);
    columns.insert(columns.begin() + kBergerColumn, tieBreaks, base[kBergerColumn]);
    return columns;
}

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

QPicture drawStandings(const TournamentSnapshot &snapshot)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.setPen(Qt::black);

    QFont title = programFont(16);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 0, kPageWidth, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Итоговая таблица"));
    painter.setFont(programFont(11));
    painter.drawText(QRect(0, 36, kPageWidth, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     text(snapshot.name) + QStringLiteral("    ") + text(snapshot.date));

    const std::string rules = placeRulesLine(snapshot);
    const std::vector<std::string> titles = standingTitles(snapshot);
    const std::vector<Column> columns = columnsOf(rules.empty(), tieBreakTitles(snapshot).size());
    int tableWidth = 0;
    for (const Column &column : columns)
        tableWidth += column.width;
    const int top = 76;
    const std::vector<StandingLine> lines = finalStandings(snapshot);
    const int rows = int(lines.size()) + 1;
    // Long tie-break titles wrap onto a taller header; a table wider than the page is
    // drawn smaller, text and all.
    const int headerHeight = rules.empty() ? kRowHeight : 4 * kRowHeight;
    const qreal scale = std::min<qreal>(1, qreal(kPageWidth) / tableWidth);
    painter.save();
    painter.translate(0, top);
    painter.scale(scale, scale);
    painter.translate(0, -top);

    QFont header = programFont(rules.empty() ? 9 : 8);
    header.setBold(true);
    painter.setFont(header);
    painter.fillRect(QRect(0, top, tableWidth, headerHeight), QColor(235, 235, 235));
    int x = 0;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        painter.drawText(
            QRect(x + kCellPadding, top, columns[k].width - 2 * kCellPadding, headerHeight),
            Qt::AlignCenter | Qt::TextWordWrap, text(titles[k]));
        x += columns[k].width;
    }

    painter.setFont(programFont(10));
    int y = top + headerHeight;
    for (const StandingLine &line : lines) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(line.player - 1)];
        std::vector<QString> cells = {text(line.place), QString::number(line.player),
                                      text(line.name), text(player.ratingCell), text(line.points)};
        for (const std::string &value : line.tieBreaks)
            cells.push_back(text(value));
        cells.push_back(text(line.newRating));
        cells.push_back(text(line.change));
        x = 0;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const QRect cell(x, y, columns[k].width, kRowHeight);
            // The rating of an estimate is marked as in the crosstable.
            if (k == 3 && player.estimate)
                painter.fillRect(cell, toQColor(kEstimateColour));
            const QRect inside = cell.adjusted(kCellPadding, 0, -kCellPadding, 0);
            if (k == kNameColumn) {
                // A name is never cut: a long one is drawn smaller until it fits.
                QFont font = painter.font();
                while (font.pointSizeF() > 5 &&
                       QFontMetricsF(font, painter.device()).horizontalAdvance(cells[k]) >
                           inside.width())
                    font.setPointSizeF(font.pointSizeF() - 0.25);
                painter.save();
                painter.setFont(font);
                painter.drawText(inside, columns[k].alignment | Qt::TextDontClip, cells[k]);
                painter.restore();
            } else {
                painter.drawText(inside, columns[k].alignment, cells[k]);
            }
            x += columns[k].width;
        }
        y += kRowHeight;
    }

    painter.setPen(QPen(Qt::black, 0.8));
    const int bottom = top + headerHeight + (rows - 1) * kRowHeight;
    painter.drawLine(QLineF(0, top, tableWidth, top));
    for (int r = 0; r < rows; ++r) {
        const int lineY = top + headerHeight + r * kRowHeight;
        painter.drawLine(QLineF(0, lineY, tableWidth, lineY));
    }
    x = 0;
    for (std::size_t k = 0; k <= columns.size(); ++k) {
        painter.drawLine(QLineF(x, top, x, bottom));
        if (k < columns.size())
            x += columns[k].width;
    }
    painter.restore();
    if (!rules.empty()) {
        painter.setFont(programFont(10));
        const int tableBottom = top + int((bottom - top) * scale);
        painter.drawText(QRect(0, tableBottom + 8, kPageWidth, 3 * kRowHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text(rules));
    }
    painter.end();
    picture.setBoundingRect(QRect(0, 0, kPageWidth, kPageHeight));
    return picture;
}

} // namespace krugovik
