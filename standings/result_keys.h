#pragma once

#include <string_view>

#include "rating/game_notation.h"

namespace krugovik {

// Names of the keys that type no character; every other key is named by its character.
inline constexpr std::string_view kKeyDelete = "Delete";
inline constexpr std::string_view kKeyBackspace = "Backspace";
inline constexpr std::string_view kKeyEnter = "Enter";
inline constexpr std::string_view kKeySpace = " ";

// What a key pressed on a crosstable cell does.
enum class CellKeyAction {
    Nothing,   // the key means nothing there
    SetResult, // the game gets `result`, its mirror the opposite
    Click,     // the same as a mouse click on the cell
};

struct CellKey {
    CellKeyAction action = CellKeyAction::Nothing;
    GameState result = GameState::None; // for SetResult
};

// The meaning of a key on a cell. gameCell: a player's game cell off the diagonal, where
// "1", "0", "5"/"=", "+", "-" and Delete/Backspace set a result and Space steps it as a
// click does. Elsewhere Space and Enter act as a click (a number of column 0 enters the
// editor's player, a header runs its command).
CellKey cellKey(std::string_view key, bool gameCell);

} // namespace krugovik
