#pragma once

// What the printed sheets share: the event's title and its place and dates above the
// table, and the tie-break columns of the chosen rules with their values.

#include <string>
#include <vector>

#include "export/event_lines.h"
#include "export/tournament_snapshot.h"
#include "standings/tie_breaks.h"

namespace krugovik {

// The lines under the title: the place and the event's dates where known,
// «Казань, 01.12.2026 – 07.12.2026», and the day the sheet is printed.
std::vector<std::string> sheetHeading(const TournamentSnapshot &snapshot);
// The first of those lines alone, «Казань, 01.12.2026 – 07.12.2026»; empty when neither is
// known.
std::string sheetPlaceAndDates(const TournamentSnapshot &snapshot);
// «По состоянию на 07.12.2026»: the day the sheet is printed; empty when unknown.
std::string printingDayLine(const TournamentSnapshot &snapshot);
// "2026-12-01" as "01.12.2026"; any other text as it is.
std::string sheetDate(const std::string &isoDate);

// A tie-break's column title on paper: its name and code, «Победы (WIN)». The Berger
// coefficient is one column under one name whatever the rules: «Бергер (SB)».
std::string printedTieBreakTitle(const TieBreak &tieBreak);
// The line that names each code of the rules: «SB — Бергер, DE — Личная встреча, ...».
std::string tieBreakLegend(const std::vector<TieBreak> &rules);

// What the direct encounter's column holds, where the rules have one: «DE — очки во
// встречах между равными по очкам; «1,5/1» — затем между оставшимися равными.»; else empty.
std::string directEncounterNote(const std::vector<TieBreak> &rules);

// One player's figures from the standings engine, ready for a sheet.
struct SheetStanding {
    int player = 0;                     // table number
    int firstPlace = 0;                 // the first place the rank covers; 0 for none
    std::string place;                  // "1", "3-4", "" for none
    std::string points;                 // "2,5"
    std::vector<std::string> tieBreaks; // one per rule; blank where it was not computed
    int decidedAbove = -1; // the rule that parted him from the one above on equal points
    int decidedBelow = -1; // and from the one below; -1 for none (TieBreakRow)
    bool withdrawn = false;
};
// The standings under the snapshot's rules, in place order. A tie-break that is decided
// among tied players only (the direct encounter) is blank for a player who is tied with
// nobody on points and the tie-breaks before it, or whose group it could not split, rather
// than a 0 that would read as no points against each other.
std::vector<SheetStanding> sheetStandings(const TournamentSnapshot &snapshot);

} // namespace krugovik
