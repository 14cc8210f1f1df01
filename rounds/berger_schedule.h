#pragma once

#include <vector>

namespace krugovik {

// One game of the round-robin schedule; players are crosstable row numbers.
struct ScheduledGame {
    int round;       // 1..roundCount
    int firstNamed;  // player listed first on the board; his cell feeds the result box
    int secondNamed; // the opponent, listed second
};

// Rounds of the schedule, M − 1 with M the count rounded up to even: N − 1 for an even
// count, N for an odd one (each player sits out once); 0 for a count outside 3..22.
int roundCount(int playerCount);

// The Berger table for 3..22 players, sorted by round and then by first-named player
// (the board order); empty for any other count.
std::vector<ScheduledGame> bergerSchedule(int playerCount);

} // namespace krugovik
