#include "standings/tie_breaks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <span>

namespace krugovik {
namespace {

using Players = std::vector<int>;

// FIDE's rating difference for a percentage score p of 50..100 (index p - 50); below
// 50 the difference is the negative of the one for 100 - p.
constexpr std::array<int, 51> kPerformanceDifference = {
    0,   7,   14,  21,  29,  36,  43,  50,  57,  65,  72,  80,  87,  95,  102, 110, 117,
    125, 133, 141, 149, 158, 166, 175, 184, 193, 202, 211, 220, 230, 240, 251, 262, 273,
    284, 296, 309, 322, 336, 351, 366, 383, 401, 422, 444, 470, 501, 538, 589, 677, 800};

// Koya's limits from this value up are percentages, below it moves by half points.
constexpr int kLeastKoyaPercent = 10;

// Fixed units in one half point.
constexpr std::int64_t kHalfUnits = Fixed::kScale / 2;
// Average points against one opponent are kept in 1/24 points: exact for 1..4 games.
constexpr int kAverageScale = 12;

// One game as one player's standings see it.
struct Side {
    int opponent = 0;
    bool black = false;
    GameState state = GameState::None;
    int round = 0; // counted through all cycles
};

int halves(GameState state)
{
    switch (state) {
    case GameState::Win:
    case GameState::ForfeitWin:
        return 2;
    case GameState::Draw:
        return 1;
    default:
        return 0;
    }
}

bool isOverBoard(GameState state)
{
    return state == GameState::Win || state == GameState::Loss || state == GameState::Draw;
}

// The event after withdrawals: who has a place, and the games that count.
struct Standings {
    int playerCount = 0;
    int cycleCount = 1;
    std::array<bool, kMaxTablePlayers + 1> placed{};
    std::array<std::vector<Side>, kMaxTablePlayers + 1> games{}; // counted games only
    std::array<int, kMaxTablePlayers + 1> halves{};              // points, in halves
    std::array<int, kMaxTablePlayers + 1> ownHalves{};           // for those without a place
    // Games against a player without a place that were his (a result, or a round before
    // he left): they count for nobody, but a cut leaves them out first, as games against a
    // score of nothing.
    std::array<int, kMaxTablePlayers + 1> voided{};
    int roundCount = 0; // rounds of the event, every cycle's included
};

Standings countedGames(const RoundRobinResults &in)
{
    Standings s;
    s.playerCount = std::clamp(in.playerCount, 0, kMaxTablePlayers);
    s.cycleCount = std::clamp(in.cycleCount, 1, kMaxCycles);
    const int n = s.playerCount;
    std::array<std::vector<Side>, kMaxTablePlayers + 1> all{};
    auto leftBefore = [&](int p, int round) {
        return in.withdrawnAfter[std::size_t(p)] > 0 && round > in.withdrawnAfter[std::size_t(p)];
    };
    for (int c = 0; c < s.cycleCount; ++c) {
        const auto &games = in.games[std::size_t(c)];
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                GameState si = games[std::size_t(i)][std::size_t(j)];
                GameState sj = mirrored(si);
                // The one pair that is no mirror: a game neither came to, lost by both.
                const bool bothLost =
                    si == GameState::ForfeitLoss &&
                    games[std::size_t(j)][std::size_t(i)] == GameState::ForfeitLoss;
                if (bothLost)
                    sj = GameState::ForfeitLoss;
                const int round = in.round[std::size_t(c)][std::size_t(i)][std::size_t(j)];
                const bool iLeft = leftBefore(i, round);
                const bool jLeft = leftBefore(j, round);
                // A forfeit after a withdrawal goes against whoever left, both when both had
                // gone; a game played over the board keeps its result, and a game the director
                // cleared counts for nobody, as the table shows it.
                if ((iLeft || jLeft) && !bothLost &&
                    (si == GameState::ForfeitWin || si == GameState::ForfeitLoss)) {
                    si = iLeft ? GameState::ForfeitLoss : GameState::ForfeitWin;
                    sj = jLeft ? GameState::ForfeitLoss : GameState::ForfeitWin;
                }
                s.roundCount = std::max(s.roundCount, round);
                const bool iBlack = in.white[std::size_t(c)][std::size_t(i)][std::size_t(j)] == j;
                all[std::size_t(i)].push_back({j, iBlack, si, round});
                all[std::size_t(j)].push_back({i, !iBlack, sj, round});
            }
        }
    }
    const int scheduled = (n - 1) * s.cycleCount;
    for (int p = 1; p <= n; ++p) {
        const auto &mine = all[std::size_t(p)];
        const auto overBoard = std::count_if(mine.begin(), mine.end(),
                                             [](const Side &g) { return isOverBoard(g.state); });
        s.placed[std::size_t(p)] =
            in.withdrawnAfter[std::size_t(p)] == 0 || 2 * overBoard >= scheduled;
        for (const Side &g : mine)
            s.ownHalves[std::size_t(p)] += halves(g.state);
    }
    for (int p = 1; p <= n; ++p) {
        if (!s.placed[std::size_t(p)])
            continue;
        for (const Side &g : all[std::size_t(p)]) {
            if (s.placed[std::size_t(g.opponent)]) {
                s.games[std::size_t(p)].push_back(g);
                s.halves[std::size_t(p)] += halves(g.state);
            } else if (g.state != GameState::None || !leftBefore(g.opponent, g.round)) {
                // Played or forfeited, or paired before he left: a file shows no result
                // of one without a place.
                ++s.voided[std::size_t(p)];
            }
        }
    }
    return s;
}

