#pragma once

#include <string>
#include <vector>

#include "common/fixed_point.h"
#include "rating/game_records.h"

namespace krugovik {

// One player's line of the final standings.
struct PlaceRow {
    int player = 0;     // table number, 1..N
    int firstPlace = 0; // first place the player's rank covers
    int lastPlace = 0;  // last place; above firstPlace when the place is shared
    Fixed points;       // points, a forfeit win counting as a win
    Fixed berger;       // Berger coefficient from those points
    int wins = 0;       // wins over the board and by forfeit
};

// The players 1..playerCount ranked from the game arrays, in place order: points, then
// Berger coefficient, then the points scored among the players still tied (only when
// every game among them has a result), then wins. Players equal on all four share the
// place and are listed in table order.
std::vector<PlaceRow> rankPlayers(const GameRecords &records, int playerCount);

// "3" for a place of its own, "3-4" for a shared one.
std::string placeText(const PlaceRow &row);

} // namespace krugovik
