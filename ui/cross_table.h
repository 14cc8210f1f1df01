#pragma once

#include <QTableView>
#include <QVector>

namespace krugovik {

// The crosstable grid: a view over the tournament's item model, with the sizes of the
// layout in twips. A click and a key on a cell are reported; what they mean is the
// window's to decide.
class CrossTable : public QTableView {
    Q_OBJECT
  public:
    explicit CrossTable(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    int rows() const { return model() ? model()->rowCount() : 0; }
    int columns() const { return model() ? model()->columnCount() : 0; }

    double columnWidthTwips(int column) const;
    void setColumnWidthTwips(int column, double twips);
    double rowHeightTwips(int row) const;
    void setRowHeightTwips(int row, double twips);

    // Overall size of the control; the width may be fractional.
    double widthTwips() const { return m_widthTwips; }
    double heightTwips() const { return m_heightTwips; }
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);

    // The cell under the mouse at the last click; -1 where the pointer was on no cell.
    int mouseRow() const { return m_mouseRow; }
    int mouseColumn() const { return m_mouseColumn; }
    // A key acting as a click takes the cell under the keyboard for the cell clicked.
    void setMouseCell(int row, int column);

    // While the table is drawn for a printout: no frame of the current cell, no focus,
    // hover or selection mark.
    void setPrinting(bool printing);

  signals:
    void cellClicked();
    // A key that is no move, pressed on the keyboard's cell: its character, or the name
    // of a key that types none (standings/result_keys.h).
    void cellKeyPressed(int row, int column, const QString &key);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    void applySize();
    // Rows and columns the model adds get the grid's default sizes.
    void sizeNewRows(const QModelIndex &parent, int first, int last);
    void sizeNewColumns(const QModelIndex &parent, int first, int last);

    QVector<double> m_columnTwips;
    double m_widthTwips = 0;
    double m_heightTwips = 0;
    int m_mouseRow = -1;
    int m_mouseColumn = -1;
    bool m_pressed = false;
    bool m_printing = false;
};

} // namespace krugovik
