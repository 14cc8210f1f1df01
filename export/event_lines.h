#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/tournament_snapshot.h"

namespace krugovik {

// One line of the event's details as a sheet prints it: «Главный судья» and the name.
struct EventLine {
    std::string label;
    std::string value;
};

// The title every sheet carries: the event's title, or the file's name without one.
std::string sheetTitle(const TournamentSnapshot &snapshot);
// "2026-12-01" as the sheets write a day, "01.12.2026"; anything else as it is.
std::string displayDate(std::string_view isoDate);
// «классический», «быстрый», «блиц»; empty for an unknown kind.
std::string kindName(EventKind kind);
// The details the director filled, beyond the title, in the order of the dialog.
std::vector<EventLine> eventLines(const EventDetails &details);

} // namespace krugovik
