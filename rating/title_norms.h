#pragma once

#include <array>
#include <string>
#include <vector>

#include "rating/fide_event.h"

namespace krugovik {

// Title norms of FIDE's Title Regulations (B.01, in force since 1 January 2024) in a round
// robin.

enum class Norm { GM, IM, WGM, WIM };
inline constexpr std::array<Norm, 4> kNorms = {Norm::GM, Norm::IM, Norm::WGM, Norm::WIM};

// The figures a norm asks for.
struct NormLevel {
    const char *code;     // "GM"
    int ratingFloor;      // 1.4.6: the adjusted rating floor of an opponent
    int leastAverage;     // 1.4.7: the least Ra
    int leastPerformance; // 1.4.8: the least Rp
};
const NormLevel &normLevel(Norm norm);

// The games a norm needs, over the board (1.4.1).
inline constexpr int kFewestNormGames = 9;
// An unrated opponent counts with this rating (1.4.6).
inline constexpr int kUnratedOpponentRating = 1400;

// Whether a title counts among the title-holders (1.4.4: CM and WCM do not), and among the
// opponents of a norm's own level or above (1.4.5).
bool isTitleHolder(const std::string &title);
bool countsForLevel(const std::string &title, Norm norm);

// Whether the games against player q leave the norms of his opponents (1.4.2): he is
// unrated, has played all his games and scored nothing over the board in them.
bool leftOutOfNorms(const FideEvent &event, int q);

// Ra: the average rating of the opponents, unrated ones at 1400, the lowest one below the
// floor (only one) raised to it, rounded to the nearest whole number with halves up (1.4.6).
// `floor` 0 raises nobody.
int averageOfOpponents(std::vector<int> ratings, int floor);

// Rp = Ra + dp, p = score / games rounded to two decimals (1.4.8).
int performance(int ra, int halfPoints, int games);

// The least score in half points over `games` games against an average of ra that makes
// the norm: Rp (1.4.8) and 35 per cent (1.4.9); -1 when no score does.
int leastNormHalves(Norm norm, int ra, int games);

// Where a player stands for one norm.
enum class NormState {
    NotSought,  // he holds this title or a higher one, or it is a woman's title and he is not
    Impossible, // the opponents or the games cannot give it any more
    Possible,   // his remaining games can still give it
    Made,       // every game is played and every condition met
};

struct NormCheck {
    Norm norm = Norm::GM;
    NormState state = NormState::Impossible;
    int games = 0;          // games counted: over the board, and those still to play
    int ra = 0;             // Ra over those games' opponents, with this norm's floor
    int rp = 0;             // Rp of the score so far over the games played (0 when none)
    int neededHalves = 0;   // Possible: half points still to score
    int remainingGames = 0; // Possible: games still to play
    // The conditions that fail, each one short phrase as a key of the translation
    // (context "Norms"); empty when the opponents fit.
    std::vector<const char *> failures;
};

// Every norm for player p of the event.
std::array<NormCheck, 4> checkNorms(const FideEvent &event, int p);

// The norm's short name in the program's language: «ГМ», «ММ», «ЖГМ», «ЖММ».
std::string normName(Norm norm);
// «Для нормы ММ нужно 2 из 3» for a possible norm; the state in words otherwise.
std::string normStatusText(const NormCheck &check);

} // namespace krugovik
