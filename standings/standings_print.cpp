#include "standings/standings_print.h"

#include <QPainter>
#include <array>

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

    int tableWidth = 0;
    for (const Column &column : kColumns)
        tableWidth += column.width;
    const int top = 76;
    const std::vector<StandingLine> lines = finalStandings(snapshot);
    const int rows = int(lines.size()) + 1;

    QFont header = programFont(9);
    header.setBold(true);
    painter.setFont(header);
    painter.fillRect(QRect(0, top, tableWidth, kRowHeight), QColor(235, 235, 235));
    int x = 0;
    for (std::size_t k = 0; k < kColumns.size(); ++k) {
        painter.drawText(
            QRect(x + kCellPadding, top, kColumns[k].width - 2 * kCellPadding, kRowHeight),
            Qt::AlignCenter, QString::fromUtf8(kStandingTitles[k]));
        x += kColumns[k].width;
    }

    painter.setFont(programFont(10));
    int y = top + kRowHeight;
    for (const StandingLine &line : lines) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(line.player - 1)];
        const std::array<QString, 8> cells = {text(line.place),     QString::number(line.player),
                                              text(player.name),    text(player.ratingCell),
                                              text(line.points),    text(line.berger),
                                              text(line.newRating), text(line.change)};
        x = 0;
        for (std::size_t k = 0; k < kColumns.size(); ++k) {
            const QRect cell(x, y, kColumns[k].width, kRowHeight);
            // The rating of an estimate is marked as in the crosstable.
            if (k == 3 && player.estimate)
                painter.fillRect(cell, toQColor(kEstimateColour));
            painter.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0),
                             kColumns[k].alignment, cells[k]);
            x += kColumns[k].width;
        }
        y += kRowHeight;
    }

    painter.setPen(QPen(Qt::black, 0.8));
    for (int r = 0; r <= rows; ++r)
        painter.drawLine(QLineF(0, top + r * kRowHeight, tableWidth, top + r * kRowHeight));
    x = 0;
    for (std::size_t k = 0; k <= kColumns.size(); ++k) {
        painter.drawLine(QLineF(x, top, x, top + rows * kRowHeight));
        if (k < kColumns.size())
            x += kColumns[k].width;
    }
    painter.end();
    picture.setBoundingRect(QRect(0, 0, kPageWidth, kPageHeight));
    return picture;
}

} // namespace krugovik
