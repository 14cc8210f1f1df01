#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QTableWidget;

namespace krugovik {

class TournamentDocument;
struct TournamentSnapshot;

// «Места»: the standings on screen, in a window of their own beside the table. Place, name,
// points and the tie-breaks of the tournament's rules, as the standings engine ranks them;
// a player who withdrew is marked. It follows every change of the document.
class StandingsView : public QDialog {
    Q_OBJECT
  public:
    // snapshot gives the tournament as the exports read it, at the moment of asking.
    StandingsView(const TournamentDocument *document, std::function<TournamentSnapshot()> snapshot,
                  QWidget *parent = nullptr);

    // Fills the table from the tournament as it stands now.
    void refresh();

  private:
    QPointer<const TournamentDocument> m_document;
    std::function<TournamentSnapshot()> m_snapshot;
    QLabel *lblStandingsTitle = nullptr;
    QTableWidget *tblStandings = nullptr;
    QLabel *lblStandingsRules = nullptr;
};

} // namespace krugovik
