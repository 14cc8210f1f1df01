#pragma once

#include <QObject>
#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QToolButton;
class QWidget;

namespace krugovik {

class ButtonIcons;
class ClickableLabel;
class TournamentDocument;

// The round display below the crosstable: the title, the boards of the shown round with
// their result boxes, who sits out, and the button of the round's protocol. It shows what
// the tournament holds; a click on a result box goes to the document. Its widgets are the
// window's children, placed in twips.
class RoundDisplay : public QObject {
    Q_OBJECT
  public:
    static constexpr int kBoards = 11; // boards 1..11; label 0 is the title

    RoundDisplay(QWidget *window, TournamentDocument *document, ButtonIcons &icons);

    // Shows the round as the tournament holds it now.
    void show();
  signals:
    // The protocol's button was pressed: the window prints the shown round.
    void protocolRequested();

  private:
    void cmdPrintParing_Click();
    // The round chooser lists every round of every cycle and shows the one on show.
    void cmbRound_Activated(int index);
    void ShowRoundChooser();
    void FitBoardLines();

    QWidget *m_window;
    TournamentDocument *m_document;
    std::array<ClickableLabel *, kBoards + 1> lblParing{}; // 0 is the round title
    std::array<ClickableLabel *, kBoards + 1> lblRezult{};
    QLabel *lblFree = nullptr; // who sits out the shown round
    QToolButton *cmdPrintParing = nullptr;
    QComboBox *cmbRound = nullptr;
};

} // namespace krugovik
