#pragma once

#include <QUndoCommand>

#include "table/tournament.h"

namespace krugovik {

class TournamentDocument;

// One step of table entry in the history: a player entered or a result changed. It keeps
// the event's values the step changed, before and after it; undo and redo put them back
// through the document, which shows the picture of the step with them.
class TableStep : public QUndoCommand {
  public:
    // The step has been taken already: pushing it changes nothing.
    TableStep(TournamentDocument *document, const QString &text, Step step);

    void undo() override;
    void redo() override;

  private:
    TournamentDocument *m_document;
    Step m_step;
    bool m_taken = true; // the first redo, on the push, finds the step taken
};

} // namespace krugovik
