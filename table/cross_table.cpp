#include "table/cross_table.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <string_view>

#include "common/twips.h"
#include "standings/result_keys.h"

namespace krugovik {
namespace {
QString keyName(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// Rows whose height no routine sets.
constexpr double kDefaultRowTwips = 250;
} // namespace

CrossTableModel::CrossTableModel(QObject *parent) : QAbstractTableModel(parent) {}

int CrossTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cells.size());
}

int CrossTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant CrossTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !contains(index.row(), index.column()))
        return {};
    const Cell &cell = m_cells[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::BackgroundRole:
        // Fixed cells look like headers unless a routine gave them a colour.
        if (cell.colour == kWindowBackground && (index.row() == 0 || index.column() == 0))
            return QGuiApplication::palette().color(QPalette::Button);
        return toQColor(cell.colour);
    case Qt::TextAlignmentRole:
        if (index.column() == 1 && index.row() > 0)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

void CrossTableModel::setRows(int rows)
{
    rows = qMax(rows, 0);
    const int old = int(m_cells.size());
    if (rows > old) {
        beginInsertRows({}, old, rows - 1);
        m_cells.resize(rows, QVector<Cell>(m_columns));
        endInsertRows();
    } else if (rows < old) {
        beginRemoveRows({}, rows, old - 1);
        m_cells.resize(rows);
        endRemoveRows();
    }
}

void CrossTableModel::setColumns(int columns)
{
    columns = qMax(columns, 0);
    if (columns > m_columns) {
        beginInsertColumns({}, m_columns, columns - 1);
        m_columns = columns;
        for (auto &row : m_cells)
            row.resize(columns);
        endInsertColumns();
    } else if (columns < m_columns) {
        beginRemoveColumns({}, columns, m_columns - 1);
        m_columns = columns;
        for (auto &row : m_cells)
            row.resize(columns);
        endRemoveColumns();
    }
}

bool CrossTableModel::contains(int row, int column) const
{
    return row >= 0 && row < int(m_cells.size()) && column >= 0 && column < m_columns;
}

QString CrossTableModel::text(int row, int column) const
{
    return contains(row, column) ? m_cells[row][column].text : QString();
}

void CrossTableModel::setText(int row, int column, const QString &text)
{
    if (!contains(row, column) || m_cells[row][column].text == text)
        return;
    m_cells[row][column].text = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

ColourCode CrossTableModel::colour(int row, int column) const
{
    return contains(row, column) ? m_cells[row][column].colour : kWindowBackground;
}

void CrossTableModel::setColour(int row, int column, ColourCode colour)
{
    if (!contains(row, column) || m_cells[row][column].colour == colour)
        return;
    m_cells[row][column].colour = colour;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::BackgroundRole});
}

void CrossTableModel::setCells(const CrossCells &cells)
{
    if (cells.size() != m_cells.size() || (!cells.isEmpty() && cells[0].size() != m_columns) ||
        cells == m_cells)
        return;
    m_cells = cells;
    emit dataChanged(index(0, 0), index(rowCount() - 1, m_columns - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole});
}

