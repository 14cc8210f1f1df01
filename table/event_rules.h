#pragma once

// The rules the places go by, as the event holds them: the tie-breaks after points, the
// records of their changes after the start, the lots with their seed and the director's
// order of tied players. The operations keep two invariants that the file relies on: a
// change record names the list before it (kPointsOnly for a list that declared nothing
// after the points) and the list after it follows it; the order by hand names two or more
// players of the event, each once, and a player who leaves the event leaves it.

#include <vector>

#include "standings/tie_breaks.h"

namespace krugovik {

// The list as read or put back: the order by hand cut to the players 1..playerCount (gone
// when fewer than two are left), a change record that names no list dropped.
std::vector<TieBreak> rulesForPlayers(std::vector<TieBreak> list, int playerCount);

// The round after which choosing `chosen` in place of `now` is recorded as a change, once
// `lastRound` rounds have a result: lastRound when the rules in force differ; 0 when they
// do not, before any result and for a new order by hand (see withOrderByHand).
int ruleChangeRound(const std::vector<TieBreak> &now, const std::vector<TieBreak> &chosen,
                    int lastRound);

// The list after the director chose `chosen` (its change records are ignored: the event
// keeps its own), with the record of the change when ruleChangeRound says so.
std::vector<TieBreak> chosenRules(const std::vector<TieBreak> &now, std::vector<TieBreak> chosen,
                                  int lastRound, int playerCount);

// The list with the director's order of tied players in place of any earlier one, before
// the lots so that it wins over them; the default order written out when the list held no
// rules. Fewer than two players: no order by hand.
std::vector<TieBreak> withOrderByHand(const std::vector<TieBreak> &list, std::vector<int> order);

// After the drawing of numbers: order[k] is the former number - 1 of the player who takes
// number k + 1; the order by hand follows its players.
std::vector<TieBreak> renumberedRules(std::vector<TieBreak> list, const std::vector<int> &order);

} // namespace krugovik