std::int64_t roundHalfUp(std::int64_t numerator, std::int64_t divisor)
{
    return (2 * numerator + divisor) / (2 * divisor);
}

// The rating a player counts with: a player without an established rating with the
// tie-break's fixed one where it has one.
int ratingOf(const RoundRobinResults &in, const TieBreak &tb, int p)
{
    if (tb.unratedRating > 0 && in.unrated[std::size_t(p)])
        return tb.unratedRating;
    return in.rating[std::size_t(p)];
}

// SplitMix64: the same numbers on every machine, whatever the library.
std::uint64_t mixed(std::uint64_t value)
{
    std::uint64_t z = value + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The value of a tie-break that depends on the player alone.
Fixed playerValue(const Standings &s, const RoundRobinResults &in, const TieBreak &tb, int p)
{
    const auto &games = s.games[std::size_t(p)];
    auto count = [&](auto predicate) {
        return Fixed::fromInt(std::count_if(games.begin(), games.end(), predicate));
    };
    switch (tb.kind) {
    case TieBreakKind::Wins:
        return count([](const Side &g) { return halves(g.state) == 2; });
    case TieBreakKind::WinsOverBoard:
        return count([](const Side &g) { return g.state == GameState::Win; });
    case TieBreakKind::BlackGames:
        return count([](const Side &g) { return g.black && isOverBoard(g.state); });
    case TieBreakKind::BlackWins:
        return count([](const Side &g) { return g.black && g.state == GameState::Win; });
    case TieBreakKind::RoundsElected:
        return count(
            [](const Side &g) { return isOverBoard(g.state) || g.state == GameState::ForfeitWin; });
    case TieBreakKind::StandardPoints: {
        // Every cycle's games against one opponent make one match.
        std::array<int, kMaxTablePlayers + 1> mine{};
        std::array<int, kMaxTablePlayers + 1> theirs{};
        std::array<bool, kMaxTablePlayers + 1> met{};
        for (const Side &g : games) {
            if (g.state == GameState::None)
                continue;
            met[std::size_t(g.opponent)] = true;
            mine[std::size_t(g.opponent)] += halves(g.state);
            theirs[std::size_t(g.opponent)] += halves(mirrored(g.state));
        }
        std::int64_t sum = 0;
        for (int q = 1; q <= s.playerCount; ++q) {
            if (met[std::size_t(q)])
                sum += mine[std::size_t(q)] > theirs[std::size_t(q)]    ? 2
                       : mine[std::size_t(q)] == theirs[std::size_t(q)] ? 1
                                                                        : 0;
        }
        return Fixed::fromUnits(sum * kHalfUnits);
    }
    case TieBreakKind::OwnRating:
        return Fixed::fromInt(std::max(ratingOf(in, tb, p), 0));
    case TieBreakKind::ByHand:
    case TieBreakKind::Lot:
    case TieBreakKind::RulesChanged:
        break; // set where the tie is, or none
    case TieBreakKind::PairingNumber:
        return Fixed::fromInt(p);
    case TieBreakKind::SonnebornBerger: {
        // Each game's share in quarters, with the opponent's score that decides a cut;
        // forfeits count as the games they replace, a voided game as nothing against 0.
        std::vector<std::pair<int, std::int64_t>> shares(std::size_t(s.voided[std::size_t(p)]));
        for (const Side &g : games) {
            const int opponentHalves = s.halves[std::size_t(g.opponent)];
            if (g.state != GameState::None || tb.cut == 0)
                shares.emplace_back(opponentHalves, std::int64_t(opponentHalves) * halves(g.state));
        }
        // A cut leaves out the games against the lowest scores, the smaller share first.
        std::sort(shares.begin(), shares.end());
        const std::size_t cut = std::min(shares.size(), std::size_t(std::max(tb.cut, 0)));
        std::int64_t quarters = 0;
        for (std::size_t k = cut; k < shares.size(); ++k)
            quarters += shares[k].second;
        return Fixed::fromUnits(quarters * (Fixed::kScale / 4));
    }
    case TieBreakKind::Koya: {
        // The limit in hundredths of a half point: a share of the maximum score, one
        // point for every round of the event (the round an odd count sits out
        // included), then the shift.
        const std::int64_t limit =
            tb.koyaPercent * 2 * std::int64_t(s.roundCount) + 100 * tb.koyaShiftHalves;
        std::int64_t sum = 0;
        for (const Side &g : games) {
            if (100 * std::int64_t(s.halves[std::size_t(g.opponent)]) >= limit)
                sum += halves(g.state);
        }
        return Fixed::fromUnits(sum * kHalfUnits);
    }
    case TieBreakKind::AverageOpponentRating:
    case TieBreakKind::PerformanceRating: {
        // Games over the board against rated opponents only.
        std::int64_t ratingSum = 0;
        std::int64_t scored = 0;
        std::int64_t rated = 0;
        for (const Side &g : games) {
            const int rating = ratingOf(in, tb, g.opponent);
            if (!isOverBoard(g.state) || rating <= 0)
                continue;
            ratingSum += rating;
            scored += halves(g.state);
            ++rated;
        }
        if (rated == 0)
            return kZero;
        const std::int64_t aro = roundHalfUp(ratingSum, rated);
        if (tb.kind == TieBreakKind::AverageOpponentRating)
            return Fixed::fromInt(aro);
        const std::int64_t percent = roundHalfUp(50 * scored, rated);
        const int dp = percent >= 50 ? kPerformanceDifference[std::size_t(percent - 50)]
                                     : -kPerformanceDifference[std::size_t(50 - percent)];
        return Fixed::fromInt(aro + dp);
    }
    case TieBreakKind::DirectEncounter:
    case TieBreakKind::PointsAmongTied:
        break;
    }
    return kZero;
}

// A tie-break that looks at the tied group rather than at each player alone.
bool isGroupTieBreak(TieBreakKind kind)
{
    return kind == TieBreakKind::DirectEncounter || kind == TieBreakKind::PointsAmongTied ||
           kind == TieBreakKind::ByHand || kind == TieBreakKind::Lot;
}

// A tie-break whose smaller value ranks higher: the pairing number, a reversed rating.
bool lowerFirst(const TieBreak &tb)
{
    if (tb.kind == TieBreakKind::PairingNumber)
        return !tb.reversed;
    return tb.kind == TieBreakKind::OwnRating && tb.reversed;
}

// How the games among the tied players are counted.
enum class Among {
    Average, // 1/24 points, a pair's games averaged; every pair must have met
    Sum,     // half points, summed; every game among them must have a result
};

// Each member's points against the other members; nothing when the group fails the
// condition of `how`.
std::optional<std::vector<std::int64_t>> pointsAmong(const Standings &s, std::span<const int> group,
                                                     Among how)
{
    const bool everyGame = how == Among::Sum;
    std::vector<std::int64_t> score(group.size());
    for (std::size_t a = 0; a < group.size(); ++a) {
        for (std::size_t b = 0; b < group.size(); ++b) {
            if (a == b)
                continue;
            int sum = 0;
            int met = 0;
            for (const Side &g : s.games[std::size_t(group[a])]) {
                if (g.opponent != group[b])
                    continue;
                if (g.state == GameState::None) {
                    if (everyGame)
                        return std::nullopt;
                    continue;
                }
                sum += halves(g.state);
                ++met;
            }
            if (met == 0)
                return std::nullopt;
            score[a] += everyGame ? sum : std::int64_t(sum) * kAverageScale / met;
        }
    }
    return score;
}

// Splits `group` (reordered in place) into runs of equal key, best first; a stable sort
// keeps table order within a run.
std::vector<std::span<int>> splitByKey(std::span<int> group,
                                       const std::function<std::int64_t(int)> &key)
{
    std::stable_sort(group.begin(), group.end(), [&](int a, int b) { return key(a) > key(b); });
    std::vector<std::span<int>> runs;
    for (std::size_t start = 0; start < group.size();) {
        std::size_t end = start + 1;
        while (end < group.size() && key(group[end]) == key(group[start]))
            ++end;
        runs.push_back(group.subspan(start, end - start));
        start = end;
    }
    return runs;
}

// What one player scored against another in their games with a result.
struct PairScore {
    int halves = 0; // points, in halves
    int met = 0;    // games with a result
};

PairScore playedAgainst(const Standings &s, int player, int opponent)
{
    PairScore score;
    for (const Side &g : s.games[std::size_t(player)]) {
        if (g.opponent == opponent && g.state != GameState::None) {
            score.halves += halves(g.state);
            ++score.met;
        }
    }
    return score;
}

// The one member whose points against the others exceed what any other could reach by
// winning every game among them not yet played; group.size() when there is none.
std::size_t uncatchable(const Standings &s, std::span<const int> group)
{
    // Every pair's average in 1/24 points; a pair not yet met could still give 24.
    constexpr std::int64_t kWholeGame = 2 * kAverageScale;
    std::vector<std::int64_t> now(group.size());
    std::vector<std::int64_t> most(group.size());
    for (std::size_t a = 0; a < group.size(); ++a) {
        for (std::size_t b = 0; b < group.size(); ++b) {
            if (a == b)
                continue;
            const auto [sum, met] = playedAgainst(s, group[a], group[b]);
            const std::int64_t average = met ? std::int64_t(sum) * kAverageScale / met : 0;
            now[a] += average;
            most[a] += met ? average : kWholeGame;
        }
    }
    for (std::size_t a = 0; a < group.size(); ++a) {
        bool ahead = true;
        for (std::size_t b = 0; b < group.size() && ahead; ++b)
            ahead = a == b || now[a] > most[b];
        if (ahead)
            return a;
    }
    return group.size();
}

// Each member's points against the other members as a reader finds them in the table:
// the sum of his games among them with a result, or, where some pairs have met more often
// than others (a cycle under way), the points averaged per pair, as they are ranked.
std::vector<Fixed> pointsShownAmong(const Standings &s, std::span<const int> group)
{
    std::vector<int> sum(group.size());
    std::vector<std::int64_t> average(group.size()); // 1/24 points
    int meetings = 0;                                // of every pair that met; -1 when unequal
    for (std::size_t a = 0; a < group.size(); ++a) {
        for (std::size_t b = 0; b < group.size(); ++b) {
            if (a == b)
                continue;
            const auto [pair, met] = playedAgainst(s, group[a], group[b]);
            if (met == 0)
                continue;
            sum[a] += pair;
            average[a] += std::int64_t(pair) * kAverageScale / met;
            meetings = meetings == 0 || meetings == met ? met : -1;
        }
    }
    std::vector<Fixed> shown;
    for (std::size_t a = 0; a < group.size(); ++a)
        shown.push_back(meetings >= 0
                            ? Fixed::fromUnits(sum[a] * kHalfUnits)
                            : Fixed::fromUnits(average[a] * Fixed::kScale / (2 * kAverageScale)));
    return shown;
}

// The points among the tied that each application of the direct encounter showed a
// player, the first application's first.
using EncounterPoints = std::array<std::vector<Fixed>, kMaxTablePlayers + 1>;

// Direct encounter: orders the group by points among its members and applies itself
// again to every part still tied, as long as a step separates someone. While not every
// pair has met, it only sets apart a member no one else can catch any more.
void directEncounter(const Standings &s, std::span<int> group, std::vector<std::span<int>> &out,
                     EncounterPoints &shown)
{
    if (group.size() < 2) {
        out.push_back(group);
        return;
    }
    // Only an application that parts someone shows its points.
    auto show = [&] {
        const std::vector<Fixed> among = pointsShownAmong(s, group);
        for (std::size_t k = 0; k < group.size(); ++k)
            shown[std::size_t(group[k])].push_back(among[k]);
    };
    const auto score = pointsAmong(s, group, Among::Average);
    if (!score) {
        const std::size_t first = uncatchable(s, group);
        if (first == group.size()) {
            out.push_back(group);
            return;
        }
        show();
        // He goes first; the others keep table order among themselves.
        std::rotate(group.begin(), group.begin() + std::ptrdiff_t(first),
                    group.begin() + std::ptrdiff_t(first) + 1);
        out.push_back(group.subspan(0, 1));
        directEncounter(s, group.subspan(1), out, shown);
        return;
    }
    std::array<std::int64_t, kMaxTablePlayers + 1> byPlayer{};
    for (std::size_t k = 0; k < group.size(); ++k)
        byPlayer[std::size_t(group[k])] = (*score)[k];
    const auto parts = splitByKey(group, [&](int p) { return byPlayer[std::size_t(p)]; });
    if (parts.size() == 1) {
        out.push_back(group);
        return;
    }
    show();
    for (std::span<int> part : parts)
        directEncounter(s, part, out, shown);
}

// Breaks the tie within `group` by a tie-break that looks at the group, writing the
// members' values (and every application of the direct encounter into `among`); returns
// the parts still tied, best first.
std::vector<std::span<int>> splitGroup(const Standings &s, const TieBreak &tb, std::span<int> group,
                                       std::vector<Fixed> &value,
                                       std::vector<std::vector<Fixed>> &among)
{
    if (tb.kind == TieBreakKind::ByHand || tb.kind == TieBreakKind::Lot) {
        // A position per player: the director's list, or a draw from the seed (each
        // player's number from the seed and his table number, so that the draw between
        // two players does not depend on who else is tied). Players the director's list
        // leaves out stay tied after the listed ones.
        std::array<std::int64_t, kMaxTablePlayers + 1> rank{};
        for (int p : group) {
            if (tb.kind == TieBreakKind::Lot) {
                rank[std::size_t(p)] = -std::int64_t(mixed(tb.seed * 64 + std::uint64_t(p)) >> 2);
            } else {
                const auto at = std::find(tb.order.begin(), tb.order.end(), p);
                rank[std::size_t(p)] =
                    at == tb.order.end() ? kMaxTablePlayers + 1 : at - tb.order.begin();
            }
        }
        auto parts = splitByKey(group, [&](int p) { return -rank[std::size_t(p)]; });
        // The value marks the players it set apart.
        if (parts.size() > 1)
            for (int p : group)
                value[std::size_t(p)] = kOne;
        return parts;
    }
    if (tb.kind == TieBreakKind::DirectEncounter) {
        std::vector<std::span<int>> parts;
        EncounterPoints shown;
        directEncounter(s, group, parts, shown);
        if (parts.size() > 1) {
            // The value is C.07's: the points among the tied group; a part of it still tied
            // has its own points among itself where the rule was applied again.
            for (int p : group) {
                std::vector<Fixed> &mine = shown[std::size_t(p)];
                if (mine.empty())
                    continue;
                value[std::size_t(p)] = mine.front();
                among[std::size_t(p)] = std::move(mine);
            }
        }
        return parts;
    }
    // The points among the tied players, applied once, when every game among them has a
    // result; a forfeit counts as the game it replaces.
    std::array<std::int64_t, kMaxTablePlayers + 1> mutual{};
    if (const auto score = group.size() > 1 ? pointsAmong(s, group, Among::Sum) : std::nullopt) {
        for (std::size_t k = 0; k < group.size(); ++k) {
            mutual[std::size_t(group[k])] = (*score)[k];
            value[std::size_t(group[k])] = Fixed::fromUnits((*score)[k] * kHalfUnits);
        }
    }
    return splitByKey(group, [&](int p) { return mutual[std::size_t(p)]; });
}

} // namespace

