#include "ui/standings_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "export/event_lines.h"
#include "export/final_standings.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
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

// The place's tooltip: which tie-break put him below the line above and above the line
// below, where their points are equal; a shared place says so.
QString decidedTip(const StandingLine &line, const StandingLine *above, const StandingLine *below,
                   const std::vector<TieBreak> &rules)
{
    const auto rule = [&](int k) {
        return QString::fromStdString(tieBreakChoiceName(rules[std::size_t(k)]));
    };
    const auto who = [](const StandingLine &other) {
        return StandingsView::tr("%1 (№ %2)", "a player and his start number")
            .arg(QString::fromStdString(other.name))
            .arg(other.player);
    };
    QStringList parts;
    if (above && line.decidedAbove >= 0 && std::size_t(line.decidedAbove) < rules.size())
        parts << StandingsView::tr("Ниже, чем %1: %2").arg(who(*above), rule(line.decidedAbove));
    if (below && line.decidedBelow >= 0 && std::size_t(line.decidedBelow) < rules.size())
        parts << StandingsView::tr("Выше, чем %1: %2").arg(who(*below), rule(line.decidedBelow));
    if (line.firstPlace > 0 && line.place.find('-') != std::string::npos)
        parts << StandingsView::tr("Правила не разделили: место общее");
    return parts.join(QLatin1Char('\n'));
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
    // Wide enough for every column, where the screen has room: the places and what decided
    // them are read without scrolling sideways.
    const QMargins margins = layout->contentsMargins();
    const int columns = tblStandings->horizontalHeader()->length() +
                        2 * tblStandings->frameWidth() +
                        tblStandings->verticalScrollBar()->sizeHint().width();
    int width = std::max(640, columns + margins.left() + margins.right());
    if (const QScreen *where = screen())
        width = std::min(width, where->availableGeometry().width());
    resize(width, 480);
}

void StandingsView::refresh()
{
    // The tournament is being closed: the window goes with it.
    if (!m_document)
        return;
    const TournamentSnapshot snapshot = m_snapshot();
    const std::vector<std::string> tieBreaks = tieBreakTitles(snapshot);
    const std::vector<TieBreak> rules = placeRules(snapshot);
    QStringList titles = {tr("Место"), tr("№", "column caption: start number"), tr("Участник"),
                          tr("Очки")};
    for (const std::string &title : tieBreaks)
        titles << QString::fromStdString(title);
    // Which tie-break parted each player from his neighbours with equal points.
    const bool ruled = !rules.empty();
    if (ruled)
        titles << tr("Что решило", "column caption: the tie-break that decided a tie");
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
        if (ruled) {
            cells.push_back(item(decidedText(line, rules), Qt::AlignLeft));
            const QString why =
                decidedTip(line, r > 0 ? &lines[std::size_t(r - 1)] : nullptr,
                           r + 1 < int(lines.size()) ? &lines[std::size_t(r + 1)] : nullptr, rules);
            cells.front()->setToolTip(why);
            cells.back()->setToolTip(why);
        }
        for (int c = 0; c < int(cells.size()); ++c) {
            if (line.withdrawn)
                cells[std::size_t(c)]->setForeground(kWithdrawnText);
            tblStandings->setItem(r, c, cells[std::size_t(c)]);
        }
    }
    tblStandings->resizeColumnsToContents();
    lblStandingsTitle->setText(QString::fromStdString(sheetTitle(snapshot)));
    QString order = QString::fromStdString(placeRulesLine(snapshot));
    if (const std::string note = directEncounterNote(rules); !note.empty())
        order += QLatin1Char('\n') + QString::fromStdString(note);
    lblStandingsRules->setText(order);
    lblStandingsRules->setHidden(order.isEmpty());
}

} // namespace krugovik
