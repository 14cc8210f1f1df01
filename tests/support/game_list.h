#pragma once

#include <vector>

#include "rating/game_records.h"

namespace testing_support {

// One game of a test table: player p's side of the game against q.
struct Game {
    int p;
    int q;
    krugovik::GameState stateOfP;
};

// The game arrays after the games, every player rated 1500.
inline krugovik::GameRecords recordsOf(const std::vector<Game> &games)
{
    krugovik::GameRecords records;
    for (const Game &game : games)
        krugovik::recordGame(records, game.p, game.q, game.stateOfP, 1500, 1500);
    return records;
}

} // namespace testing_support
