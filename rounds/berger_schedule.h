#pragma once

#include <vector>

namespace krugovik {

// One game of the round-robin schedule.
struct ScheduledGame {
    int round;       // 1..roundCount
    int firstNamed;  // player number named first on the board
    int secondNamed; // player number named second
};

// Rounds of the schedule: N − 1 for an even count, N for an odd one (one player sits out).
int roundCount(int playerCount);

// The Berger table for 3..22 players, sorted by round and then by first-named player
// (the board order); empty for any other count.
std::vector<ScheduledGame> bergerSchedule(int playerCount);

} // namespace krugovik
