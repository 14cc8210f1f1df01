#include "export/final_standings.h"

#include <algorithm>

#include "common/number_text.h"
#include "export/snapshot_results.h"
#include "rating/new_ratings.h"

namespace krugovik {
namespace {

constexpr const char *kWithdrawnMark = " (выбыл)";

std::string signedChange(std::int64_t delta)
{
    return delta > 0 ? '+' + std::to_string(delta) : std::to_string(delta);
}

// A tie-break's Russian name as a column title («Победы») and inside the rules line
// («победы»).
struct TieBreakName {
    const char *title;
    const char *inLine;
};

TieBreakName nameOf(TieBreakKind kind)
{
    switch (kind) {
    case TieBreakKind::DirectEncounter:
        return {"Личная встреча", "личная встреча"};
    case TieBreakKind::Wins:
        return {"Победы", "победы"};
    case TieBreakKind::WinsOverBoard:
        return {"Победы в партиях", "победы в партиях"};
    case TieBreakKind::BlackGames:
        return {"Партии чёрными", "партии чёрными"};
    case TieBreakKind::BlackWins:
        return {"Победы чёрными", "победы чёрными"};
    case TieBreakKind::SonnebornBerger:
        return {"Зоннеборн-Бергер", "Зоннеборн-Бергер"};
    case TieBreakKind::Koya:
        return {"Койя", "Койя"};
    case TieBreakKind::AverageOpponentRating:
        return {"Средний рейтинг соперников", "средний рейтинг соперников"};
    case TieBreakKind::PerformanceRating:
        return {"Турнирный перфоманс", "турнирный перфоманс"};
    case TieBreakKind::RoundsElected:
        return {"Сыгранные туры", "сыгранные туры"};
    case TieBreakKind::StandardPoints:
        return {"Стандартные очки", "стандартные очки"};
    case TieBreakKind::OwnRating:
        return {"Свой рейтинг", "свой рейтинг"};
    case TieBreakKind::PairingNumber:
        return {"Стартовый номер", "стартовый номер"};
    case TieBreakKind::ByHand:
        return {"Решение судьи", "решение судьи"};
    case TieBreakKind::Lot:
        return {"Жребий", "жребий"};
    case TieBreakKind::PointsAmongTied:
    case TieBreakKind::RulesChanged:
        break;
    }
    return {"Очки между собой", "очки между собой"};
}

// " (WIN)" after a tie-break's name; " (LOT)" for the lots, whose seed is no reader's
// business, nothing for the director's order.
std::string codeInBrackets(const TieBreak &tb)
{
    if (tb.kind == TieBreakKind::ByHand)
        return {};
    return " (" + (tb.kind == TieBreakKind::Lot ? std::string("LOT") : fideCode(tb)) + ')';
}

// A tie-break's cell: the number, or for the lots and the director's order a word where
// they decided and nothing elsewhere.
std::string valueText(const TieBreak &tb, Fixed value)
{
    if (tb.kind == TieBreakKind::Lot)
        return value == kZero ? std::string() : "жребий";
    if (tb.kind == TieBreakKind::ByHand)
        return value == kZero ? std::string() : "судья";
    return commaNumber(value);
}

} // namespace

std::string commaNumber(Fixed value)
{
    std::string text = formatDisplay(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    std::replace(text.begin(), text.end(), '.', ',');
    // ".5" becomes "0,5", "-.5" becomes "-0,5".
    const std::size_t comma = text.find(',');
    if (comma == 0 || (comma == 1 && text.front() == '-'))
        text.insert(text.begin() + std::ptrdiff_t(comma), '0');
    return text;
}

std::string tieBreakName(const TieBreak &tieBreak)
{
    return nameOf(tieBreak.kind).title;
}

std::vector<std::string> tieBreakTitles(const TournamentSnapshot &snapshot)
{
    if (isDefaultOrder(snapshot))
        return {"Бергер"};
    std::vector<std::string> titles;
    for (const TieBreak &tb : placeRules(snapshot))
        titles.push_back(std::string(nameOf(tb.kind).title) + codeInBrackets(tb));
    return titles;
}

std::vector<std::string> standingTitles(const TournamentSnapshot &snapshot)
{
    std::vector<std::string> titles;
    for (const char *title : kStandingTitles) {
        if (std::string_view(title) == "Бергер") {
            for (std::string &tieBreak : tieBreakTitles(snapshot))
                titles.push_back(std::move(tieBreak));
        } else {
            titles.push_back(title);
        }
    }
    return titles;
}

std::string placeRulesLine(const TournamentSnapshot &snapshot)
{
    if (isDefaultOrder(snapshot))
        return {};
    std::string line = "Места: очки";
    bool first = true;
    for (const TieBreak &tb : placeRules(snapshot)) {
        line += first ? ", затем " : ", ";
        line += std::string(nameOf(tb.kind).inLine) + codeInBrackets(tb);
        first = false;
    }
    return line;
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
    for (const TieBreakRow &row :
         rankByTieBreaks(roundRobinResults(snapshot), placeRules(snapshot))) {
        StandingLine line;
        line.player = row.player;
        line.firstPlace = row.firstPlace;
        line.place = placeText(row);
        line.withdrawn = row.withdrawn;
        line.name = snapshot.players[std::size_t(row.player - 1)].name;
        if (row.withdrawn)
            line.name += kWithdrawnMark;
        line.points = commaNumber(row.points);
        // The default order shows only the Berger coefficient, its first tie-break.
        const std::size_t shown = isDefaultOrder(snapshot) ? 1 : row.values.size();
        const std::vector<TieBreak> rules = placeRules(snapshot);
        for (std::size_t k = 0; k < shown; ++k)
            line.tieBreaks.push_back(valueText(rules[k], row.values[k]));
        if (everyoneRated) {
            const NewRating &rating = ratings[std::size_t(row.player - 1)];
            line.newRating = std::to_string(rating.value);
            line.change = signedChange(rating.delta);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace krugovik
