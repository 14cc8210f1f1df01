#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "base/list_player.h"

namespace krugovik {

// Who a player of the base is in the official lists. BASE.DAT has no room for it, so it
// lives beside the base, one line per record that has one. Texts are UTF-8.
struct PlayerIdentity {
    std::int64_t fideId = 0; // 0 = none
    std::string nationalId;  // the federation's number, empty = none
    std::string federation;  // "RUS"
    std::string title;       // "GM" … "WCM" or empty
    char sex = 0;            // 'M', 'F' or 0
    int birthYear = 0;       // 0 = unknown
    int fideRating = 0;      // FIDE's standard rating; 0 = none

    bool empty() const { return *this == PlayerIdentity{}; }
    bool operator==(const PlayerIdentity &) const = default;
};

// What a list tells of a player's identity; the rating only when it is FIDE's.
PlayerIdentity identityFromList(const ListPlayer &player, ListKind kind);

// The identities of a base by record number (from 1).
using IdentityTable = std::map<std::int64_t, PlayerIdentity>;

// The file beside the base: a first line naming the format, then one line per record,
// its fields separated by tabs: record, FIDE ID, national ID, federation, title, sex,
// birth year, FIDE rating.
inline constexpr std::string_view kIdentityFileHeader = "KRUGOVIK-ID 1";
std::string writeIdentityTable(const IdentityTable &table);
// Lines that cannot be read are left out; a file of another format reads as empty.
IdentityTable readIdentityTable(std::string_view bytes);

// One identity as a line of fields after the record number, the same in every file that
// carries identities.
std::string identityFields(const PlayerIdentity &identity);
// Reads fields written by identityFields; false when they are not such fields.
bool readIdentityFields(std::string_view fields, PlayerIdentity &identity);

} // namespace krugovik
