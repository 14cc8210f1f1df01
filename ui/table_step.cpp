#include "ui/table_step.h"

#include "ui/tournament_document.h"

namespace krugovik {

TableStep::TableStep(TournamentDocument *document, const QString &text, Step step)
    : QUndoCommand(text), m_document(document), m_step(std::move(step))
{
}

void TableStep::undo()
{
    m_document->restore(m_step, m_step.before);
}

void TableStep::redo()
{
    if (m_taken) {
        m_taken = false;
        return;
    }
    m_document->restore(m_step, m_step.after);
}

} // namespace krugovik
