#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/fixed_point.h"
#include "export/tournament_snapshot.h"

namespace krugovik {

// One line of the final standings, ready to be written out.
struct StandingLine {
    int player = 0;        // table number
    int firstPlace = 0;    // the first place the line's rank covers
    std::string place;     // "1", "3-4"
    std::string points;    // "2,5"
    std::string berger;    // "6,75"
    std::string newRating; // "1547"; empty while some player has no rating
    std::string change;    // "+47", "-21", "0"; empty while some player has no rating
};

// Column titles of the standings, in the order of a standings line.
inline constexpr std::array<const char *, 8> kStandingTitles = {
    "Место", "№", "Участник", "Рейтинг", "Очки", "Бергер", "Новый рейтинг", "Изменение"};

// The standings in place order, with new ratings computed on the side.
std::vector<StandingLine> finalStandings(const TournamentSnapshot &snapshot);

// A decimal comma and no trailing zeros: "2,5", "0,5", "6,75", "0".
std::string commaNumber(Fixed value);

} // namespace krugovik
