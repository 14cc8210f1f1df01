#include "ui/table_step.h"

#include "ui/tournament_document.h"

namespace krugovik {

TableStep::TableStep(TournamentDocument *document, const QString &text, Step step)
    : QUndoCommand(text), m_document(document), m_step(std::move(step))
{
}

void TableStep::undo()
{
    m_document->undoStep(m_step);
}

void TableStep::redo()
{
    if (m_taken) {
        m_taken = false;
        return;
    }
    m_document->redoStep(m_step);
}

} // namespace krugovik
