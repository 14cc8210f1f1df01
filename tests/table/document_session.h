// The director's operations on the document with its history, for the property tests.
#pragma once

#include <QUndoStack>

#include "table/tournament_sessions.h"
#include "ui/tournament_document.h"

namespace krugovik {

// The same operations on the document, each a step of its history.
class DocumentSession : public Session {
  public:
    explicit DocumentSession(const std::string &bytes)
    {
        m_doc.load(describeTournamentFile(bytes));
    }
    void event(const EventDetails &details) override { m_doc.setEvent(details); }
    const Tournament &tournament() const override { return m_doc.tournament(); }
    // The document takes a result key on the grid's cell of the game.
    void result(const GameKey &key, GameState state) override
    {
        m_doc.key(key.player, m_doc.grid().columnOf(key), state);
    }
    void withdraw(int row, int afterRound) override { m_doc.withdraw(row, afterRound); }
    void reinstate(int row) override { m_doc.reinstate(row); }
    void players(int count) override { m_doc.changePlayerCount(count); }
    void cycles(int count, bool reverse) override { m_doc.setCycles(count, reverse); }
    void rules(const std::vector<TieBreak> &rules) override { m_doc.setTieBreaks(rules); }
    void enter(int row, const PlayerEntry &player) override { m_doc.click(row, 0, player); }
    void undo() override { m_doc.undoStack()->undo(); }
    void redo() override { m_doc.undoStack()->redo(); }
    QUndoStack *history() { return m_doc.undoStack(); }

  protected:
    TournamentDocument m_doc;
};

} // namespace krugovik
