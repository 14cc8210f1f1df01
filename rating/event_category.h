#pragma once

#include "rating/fide_event.h"

namespace krugovik {

// The average FIDE rating of the rated players, rounded to the nearest whole number with
// halves up; 0 when nobody is rated.
int averageRating(const FideEvent &event);

// The category of a round robin by its average (B.01's table of categories): 1 from 2251 to
// 2275, one more for each further 25 points; 0 below 2251.
int eventCategory(int average);

// Whether a round robin with unrated players can be rated (B.02 6.2): at least a third of
// the players rated, and at least four of them when fewer than ten play (6.2.1); a double
// round robin with unrated players needs six players at least (6.2.2).
bool canBeRated(const FideEvent &event);
// Whether it is 6.2.2 that refuses: a double round robin of fewer than six with unrated
// players.
bool tooFewForSeveralCycles(const FideEvent &event);

// Whether some player of the event can still make, or has made, a title norm.
bool canGiveNorms(const FideEvent &event);

} // namespace krugovik
