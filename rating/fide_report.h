#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rating/fide_event.h"
#include "rating/title_norms.h"

namespace krugovik {

// One player's FIDE figures in an event.
struct FideReportLine {
    int number = 0; // start number, from 1
    std::string name;
    int rating = 0;                 // FIDE rating; 0 = unrated
    int k = 0;                      // K applied; 0 for an unrated player
    bool kFromList = false;         // K is the one the rating list gives
    bool newPlayer = false;         // the list's K tells a new player (B.02 8.3.3)
    int games = 0;                  // rated games: over the board against rated opponents
    int halfPoints = 0;             // score in them
    int expectedHundredths = 0;     // the sum of the expected scores (rated players)
    int change = 0;                 // the rating change
    std::optional<int> firstRating; // an unrated player's first rating when he qualifies
    int performance = 0;            // Ra + dp over the games over the board; 0 below nine
    std::vector<Norm> norms;        // the norms made, in the order of kNorms
    std::array<NormCheck, 4> normChecks{};
};

// K with where it came from: «40 (список)», «40 (новый игрок, список)», «20 (по правилам)»;
// empty for an unrated player.
std::string kText(const FideReportLine &line);

// Every player's line in start-number order.
std::vector<FideReportLine> fideReport(const FideEvent &event);

// The report as `krugovik --report` prints it: UTF-8, fields separated by tabs, a line of
// category and average, a header line and one line per player.
std::string fideReportText(const FideEvent &event);

// Half points as a number with a point: "6.5", "6".
std::string halvesWithPoint(int halves);
// Hundredths with two decimals and a point: "5.43", "-0.07".
std::string hundredthsWithPoint(int hundredths);
// Such a number with the decimal separator of the program's language: "6,5" in Russian.
std::string withDecimalSeparator(std::string number);
// A signed whole number: "+12", "-3", "+0".
std::string signedNumber(int value);

} // namespace krugovik
