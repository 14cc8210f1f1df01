#pragma once

#include <QPicture>

namespace krugovik {

struct TournamentSnapshot;

// The final standings as a page-shaped drawing of text and lines: the title, the
// tournament's name and date, then one row per player in place order.
QPicture drawStandings(const TournamentSnapshot &snapshot);

} // namespace krugovik
