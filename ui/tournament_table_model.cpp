#include "ui/tournament_table_model.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

#include "common/colours.h"
#include "ui/table_texts.h"
#include "ui/tournament_document.h"

namespace krugovik {
namespace {

// Screen colours of the cells, in the order of CellColour.
constexpr std::array<ColourCode, 5> kCellColours = {
    kWindowBackground, kEstimateColour, kDiagonalGrey, kFirstNamedMark, kSecondNamedMark};

} // namespace

TournamentTableModel::TournamentTableModel(const TournamentDocument *document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document), m_rows(document->grid().rowCount()),
      m_columns(document->grid().columnCount())
{
    connect(document, &TournamentDocument::changed, this, &TournamentTableModel::follow);
}

int TournamentTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TournamentTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant TournamentTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columns)
        return {};
    const Tournament &t = m_document->tournament();
    const TablePicture &picture = m_document->picture();
    const TableGeometry grid = m_document->grid();
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 1 && row > 0)
            return QString::fromStdString(nameCellText(t, row));
        if (row == 0 && column < TableGeometry::kFirstGameColumn)
            return QString::fromStdString(headerCaption(picture, column));
        return QString::fromStdString(picture.text(row, column));
    case Qt::BackgroundRole: {
        const CellColour colour = picture.colour(row, column);
        // Games a withdrawal voided are greyed unless the shown round marks them.
        if (colour == CellColour::Window) {
            if (const std::optional<GameKey> key = grid.gameAt(row, column);
                key && !t.gameCounts(*key))
                return toQColor(kNotCountedGrey);
        }
        // Fixed cells look like headers.
        if (colour == CellColour::Window && (row == 0 || column == 0))
            return QGuiApplication::palette().color(QPalette::Button);
        return toQColor(kCellColours[std::size_t(colour)]);
    }
    case Qt::ToolTipRole:
        // The header of a game column names the round it selects and its cycle.
        if (row == 0 && column >= TableGeometry::kFirstGameColumn)
            return QString::fromStdString(headerRoundTip(grid, column));
        if (const std::optional<GameKey> key = grid.gameAt(row, column))
            return QString::fromStdString(notCountedReason(t, *key));
        return {};
    case Qt::TextAlignmentRole:
        if (column == 1 && row > 0)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

void TournamentTableModel::follow(const TableChange &change)
{
    if (change.layout) {
        resize();
        if (m_rows > 0 && m_columns > 0)
            emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
        return;
    }
    const QRect table(0, 0, m_columns, m_rows);
    for (const QRect &cells : change.cells) {
        const QRect shown = cells & table;
        if (!shown.isEmpty())
            emit dataChanged(index(shown.top(), shown.left()), index(shown.bottom(), shown.right()),
                             {Qt::DisplayRole, Qt::BackgroundRole, Qt::ToolTipRole});
    }
}

void TournamentTableModel::resize()
{
    const int rows = m_document->grid().rowCount();
    const int columns = m_document->grid().columnCount();
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (columns > m_columns) {
        beginInsertColumns({}, m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
    } else if (columns < m_columns) {
        beginRemoveColumns({}, columns, m_columns - 1);
        m_columns = columns;
        endRemoveColumns();
    }
}

} // namespace krugovik
