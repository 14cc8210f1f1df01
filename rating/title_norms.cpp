#include "rating/title_norms.h"

#include <algorithm>
#include <map>

#include "common/texts.h"
#include "rating/fide_rating.h"
#include "rating/fide_report.h"

namespace krugovik {
namespace {

// 1.4.6 floors, 1.4.7 least Ra, 1.4.8 least Rp, in the order of Norm.
constexpr std::array<NormLevel, 4> kLevels = {{
    {"GM", 2200, 2380, 2600},
    {"IM", 2050, 2230, 2450},
    {"WGM", 2000, 2180, 2400},
    {"WIM", 1850, 2030, 2250},
}};

// The titles from the highest down, as the levels of 1.4.5 rank them.
int titleRank(const std::string &title)
{
    if (title == "GM")
        return 4;
    if (title == "IM")
        return 3;
    if (title == "WGM")
        return 2;
    if (title == "WIM")
        return 1;
    return 0;
}

int normRank(Norm norm)
{
    return 4 - int(norm);
}

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// 1.4.3: at least two federations besides the applicant's, at most three fifths of the
// opponents from his own and at most two thirds from any one.
void checkFederations(const std::string &own, const std::vector<std::string> &opponents,
                      std::vector<const char *> &failures)
{
    const int n = int(opponents.size());
    std::map<std::string, int> count;
    for (const std::string &fed : opponents)
        ++count[fed];
    int others = 0;
    int largest = 0;
    for (const auto &[fed, k] : count) {
        if (!fed.empty() && fed != own)
            ++others;
        largest = std::max(largest, k);
    }
    if (own.empty() || others < 2)
        failures.push_back(KRUGOVIK_NOOP("Norms", "меньше двух других федераций"));
    if (!own.empty() && count.count(own) && count[own] * 5 > n * 3)
        failures.push_back(KRUGOVIK_NOOP("Norms", "больше 3/5 соперников своей федерации"));
    if (largest * 3 > n * 2)
        failures.push_back(KRUGOVIK_NOOP("Norms", "больше 2/3 соперников одной федерации"));
}

} // namespace

bool leftOutOfNorms(const FideEvent &event, int q)
{
    if (event.players[std::size_t(q)].rating > 0)
        return false;
    int halves = 0;
    for (const FideSide &side : sidesOf(event, q)) {
        // He may still score.
        if (side.kind == FideGameKind::Pending)
            return false;
        if (side.kind == FideGameKind::OverTheBoard)
            halves += side.halfPoints;
    }
    return halves == 0;
}

const NormLevel &normLevel(Norm norm)
{
    return kLevels[std::size_t(norm)];
}

bool isTitleHolder(const std::string &title)
{
    // 1.4.4: CM and WCM are no title-holders here.
    return title == "GM" || title == "IM" || title == "FM" || title == "WGM" || title == "WIM" ||
           title == "WFM";
}

bool countsForLevel(const std::string &title, Norm norm)
{
    // 1.4.5: GMs for a GM norm; IMs or GMs for an IM norm; WGMs, IMs or GMs for a WGM norm;
    // WIMs and above for a WIM norm.
    return titleRank(title) >= normRank(norm);
}

int averageOfOpponents(std::vector<int> ratings, int floor)
{
    if (ratings.empty())
        return 0;
    for (int &r : ratings)
        r = r > 0 ? r : kUnratedOpponentRating;
    // 1.4.6: only one opponent, the lowest, is raised to the floor.
    const auto lowest = std::min_element(ratings.begin(), ratings.end());
    if (*lowest < floor)
        *lowest = floor;
    long long sum = 0;
    for (int r : ratings)
        sum += r;
    const auto n = static_cast<long long>(ratings.size());
    return int((2 * sum + n) / (2 * n));
}

int performance(int ra, int halfPoints, int games)
{
    return ra + ratingDifferenceFor(scoreFraction(halfPoints, games));
}

int leastNormHalves(Norm norm, int ra, int games)
{
    // The least score over the games that reaches the performance (1.4.8) and 35 per cent
    // of the games (1.4.9).
    for (int s = 0; s <= 2 * games; ++s) {
        if (performance(ra, s, games) >= normLevel(norm).leastPerformance &&
            s * 100 >= 35 * 2 * games)
            return s;
    }
    return -1;
}

std::array<NormCheck, 4> checkNorms(const FideEvent &event, int p)
{
    const FidePlayer &player = event.players[std::size_t(p)];
    std::vector<int> ratings;
    std::vector<std::string> federations;
    std::vector<std::string> titles;
    int playedHalves = 0, played = 0, remaining = 0;
    std::vector<int> playedRatings;
    // 1.4.2: a game decided without play does not count, nor one against an unrated
    // opponent who scored nothing; a game still to play will.
    for (const FideSide &side : sidesOf(event, p)) {
        if (side.kind == FideGameKind::Forfeit || leftOutOfNorms(event, side.opponent))
            continue;
        const FidePlayer &opponent = event.players[std::size_t(side.opponent)];
        ratings.push_back(opponent.rating);
        federations.push_back(opponent.federation);
        titles.push_back(opponent.title);
        if (side.kind == FideGameKind::OverTheBoard) {
            ++played;
            playedHalves += side.halfPoints;
            playedRatings.push_back(opponent.rating);
        } else {
            ++remaining;
        }
    }
    const int n = int(ratings.size());

    std::array<NormCheck, 4> checks;
    for (Norm norm : kNorms) {
        NormCheck &check = checks[std::size_t(norm)];
        check.norm = norm;
        check.games = n;
        const NormLevel &level = normLevel(norm);
        const bool womans = norm == Norm::WGM || norm == Norm::WIM;
        if (titleRank(player.title) >= normRank(norm) || (womans && player.sex == 'M')) {
            check.state = NormState::NotSought;
            continue;
        }
        check.ra = averageOfOpponents(ratings, level.ratingFloor);
        if (played > 0)
            check.rp = performance(averageOfOpponents(playedRatings, level.ratingFloor),
                                   playedHalves, played);
        if (n < kFewestNormGames)
            check.failures.push_back(KRUGOVIK_NOOP("Norms", "меньше 9 партий"));
        // 1.4.4: at least half the opponents title-holders; 1.4.5: a third, at least three,
        // of the norm's level.
        const int holders = int(std::count_if(titles.begin(), titles.end(), isTitleHolder));
        if (holders * 2 < n)
            check.failures.push_back(
                KRUGOVIK_NOOP("Norms", "меньше половины соперников с титулом"));
        const int ofLevel =
            int(std::count_if(titles.begin(), titles.end(),
                              [norm](const std::string &t) { return countsForLevel(t, norm); }));
        if (ofLevel < std::max(3, ceilDiv(n, 3)))
            check.failures.push_back(
                KRUGOVIK_NOOP("Norms", "мало соперников с титулом уровня нормы"));
        checkFederations(player.federation, federations, check.failures);
        // 1.4.7: the least average rating of the opponents.
        if (check.ra < level.leastAverage)
            check.failures.push_back(KRUGOVIK_NOOP("Norms", "низкий средний рейтинг соперников"));
        if (!check.failures.empty()) {
            check.state = NormState::Impossible;
            continue;
        }
        const int least = leastNormHalves(norm, check.ra, n);
        if (least < 0 || playedHalves + 2 * remaining < least) {
            check.state = NormState::Impossible;
            check.failures.push_back(KRUGOVIK_NOOP("Norms", "мало очков"));
            continue;
        }
        if (remaining == 0) {
            check.state = NormState::Made;
            continue;
        }
        check.state = NormState::Possible;
        check.neededHalves = std::max(0, least - playedHalves);
        check.remainingGames = remaining;
    }
    return checks;
}

std::string normName(Norm norm)
{
    switch (norm) {
    case Norm::GM:
        return translated("Norms", "ГМ", "the grandmaster title, short");
    case Norm::IM:
        return translated("Norms", "ММ", "the international master title, short");
    case Norm::WGM:
        return translated("Norms", "ЖГМ", "the woman grandmaster title, short");
    case Norm::WIM:
        break;
    }
    return translated("Norms", "ЖММ", "the woman international master title, short");
}

std::string normStatusText(const NormCheck &check)
{
    switch (check.state) {
    case NormState::NotSought:
        return {};
    case NormState::Made:
        return filled(translated("Norms", "Норма %1 выполнена"), {normName(check.norm)});
    case NormState::Possible:
        if (check.neededHalves == 0)
            return filled(
                translated("Norms", "Норма %1 будет выполнена, если сыграть %2 оставшихся",
                           "%1: the norm; %2: games still to play, whatever their results"),
                {normName(check.norm), std::to_string(check.remainingGames)});
        return filled(translated("Norms", "Для нормы %1 нужно %2 из %3",
                                 "%1: the norm; %2: points still to score; %3: games to play"),
                      {normName(check.norm),
                       withDecimalSeparator(halvesWithPoint(check.neededHalves)),
                       std::to_string(check.remainingGames)});
    case NormState::Impossible:
        break;
    }
    std::string why;
    for (const char *failure : check.failures)
        why += (why.empty() ? "" : ", ") + translated("Norms", failure);
    return filled(translated("Norms", "Нормы %1 нет: %2", "%1: the norm; %2: the reasons"),
                  {normName(check.norm), why});
}

} // namespace krugovik
