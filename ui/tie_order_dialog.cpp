#include "ui/tie_order_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "export/snapshot_results.h"

namespace krugovik {
namespace {

bool setByHandOrLot(const TieBreak &tb)
{
    return tb.kind == TieBreakKind::ByHand || tb.kind == TieBreakKind::Lot;
}

} // namespace

TieOrderDialog::TieOrderDialog(const TournamentSnapshot &snapshot, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgTieOrder"));
    setWindowTitle(tr("Порядок при равенстве"));
    setModal(true);
    for (const SnapshotPlayer &player : snapshot.players)
        m_names.push_back(player.name);

    // The ties the rules leave, before any order by hand and the lots.
    std::vector<TieBreak> rules = placeRules(snapshot);
    std::vector<int> earlier;
    for (const TieBreak &tb : rules) {
        if (tb.kind == TieBreakKind::ByHand)
            earlier = tb.order;
    }
    rules.erase(std::remove_if(rules.begin(), rules.end(), setByHandOrLot), rules.end());
    for (const TieBreakRow &row : rankByTieBreaks(roundRobinResults(snapshot), rules)) {
        if (row.firstPlace == 0 || row.lastPlace == row.firstPlace)
            continue;
        if (m_groups.empty() || m_groups.back().firstPlace != row.firstPlace)
            m_groups.push_back({row.firstPlace, row.lastPlace, {}});
        m_groups.back().players.push_back(row.player);
    }
    // The order given before comes first; the rest in table order.
    for (Group &group : m_groups) {
        std::stable_sort(group.players.begin(), group.players.end(), [&](int a, int b) {
            const auto at = [&](int p) {
                return std::find(earlier.begin(), earlier.end(), p) - earlier.begin();
            };
            return at(a) < at(b);
        });
    }

    lstTieOrder = new QListWidget(this);
    lstTieOrder->setObjectName(QStringLiteral("lstTieOrder"));
    cmdTieOrderUp = new QPushButton(tr("Выше"), this);
    cmdTieOrderUp->setObjectName(QStringLiteral("cmdTieOrderUp"));
    cmdTieOrderUp->setAutoDefault(false);
    cmdTieOrderDown = new QPushButton(tr("Ниже"), this);
    cmdTieOrderDown->setObjectName(QStringLiteral("cmdTieOrderDown"));
    cmdTieOrderDown->setAutoDefault(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("btnTieOrder"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("ОК"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdTieOrderOk"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdTieOrderCancel"));

    auto *layout = new QGridLayout(this);
    auto *label = new QLabel(tr("Игроки, которых правила не развели, в порядке "
                                "решения судьи (выше — лучше):"),
                             this);
    label->setObjectName(QStringLiteral("lblTieOrder"));
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(lstTieOrder, 1, 0, 3, 1);
    layout->addWidget(cmdTieOrderUp, 1, 1);
    layout->addWidget(cmdTieOrderDown, 2, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);

    showGroups();
    connect(lstTieOrder, &QListWidget::currentRowChanged, this, &TieOrderDialog::enableCommands);
    connect(cmdTieOrderUp, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(cmdTieOrderDown, &QPushButton::clicked, this, [this] { moveChosen(1); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::vector<int> TieOrderDialog::order() const
{
    std::vector<int> all;
    for (const Group &group : m_groups)
        all.insert(all.end(), group.players.begin(), group.players.end());
    return all;
}

void TieOrderDialog::showGroups()
{
    const int row = lstTieOrder->currentRow();
    lstTieOrder->clear();
    for (const Group &group : m_groups) {
        for (int p : group.players)
            lstTieOrder->addItem(QStringLiteral("%1-%2   %3. %4")
                                     .arg(group.firstPlace)
                                     .arg(group.lastPlace)
                                     .arg(p)
                                     .arg(QString::fromStdString(m_names[std::size_t(p - 1)])));
    }
    if (lstTieOrder->count() > 0)
        lstTieOrder->setCurrentRow(std::clamp(row, 0, lstTieOrder->count() - 1));
    enableCommands();
}

void TieOrderDialog::moveChosen(int by)
{
    int row = lstTieOrder->currentRow();
    for (Group &group : m_groups) {
        const int size = int(group.players.size());
        if (row >= size) {
            row -= size;
            continue;
        }
        // Only within the group: its places are the rules', not the director's.
        const int to = row + by;
        if (row < 0 || to < 0 || to >= size)
            return;
        std::swap(group.players[std::size_t(row)], group.players[std::size_t(to)]);
        lstTieOrder->setCurrentRow(lstTieOrder->currentRow() + by);
        showGroups();
        return;
    }
}

void TieOrderDialog::enableCommands()
{
    int row = lstTieOrder->currentRow();
    bool up = false;
    bool down = false;
    for (const Group &group : m_groups) {
        const int size = int(group.players.size());
        if (row >= 0 && row < size) {
            up = row > 0;
            down = row + 1 < size;
        }
        row -= size;
    }
    cmdTieOrderUp->setEnabled(up);
    cmdTieOrderDown->setEnabled(down);
}

} // namespace krugovik
