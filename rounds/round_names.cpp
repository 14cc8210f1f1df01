#include "rounds/round_names.h"

#include "common/texts.h"
#include "rounds/berger_schedule.h"

namespace krugovik {

std::string roundName(int playerCount, int cycles, int round)
{
    const int rounds = roundCount(playerCount);
    if (cycles <= 1 || rounds == 0 || round < 1)
        return filled(translated("Rounds", "Тур %1"), {std::to_string(round)});
    return filled(translated("Rounds", "Тур %1 (%2-й цикл, тур %3)",
                             "the round through all cycles, then its cycle and round in it"),
                  {std::to_string(round), std::to_string((round - 1) / rounds + 1),
                   std::to_string((round - 1) % rounds + 1)});
}

} // namespace krugovik
