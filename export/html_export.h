#pragma once

#include <string>

#include "export/tournament_snapshot.h"

namespace krugovik {

// A self-contained web page in UTF-8: the standings and the crosstable with places and
// points, styled inline, nothing loaded from elsewhere.
std::string exportHtml(const TournamentSnapshot &snapshot);

} // namespace krugovik
