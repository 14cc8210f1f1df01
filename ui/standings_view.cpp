#include "ui/standings_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "export/event_lines.h"
#include "export/final_standings.h"
#include "export/tournament_snapshot.h"
#include "ui/tournament_document.h"

namespace krugovik {
namespace {

// A withdrawn player's row is drawn in grey.
const QColor kWithdrawnText(110, 110, 110);

QTableWidgetItem *item(const std::string &text, Qt::Alignment alignment)
{
    auto *cell = new QTableWidgetItem(QString::fromStdString(text));
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

} // namespace

StandingsView::StandingsView(const TournamentDocument *document,
                             std::function<TournamentSnapshot()> snapshot, QWidget *parent)
    : QDialog(parent, Qt::Window), m_document(document), m_snapshot(std::move(snapshot))
{
    setObjectName(QStringLiteral("dlgStandings"));
    setWindowTitle(tr("Места"));
    setModal(false);
    lblStandingsTitle = new QLabel(this);
    lblStandingsTitle->setObjectName(QStringLiteral("lblStandingsTitle"));
    QFont bold = lblStandingsTitle->font();
    bold.setBold(true);
    lblStandingsTitle->setFont(bold);
    tblStandings = new QTableWidget(this);
    tblStandings->setObjectName(QStringLiteral("tblStandings"));
    tblStandings->verticalHeader()->hide();
    // A line per player, as compact as the crosstable's rows.
    tblStandings->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblStandings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblStandings->setSelectionBehavior(QAbstractItemView::SelectRows);
    lblStandingsRules = new QLabel(this);
    lblStandingsRules->setObjectName(QStringLiteral("lblStandingsRules"));
    lblStandingsRules->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblStandingsTitle);
    layout->addWidget(tblStandings);
    layout->addWidget(lblStandingsRules);
    connect(document, &TournamentDocument::changed, this, &StandingsView::refresh);
    refresh();
    resize(640, 480);
}

void StandingsView::refresh()
{
    // The tournament is being closed: the window goes with it.
    if (!m_document)
        return;
    const TournamentSnapshot snapshot = m_snapshot();
    const std::vector<std::string> tieBreaks = tieBreakTitles(snapshot);
    QStringList titles = {tr("Место"), tr("№", "column caption: start number"), tr("Участник"),
                          tr("Очки")};
    for (const std::string &title : tieBreaks)
        titles << QString::fromStdString(title);
    const std::vector<StandingLine> lines = finalStandings(snapshot);
    tblStandings->clear();
    tblStandings->setColumnCount(int(titles.size()));
    tblStandings->setRowCount(int(lines.size()));
    tblStandings->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < int(lines.size()); ++r) {
        const StandingLine &line = lines[std::size_t(r)];
        std::vector<QTableWidgetItem *> cells = {
            item(line.place, Qt::AlignCenter), item(std::to_string(line.player), Qt::AlignRight),
            item(line.name, Qt::AlignLeft), item(line.points, Qt::AlignRight)};
        for (std::size_t k = 0; k < tieBreaks.size(); ++k)
            cells.push_back(
                item(k < line.tieBreaks.size() ? line.tieBreaks[k] : "", Qt::AlignRight));
        for (int c = 0; c < int(cells.size()); ++c) {
            if (line.withdrawn)
                cells[std::size_t(c)]->setForeground(kWithdrawnText);
            tblStandings->setItem(r, c, cells[std::size_t(c)]);
        }
    }
    tblStandings->resizeColumnsToContents();
    lblStandingsTitle->setText(QString::fromStdString(sheetTitle(snapshot)));
    const QString rules = QString::fromStdString(placeRulesLine(snapshot));
    lblStandingsRules->setText(rules);
    lblStandingsRules->setHidden(rules.isEmpty());
}

} // namespace krugovik
