// The crosstable: clicks and keys go to the document, the table is laid out for the number
// of players, and the window follows what the document says changed.
#include <QCheckBox>
#include <QLabel>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

#include "common/message_box.h"
#include "common/number_text.h"
#include "common/twips.h"
#include "standings/result_keys.h"
#include "ui/base_editor.h"
#include "ui/cross_table.h"
#include "ui/table_texts.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {
constexpr double kGameColumnWidth = 400;
// Columns "R", "R нов." and "Результат" together, the width the reduced view takes away.
constexpr double kReducedTwips = 2300;
constexpr double kVanishedWidth = 1;
// Widths of the columns number, name, rating, new rating and result.
constexpr std::array<double, 5> kColumnWidths = {300, 2700, 600, 700, 1000};
constexpr double kHeaderRowHeight = 300;

double gridHeightFor(int n)
{
    return (n - 3) * 250 + 1215;
}
double gridWidthFor(int n)
{
    return (n - 3) * 400 + 6850;
}
// The grid scrolls sideways beyond the window's width (in twips, from the grid's left).
constexpr double kWidestGrid = 15100;
} // namespace

void TournamentWindow::grdTable_Click()
{
    // A click that reached the table past an open find list closes the list as well.
    m_editor->closeFindList();
    const int column = grdTable->mouseColumn();
    const int row = grdTable->mouseRow();
    // Only a row's number takes the editor's player; reading him looks into the base's files.
    const PlayerEntry player = column == 0 ? m_editor->player() : PlayerEntry{};
    if (column == 0 && row != 0) {
        const EntryCheck check = m_document->tournament().checkEntry(row, player);
        if (check.refusal == EntryRefusal::NoRating) {
            showMessage(this, tr("Игрока без рейтинга или начальной оценки включать "
                                 "в турнир нельзя!"));
            return;
        }
        if (check.refusal == EntryRefusal::AlreadyEntered) {
            showMessage(this,
                        tr("Игрок %1 уже занесён в турнирную таблицу!")
                            .arg(QString::fromStdString(m_document->tournament().name(check.row))));
            return;
        }
        if (check.refusal == EntryRefusal::SameFideId) {
            showMessage(this,
                        tr("Игрок с FIDE ID %1 уже занесён в турнирную таблицу: строка %2, %3!")
                            .arg(player.identity.fideId)
                            .arg(check.row)
                            .arg(QString::fromStdString(m_document->tournament().name(check.row))));
            return;
        }
    }
    m_document->click(row, column, player);
}

void TournamentWindow::grdTable_KeyDown(int row, int column, const QString &key)
{
    const bool gameCell = m_document->grid().gameAt(row, column).has_value();
    const CellKey meaning = cellKey(key.toStdString(), gameCell);
    switch (meaning.action) {
    case CellKeyAction::Click:
        grdTable->setMouseCell(row, column);
        grdTable_Click();
        break;
    case CellKeyAction::SetResult:
        // One step of the history, as a click on the cell is.
        m_document->key(row, column, meaning.result);
        break;
    case CellKeyAction::Nothing:
        break;
    }
}

void TournamentWindow::vscPlayer_Change()
{
    const Tournament &t = m_document->tournament();
    const int wanted = vscPlayer->value();
    // Below three (a file that did not read leaves the spin at 1) no size changes.
    if (wanted < Tournament::kFewestPlayers || wanted > Tournament::kMostPlayers) {
        m_document->changePlayerCount(wanted);
        return;
    }
    const auto keepCount = [&] {
        const QSignalBlocker quiet(vscPlayer);
        vscPlayer->setValue(t.playerCount());
    };
    // An arrow held down repeats under a message box, whose button takes the mouse's
    // release: the bar is disabled while the box is up, which stops the repeat.
    const auto stopRepeat = [this] {
        vscPlayer->setEnabled(false);
        return qScopeGuard([this] { vscPlayer->setEnabled(true); });
    };
    if (const int left = t.withdrawalOutside(wanted, t.cycles())) {
        keepCount();
        const auto enable = stopRepeat();
        showMessage(this,
                    QString::fromStdString(withdrawalOutsideText(t, left, wanted, t.cycles())));
        return;
    }
    const std::vector<Tournament::RemovedPlayer> removed = t.playersRemovedBy(wanted);
    if (!removed.empty()) {
        const auto enable = stopRepeat();
        if (!askYesNo(this, QString::fromStdString(removalQuestion(removed)))) {
            keepCount();
            return;
        }
    }
    m_document->changePlayerCount(wanted);
}

