#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace krugovik {

// Which official list a player comes from; a new import replaces the list of its kind.
enum class ListKind { Fide, National };

// One player of an imported rating list. Texts are UTF-8; a missing number is 0.
struct ListPlayer {
    std::string name; // as the list spells it, "Ivanov, Ivan"; any length
    std::int64_t fideId = 0;
    std::string nationalId; // the federation's own number, digits or letters
    std::string federation; // FIDE's three-letter code, "RUS"
    std::string title;      // one of the titles a report carries ("GM" … "WCM"), else empty
    char sex = 0;           // 'M', 'F', or 0 when unknown
    int birthYear = 0;
    int rating = 0; // the list's own rating: FIDE's standard rating in FIDE's list
    int k = 0;      // the K FIDE publishes with that rating; 0 = not given

    bool operator==(const ListPlayer &) const = default;
};

// The titles a tournament report knows; anything else in a list is left out.
std::string knownTitle(std::string_view titles);

} // namespace krugovik
