#pragma once

#include <optional>
#include <string>
#include <vector>

namespace krugovik {

// What a command-line run printed and how it ended.
struct CommandOutcome {
    int status = 0;     // the exit status: 0 done and consistent, 1 inconsistent, 2 refused
    std::string output; // for standard output
    std::string errors; // for standard error
};

// `--check FILE.trf` and `--generate --players N ...`, run without a window; nothing
// when the arguments (without the program's name) name neither.
std::optional<CommandOutcome> runTrfCommand(const std::vector<std::string> &arguments);

} // namespace krugovik