std::vector<TieBreak> classicTieBreaks()
{
    return {{TieBreakKind::SonnebornBerger}, {TieBreakKind::DirectEncounter}, {TieBreakKind::Wins}};
}

std::vector<TieBreak> fideRoundRobinTieBreaks()
{
    return {{TieBreakKind::DirectEncounter},
            {TieBreakKind::Wins},
            {TieBreakKind::SonnebornBerger},
            {TieBreakKind::Koya}};
}

namespace {

// "/U1400" for a fixed rating of players without an established one.
std::string unratedModifier(const TieBreak &tb)
{
    return tb.unratedRating > 0 ? "/U" + std::to_string(tb.unratedRating) : std::string();
}

// A whole number of at most `digits` digits, or nothing.
std::optional<std::uint64_t> digitsOf(std::string_view text, std::size_t digits)
{
    if (text.empty() || text.size() > digits ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoull(std::string(text));
}

// The lots' and the director's entries; nothing for any other text.
std::optional<TieBreak> ownEntry(std::string_view code)
{
    if (code.substr(0, 4) == "LOT/") {
        const auto seed = digitsOf(code.substr(4), 10);
        if (!seed || *seed > 0xFFFFFFFFull)
            return std::nullopt;
        TieBreak lot{TieBreakKind::Lot};
        lot.seed = std::uint32_t(*seed);
        return lot;
    }
    if (code.substr(0, 8) == "CHANGED/") {
        const std::string_view rest = code.substr(8);
        const std::size_t slash = rest.find('/');
        const auto round = digitsOf(rest.substr(0, slash), 3);
        if (slash == std::string_view::npos || !round || *round == 0)
            return std::nullopt;
        TieBreak change{TieBreakKind::RulesChanged};
        change.afterRound = int(*round);
        std::string_view codes = rest.substr(slash + 1);
        if (std::to_string(*round) != rest.substr(0, slash) || codes.empty() || codes.back() == ',')
            return std::nullopt;
        // A list that ranked by points alone (its lots and order by hand are no codes).
        if (codes == kPointsOnly) {
            change.previous = kPointsOnly;
            return change;
        }
        // Kept in the spelling written now, whichever the file has.
        while (!codes.empty()) {
            const std::size_t comma = std::min(codes.find(','), codes.size());
            const auto tb = tieBreakFromCode(codes.substr(0, comma));
            if (!tb || !declaredInTrf(*tb))
                return std::nullopt;
            change.previous += (change.previous.empty() ? "" : " ") + fideCode(*tb);
            codes.remove_prefix(std::min(comma + 1, codes.size()));
        }
        return change;
    }
    if (code.substr(0, 5) != "HAND/" || code.back() == ',')
        return std::nullopt;
    TieBreak hand{TieBreakKind::ByHand};
    std::string_view rest = code.substr(5);
    while (!rest.empty()) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const auto player = digitsOf(rest.substr(0, comma), 2);
        if (!player || *player < 1 || *player > std::uint64_t(kMaxTablePlayers) ||
            std::count(hand.order.begin(), hand.order.end(), int(*player)) > 0)
            return std::nullopt;
        hand.order.push_back(int(*player));
        rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    if (hand.order.size() < 2)
        return std::nullopt;
    return hand;
}

} // namespace

bool declaredInTrf(const TieBreak &tb)
{
    return tb.kind != TieBreakKind::Lot && tb.kind != TieBreakKind::ByHand &&
           tb.kind != TieBreakKind::RulesChanged;
}

std::vector<TieBreak> withoutChangeRecords(const std::vector<TieBreak> &list)
{
    std::vector<TieBreak> rules;
    for (const TieBreak &tb : list) {
        if (tb.kind != TieBreakKind::RulesChanged)
            rules.push_back(tb);
    }
    return rules;
}

std::string fideCode(const TieBreak &tb)
{
    switch (tb.kind) {
    case TieBreakKind::DirectEncounter:
    case TieBreakKind::PointsAmongTied:
        return "DE";
    case TieBreakKind::Wins:
        return "WIN";
    case TieBreakKind::WinsOverBoard:
        return "WON";
    case TieBreakKind::BlackGames:
        return "BPG";
    case TieBreakKind::BlackWins:
        return "BWG";
    case TieBreakKind::SonnebornBerger:
        return tb.cut > 0 ? "SB/C" + std::to_string(tb.cut) : "SB";
    case TieBreakKind::Koya: {
        // A limit moved by half points carries its sign: FIDE's checker reads an unsigned
        // number as a percentage.
        std::string code = "KS";
        if (tb.koyaPercent != 50)
            code += "/L" + std::to_string(tb.koyaPercent);
        if (tb.koyaShiftHalves != 0)
            code += (tb.koyaShiftHalves > 0 ? "/L+" : "/L") + std::to_string(tb.koyaShiftHalves);
        return code;
    }
    case TieBreakKind::RoundsElected:
        return "REP";
    case TieBreakKind::StandardPoints:
        return "STD";
    case TieBreakKind::OwnRating:
        return std::string(tb.reversed ? "RTNG/R" : "RTNG") + unratedModifier(tb);
    case TieBreakKind::ByHand: {
        std::string code = "HAND/";
        for (std::size_t k = 0; k < tb.order.size(); ++k)
            code += (k ? "," : "") + std::to_string(tb.order[k]);
        return code;
    }
    case TieBreakKind::Lot:
        return "LOT/" + std::to_string(tb.seed);
    case TieBreakKind::RulesChanged: {
        std::string codes = tb.previous;
        std::replace(codes.begin(), codes.end(), ' ', ',');
        return "CHANGED/" + std::to_string(tb.afterRound) + "/" + codes;
    }
    case TieBreakKind::PairingNumber:
        // FIDE's checker knows the starting number as SNO, and no reversed one.
        return tb.reversed ? "TPN/R" : "SNO";
    case TieBreakKind::AverageOpponentRating:
        return "ARO" + unratedModifier(tb);
    case TieBreakKind::PerformanceRating:
        return "TPR" + unratedModifier(tb);
    }
    return {};
}

std::string shownCode(const TieBreak &tb)
{
    if (tb.kind == TieBreakKind::PairingNumber)
        return tb.reversed ? "TPN/R" : "TPN";
    std::string code = fideCode(tb);
    if (tb.kind == TieBreakKind::Koya && tb.koyaShiftHalves > 0)
        code.erase(code.find("/L+") + 2, 1);
    return code;
}

std::optional<TieBreak> tieBreakFromCode(std::string_view code)
{
    if (auto own = ownEntry(code))
        return own;
    // "ARO/U1400", "TPR/U1400", "RTNG/U1400", "RTNG/R/U1400": a fixed rating for players
    // without an established one.
    if (const std::size_t at = code.rfind("/U"); at != std::string_view::npos && at > 0) {
        const auto rating = digitsOf(code.substr(at + 2), 4);
        std::optional<TieBreak> base = tieBreakFromCode(code.substr(0, at));
        const bool rated = base && (base->kind == TieBreakKind::AverageOpponentRating ||
                                    base->kind == TieBreakKind::PerformanceRating ||
                                    base->kind == TieBreakKind::OwnRating);
        if (!rating || *rating == 0 || !rated || base->unratedRating != 0)
            return std::nullopt;
        base->unratedRating = int(*rating);
        if (fideCode(*base) != code)
            return std::nullopt;
        return base;
    }
    static constexpr std::pair<std::string_view, TieBreakKind> kPlain[] = {
        {"DE", TieBreakKind::DirectEncounter},
        {"WIN", TieBreakKind::Wins},
        {"WON", TieBreakKind::WinsOverBoard},
        {"BPG", TieBreakKind::BlackGames},
        {"BWG", TieBreakKind::BlackWins},
        {"SB", TieBreakKind::SonnebornBerger},
        {"KS", TieBreakKind::Koya},
        {"ARO", TieBreakKind::AverageOpponentRating},
        {"TPR", TieBreakKind::PerformanceRating},
        {"REP", TieBreakKind::RoundsElected},
        {"STD", TieBreakKind::StandardPoints},
        {"RTNG", TieBreakKind::OwnRating},
        {"TPN", TieBreakKind::PairingNumber},
        {"SNO", TieBreakKind::PairingNumber},
    };
    for (const auto &[text, kind] : kPlain) {
        if (code == text)
            return TieBreak{kind};
        // "RTNG/R", "TPN/R": the same, the other way round.
        if ((kind == TieBreakKind::OwnRating || text == "TPN") && code.size() == text.size() + 2 &&
            code.substr(0, text.size()) == text && code.substr(text.size()) == "/R") {
            TieBreak tb{kind};
            tb.reversed = true;
            return tb;
        }
    }
    for (int cut : {1, 2}) {
        if (code == "SB/C" + std::to_string(cut)) {
            TieBreak sb{TieBreakKind::SonnebornBerger};
            sb.cut = cut;
            return sb;
        }
    }
    // Koya's limit: "KS/L40" in percent (10 and above), "KS/L+1" or "KS/L-2" moved by
    // half points; the program's earlier files and its sheets write "KS/L1".
    constexpr std::string_view kKoyaLimit = "KS/L";
    if (code.substr(0, kKoyaLimit.size()) != kKoyaLimit)
        return std::nullopt;
    std::string_view rest = code.substr(kKoyaLimit.size());
    const char sign = rest.empty() ? '\0' : rest.front();
    if (sign == '+' || sign == '-')
        rest.remove_prefix(1);
    if (rest.empty() || rest.size() > 2 ||
        !std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(std::string(rest));
    TieBreak koya{TieBreakKind::Koya};
    const bool shift = sign == '+' || sign == '-' || value < kLeastKoyaPercent;
    if (shift && value >= kLeastKoyaPercent)
        return std::nullopt;
    if (shift)
        koya.koyaShiftHalves = sign == '-' ? -value : value;
    else
        koya.koyaPercent = value;
    // Only the two spellings given back, no "KS/L+0" or "KS/L05".
    if (fideCode(koya) != code && shownCode(koya) != code)
        return std::nullopt;
    return koya;
}

std::vector<TieBreakRow> rankByTieBreaks(const RoundRobinResults &results,
                                         const std::vector<TieBreak> &list)
{
    const std::vector<TieBreak> tieBreaks = withoutChangeRecords(list);
    const Standings s = countedGames(results);
    const int n = s.playerCount;
    const std::size_t ruleCount = tieBreaks.size();

    // values[k][p]: player p's value of tie-break k.
    std::vector<std::vector<Fixed>> values(ruleCount,
                                           std::vector<Fixed>(std::size_t(n) + 1, kZero));
    // among[k][p]: the points among the tied at each application of a direct encounter.
    std::vector<std::vector<std::vector<Fixed>>> among(
        ruleCount, std::vector<std::vector<Fixed>>(std::size_t(n) + 1));
    for (std::size_t k = 0; k < ruleCount; ++k) {
        const TieBreakKind kind = tieBreaks[k].kind;
        if (isGroupTieBreak(kind))
            continue;
        for (int p = 1; p <= n; ++p) {
            if (s.placed[std::size_t(p)])
                values[k][std::size_t(p)] = playerValue(s, results, tieBreaks[k], p);
        }
    }

    Players order;
    for (int p = 1; p <= n; ++p) {
        if (s.placed[std::size_t(p)])
            order.push_back(p);
    }
    std::vector<std::span<int>> tied =
        splitByKey(order, [&](int p) { return s.halves[std::size_t(p)]; });
    // groupAfter[k][p]: the group player p stands in once tie-break k has been applied.
    std::vector<std::vector<int>> groupAfter(ruleCount, std::vector<int>(std::size_t(n) + 1));
    for (std::size_t k = 0; k < ruleCount; ++k) {
        const TieBreakKind kind = tieBreaks[k].kind;
        const bool byGroup = isGroupTieBreak(kind);
        std::vector<std::span<int>> next;
        for (std::span<int> group : tied) {
            if (group.size() == 1) {
                next.push_back(group);
                continue;
            }
            const auto parts = byGroup ? splitGroup(s, tieBreaks[k], group, values[k], among[k])
                                       : splitByKey(group, [&](int p) {
                                             const std::int64_t units =
                                                 values[k][std::size_t(p)].units();
                                             return lowerFirst(tieBreaks[k]) ? -units : units;
                                         });
            next.insert(next.end(), parts.begin(), parts.end());
        }
        tied = std::move(next);
        for (std::size_t g = 0; g < tied.size(); ++g) {
            for (int p : tied[g])
                groupAfter[k][std::size_t(p)] = int(g);
        }
    }
    // The first tie-break after which two players with equal points stand apart.
    auto decidedBetween = [&](int a, int b) {
        if (s.halves[std::size_t(a)] != s.halves[std::size_t(b)])
            return -1;
        for (std::size_t k = 0; k < ruleCount; ++k) {
            if (groupAfter[k][std::size_t(a)] != groupAfter[k][std::size_t(b)])
                return int(k);
        }
        return -1;
    };

    std::vector<TieBreakRow> rows;
    auto rowOf = [&](int p) {
        TieBreakRow row;
        row.player = p;
        row.withdrawn = results.withdrawnAfter[std::size_t(p)] > 0;
        const int points =
            s.placed[std::size_t(p)] ? s.halves[std::size_t(p)] : s.ownHalves[std::size_t(p)];
        row.points = Fixed::fromUnits(points * kHalfUnits);
        for (std::size_t k = 0; k < ruleCount; ++k) {
            row.values.push_back(values[k][std::size_t(p)]);
            row.amongTied.push_back(among[k][std::size_t(p)]);
        }
        return row;
    };
    int place = 1;
    for (std::size_t g = 0; g < tied.size(); ++g) {
        const std::span<int> group = tied[g];
        const int last = place + int(group.size()) - 1;
        // Tied players are listed in table order.
        std::vector<int> members(group.begin(), group.end());
        std::sort(members.begin(), members.end());
        for (int p : members) {
            TieBreakRow row = rowOf(p);
            row.firstPlace = place;
            row.lastPlace = last;
            // Every member of a group parted from the next by the same tie-break.
            if (g > 0)
                row.decidedAbove = decidedBetween(tied[g - 1].front(), p);
            if (g + 1 < tied.size())
                row.decidedBelow = decidedBetween(p, tied[g + 1].front());
            rows.push_back(std::move(row));
        }
        place = last + 1;
    }
    for (int p = 1; p <= n; ++p) {
        if (!s.placed[std::size_t(p)])
            rows.push_back(rowOf(p));
    }
    return rows;
}

std::string placeText(const TieBreakRow &row)
{
    if (row.firstPlace == 0)
        return {};
    if (row.lastPlace > row.firstPlace)
        return std::to_string(row.firstPlace) + '-' + std::to_string(row.lastPlace);
    return std::to_string(row.firstPlace);
}

} // namespace krugovik
