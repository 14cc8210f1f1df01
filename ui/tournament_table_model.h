#pragma once

#include <QAbstractTableModel>

namespace krugovik {

class TournamentDocument;
struct TableChange;

// The crosstable as an item model over the open tournament: index (r, c) is cell (r, c),
// its DisplayRole the cell's exact text and its BackgroundRole the cell's colour. It reads
// the tournament and changes nothing; the document says what changed.
class TournamentTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TournamentTableModel(const TournamentDocument *document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

  private:
    void follow(const TableChange &change);
    void resize();

    const TournamentDocument *m_document;
    // The size the views know: it follows the tournament's inside begin/end brackets.
    int m_rows = 0;
    int m_columns = 0;
};

} // namespace krugovik
