#pragma once

#include <string>
#include <string_view>

#include "export/tournament_snapshot.h"

namespace krugovik {

// A self-contained web page in UTF-8: the standings and the crosstable with places and
// points, styled inline, nothing loaded from elsewhere.
std::string exportHtml(const TournamentSnapshot &snapshot);

// Text made safe inside an element or a double-quoted attribute.
std::string htmlEscaped(std::string_view text);

} // namespace krugovik
