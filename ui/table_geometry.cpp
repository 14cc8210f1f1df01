#include "ui/table_geometry.h"

#include "rounds/berger_schedule.h"

namespace krugovik {

TableGeometry TableGeometry::of(const Tournament &event)
{
    return {event.playerCount(), event.cycles()};
}

bool TableGeometry::isGameColumn(int column) const
{
    return column >= kFirstGameColumn && column < columnCount();
}

std::optional<GameKey> TableGeometry::gameAt(int row, int column) const
{
    if (row < 1 || row > players || !isGameColumn(column))
        return std::nullopt;
    const GameKey key{cycleOf(column), row, opponentOf(column)};
    if (key.opponent == key.player)
        return std::nullopt;
    return key;
}

int TableGeometry::columnOf(const GameKey &key) const
{
    return kFirstGameColumn + key.cycle * players + key.opponent - 1;
}

int TableGeometry::roundOfHeader(int column) const
{
    const int rounds = roundCount(players);
    if (rounds == 0 || cycles < 1 || cycles > kMostCycles || !isGameColumn(column))
        return 0;
    const int j = opponentOf(column);
    if (cycles == 1)
        return j;
    return j <= rounds ? cycleOf(column) * rounds + j : 0;
}

int TableGeometry::headerOfRound(int round) const
{
    const int rounds = roundCount(players);
    if (rounds == 0 || cycles < 1 || cycles > kMostCycles || round < 1 || round > rounds * cycles)
        return 0;
    return kFirstGameColumn + (round - 1) / rounds * players + (round - 1) % rounds;
}

} // namespace krugovik
