#include "ui/table_geometry.h"

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

} // namespace krugovik
