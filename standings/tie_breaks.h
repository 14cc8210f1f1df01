#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_point.h"
#include "rating/game_notation.h"
#include "rating/game_records.h"

namespace krugovik {

// The most cycles a round-robin may have.
inline constexpr int kMaxCycles = 4;

// A round-robin, finished or not, as plain data for the standings. Players are table
// numbers 1..playerCount, cycles 0..cycleCount-1; index 0 of each player table is unused.
struct RoundRobinResults {
    template <typename T> using Table = GameRecords::Table<T>;

    int playerCount = 0; // 3..22
    int cycleCount = 1;  // 1..kMaxCycles
    // games[c][i][j]: player i's side of his game against j in cycle c; the pair's entry
    // with i < j is the one read, its mirror is implied, but for a game lost by both
    // (ForfeitLoss on both sides), which counts for neither.
    std::array<Table<GameState>, kMaxCycles> games{};
    // white[c][i][j]: the table number of the player who had White in that game.
    std::array<Table<int>, kMaxCycles> white{};
    // round[c][i][j]: the round of that game, counted through all cycles from 1.
    std::array<Table<int>, kMaxCycles> round{};
    // Each player's rating in rating points; 0 when unknown.
    std::array<int, kMaxTablePlayers + 1> rating{};
    // The player has no established rating: his rating, if any, is an estimate.
    std::array<bool, kMaxTablePlayers + 1> unrated{};
    // The round after which the player withdrew; 0 when he did not.
    std::array<int, kMaxTablePlayers + 1> withdrawnAfter{};
};

// The tie-breaks a round-robin can be ranked by, by their acronyms where they have one.
enum class TieBreakKind {
    DirectEncounter,       // DE: points among the tied players, reapplied to subgroups
    Wins,                  // WIN: wins, forfeit wins included
    WinsOverBoard,         // WON: wins over the board
    BlackGames,            // BPG: games played over the board with Black
    BlackWins,             // BWG: wins over the board with Black
    SonnebornBerger,       // SB: the Berger coefficient
    Koya,                  // KS: points against opponents at or above a limit
    AverageOpponentRating, // ARO
    PerformanceRating,     // TPR
    PointsAmongTied,       // the points among the tied players, applied once
    RoundsElected,         // REP: games played over the board and wins by forfeit
    StandardPoints,        // STD: per opponent 1 for the better score against him, 1/2 equal
    OwnRating,             // RTNG: the player's own rating, higher first
    PairingNumber,         // TPN: the table number, lower first
    ByHand,                // the director's order of players still tied (after a play-off)
    Lot,                   // a drawing of lots among players still tied, from a kept seed
    RulesChanged,          // no tie-break: the record of a change of the list after a round
};

// One entry of the ordered list of tie-breaks.
struct TieBreak {
    TieBreakKind kind = TieBreakKind::DirectEncounter;
    int koyaPercent = 50;    // Koya: the limit as a share of the maximum score, percent
    int koyaShiftHalves = 0; // Koya: the limit moved by this many half points
    int cut = 0;             // SB: how many of the least significant games are left out, 0..2
    bool reversed = false;   // RTNG, TPN: the other way round ("/R")
    // ARO, TPR, RTNG: the rating a player without an established one counts with; 0 for
    // his estimate, or none.
    int unratedRating = 0;
    std::uint32_t seed = 0;   // Lot: the seed the drawing comes from
    std::vector<int> order{}; // ByHand: table numbers, best first; others after, still tied
    int afterRound = 0;       // RulesChanged: the last round played when the list changed
    // RulesChanged: the list before, its 202 codes separated by blanks; kPointsOnly when it
    // declared none.
    std::string previous{};

    bool operator==(const TieBreak &) const = default;
};

// Points, Berger coefficient, points among the tied players, wins: the program's own
// order, the default.
std::vector<TieBreak> classicTieBreaks();
// FIDE's recommendation for round-robins: DE, WIN, SB, KS.
std::vector<TieBreak> fideRoundRobinTieBreaks();

// FIDE's acronym with its modifier, as FIDE's tie-break checker reads it: "DE", "KS",
// "KS/L40", "KS/L+1", "KS/L-1", "SB/C1", "RTNG/R", "SNO". The points among the tied
// players, which FIDE does not name, are written "DE". What the files hold.
std::string fideCode(const TieBreak &tieBreak);
// The code as the sheets and windows show it: a raised Koya limit without its sign
// ("KS/L1"), the starting number as "TPN"; else fideCode.
std::string shownCode(const TieBreak &tieBreak);
// The program's own entries are spelt "LOT/<seed>", "HAND/3,5,2" and "CHANGED/4/SB,DE,WIN",
// and the rating of a player without an established one "ARO/U1400"; FIDE's list declares
// none of the first three (declaredInTrf).
// The tie-break fideCode spells so, from the round-robin set; nothing for any other text.
// "DE" is the direct encounter; "KS/L1" reads as "KS/L+1" and "TPN" as "SNO".
std::optional<TieBreak> tieBreakFromCode(std::string_view code);
// The list before a change that declared nothing after the points, as a change record
// names it: "CHANGED/3/PTS".
inline constexpr std::string_view kPointsOnly = "PTS";
// FIDE's tie-breaks are declared in a TRF's 202; the lots and the director's order are not.
bool declaredInTrf(const TieBreak &tieBreak);
// A change of the list after the start is kept among its entries; it ranks nobody. The
// list without such records.
std::vector<TieBreak> withoutChangeRecords(const std::vector<TieBreak> &list);

// One player's line of the standings under a list of tie-breaks.
struct TieBreakRow {
    int player = 0;     // table number, 1..N
    int firstPlace = 0; // first place the rank covers; 0 for a player without one
    int lastPlace = 0;  // last place; above firstPlace when the place is shared
    Fixed points;       // points in the games that count; his own for one without a place
    // One per tie-break of the list (without its change records), in its order. The
    // direct encounter's is the points among the group it split; 0 where it split none.
    std::vector<Fixed> values;
    // Per tie-break, for the direct encounter: his points among the tied at each of its
    // applications that parted someone, the first (C.07's value) first, then those among a
    // part still tied where it was applied again; empty where it parted nobody.
    std::vector<std::vector<Fixed>> amongTied;
    // The tie-break (an index into values) that set him apart from the player listed just
    // above, and from the one just below, when their points are equal; -1 where the points
    // did, where they stay tied, or where nobody stands there.
    int decidedAbove = -1;
    int decidedBelow = -1;
    bool withdrawn = false; // left the event before its end
};

// The players ranked by points and then the tie-breaks in order, placed rows first in
// place order, then the players without a place, each group in table order when tied.
// A withdrawn player who played fewer than half of his games over the board has no place
// and none of his games count; the other withdrawn players lose the rest by forfeit.
std::vector<TieBreakRow> rankByTieBreaks(const RoundRobinResults &results,
                                         const std::vector<TieBreak> &tieBreaks);

// "3" for a place of its own, "3-4" for a shared one, "" for none.
std::string placeText(const TieBreakRow &row);

} // namespace krugovik