CrossTable::CrossTable(QWidget *parent) : QTableView(parent), m_model(new CrossTableModel(this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The keyboard enters results too: the grid takes the focus, Tab moves between cells.
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
}

void CrossTable::setRows(int rows)
{
    const int old = m_model->rowCount();
    m_model->setRows(rows);
    for (int r = old; r < m_model->rowCount(); ++r)
        setRowHeightTwips(r, kDefaultRowTwips);
}

void CrossTable::setColumns(int columns)
{
    const int old = m_model->columnCount();
    m_model->setColumns(columns);
    m_columnTwips.resize(m_model->columnCount());
    // A new column gets the grid's default width until a routine sets its own.
    for (int c = old; c < m_model->columnCount(); ++c)
        setColumnWidthTwips(c, 400);
}

double CrossTable::columnWidthTwips(int column) const
{
    return column >= 0 && column < m_columnTwips.size() ? m_columnTwips[column] : 0;
}

void CrossTable::setColumnWidthTwips(int column, double twips)
{
    if (column < 0 || column >= m_columnTwips.size())
        return;
    m_columnTwips[column] = twips;
    setColumnWidth(column, twipsToPixels(twips, this));
}

double CrossTable::rowHeightTwips(int row) const
{
    return pixelsToTwips(rowHeight(row), this);
}

void CrossTable::setRowHeightTwips(int row, double twips)
{
    if (row >= 0 && row < rows())
        setRowHeight(row, twipsToPixels(twips, this));
}

void CrossTable::setWidthTwips(double twips)
{
    m_widthTwips = twips;
    applySize();
}

void CrossTable::setHeightTwips(double twips)
{
    m_heightTwips = twips;
    applySize();
}

void CrossTable::applySize()
{
    setFixedSize(qMax(twipsToPixels(m_widthTwips, this), 0),
                 qMax(twipsToPixels(m_heightTwips, this), 0));
}

void CrossTable::setCurrentCell(int row, int column)
{
    m_currentRow = row;
    m_currentColumn = column;
}

void CrossTable::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    m_mouseRow = index.isValid() ? index.row() : -1;
    m_mouseColumn = index.isValid() ? index.column() : -1;
    m_pressed = true;
    // The keyboard goes on from the clicked cell.
    if (index.isValid())
        QTableView::setCurrentIndex(index);
    setFocus(Qt::MouseFocusReason);
}

void CrossTable::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    emit cellClicked();
}

void CrossTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click is two clicks: the second press arrives here.
    mousePressEvent(event);
}

void CrossTable::setMouseCell(int row, int column)
{
    m_mouseRow = row;
    m_mouseColumn = column;
}

void CrossTable::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QTableView::keyPressEvent(event);
        return;
    default:
        break;
    }
    // "+" needs Shift on most keyboards, the keypad adds its own modifier; with any other
    // modifier the key belongs to a shortcut.
    const Qt::KeyboardModifiers others =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QModelIndex current = currentIndex();
    if (others != Qt::NoModifier || !current.isValid()) {
        event->ignore();
        return;
    }
    QString key;
    switch (event->key()) {
    case Qt::Key_Delete:
        key = keyName(kKeyDelete);
        break;
    case Qt::Key_Backspace:
        key = keyName(kKeyBackspace);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = keyName(kKeyEnter);
        break;
    case Qt::Key_Space:
        key = keyName(kKeySpace);
        break;
    default:
        key = event->text();
        break;
    }
    // No search by typed letters, as an item view would do: every character is ours.
    if (key.isEmpty() || key.at(0).category() == QChar::Other_Control) {
        event->ignore();
        return;
    }
    event->accept();
    emit cellKeyPressed(current.row(), current.column(), key);
}

QModelIndex CrossTable::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex start = currentIndex();
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    // The reduced view only narrows columns to nothing: the cursor steps over them, on in
    // the direction it went.
    if (!next.isValid() || columnWidth(next.column()) > 1)
        return next;
    const bool forward = !start.isValid() || next.column() > start.column() ||
                         (next.column() == start.column() && next.row() > start.row());
    for (int c = next.column(); c >= 0 && c < columns(); c += forward ? 1 : -1) {
        if (columnWidth(c) > 1)
            return m_model->index(next.row(), c);
    }
    return start;
}

void CrossTable::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!hasFocus() || !currentIndex().isValid())
        return;
    // A frame that shows on every cell colour: white, grey, light yellow, both cyans.
    QPainter painter(viewport());
    painter.setPen(QPen(QColor(0, 0, 170), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(visualRect(currentIndex()).adjusted(1, 1, -1, -1));
}

void CrossTable::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void CrossTable::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

} // namespace krugovik
