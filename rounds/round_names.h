#pragma once

#include <string>

namespace krugovik {

// A round as the director reads it: «Тур 3» with one cycle, «Тур 6 (2-й цикл, тур 1)» with
// several.
std::string roundName(int playerCount, int cycles, int round);

} // namespace krugovik
