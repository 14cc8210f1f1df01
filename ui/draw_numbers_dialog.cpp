#include "ui/draw_numbers_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace krugovik {

DrawNumbersDialog::DrawNumbersDialog(std::vector<DrawEntrant> players,
                                     const std::optional<DrawRecord> &previous, QWidget *parent)
    : QDialog(parent), m_players(std::move(players))
{
    setObjectName(QStringLiteral("dlgDrawNumbers"));
    setWindowTitle(tr("Жеребьёвка номеров"));
    m_order.resize(m_players.size());
    std::iota(m_order.begin(), m_order.end(), 0);

    cmbDrawMethod = new QComboBox(this);
    cmbDrawMethod->setObjectName(QStringLiteral("cmbDrawMethod"));
    cmbDrawMethod->addItem(tr("По жребию"), int(DrawMethod::Lot));
    cmbDrawMethod->addItem(tr("По жребию с таблицами Варма"), int(DrawMethod::Varma));
    cmbDrawMethod->addItem(tr("По рейтингу"), int(DrawMethod::Rating));
    cmbDrawMethod->addItem(tr("Вручную"), int(DrawMethod::ByHand));
    cmbVarmaGroups = new QComboBox(this);
    cmbVarmaGroups->setObjectName(QStringLiteral("cmbVarmaGroups"));
    cmbVarmaGroups->addItem(tr("по федерациям"));
    cmbVarmaGroups->addItem(tr("по клубам"));
    txtDrawSeed = new QLineEdit(this);
    txtDrawSeed->setObjectName(QStringLiteral("txtDrawSeed"));
    txtDrawSeed->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,18}")), txtDrawSeed));
    txtDrawSeed->setToolTip(tr("Тот же номер жребия даёт ту же жеребьёвку"));
    cmdDraw = new QPushButton(tr("Провести жеребьёвку"), this);
    cmdDraw->setObjectName(QStringLiteral("cmdDraw"));

    // The clubs, one per player, named by the director for the Varma tables.
    tblDrawClubs = new QTableWidget(int(m_players.size()), 2, this);
    tblDrawClubs->setObjectName(QStringLiteral("tblDrawClubs"));
    tblDrawClubs->setHorizontalHeaderLabels({tr("Участник"), tr("Клуб")});
    tblDrawClubs->verticalHeader()->hide();
    for (int r = 0; r < int(m_players.size()); ++r) {
        auto *name = new QTableWidgetItem(QString::fromStdString(m_players[std::size_t(r)].name));
        name->setFlags(Qt::ItemIsEnabled);
        tblDrawClubs->setItem(r, 0, name);
        tblDrawClubs->setItem(r, 1, new QTableWidgetItem);
    }
    tblDrawClubs->horizontalHeader()->setStretchLastSection(true);
    tblDrawClubs->resizeColumnToContents(0);

    lstDrawOrder = new QListWidget(this);
    lstDrawOrder->setObjectName(QStringLiteral("lstDrawOrder"));
    lblDrawNote = new QLabel(this);
    lblDrawNote->setObjectName(QStringLiteral("lblDrawNote"));
    lblDrawNote->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdDrawOk = buttons->button(QDialogButtonBox::Ok);
    cmdDrawOk->setObjectName(QStringLiteral("cmdDrawOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdDrawCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        takeHandOrder();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Способ:"), cmbDrawMethod);
    form->addRow(tr("Таблицы Варма:"), cmbVarmaGroups);
    form->addRow(tr("Номер жребия:"), txtDrawSeed);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cmdDraw);
    layout->addWidget(tblDrawClubs);
    layout->addWidget(lstDrawOrder);
    layout->addWidget(lblDrawNote);
    layout->addWidget(buttons);

    // The draw the file records is offered again with its seed.
    const DrawRecord start =
        previous.value_or(DrawRecord{DrawMethod::Lot,
                                     QRandomGenerator::global()->bounded(quint64(1), quint64(1e15)),
                                     false,
                                     {}});
    // The clubs the file keeps stand by the numbers the draw gave, which the rows now hold.
    if (start.clubs.size() == m_players.size()) {
        for (int r = 0; r < int(m_players.size()); ++r)
            tblDrawClubs->item(r, 1)->setText(QString::fromStdString(start.clubs[std::size_t(r)]));
    }
    cmbDrawMethod->setCurrentIndex(cmbDrawMethod->findData(int(start.method)));
    cmbVarmaGroups->setCurrentIndex(start.byClub ? 1 : 0);
    txtDrawSeed->setText(QString::number(
        start.seed != 0 ? start.seed
                        : QRandomGenerator::global()->bounded(quint64(1), quint64(1e15))));
    if (previous)
        lblDrawNote->setText(tr("Номера уже разыграны этим способом; «Провести жеребьёвку» "
                                "повторит ту же жеребьёвку от нынешнего порядка."));
    connect(cmbDrawMethod, &QComboBox::currentIndexChanged, this,
            &DrawNumbersDialog::methodChanged);
    connect(cmbVarmaGroups, &QComboBox::currentIndexChanged, this,
            &DrawNumbersDialog::methodChanged);
    connect(cmdDraw, &QPushButton::clicked, this, &DrawNumbersDialog::draw);
    methodChanged();
    showOrder();
    resize(520, 560);
}

