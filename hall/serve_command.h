#pragma once

#include <QStringList>

namespace krugovik {

// krugovik --serve FILE [--port N] [--listen ADDRESS]: the hall's pages of a tournament file
// without a window, following the file as it changes, until Ctrl+C or SIGTERM. arguments
// are the program's, its own name first; the application object must exist. The exit
// status.
int runServeCommand(const QStringList &arguments);

// The port the window and the command start with.
inline constexpr quint16 kHallPort = 8080;

} // namespace krugovik
