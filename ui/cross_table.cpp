#include "ui/cross_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <string_view>

#include "common/twips.h"
#include "standings/result_keys.h"

namespace krugovik {
namespace {
QString keyName(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// Cells as the default delegate paints them; on paper without the marks of the keyboard
// and the mouse.
class CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(const bool *printing, QObject *parent)
        : QStyledItemDelegate(parent), m_printing(printing)
    {
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain(option);
        if (*m_printing)
            plain.state &=
                ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Selected);
        QStyledItemDelegate::paint(painter, plain, index);
    }

  private:
    const bool *m_printing;
};

// Rows and columns whose size the layout does not set.
constexpr double kDefaultRowTwips = 250;
constexpr double kDefaultColumnTwips = 400;
} // namespace

CrossTable::CrossTable(QWidget *parent) : QTableView(parent)
{
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
    setItemDelegate(new CellDelegate(&m_printing, this));
}

void CrossTable::setPrinting(bool printing)
{
    m_printing = printing;
    viewport()->update();
}

void CrossTable::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    m_columnTwips.clear();
    sizeNewColumns({}, 0, columns() - 1);
    sizeNewRows({}, 0, rows() - 1);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CrossTable::sizeNewRows);
    connect(model, &QAbstractItemModel::columnsInserted, this, &CrossTable::sizeNewColumns);
    connect(model, &QAbstractItemModel::columnsRemoved, this,
            [this] { m_columnTwips.resize(columns()); });
}

void CrossTable::sizeNewRows(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    for (int r = first; r <= last; ++r)
        setRowHeightTwips(r, kDefaultRowTwips);
}

void CrossTable::sizeNewColumns(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    m_columnTwips.insert(first, last - first + 1, 0);
    // A new column gets the grid's default width until the layout sets its own.
    for (int c = first; c <= last; ++c)
        setColumnWidthTwips(c, kDefaultColumnTwips);
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
            return model()->index(next.row(), c);
    }
    return start;
}

void CrossTable::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (m_printing || !hasFocus() || !currentIndex().isValid())
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
