#include "rounds/round_names.h"

#include "common/texts.h"
#include "rounds/berger_schedule.h"

namespace krugovik {
namespace {

constexpr int kFirstGameColumn = 5;

bool inRange(int playerCount, int cycles)
{
    return roundCount(playerCount) > 0 && cycles >= 1 && cycles <= kMostCycles;
}

} // namespace

int headerRound(int playerCount, int cycles, int column)
{
    if (!inRange(playerCount, cycles) || column < kFirstGameColumn ||
        column >= kFirstGameColumn + playerCount * cycles)
        return 0;
    const int cycle = (column - kFirstGameColumn) / playerCount;
    const int j = (column - kFirstGameColumn) % playerCount + 1;
    const int rounds = roundCount(playerCount);
    if (cycles == 1)
        return j;
    return j <= rounds ? cycle * rounds + j : 0;
}

int roundColumn(int playerCount, int cycles, int round)
{
    if (!inRange(playerCount, cycles) || round < 1 || round > roundCount(playerCount) * cycles)
        return 0;
    const int rounds = roundCount(playerCount);
    return kFirstGameColumn + (round - 1) / rounds * playerCount + (round - 1) % rounds;
}

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

std::string headerRoundTip(int playerCount, int cycles, int column)
{
    if (!inRange(playerCount, cycles) || column < kFirstGameColumn ||
        column >= kFirstGameColumn + playerCount * cycles)
        return {};
    const int round = headerRound(playerCount, cycles, column);
    const int rounds = roundCount(playerCount);
    if (cycles > 1 && round == 0)
        return filled(translated("Rounds", "%1-й цикл: тура с этим номером нет"),
                      {std::to_string((column - kFirstGameColumn) / playerCount + 1)});
    // The empty round of an even count: its header shows a round without games.
    if (cycles == 1 && round > rounds)
        return filled(translated("Rounds", "Тур %1: в расписании нет партий"),
                      {std::to_string(round)});
    return roundName(playerCount, cycles, round);
}

} // namespace krugovik
