// The history of table entry: every step keeps the window's state before and after it,
// so taking it back or bringing it back restores the window exactly.
#include <QLabel>
#include <QToolButton>
#include <QUndoCommand>
#include <QUndoStack>

#include "common/clickable_label.h"
#include "common/fonts.h"
#include "table/cross_table.h"
#include "table/table_snapshot.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {

constexpr int kHistorySteps = 200;

using Snapshot = std::shared_ptr<const TableSnapshot>;

class TableStep : public QUndoCommand {
  public:
    TableStep(const QString &text, Snapshot before, Snapshot after,
              std::function<void(const TableSnapshot &)> restore)
        : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)),
          m_restore(std::move(restore))
    {
    }
    void undo() override { m_restore(*m_before); }
    void redo() override
    {
        // Pushing the step runs redo once; the window already shows its result.
        if (m_applied) {
            m_applied = false;
            return;
        }
        m_restore(*m_after);
    }

  private:
    Snapshot m_before;
    Snapshot m_after;
    std::function<void(const TableSnapshot &)> m_restore;
    bool m_applied = true;
};

LabelSnapshot labelSnapshot(const QLabel *label, const QString &tag)
{
    return {label->text(), tag, !label->isHidden()};
}

} // namespace

void TournamentWindow::runStep(const QString &text, const std::function<void()> &action)
{
    if (m_inStep) {
        action();
        return;
    }
    m_inStep = true;
    Snapshot before = std::make_shared<const TableSnapshot>(TakeSnapshot());
    action();
    Snapshot after = std::make_shared<const TableSnapshot>(TakeSnapshot());
    m_inStep = false;
    if (*before == *after)
        return;
    if (m_lastAfter && *m_lastAfter == *before)
        before = m_lastAfter;
    m_lastAfter = after;
    m_history->push(new TableStep(text, std::move(before), std::move(after),
                                  [this](const TableSnapshot &s) { RestoreSnapshot(s); }));
}

TableSnapshot TournamentWindow::TakeSnapshot() const
{
    TableSnapshot s;
    s.rows = grdTable->rows();
    s.columns = grdTable->columns();
    s.cells = grdTable->cells();
    s.baseRecordNo = BaseRecordNo;
    s.correctionMark = CorrectionMark;
    s.ratingCorrection = RatingCorrection;
    s.games = Games;
    s.missingRatingNote = MissingRatingNote;
    s.roundNo = RoundNo;
    for (int k = 0; k <= kBoards; ++k) {
        s.boardLines[k] = labelSnapshot(lblParing[k], lblParing[k]->tag());
        s.resultBoxes[k] = labelSnapshot(lblRezult[k], lblRezult[k]->tag());
    }
    s.freePlayer = labelSnapshot(lblFree, QString());
    s.saveEnabled = cmdSave->isEnabled();
    s.writeBackEnabled = cmdZapisBase->isEnabled();
    s.gridRow = GridRow;
    s.gridCol = GridCol;
    s.cellText = CellText;
    return s;
}

void TournamentWindow::RestoreSnapshot(const TableSnapshot &s)
{
    // Every change of the count empties the history, so the sizes always agree.
    if (s.rows != grdTable->rows() || s.columns != grdTable->columns())
        return;
    grdTable->setCells(s.cells);
    BaseRecordNo = s.baseRecordNo;
    CorrectionMark = s.correctionMark;
    RatingCorrection = s.ratingCorrection;
    Games = s.games;
    MissingRatingNote = s.missingRatingNote;
    RoundNo = s.roundNo;
    auto restoreLabel = [](ClickableLabel *label, const LabelSnapshot &saved) {
        label->setText(saved.caption);
        label->setTag(saved.tag);
        label->setHidden(!saved.shown);
    };
    for (int k = 0; k <= kBoards; ++k) {
        restoreLabel(lblParing[k], s.boardLines[k]);
        restoreLabel(lblRezult[k], s.resultBoxes[k]);
    }
    lblFree->setText(s.freePlayer.caption);
    lblFree->setToolTip(lblFree->text());
    lblFree->setHidden(!s.freePlayer.shown);
    cmdSave->setEnabled(s.saveEnabled);
    cmdZapisBase->setEnabled(s.writeBackEnabled);
    GridRow = s.gridRow;
    GridCol = s.gridCol;
    CellText = s.cellText;
    FitBoardLines();
}

void TournamentWindow::createGuides()
{
    m_history = new QUndoStack(this);
    m_history->setObjectName(QStringLiteral("undoStack"));
    m_history->setUndoLimit(kHistorySteps);

    lblRecord = new QLabel(this);
    lblRecord->setObjectName(QStringLiteral("lblRecord"));
    lblRecord->setFont(programFont(8));
    place(lblRecord, 12650, 1190, 2400, 255);

    lblFree = new QLabel(this);
    lblFree->setObjectName(QStringLiteral("lblFree"));
    // Under the round title there is room for a narrow column only.
    lblFree->setFont(programFont(7.5));
    lblFree->setWordWrap(true);
    lblFree->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblFree, 0, 9140, 1900, 560);
    lblFree->hide();
}

void TournamentWindow::ClearHistory()
{
    m_history->clear();
    m_lastAfter.reset();
}

} // namespace krugovik
