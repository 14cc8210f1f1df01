#pragma once

namespace krugovik {

// Set in the environment, the program checks that it can start instead of running:
// for packaging and CI, where nobody is at the screen.
inline constexpr char kSmokeCheckVariable[] = "KRUGOVIK_SMOKE_CHECK";

// Builds and shows the main window, lets it start up, checks that the chooser is on show
// and closes it again. Prints one line; returns 0 when all is well. Needs an application
// object; runs in the current folder, where the start-up creates BASE.DAT when missing.
int runSmokeCheck();

} // namespace krugovik
