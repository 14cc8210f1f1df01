#pragma once

#include <optional>
#include <string>
#include <vector>

#include "trf/trf_command.h"

namespace krugovik {

// `--report FILE`: a TRF or a tournament file read without a window, and each player's FIDE
// figures printed (see fideReportText); nothing when the arguments name another command.
std::optional<CommandOutcome> runReportCommand(const std::vector<std::string> &arguments,
                                               int thisYear);

} // namespace krugovik
