#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "table/tournament.h"
#include "table/tournament_file.h"
#include "ui/table_geometry.h"
#include "ui/table_picture.h"

class QUndoStack;

namespace krugovik {

// What an operation on the open tournament changed, for whoever shows it.
struct TableChange {
    bool layout = false;  // the number of players may have changed: every cell may differ
    QList<QRect> cells;   // cells whose text or colour changed; x is the column, y the row
    bool rounds = false;  // the round display may differ
    bool content = false; // what the tournament file holds changed
};

// The open tournament beside its history and its picture. It owns the Tournament, the
// TablePicture that shows it and the QUndoStack, runs every change through them and says
// what changed; steps of entry become commands that keep the event's values they changed,
// so that taking them back puts exactly those values back. Beside each step it keeps what
// the picture showed before and after it, and shows that again with the step.
class TournamentDocument : public QObject {
    Q_OBJECT
  public:
    explicit TournamentDocument(QObject *parent = nullptr);

    const Tournament &tournament() const { return m_tournament; }
    const TablePicture &picture() const { return m_picture; }
    // Where the window's grid shows the event now.
    TableGeometry grid() const { return TableGeometry::of(m_tournament); }
    QUndoStack *undoStack() const { return m_history; }

    // Loads the file as read once, or the empty three-player table without a file; the
    // history starts afresh.
    void load(const std::optional<FileDescription> &file);
    // After the file was written: marks and new ratings brought up to date.
    void saved();
    // The spin's change, one step: players beyond the count leave with their results. The
    // caller has asked the director first (see Tournament::playersRemovedBy).
    void changePlayerCount(int value);
    // The spin of cycles or the check box of the last rounds, one step.
    void setCycles(int count, bool reverseLastRounds);
    // A click on a cell; entering a player and changing a result are steps of the history.
    // The caller has made the entry check for a click on a row's number.
    void click(int row, int column, const PlayerEntry &editor);
    // A result key on a game cell, one step.
    void key(int row, int column, GameState state);
    // A click on a board's result box, one step.
    void clickResultBox(int board);
    // The tie-break rules chosen, one step.
    void setTieBreaks(const std::vector<TieBreak> &tieBreaks);
    // The event's details, one step.
    void setEvent(const EventDetails &details);
    // The row's player left after the round, one step.
    void withdraw(int row, int afterRound);
    // The withdrawn player comes back, one step.
    void reinstate(int row);
    // The players' numbers drawn before the first result, one step.
    void drawNumbers(const std::vector<int> &order, const DrawRecord &record);
    // The write-back's own correction and rating, no step of the history.
    void correctAndRate();

    // Takes a step back or brings it back: what the history's commands do.
    void undoStep(const Step &step);
    void redoStep(const Step &step);

  signals:
    void changed(const krugovik::TableChange &change);

  private:
    // Runs an operation that is no step and reports everything it may have changed.
    void apply(const std::function<void(TablePicture &)> &operation, bool content);
    // Puts back one side of a step, with what the picture showed then.
    void restore(const Step &step, const StepValues &values, const PictureChoices &choices);
    TableChange changeOf(const Step &step) const;
    // The history's name of a game's step.
    QString gameText(int row, int column) const;
    // Runs a step of entry; one that changed anything goes into the history.
    void pushStep(const QString &text, const std::function<Step(TablePicture &)> &operation);

    Tournament m_tournament;
    TablePicture m_picture{m_tournament};
    QUndoStack *m_history;
    // Per command of the history, in its order: what the picture showed before and after it.
    struct ShownAround {
        PictureChoices before;
        PictureChoices after;
    };
    std::deque<ShownAround> m_shownAround;
};

} // namespace krugovik
