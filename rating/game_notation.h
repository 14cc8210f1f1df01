#pragma once

#include <optional>
#include <string_view>

#include "common/fixed_point.h"

namespace krugovik {

// The six states of a game, seen from one player's side.
enum class GameState { None, Win, Loss, Draw, ForfeitWin, ForfeitLoss };

// The crosstable cell text: "", "1", "0", "0.5", "+", "-".
std::string_view cellText(GameState state);
// The state a cell text spells; nothing for a text outside the six (exact comparison).
std::optional<GameState> stateFromCellText(std::string_view text);
// The same game from the opponent's side.
GameState mirrored(GameState state);
// The result box caption read from the first-named player's side: "1:0", "0:1",
// "0,5-0,5", "+ -", "- +" or "".
std::string_view caption(GameState firstNamedSide);
// The first-named player's state a caption spells; nothing for any other text.
std::optional<GameState> stateFromCaption(std::string_view caption);
// The next result of the entry cycle: none, win, loss, draw, forfeit win, forfeit loss.
GameState nextInCycle(GameState state);
// Wins, losses and draws are played and rated; forfeits and empty cells are not.
bool isRated(GameState state);
// Points of a rated game (1, 0.5, 0); 0 for forfeits and empty cells.
Fixed ratedPoints(GameState state);
// Points in the standings, where a forfeit win counts as a win.
Fixed standingPoints(GameState state);
// The share of the opponent's points a result adds to the Berger coefficient, in halves:
// 2 for a win of either kind, 1 for a draw, 0 otherwise.
int bergerHalves(GameState state);

} // namespace krugovik
