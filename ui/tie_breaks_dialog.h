#pragma once

#include <QDialog>
#include <vector>

#include "standings/tie_breaks.h"

class QComboBox;
class QDialogButtonBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace krugovik {

// «Правила распределения мест»: a preset, or a list the director composes from the
// round-robin tie-breaks. The tournament's rules change only when the caller applies
// tieBreaks() after OK.
class TieBreaksDialog : public QDialog {
    Q_OBJECT
  public:
    // `current`: the tournament's rules, empty for the default.
    explicit TieBreaksDialog(const std::vector<TieBreak> &current, QWidget *parent = nullptr);

    // The chosen rules after the records of earlier changes; none for the default preset.
    std::vector<TieBreak> tieBreaks() const;

  private:
    enum Preset { Classic, Fide, Custom };
    void cmbTieBreakPreset_Change();
    void cmdTieBreakAdd_Click();
    void cmdTieBreakRemove_Click();
    void moveChosen(int by);
    void showList(const std::vector<TieBreak> &list);
    void enableCommands();

    std::vector<TieBreak> m_custom;  // the list «Своя» holds
    std::vector<TieBreak> m_changes; // the records of earlier changes, kept as they are
    // The default order as the tournament spells it: none, or the list a TRF brought.
    std::vector<TieBreak> m_classic;
    // The chosen list with the choice for players without an established rating applied.
    std::vector<TieBreak> withUnratedChoice(std::vector<TieBreak> list) const;
    void cmbUnrated_Change();

    QComboBox *cmbTieBreakPreset = nullptr;
    QListWidget *lstTieBreaks = nullptr;
    QComboBox *cmbTieBreakChoice = nullptr;
    QPushButton *cmdTieBreakAdd = nullptr;
    QPushButton *cmdTieBreakRemove = nullptr;
    QPushButton *cmdTieBreakUp = nullptr;
    QPushButton *cmdTieBreakDown = nullptr;
    QDialogButtonBox *btnTieBreaks = nullptr;
    QComboBox *cmbUnrated = nullptr;      // his estimate, or a fixed rating
    QSpinBox *spnUnratedRating = nullptr; // the fixed rating
};

} // namespace krugovik
