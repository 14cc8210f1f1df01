#pragma once

#include <string>

namespace krugovik {

// The round of the event that the header of a game column selects, counted through all
// cycles; 0 for none. Column 4 + (c − 1)·N + j is header j of cycle c's block. With one
// cycle header j selects round j, even the empty round N of an even count; with several,
// a header beyond the cycle's rounds selects nothing.
int headerRound(int playerCount, int cycles, int column);

// The header column that selects a round, counted through all cycles; 0 outside them.
int roundColumn(int playerCount, int cycles, int round);

// A round as the director reads it: «Тур 3» with one cycle, «Тур 6 (2-й цикл, тур 1)» with
// several.
std::string roundName(int playerCount, int cycles, int round);

// The tooltip of a game column's header: the round it selects and its cycle.
std::string headerRoundTip(int playerCount, int cycles, int column);

} // namespace krugovik
