#include "export/final_standings.h"

#include <algorithm>

#include "common/number_text.h"
#include "common/texts.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
#include "rating/new_ratings.h"

namespace krugovik {
namespace {

std::string signedChange(std::int64_t delta)
{
    return delta > 0 ? '+' + std::to_string(delta) : std::to_string(delta);
}

// A tie-break's name as a column title («Победы») and inside the rules line («победы»),
// as keys of the translation.
struct TieBreakName {
    const char *title;
    const char *inLine;
};

TieBreakName nameOf(TieBreakKind kind)
{
    switch (kind) {
    case TieBreakKind::DirectEncounter:
        return {KRUGOVIK_NOOP("TieBreakNames", "Личная встреча"),
                KRUGOVIK_NOOP("TieBreakNames", "личная встреча")};
    case TieBreakKind::Wins:
        return {KRUGOVIK_NOOP("TieBreakNames", "Победы"), KRUGOVIK_NOOP("TieBreakNames", "победы")};
    case TieBreakKind::WinsOverBoard:
        return {KRUGOVIK_NOOP("TieBreakNames", "Победы в партиях"),
                KRUGOVIK_NOOP("TieBreakNames", "победы в партиях")};
    case TieBreakKind::BlackGames:
        return {KRUGOVIK_NOOP("TieBreakNames", "Партии чёрными"),
                KRUGOVIK_NOOP("TieBreakNames", "партии чёрными")};
    case TieBreakKind::BlackWins:
        return {KRUGOVIK_NOOP("TieBreakNames", "Победы чёрными"),
                KRUGOVIK_NOOP("TieBreakNames", "победы чёрными")};
    case TieBreakKind::SonnebornBerger:
        return {KRUGOVIK_NOOP("TieBreakNames", "Зоннеборн-Бергер"),
                KRUGOVIK_NOOP("TieBreakNames", "Зоннеборн-Бергер")};
    case TieBreakKind::Koya:
        return {KRUGOVIK_NOOP("TieBreakNames", "Койя"), KRUGOVIK_NOOP("TieBreakNames", "Койя")};
    case TieBreakKind::AverageOpponentRating:
        return {KRUGOVIK_NOOP("TieBreakNames", "Средний рейтинг соперников"),
                KRUGOVIK_NOOP("TieBreakNames", "средний рейтинг соперников")};
    case TieBreakKind::PerformanceRating:
        return {KRUGOVIK_NOOP("TieBreakNames", "Турнирный перфоманс"),
                KRUGOVIK_NOOP("TieBreakNames", "турнирный перфоманс")};
    case TieBreakKind::RoundsElected:
        return {KRUGOVIK_NOOP("TieBreakNames", "Сыгранные туры"),
                KRUGOVIK_NOOP("TieBreakNames", "сыгранные туры")};
    case TieBreakKind::StandardPoints:
        return {KRUGOVIK_NOOP("TieBreakNames", "Стандартные очки"),
                KRUGOVIK_NOOP("TieBreakNames", "стандартные очки")};
    case TieBreakKind::OwnRating:
        return {KRUGOVIK_NOOP("TieBreakNames", "Свой рейтинг"),
                KRUGOVIK_NOOP("TieBreakNames", "свой рейтинг")};
    case TieBreakKind::PairingNumber:
        return {KRUGOVIK_NOOP("TieBreakNames", "Стартовый номер"),
                KRUGOVIK_NOOP("TieBreakNames", "стартовый номер")};
    case TieBreakKind::ByHand:
        return {KRUGOVIK_NOOP("TieBreakNames", "Решение судьи"),
                KRUGOVIK_NOOP("TieBreakNames", "решение судьи")};
    case TieBreakKind::Lot:
        return {KRUGOVIK_NOOP("TieBreakNames", "Жребий"), KRUGOVIK_NOOP("TieBreakNames", "жребий")};
    case TieBreakKind::PointsAmongTied:
    case TieBreakKind::RulesChanged:
        break;
    }
    return {KRUGOVIK_NOOP("TieBreakNames", "Очки между собой"),
            KRUGOVIK_NOOP("TieBreakNames", "очки между собой")};
}

// " (WIN)" after a tie-break's name; " (LOT)" for the lots, whose seed is no reader's
// business, nothing for the director's order.
std::string codeInBrackets(const TieBreak &tb)
{
    if (tb.kind == TieBreakKind::ByHand)
        return {};
    return " (" + (tb.kind == TieBreakKind::Lot ? std::string("LOT") : shownCode(tb)) + ')';
}

} // namespace

std::string commaNumber(Fixed value)
{
    return decimalText(value, decimalSeparator());
}

// A tie-break's cell: the number, or for the lots and the director's order a word where
// they decided and nothing elsewhere.
std::string tieBreakCell(const TieBreak &tb, Fixed value)
{
    if (tb.kind == TieBreakKind::Lot)
        return value == kZero
                   ? std::string()
                   : translated("Sheets", "жребий", "a tie-break's cell: the lots decided");
    if (tb.kind == TieBreakKind::ByHand)
        return value == kZero
                   ? std::string()
                   : translated("Sheets", "судья", "a tie-break's cell: the arbiter decided");
    return commaNumber(value);
}

std::string tieBreakName(const TieBreak &tieBreak)
{
    return translated("TieBreakNames", nameOf(tieBreak.kind).title);
}

std::string bergerTitle()
{
    return translated("TieBreakNames", "Бергер");
}

std::string standingTitle(const char *title)
{
    return translated("Sheets", title);
}

std::string withdrawnName(const std::string &name)
{
    return filled(translated("Sheets", "%1 (выбыл)", "a player who left the event"), {name});
}

std::vector<std::string> tieBreakTitles(const TournamentSnapshot &snapshot)
{
    // Every rule that decides places, the default order's too, named as on paper.
    std::vector<std::string> titles;
    for (const TieBreak &tb : placeRules(snapshot))
        titles.push_back(
            (tb.kind == TieBreakKind::SonnebornBerger ? bergerTitle() : tieBreakName(tb)) +
            codeInBrackets(tb));
    return titles;
}

std::string tieBreakChoiceName(const TieBreak &tieBreak)
{
    return tieBreakName(tieBreak) + codeInBrackets(tieBreak);
}

std::vector<std::string> standingTitles(const TournamentSnapshot &snapshot)
{
    std::vector<std::string> titles;
    for (const char *title : kStandingTitles) {
        if (std::string_view(title) == "Бергер") {
            for (std::string &tieBreak : tieBreakTitles(snapshot))
                titles.push_back(std::move(tieBreak));
        } else {
            titles.push_back(standingTitle(title));
        }
    }
    return titles;
}

std::string placeRulesLine(const TournamentSnapshot &snapshot)
{
    std::string order;
    for (const TieBreak &tb : placeRules(snapshot)) {
        order += order.empty() ? "" : ", ";
        // The Berger coefficient under its one name, as in its column.
        order += (tb.kind == TieBreakKind::SonnebornBerger
                      ? bergerTitle()
                      : translated("TieBreakNames", nameOf(tb.kind).inLine)) +
                 codeInBrackets(tb);
    }
    if (order.empty())
        return translated("Sheets", "Места: очки");
    return filled(translated("Sheets", "Места: очки, затем %1", "%1: the tie-breaks in order"),
                  {order});
}

std::string decidingName(const TieBreak &tb)
{
    if (tb.kind == TieBreakKind::Lot || tb.kind == TieBreakKind::ByHand)
        return tieBreakCell(tb, kOne);
    return shownCode(tb);
}

std::string decidedText(const StandingLine &line, const std::vector<TieBreak> &rules)
{
    std::string text;
    for (const int k : {line.decidedAbove, line.decidedBelow}) {
        if (k < 0 || std::size_t(k) >= rules.size())
            continue;
        const std::string name = decidingName(rules[std::size_t(k)]);
        if (text != name)
            text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::vector<StandingLine> finalStandings(const TournamentSnapshot &snapshot)
{
    const int n = std::min(int(snapshot.players.size()), kMaxTablePlayers);
    std::vector<RatingCell> cells;
    bool everyoneRated = true;
    for (int i = 0; i < n; ++i) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(i)];
        cells.push_back({player.ratingCell, player.estimate});
        // The new-rating command refuses while a rating cell is empty.
        everyoneRated = everyoneRated && !player.ratingCell.empty();
    }
    std::vector<NewRating> ratings;
    if (everyoneRated) {
        // Every cycle's rated games count.
        std::vector<GameRecords> cycles = {snapshot.games};
        cycles.insert(cycles.end(), snapshot.laterCycles.begin(), snapshot.laterCycles.end());
        ratings = computeNewRatings(cells, cycles);
    }

    std::vector<StandingLine> lines;
    // The figures of places as the printed sheets show them, blanks included.
    for (const SheetStanding &standing : sheetStandings(snapshot)) {
        StandingLine line;
        line.player = standing.player;
        line.firstPlace = standing.firstPlace;
        line.place = standing.place;
        line.withdrawn = standing.withdrawn;
        line.name = snapshot.players[std::size_t(standing.player - 1)].name;
        if (standing.withdrawn)
            line.name = withdrawnName(line.name);
        line.points = standing.points;
        line.tieBreaks = standing.tieBreaks;
        line.decidedAbove = standing.decidedAbove;
        line.decidedBelow = standing.decidedBelow;
        if (everyoneRated) {
            const NewRating &rating = ratings[std::size_t(standing.player - 1)];
            line.newRating = std::to_string(rating.value);
            line.change = signedChange(rating.delta);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace krugovik
