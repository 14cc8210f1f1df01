#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "rounds/number_draw.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace krugovik {

// «Жеребьёвка номеров»: the players' numbers drawn before the first round, by lot, by lot
// restricted by the Varma tables, by rating, or by hand (the rows dragged into order). The
// dialog only computes the order; the caller applies it as one step.
class DrawNumbersDialog : public QDialog {
    Q_OBJECT
  public:
    // players in table order; previous, the draw the file records.
    DrawNumbersDialog(std::vector<DrawEntrant> players, const std::optional<DrawRecord> &previous,
                      QWidget *parent = nullptr);

    // order[k]: the table row (from 0) whose player gets number k + 1.
    std::vector<int> order() const { return m_order; }
    DrawRecord record() const;

  private:
    void methodChanged();
    void draw();
    void showOrder();
    void takeHandOrder();
    void enableOk();
    DrawMethod method() const;

    std::vector<DrawEntrant> m_players;
    std::vector<int> m_order;
    bool m_drawn = false; // the order on show is the method's own
    QComboBox *cmbDrawMethod = nullptr;
    QComboBox *cmbVarmaGroups = nullptr;
    QLineEdit *txtDrawSeed = nullptr;
    QPushButton *cmdDraw = nullptr;
    QTableWidget *tblDrawClubs = nullptr;
    QListWidget *lstDrawOrder = nullptr;
    QLabel *lblDrawNote = nullptr;
    QPushButton *cmdDrawOk = nullptr;
};

} // namespace krugovik