void TournamentWindow::ShowTournament(const TableChange &change)
{
    const Tournament &t = m_document->tournament();
    cmdSave->setEnabled(m_document->picture().saveEnabled());
    if (change.layout) {
        const QSignalBlocker quiet(vscPlayer);
        vscPlayer->setValue(t.playerCount());
        lblPlayerCount->setText(QString::fromStdString(playerCountText(t.playerCount())));
        LayOutGrid();
    }
    {
        // Undo and a load bring their own count of cycles.
        const QSignalBlocker quietSpin(spnCycles);
        const QSignalBlocker quietCheck(chkReverseLastRounds);
        spnCycles->setValue(t.cycles());
        chkReverseLastRounds->setChecked(t.reverseLastRounds());
        // One cycle has no last rounds to play the other way round.
        chkReverseLastRounds->setEnabled(t.cycles() > 1);
    }
    if (!change.content || m_loading)
        return;
    TableChanged();
}

void TournamentWindow::LayOutGrid()
{
    grdTable->setRowHeightTwips(0, kHeaderRowHeight);
    for (int c = 0; c < grdTable->columns(); ++c)
        grdTable->setColumnWidthTwips(c, c < TableGeometry::kFirstGameColumn
                                             ? kColumnWidths[std::size_t(c)]
                                             : kGameColumnWidth);
    // The reduced view outlives a change of the count: check box, widths and grid agree.
    if (chkSdvig && !chkSdvig->isChecked())
        applyReducedView();
    fitGridWidth();
}

void TournamentWindow::fitGridWidth()
{
    const Tournament &t = m_document->tournament();
    const int n = t.playerCount();
    double width = gridWidthFor(n) + double((t.cycles() - 1) * n) * kGameColumnWidth;
    if (chkSdvig && !chkSdvig->isChecked())
        width -= kReducedTwips;
    const bool scrolls = width > kWidestGrid;
    grdTable->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
    const double scrollBar =
        scrolls ? pixelsToTwips(grdTable->style()->pixelMetric(QStyle::PM_ScrollBarExtent), this)
                : 0;
    grdTable->setHeightTwips(gridHeightFor(n) + scrollBar);
    grdTable->setWidthTwips(std::min(width, kWidestGrid));
}

void TournamentWindow::spnCycles_Change()
{
    const Tournament &t = m_document->tournament();
    const int wanted = spnCycles->value();
    if (const int left = t.withdrawalOutside(t.playerCount(), wanted)) {
        {
            const QSignalBlocker quiet(spnCycles);
            spnCycles->setValue(t.cycles());
        }
        showMessage(
            this, QString::fromStdString(withdrawalOutsideText(t, left, t.playerCount(), wanted)));
        return;
    }
    if (wanted < t.lastCycleWithResults()) {
        {
            const QSignalBlocker quiet(spnCycles);
            spnCycles->setValue(t.cycles());
        }
        showMessage(this, tr("Число циклов нельзя уменьшить до %1: в цикле %2 уже "
                             "есть результаты. Сначала удалите их.")
                              .arg(wanted)
                              .arg(t.lastCycleWithResults()));
        return;
    }
    if (wanted == 1 && t.cyclesMovePlayedRounds(wanted, true)) {
        {
            const QSignalBlocker quiet(spnCycles);
            spnCycles->setValue(t.cycles());
        }
        showMessage(this, tr("Один цикл нельзя: два последних тура 1-го цикла уже сыграны в "
                             "обратном порядке, а в одном цикле они идут по таблице."));
        return;
    }
    m_document->setCycles(wanted, chkReverseLastRounds->isChecked());
}

void TournamentWindow::chkReverseLastRounds_Click()
{
    // With one cycle the box changes nothing, and so is no change of the tournament.
    if (m_document->tournament().cycles() == 1) {
        const QSignalBlocker quiet(chkReverseLastRounds);
        chkReverseLastRounds->setChecked(m_document->tournament().reverseLastRounds());
        return;
    }
    const Tournament &t = m_document->tournament();
    if (t.cyclesMovePlayedRounds(t.cycles(), chkReverseLastRounds->isChecked())) {
        {
            const QSignalBlocker quiet(chkReverseLastRounds);
            chkReverseLastRounds->setChecked(t.reverseLastRounds());
        }
        showMessage(this, tr("Порядок двух последних туров 1-го цикла нельзя изменить: в них "
                             "уже есть результаты."));
        return;
    }
    m_document->setCycles(t.cycles(), chkReverseLastRounds->isChecked());
}

void TournamentWindow::chkSdvig_Click()
{
    if (!chkSdvig->isChecked()) {
        applyReducedView();
        return;
    }
    for (int column = 2; column <= 4; ++column)
        grdTable->setColumnWidthTwips(column, kColumnWidths[std::size_t(column)]);
    fitGridWidth();
    vscPlayer->setEnabled(true);
}

void TournamentWindow::applyReducedView()
{
    for (int column = 2; column <= 4; ++column)
        grdTable->setColumnWidthTwips(column, kVanishedWidth);
    fitGridWidth();
}

} // namespace krugovik
