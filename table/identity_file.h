#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/player_identity.h"

namespace krugovik {

// The players' identities in the tournament file's extension, one line per row that has
// one: "IDENTITY i FIDE-ID|national ID|federation|title|sex|birth year|FIDE rating", then
// "|birth day" and "|K" where there are (base/player_identity.h).
// The extension is ASCII: other bytes, "|" and "%" are written as %XX.
inline constexpr std::string_view kIdentitySection = "IDENTITY";

using RowIdentities = std::vector<std::pair<int, PlayerIdentity>>; // table row 1..N, in order

std::string identityExtensionLine(int row, const PlayerIdentity &identity);
// Reads the argument of an IDENTITY line into identities; false when it does not read or
// names a row outside 1..playerCount or not after the previous one.
bool readIdentityExtensionLine(std::string_view argument, int playerCount,
                               RowIdentities &identities);

} // namespace krugovik
