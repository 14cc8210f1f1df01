#pragma once

#include <string>
#include <vector>

namespace krugovik {

// The round dates of an event that grew from roundsBefore to `rounds` rounds (more players
// or more cycles). When rounds 1..roundsBefore all have dates at one fixed step, as
// «Заполнить по неделям» gives them, the new rounds go on at that step; dates already
// given stay, and anything else is left as it was. Dates are "YYYY-MM-DD".
std::vector<std::string> roundDatesContinued(std::vector<std::string> dates, int roundsBefore,
                                             int rounds);

} // namespace krugovik
