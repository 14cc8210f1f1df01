#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <QVector>

#include "common/colours.h"

namespace krugovik {

// One cell of the crosstable: its text and its background colour.
struct CrossCell {
    QString text;
    ColourCode colour = kWindowBackground;

    bool operator==(const CrossCell &) const = default;
};
// All cells, [row][column]. Copies share their data until one of them changes, so the
// history can keep the whole grid of every step cheaply.
using CrossCells = QVector<QVector<CrossCell>>;

// Texts and colours of the crosstable's cells; row 0 and column 0 are the fixed headers.
class CrossTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CrossTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Shrinking drops the last rows or columns with their cells; growing adds empty ones.
    void setRows(int rows);
    void setColumns(int columns);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString &text);
    ColourCode colour(int row, int column) const;
    void setColour(int row, int column, ColourCode colour);

    const CrossCells &cells() const { return m_cells; }
    // Puts back cells taken from a grid of the same size; other sizes are ignored.
    void setCells(const CrossCells &cells);

  private:
    using Cell = CrossCell;
    bool contains(int row, int column) const;

    int m_columns = 0;
    QVector<QVector<Cell>> m_cells; // [row][column]
};

// The crosstable grid: a view over its model with the sizes of the layout in twips.
class CrossTable : public QTableView {
    Q_OBJECT
  public:
    explicit CrossTable(QWidget *parent = nullptr);

    int rows() const { return m_model->rowCount(); }
    int columns() const { return m_model->columnCount(); }
    void setRows(int rows);
    void setColumns(int columns);

    QString text(int row, int column) const { return m_model->text(row, column); }
    void setText(int row, int column, const QString &text) { m_model->setText(row, column, text); }
    ColourCode colour(int row, int column) const { return m_model->colour(row, column); }
    void setColour(int row, int column, ColourCode colour)
    {
        m_model->setColour(row, column, colour);
    }
    const CrossCells &cells() const { return m_model->cells(); }
    void setCells(const CrossCells &cells) { m_model->setCells(cells); }

    double columnWidthTwips(int column) const;
    void setColumnWidthTwips(int column, double twips);
    double rowHeightTwips(int row) const;
    void setRowHeightTwips(int row, double twips);

    // Overall size of the control; the width may be fractional.
    double widthTwips() const { return m_widthTwips; }
    double heightTwips() const { return m_heightTwips; }
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);

    // The current cell, which routines move as they read and write.
    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    void setCurrentCell(int row, int column);

    // The cell under the mouse at the last click; -1 where the pointer was on no cell.
    int mouseRow() const { return m_mouseRow; }
    int mouseColumn() const { return m_mouseColumn; }
    // A key acting as a click takes the cell under the keyboard for the cell clicked.
    void setMouseCell(int row, int column);

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

    CrossTableModel *m_model;
    QVector<double> m_columnTwips;
    double m_widthTwips = 0;
    double m_heightTwips = 0;
    int m_currentRow = 0;
    int m_currentColumn = 0;
    int m_mouseRow = -1;
    int m_mouseColumn = -1;
    bool m_pressed = false;
};

} // namespace krugovik
