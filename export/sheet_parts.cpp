#include "export/sheet_parts.h"

#include <algorithm>

#include "common/texts.h"
#include "export/final_standings.h"
#include "export/snapshot_results.h"

namespace krugovik {
namespace {

// Decided only among the players tied before it.
bool amongTiedOnly(const TieBreak &tieBreak)
{
    return tieBreak.kind == TieBreakKind::DirectEncounter ||
           tieBreak.kind == TieBreakKind::PointsAmongTied;
}

bool tiedBefore(const TieBreakRow &a, const TieBreakRow &b, std::size_t k)
{
    if (a.points != b.points)
        return false;
    for (std::size_t j = 0; j < k; ++j) {
        if (a.values[j] != b.values[j])
            return false;
    }
    return true;
}

} // namespace

std::string sheetDate(const std::string &isoDate)
{
    if (isoDate.size() != 10 || isoDate[4] != '-' || isoDate[7] != '-')
        return isoDate;
    return isoDate.substr(8, 2) + '.' + isoDate.substr(5, 2) + '.' + isoDate.substr(0, 4);
}

std::string sheetPlaceAndDates(const TournamentSnapshot &snapshot)
{
    const EventDetails &event = snapshot.event;
    std::string dates = sheetDate(event.startDate);
    const std::string end = sheetDate(event.endDate);
    if (!end.empty() && end != dates)
        dates += dates.empty() ? end : " – " + end;
    std::string where = event.place;
    if (!where.empty() && !dates.empty())
        where += ", ";
    where += dates;
    return where;
}

std::vector<std::string> sheetHeading(const TournamentSnapshot &snapshot)
{
    std::vector<std::string> lines;
    if (std::string where = sheetPlaceAndDates(snapshot); !where.empty())
        lines.push_back(std::move(where));
    if (std::string printed = printingDayLine(snapshot); !printed.empty())
        lines.push_back(std::move(printed));
    return lines;
}

std::string printingDayLine(const TournamentSnapshot &snapshot)
{
    if (snapshot.date.empty())
        return {};
    return filled(translated("Sheets", "По состоянию на %1", "%1: the day printed"),
                  {snapshot.date});
}

std::string printedTieBreakTitle(const TieBreak &tieBreak)
{
    const std::string name =
        tieBreak.kind == TieBreakKind::SonnebornBerger ? bergerTitle() : tieBreakName(tieBreak);
    return name + " (" + shownCode(tieBreak) + ')';
}

std::string tieBreakLegend(const std::vector<TieBreak> &rules)
{
    std::string line;
    for (const TieBreak &tb : rules) {
        const std::string name =
            tb.kind == TieBreakKind::SonnebornBerger ? bergerTitle() : tieBreakName(tb);
        line += (line.empty() ? "" : ", ") + shownCode(tb) + " — " + name;
    }
    return line;
}

std::string directEncounterNote(const std::vector<TieBreak> &rules)
{
    const bool has = std::any_of(rules.begin(), rules.end(), [](const TieBreak &tb) {
        return tb.kind == TieBreakKind::DirectEncounter;
    });
    if (!has)
        return {};
    return filled(translated("Sheets",
                             "DE — очки во встречах между равными по очкам; «%1/%2» — затем "
                             "между оставшимися равными.",
                             "%1/%2: an example of the column's cell, 1.5/1"),
                  {commaNumber(Fixed::fromUnits(15000)), commaNumber(kOne)});
}

std::vector<SheetStanding> sheetStandings(const TournamentSnapshot &snapshot)
{
    const std::vector<TieBreak> rules = placeRules(snapshot);
    const std::vector<TieBreakRow> rows = rankByTieBreaks(roundRobinResults(snapshot), rules);
    std::vector<SheetStanding> standings;
    for (const TieBreakRow &row : rows) {
        SheetStanding standing;
        standing.player = row.player;
        standing.firstPlace = row.firstPlace;
        standing.place = placeText(row);
        standing.points = commaNumber(row.points);
        standing.withdrawn = row.withdrawn;
        for (std::size_t k = 0; k < row.values.size() && k < rules.size(); ++k) {
            bool shown = true;
            if (amongTiedOnly(rules[k])) {
                shown = false;
                for (const TieBreakRow &other : rows)
                    shown = shown || (other.player != row.player && tiedBefore(row, other, k));
            }
            if (rules[k].kind == TieBreakKind::DirectEncounter) {
                // The points among the tied, then among a part of them still tied where
                // the rule was applied again: «1,5/1»; blank where it parted nobody.
                std::string among;
                if (k < row.amongTied.size()) {
                    for (const Fixed points : row.amongTied[k])
                        among += (among.empty() ? "" : "/") + commaNumber(points);
                }
                standing.tieBreaks.push_back(among);
                continue;
            }
            standing.tieBreaks.push_back(shown ? tieBreakCell(rules[k], row.values[k])
                                               : std::string());
        }
        standing.decidedAbove = row.decidedAbove;
        standing.decidedBelow = row.decidedBelow;
        standings.push_back(std::move(standing));
    }
    return standings;
}

} // namespace krugovik
