#pragma once

#include <string>
#include <vector>

namespace krugovik {

// A round robin as FIDE's rating and title regulations see it: plain data, taken from the
// tournament by the caller.

// A player with what the lists tell of him. Texts are UTF-8.
struct FidePlayer {
    std::string name;
    int rating = 0;         // FIDE's standard rating; 0 = unrated
    std::string title;      // "GM", "IM", "FM", "WGM", "WIM", "WFM", "CM", "WCM" or empty
    std::string federation; // three letters; empty = unknown
    char sex = 0;           // 'M', 'F' or 0
    int birthYear = 0;      // 0 = unknown
    int listK = 0;          // the K the rating list gives; 0 = not given
};

// How a game of the schedule stands.
enum class FideGameKind {
    Pending,      // not played yet
    OverTheBoard, // played, with a result
    Forfeit,      // decided without play: neither rated nor counted for norms
};

// One game of the schedule between two players (indices into FideEvent::players).
struct FideGame {
    int first = 0;
    int second = 0;
    FideGameKind kind = FideGameKind::Pending;
    int firstHalfPoints = 0; // the first player's score in half points when played
};

struct FideEvent {
    std::vector<FidePlayer> players;
    std::vector<FideGame> games; // every game of the schedule, every cycle
    int year = 0;                // the year the event is played in (for K by age)
};

// One player's side of a game.
struct FideSide {
    int opponent = 0;
    FideGameKind kind = FideGameKind::Pending;
    int halfPoints = 0; // his score when played
};

// The games of player `p` from his side, in the schedule's order.
std::vector<FideSide> sidesOf(const FideEvent &event, int p);

} // namespace krugovik