DrawMethod DrawNumbersDialog::method() const
{
    return DrawMethod(cmbDrawMethod->currentData().toInt());
}

DrawRecord DrawNumbersDialog::record() const
{
    DrawRecord record;
    record.method = method();
    if (record.method == DrawMethod::Lot || record.method == DrawMethod::Varma)
        record.seed = txtDrawSeed->text().toULongLong();
    record.byClub = record.method == DrawMethod::Varma && cmbVarmaGroups->currentIndex() == 1;
    // The clubs go with the players to their new numbers.
    if (record.byClub) {
        for (int row : m_order)
            record.clubs.push_back(tblDrawClubs->item(row, 1)->text().trimmed().toStdString());
        if (std::all_of(record.clubs.begin(), record.clubs.end(),
                        [](const std::string &club) { return club.empty(); }))
            record.clubs.clear();
    }
    return record;
}

void DrawNumbersDialog::methodChanged()
{
    const DrawMethod m = method();
    const bool seeded = m == DrawMethod::Lot || m == DrawMethod::Varma;
    cmbVarmaGroups->setEnabled(m == DrawMethod::Varma);
    txtDrawSeed->setEnabled(seeded);
    cmdDraw->setEnabled(m != DrawMethod::ByHand);
    tblDrawClubs->setVisible(m == DrawMethod::Varma && cmbVarmaGroups->currentIndex() == 1);
    // By hand the director drags the rows of the order.
    lstDrawOrder->setDragDropMode(m == DrawMethod::ByHand ? QAbstractItemView::InternalMove
                                                          : QAbstractItemView::NoDragDrop);
    m_drawn = false;
    if (m == DrawMethod::Rating)
        draw();
    enableOk();
}

void DrawNumbersDialog::enableOk()
{
    // A seeded method is applied only once it has drawn.
    cmdDrawOk->setEnabled(m_drawn || method() == DrawMethod::ByHand);
}

void DrawNumbersDialog::draw()
{
    const DrawMethod m = method();
    const std::uint64_t seed = txtDrawSeed->text().toULongLong();
    if (m == DrawMethod::Lot) {
        m_order = drawByLot(int(m_players.size()), seed);
    } else if (m == DrawMethod::Rating) {
        m_order = drawByRating(m_players);
    } else if (m == DrawMethod::Varma) {
        std::vector<DrawEntrant> players = m_players;
        if (cmbVarmaGroups->currentIndex() == 1) {
            for (int r = 0; r < int(players.size()); ++r)
                players[std::size_t(r)].group =
                    tblDrawClubs->item(r, 1)->text().trimmed().toStdString();
        }
        const auto order = drawByVarma(players, seed);
        if (!order) {
            lblDrawNote->setText(tr("Таблицы Варма служат турнирам от %1 до %2 игроков.")
                                     .arg(kFewestVarmaPlayers)
                                     .arg(kMostVarmaPlayers));
            return;
        }
        m_order = *order;
    }
    lblDrawNote->clear();
    m_drawn = true;
    showOrder();
    enableOk();
}

void DrawNumbersDialog::showOrder()
{
    lstDrawOrder->clear();
    for (int k = 0; k < int(m_order.size()); ++k) {
        const int row = m_order[std::size_t(k)];
        const DrawEntrant &p = m_players[std::size_t(row)];
        QString text = QStringLiteral("%1. %2").arg(k + 1).arg(QString::fromStdString(p.name));
        QStringList details;
        if (!p.title.empty())
            details << QString::fromStdString(p.title);
        if (p.rating > 0)
            details << QString::number(p.rating);
        if (!p.group.empty())
            details << QString::fromStdString(p.group);
        if (!details.isEmpty())
            text += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
        auto *item = new QListWidgetItem(text, lstDrawOrder);
        item->setData(Qt::UserRole, row);
    }
}

void DrawNumbersDialog::takeHandOrder()
{
    // The list's order is the draw, whatever the method: a drag after a draw counts too.
    std::vector<int> order;
    for (int k = 0; k < lstDrawOrder->count(); ++k)
        order.push_back(lstDrawOrder->item(k)->data(Qt::UserRole).toInt());
    if (order.size() == m_order.size())
        m_order = order;
}

} // namespace krugovik
