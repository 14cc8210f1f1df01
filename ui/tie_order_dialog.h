#pragma once

#include <QDialog>
#include <vector>

#include "export/tournament_snapshot.h"

class QListWidget;
class QPushButton;

namespace krugovik {

// «Порядок при равенстве»: the director orders the players the rules leave tied (after a
// play-off, say). Each tied group keeps its places; only the order within it changes.
class TieOrderDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TieOrderDialog(const TournamentSnapshot &snapshot, QWidget *parent = nullptr);

    // Whether any players are still tied.
    bool hasTies() const { return !m_groups.empty(); }
    // The tied players in the director's order, group after group.
    std::vector<int> order() const;

  private:
    void moveChosen(int by);
    void showGroups();
    void enableCommands();

    struct Group {
        int firstPlace = 0;
        int lastPlace = 0;
        std::vector<int> players; // table numbers in the director's order
    };
    std::vector<Group> m_groups;
    std::vector<std::string> m_names; // by table number - 1

    QListWidget *lstTieOrder = nullptr;
    QPushButton *cmdTieOrderUp = nullptr;
    QPushButton *cmdTieOrderDown = nullptr;
};

} // namespace krugovik
