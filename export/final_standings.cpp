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
    case TieBreakKind::PointsAmongTied:
        break;
    }
    return {"Очки между собой", "очки между собой"};
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
    for (const TieBreak &tb : snapshot.tieBreaks)
        titles.push_back(std::string(nameOf(tb.kind).title) + " (" + fideCode(tb) + ')');
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
    for (const TieBreak &tb : snapshot.tieBreaks) {
        line += first ? ", затем " : ", ";
        line += std::string(nameOf(tb.kind).inLine) + " (" + fideCode(tb) + ')';
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
        for (std::size_t k = 0; k < shown; ++k)
            line.tieBreaks.push_back(commaNumber(row.values[k]));
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
