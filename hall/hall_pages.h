#pragma once

// The pages the hall's screen and the phones are shown: plain functions from the event as it
// stands to the bytes of a page. Nothing here knows of sockets or windows.

#include <optional>
#include <string>
#include <string_view>

#include "export/tournament_snapshot.h"

namespace krugovik {

// What the hall is shown: the event and when it changed last.
struct HallView {
    TournamentSnapshot snapshot;
    std::string changedAt; // "09.12.2026 14:05:31", as the pages print it
    // Changes with every new view, and between runs of the program: a page whose stamp
    // differs from the server's fetches itself again.
    std::string stamp;
};

enum class HallPageKind {
    Crosstable,   // /
    Standings,    // /standings
    Round,        // /round/N
    CurrentRound, // /round/current
    Trf,          // /trf
    Hall,         // /hall: the big screen, cycling the crosstable, standings and round
    Stamp,        // /stamp: the view's stamp, which every page polls
};

struct HallRoute {
    HallPageKind kind = HallPageKind::Crosstable;
    int round = 0; // Round: N as written, 1 and up

    bool operator==(const HallRoute &) const = default;
};

// The page of a request's target, matched exactly against the few paths above: no file
// system, no decoding, no query, nothing else.
std::optional<HallRoute> hallRoute(std::string_view target);

// Rounds of the event through all cycles.
int hallRoundCount(const TournamentSnapshot &snapshot);
// The round being played: the last with a result while some of its games are missing, else
// the one after it; round 1 before any result, the last round once all are in.
int currentRound(const TournamentSnapshot &snapshot);

struct HallPage {
    std::string contentType;
    std::string body;
};

// The page of a route; nothing for a round outside the event.
std::optional<HallPage> hallPage(const HallView &view, const HallRoute &route);

} // namespace krugovik
