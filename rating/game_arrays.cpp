// Keeps the game records and the round display in line with one changed game cell.
#include "common/clickable_label.h"
#include "common/number_text.h"
#include "rating/game_notation.h"
#include "rating/rating_calc.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ArrayGames()
{
    const int p = GridRow;
    const int q = GridCol;
    grdTable->setCurrentCell(grdTable->currentRow(), 2);
    // Only players of the table have records; anything else would write outside them.
    if (p < 1 || p > kMaxPlayers || q < 1 || q > kMaxPlayers || p == q)
        return;
    const std::optional<GameState> state = stateFromCellText(CellText.toStdString());
    if (!state)
        return;
    std::int64_t ratingOfQ = 0;
    std::int64_t ratingOfP = 0;
    if (isRated(*state)) {
        grdTable->setCurrentCell(q, 2);
        ratingOfQ = readRating(grdTable->text(q, 2).toStdString());
        grdTable->setCurrentCell(p, 2);
        ratingOfP = readRating(grdTable->text(p, 2).toStdString());
    }
    recordGame(Games, p, q, *state, ratingOfQ, ratingOfP);

    // Every board holding the pair shows the game from its first-named player's side.
    for (int k = 1; k <= kBoards; ++k) {
        const std::int64_t first = readInteger(lblParing[k]->tag().toStdString());
        const std::int64_t second = readInteger(lblRezult[k]->tag().toStdString());
        if ((first == p && second == q) || (first == q && second == p)) {
            const GameState firstSide = first == p ? *state : mirrored(*state);
            lblRezult[k]->setText(QString::fromUtf8(caption(firstSide)));
        }
    }
}

} // namespace krugovik
