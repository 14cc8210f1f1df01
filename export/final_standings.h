#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/fixed_point.h"
#include "common/texts.h"
#include "export/tournament_snapshot.h"

namespace krugovik {

// One line of the final standings, ready to be written out.
struct StandingLine {
    int player = 0;                     // table number
    int firstPlace = 0;                 // the first place the line's rank covers; 0 for none
    std::string place;                  // "1", "3-4"; empty for a player without a place
    std::string name;                   // the name, marked « (выбыл)» for one who withdrew
    std::string points;                 // "2,5"
    std::vector<std::string> tieBreaks; // one per column of tieBreakTitles: "6,75"
    std::string newRating;              // "1547"; empty while some player has no rating
    std::string change;                 // "+47", "-21", "0"; empty while some player has no rating
    int decidedAbove = -1;  // the rule (index into placeRules) that parted him from the line
    int decidedBelow = -1;  // above, and from the one below, on equal points; -1 for none
    bool withdrawn = false; // left the event before its end
};

// Column titles of the standings under the default order, in the order of a line, as keys
// of the translation (standingTitle gives the text shown).
// clang-format off
inline constexpr std::array<const char *, 8> kStandingTitles = {
    //: A column title: the player's place
    KRUGOVIK_NOOP("Sheets", "Место"),
    //: A column title: the player's number in the table
    KRUGOVIK_NOOP("Sheets", "№"),
    //: A column title: the player's name
    KRUGOVIK_NOOP("Sheets", "Участник"),
    KRUGOVIK_NOOP("Sheets", "Рейтинг"),
    //: A column title: the player's score
    KRUGOVIK_NOOP("Sheets", "Очки"),
    //: The Sonneborn-Berger score, as a short column title
    KRUGOVIK_NOOP("TieBreakNames", "Бергер"),
    KRUGOVIK_NOOP("Sheets", "Новый рейтинг"),
    //: A column title: the change of the rating
    KRUGOVIK_NOOP("Sheets", "Изменение")};
// clang-format on
// One of kStandingTitles (but «Бергер») in the program's language.
std::string standingTitle(const char *title);
// The Berger coefficient's short name on paper: «Бергер».
std::string bergerTitle();
// A player who left the event as the standings name him: «Петров Иван (выбыл)».
std::string withdrawnName(const std::string &name);

// A tie-break's name as a column title, in the program's language: «Победы»,
// «Личная встреча».
std::string tieBreakName(const TieBreak &tieBreak);

// A tie-break's cell: the number, or for the lots and the director's order a word where
// they decided and nothing elsewhere.
std::string tieBreakCell(const TieBreak &tieBreak, Fixed value);

// The tie-break columns, one per rule of the places, titled by its name and acronym,
// «Победы (WIN)»; the Berger coefficient as on paper, «Бергер (SB)».
std::vector<std::string> tieBreakTitles(const TournamentSnapshot &snapshot);
// A tie-break as the director chooses it: its full name and code, «Зоннеборн-Бергер (SB)».
std::string tieBreakChoiceName(const TieBreak &tieBreak);
// Every column title in the order of a line: kStandingTitles with the tie-break columns
// in place of «Бергер».
std::vector<std::string> standingTitles(const TournamentSnapshot &snapshot);
// The line under the table that names the order of places, «Места: очки, затем личная
// встреча (DE), победы (WIN)».
std::string placeRulesLine(const TournamentSnapshot &snapshot);

// A tie-break as it is named where it decided a tie: its code, «SB», «DE»; «жребий» for
// the lots and «судья» for the director's order.
std::string decidingName(const TieBreak &tieBreak);
// What parted the line from its neighbours with equal points, above first: «SB», «SB, DE»;
// empty where the points did or the place is shared.
std::string decidedText(const StandingLine &line, const std::vector<TieBreak> &rules);

// The standings in place order, the players without a place last, with new ratings
// computed on the side.
std::vector<StandingLine> finalStandings(const TournamentSnapshot &snapshot);

// The language's decimal separator and no trailing zeros: "2,5", "0,5", "6,75", "0"
// (in English "2.5").
std::string commaNumber(Fixed value);

} // namespace krugovik
