#include "rating/fide_report.h"

#include <cstdlib>

#include "common/number_text.h"
#include "common/texts.h"
#include "rating/event_category.h"
#include "rating/fide_rating.h"

namespace krugovik {

std::vector<FideReportLine> fideReport(const FideEvent &event)
{
    std::vector<FideReportLine> lines;
    for (int p = 0; p < int(event.players.size()); ++p) {
        const FidePlayer &player = event.players[std::size_t(p)];
        FideReportLine line;
        line.number = p + 1;
        line.name = player.name;
        // One line per player whatever his name holds.
        for (char &c : line.name) {
            if (c == '\t' || c == '\n' || c == '\r')
                c = ' ';
        }
        line.rating = player.rating;
        std::vector<RatedGame> rated;
        std::vector<int> opponents;
        int halves = 0;
        for (const FideSide &side : sidesOf(event, p)) {
            // B.02 8.1: only games played over the board are rated.
            if (side.kind != FideGameKind::OverTheBoard)
                continue;
            const int opponentRating = event.players[std::size_t(side.opponent)].rating;
            // The performance is the norms': their games only.
            if (!leftOutOfNorms(event, side.opponent)) {
                opponents.push_back(opponentRating);
                halves += side.halfPoints;
            }
            if (opponentRating > 0)
                rated.push_back({opponentRating, side.halfPoints});
        }
        line.games = int(rated.size());
        for (const RatedGame &game : rated)
            line.halfPoints += game.halfPoints;
        if (player.rating > 0) {
            KFactorInput k;
            k.rating = player.rating;
            k.birthYear = player.birthYear;
            k.year = event.year;
            k.reached2400 = player.rating >= 2400;
            k.listK = player.listK;
            line.kFromList = player.listK > 0;
            line.newPlayer =
                newPlayerByListK(player.listK, player.rating, player.birthYear, event.year);
            k.newPlayer = line.newPlayer;
            const RatingChange change = ratingChange(player.rating, kFactor(k), rated);
            line.k = change.k;
            line.expectedHundredths = change.expectedHundredths;
            line.change = change.change;
        } else {
            line.firstRating = firstRating(rated);
        }
        // The performance as the norms count it, without any norm's floor.
        if (int(opponents.size()) >= kFewestNormGames)
            line.performance =
                performance(averageOfOpponents(opponents, 0), halves, int(opponents.size()));
        line.normChecks = checkNorms(event, p);
        for (const NormCheck &check : line.normChecks) {
            if (check.state == NormState::Made)
                line.norms.push_back(check.norm);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string kText(const FideReportLine &line)
{
    if (line.rating <= 0)
        return {};
    const std::string k = std::to_string(line.k);
    if (line.newPlayer)
        return filled(translated("Norms", "%1 (новый игрок, список)",
                                 "K of a new player, as the rating list gives it"),
                      {k});
    if (line.kFromList)
        return filled(translated("Norms", "%1 (список)", "K as the rating list gives it"), {k});
    return filled(translated("Norms", "%1 (по правилам)",
                             "K found by the rating regulations from rating and age"),
                  {k});
}

std::string halvesWithPoint(int halves)
{
    const std::string sign = halves < 0 ? "-" : "";
    const int h = std::abs(halves);
    return sign + std::to_string(h / 2) + (h % 2 != 0 ? ".5" : "");
}

std::string hundredthsWithPoint(int hundredths)
{
    const std::string sign = hundredths < 0 ? "-" : "";
    const int h = std::abs(hundredths);
    const int cents = h % 100;
    return sign + std::to_string(h / 100) + '.' + (cents < 10 ? "0" : "") + std::to_string(cents);
}

std::string withDecimalSeparator(std::string number)
{
    if (const std::size_t point = number.find('.'); point != std::string::npos)
        number[point] = decimalSeparator();
    return number;
}

std::string signedNumber(int value)
{
    return (value >= 0 ? "+" : "") + std::to_string(value);
}

std::string fideReportText(const FideEvent &event)
{
    const int average = averageRating(event);
    std::string text = "# category " + std::to_string(eventCategory(average)) + " average " +
                       std::to_string(average) + '\n';
    text += "no\tname\tfide\tk\tgames\tscore\texpected\tchange\tperformance\tnorms\n";
    for (const FideReportLine &line : fideReport(event)) {
        std::string norms;
        for (Norm norm : line.norms)
            norms += (norms.empty() ? "" : " ") + std::string(normLevel(norm).code);
        const bool rated = line.rating > 0;
        text += std::to_string(line.number) + '\t' + line.name + '\t' +
                (rated ? std::to_string(line.rating) : std::string()) + '\t' +
                (rated ? std::to_string(line.k) : std::string()) + '\t' +
                std::to_string(line.games) + '\t' + halvesWithPoint(line.halfPoints) + '\t' +
                hundredthsWithPoint(rated ? line.expectedHundredths : 0) + '\t' +
                signedNumber(line.change) + '\t' +
                (line.performance > 0 ? std::to_string(line.performance) : std::string()) + '\t' +
                (norms.empty() ? "-" : norms) + '\n';
    }
    return text;
}

} // namespace krugovik
