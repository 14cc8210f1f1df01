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
    std::string birthDay;    // "MM/DD" of a whole birth date a file gave; empty = the year only
    int listK = 0;           // the K FIDE's list gives with the rating; 0 = not given

    bool empty() const { return *this == PlayerIdentity{}; }
    bool operator==(const PlayerIdentity &) const = default;
};

// "MM/DD" of a real month and day (not "00/00", which files write for the year alone).
bool isBirthDay(std::string_view text);

// What a list tells of a player's identity; the rating only when it is FIDE's.
PlayerIdentity identityFromList(const ListPlayer &player, ListKind kind);

// The identities of a base by record number (from 1).
using IdentityTable = std::map<std::int64_t, PlayerIdentity>;

// An identity as the file beside the base keeps it: with the name of the player it was made
// for, so that a record that now holds somebody else (an older copy of BASE.DAT put back,
// a name typed over) does not pass it on.
struct NamedIdentity {
    std::string name; // UTF-8, the record's name without its blanks; empty in a file of the
                      // first format, which kept no names
    PlayerIdentity identity;
    bool operator==(const NamedIdentity &) const = default;
};
using NamedIdentities = std::map<std::int64_t, NamedIdentity>;

// The file beside the base: a first line naming the format, then one line per record,
// its fields separated by tabs: record, name, FIDE ID, national ID, federation, title, sex,
// birth year, FIDE rating, then, when there are, the birth day (empty when only K follows)
// and K. The first format had no name field.
inline constexpr std::string_view kIdentityFileHeader = "KRUGOVIK-ID 2";
inline constexpr std::string_view kUnnamedIdentityFileHeader = "KRUGOVIK-ID 1";
std::string writeIdentityTable(const NamedIdentities &table);
// Lines that cannot be read are left out; a file of another format reads as empty.
// unnamed, when given, tells whether the file is of the first format.
NamedIdentities readIdentityTable(std::string_view bytes, bool *unnamed = nullptr);

// The name an identity is kept under for a record's name field (Windows-1251, blank-padded).
std::string identityName(std::string_view recordName);
// The entries that still belong to their records in the base (BASE.DAT's bytes): one whose
// record now holds another name, or none, is left out. An entry of the first format is
// taken once for the player its record holds, and gets his name.
NamedIdentities belongingIdentities(const NamedIdentities &stored, std::string_view base);
// Without the names.
IdentityTable identityTable(const NamedIdentities &named);

// One identity as a line of fields after the record number, the same in every file that
// carries identities.
std::string identityFields(const PlayerIdentity &identity);
// Reads fields written by identityFields; false when they are not such fields.
bool readIdentityFields(std::string_view fields, PlayerIdentity &identity);

} // namespace krugovik
