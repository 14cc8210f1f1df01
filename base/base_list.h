#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/sheet.h"

namespace krugovik {

// The order in which the base prints: by rating from the highest, equal ratings in
// record order. Returns indexes into `ratings`.
std::vector<std::size_t> printOrder(const std::vector<std::int64_t> &ratings);

// One player of the printed list, as his base record has him.
struct ListedPlayer {
    std::string name;        // UTF-8, without padding
    std::int64_t rating = 0; // whole rating points; 0 for none
};

// What the list is headed with.
struct PlayerListHeading {
    std::string club;       // the club folder's name, the sheet's title
    std::string date;       // the day it is printed, "09.12.2026"
    std::string tournament; // the tournament whose players alone it lists; empty for the base
};

// The list as a sheet, in printOrder: the club and the day above a table of number, name
// and rating, the ratings in a right-aligned column.
Sheet playerListSheet(const PlayerListHeading &heading, const std::vector<ListedPlayer> &players);

} // namespace krugovik
