#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace krugovik {

// The recovery copy's file name for a tournament: a hash of the tournament's absolute path,
// the part that tells one running program's copy from another's, then the tournament's own
// name, so that two folders' KUBOK.TXT never share one copy, two programs on one tournament
// never share one either, and a person can still tell the copies apart. An empty owner gives
// the name copies had before each program kept its own.
std::string recoveryCopyName(std::string_view absolutePath, std::string_view fileName,
                             std::string_view owner = {});

// Whether a file name in the copies' folder is a copy of the tournament, by any program.
bool isRecoveryCopyName(std::string_view entry, std::string_view absolutePath,
                        std::string_view fileName);

// What is known of a recovery copy, or of the tournament file it was made from.
struct SavedBytes {
    std::string bytes;
    std::int64_t modifiedMs = 0; // last modification, milliseconds since the epoch
};

// Whether the copy holds work the file lacks: it differs from the file and was written
// after it. A missing file lacks everything.
bool offersRecovery(const SavedBytes &copy, const std::optional<SavedBytes> &file);

} // namespace krugovik
