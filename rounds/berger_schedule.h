#pragma once

#include <optional>
#include <vector>

namespace krugovik {

// Most cycles a tournament can have: each pair of players meets at most this often.
constexpr int kMostCycles = 4;

// One game of the round-robin schedule; players are crosstable row numbers.
struct ScheduledGame {
    int round;       // 1..roundCount; over several cycles, counted through all of them
    int firstNamed;  // player listed first on the board; his cell feeds the result box
    int secondNamed; // the opponent, listed second
};

// Rounds of the schedule, M − 1 with M the count rounded up to even: N − 1 for an even
// count, N for an odd one (each player sits out once); 0 for a count outside 3..22.
int roundCount(int playerCount);

// The Berger table for 3..22 players, sorted by round and then by first-named player
// (the board order); empty for any other count.
std::vector<ScheduledGame> bergerSchedule(int playerCount);

// The schedule of 1..kMostCycles cycles. Cycle c takes rounds (c − 1)·R + 1..c·R, R =
// roundCount, and repeats the table, with colours reversed in every even cycle. With
// reverseLastRounds and two cycles or more, the first cycle plays its last two rounds
// the other way round (FIDE's advice for double round-robins, so that nobody gets one
// colour three times running where the cycles meet); the third cycle plays the table's
// rounds backwards, for the same reason at its two joins; the second and fourth keep the
// table's order. A cycle's order does not depend on how many cycles follow it. One cycle
// is bergerSchedule(playerCount) whatever the flag. Sorted as that one; empty for a count
// or a number of cycles out of range.
std::vector<ScheduledGame> bergerSchedule(int playerCount, int cycles, bool reverseLastRounds);

// The game of a against b in cycle `cycle` of that schedule: its round counted through
// all cycles and who is named first (plays White). Nothing when a player, the pair or
// the cycle lies outside the schedule.
std::optional<ScheduledGame> scheduledGame(int playerCount, int cycles, bool reverseLastRounds,
                                           int cycle, int a, int b);

// The round of the one-cycle table that `round`, counted through all cycles, plays; 0
// outside the schedule. With an odd count its free player is sittingOut of that round.
int tableRound(int playerCount, int cycles, bool reverseLastRounds, int round);

} // namespace krugovik
