#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krugovik {

// The drawing of the players' numbers before the first round. Every draw gives an order:
// order[k] is the index of the player who gets number k + 1.

// How the numbers are drawn.
enum class DrawMethod {
    Lot,    // by lot, from a seed
    Varma,  // by lot restricted by the Varma tables (FIDE C.05, Annex 2)
    Rating, // by rating, then title, then name
    ByHand, // the director's own order
};

// How the numbers of a tournament were drawn, kept in its file so that the draw can be
// shown and made again.
struct DrawRecord {
    DrawMethod method = DrawMethod::Lot;
    std::uint64_t seed = 0; // Lot and Varma
    bool byClub = false;    // Varma: the contingents are clubs, not federations
    // Varma by clubs: the club the director named for each player, by start number after the
    // draw (clubs[k] for number k + 1); empty for any other draw.
    std::vector<std::string> clubs;

    bool operator==(const DrawRecord &) const = default;
};

// The record as the file's line writes it after its word: "LOT 123", "VARMA 123 FED",
// "VARMA 123 CLUB Spartak|Lokomotiv||Spartak" (the clubs by start number, escaped as %XX
// outside ASCII), "RATING", "HAND"; and read back, nothing for any other text.
std::string drawRecordText(const DrawRecord &record);
std::optional<DrawRecord> readDrawRecord(std::string_view text);

// One player as the draw sees him.
struct DrawEntrant {
    std::string name;  // UTF-8
    int rating = 0;    // 0 = none
    std::string title; // "GM" …, empty = none
    std::string group; // federation or club for the Varma tables; empty = a group of his own
};

// A shuffle of n numbers from a seed: the same on every machine.
std::vector<int> drawByLot(int n, std::uint64_t seed);

// Rating first, higher first; then the title, higher first; then the name.
std::vector<int> drawByRating(const std::vector<DrawEntrant> &players);

// The Varma tables serve 9 to 24 players.
inline constexpr int kFewestVarmaPlayers = 9;
inline constexpr int kMostVarmaPlayers = 24;

// The four sets of numbers A, B, C, D for n players (9..24): the table for the even count,
// without its highest number for an odd count.
std::array<std::vector<int>, 4> varmaGroups(int n);

// C.05 Annex 2: the contingents draw in order, the largest first (equal ones by the
// alphabetical order of their codes), each choosing an envelope large enough for all of
// them, and within a contingent the players draw by the alphabetical order of their names.
// A contingent that no envelope left can hold takes the largest and goes on into the next.
// Nothing for a count outside 9..24.
std::optional<std::vector<int>> drawByVarma(const std::vector<DrawEntrant> &players,
                                            std::uint64_t seed);

} // namespace krugovik
