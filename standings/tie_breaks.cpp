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

// Fixed units in one half point.
constexpr std::int64_t kHalfUnits = Fixed::kScale / 2;
// Average points against one opponent are kept in 1/24 points: exact for 1..4 games.
constexpr int kAverageScale = 12;

// One game as one player's standings see it.
struct Side {
    int opponent = 0;
    bool black = false;
    GameState state = GameState::None;
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
                const int round = in.round[std::size_t(c)][std::size_t(i)][std::size_t(j)];
                const bool iLeft = leftBefore(i, round);
                const bool jLeft = leftBefore(j, round);
                // A forfeit after a withdrawal goes against whoever left, both when both had
                // gone; a game played over the board keeps its result, and a game the director
                // cleared counts for nobody, as the table shows it.
                if ((iLeft || jLeft) && (si == GameState::ForfeitWin || si == GameState::ForfeitLoss)) {
                    si = iLeft ? GameState::ForfeitLoss : GameState::ForfeitWin;
                    sj = jLeft ? GameState::ForfeitLoss : GameState::ForfeitWin;
                }
                s.roundCount = std::max(s.roundCount, round);
                const bool iBlack = in.white[std::size_t(c)][std::size_t(i)][std::size_t(j)] == j;
                all[std::size_t(i)].push_back({j, iBlack, si});
                all[std::size_t(j)].push_back({i, !iBlack, sj});
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
            }
        }
    }
    return s;
}

std::int64_t roundHalfUp(std::int64_t numerator, std::int64_t divisor)
{
    return (2 * numerator + divisor) / (2 * divisor);
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
    case TieBreakKind::SonnebornBerger: {
        std::int64_t quarters = 0; // forfeits count as the games they replace
        for (const Side &g : games)
            quarters += std::int64_t(s.halves[std::size_t(g.opponent)]) * halves(g.state);
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
            const int rating = in.rating[std::size_t(g.opponent)];
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

// Direct encounter: orders the group by points among its members and applies itself
// again to every part still tied, as long as a step separates someone.
void directEncounter(const Standings &s, std::span<int> group, std::vector<std::span<int>> &out)
{
    const auto score = group.size() > 1 ? pointsAmong(s, group, Among::Average) : std::nullopt;
    if (!score) {
        out.push_back(group);
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
    for (std::span<int> part : parts)
        directEncounter(s, part, out);
}

// Breaks the tie within `group` by a tie-break that looks at the group, writing the
// members' values; returns the parts still tied, best first.
std::vector<std::span<int>> splitGroup(const Standings &s, const TieBreak &tb, std::span<int> group,
                                       std::vector<Fixed> &value)
{
    if (tb.kind == TieBreakKind::DirectEncounter) {
        std::vector<std::span<int>> parts;
        directEncounter(s, group, parts);
        if (parts.size() > 1) {
            // The value is the position within the group, shared by equals.
            int before = 0;
            for (std::span<int> part : parts) {
                for (int p : part)
                    value[std::size_t(p)] = Fixed::fromInt(before + 1);
                before += int(part.size());
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
        return "SB";
    case TieBreakKind::Koya: {
        std::string code = "KS";
        if (tb.koyaPercent != 50)
            code += "/L" + std::to_string(tb.koyaPercent);
        if (tb.koyaShiftHalves != 0)
            code += std::string("/L") + (tb.koyaShiftHalves > 0 ? "+" : "-") +
                    std::to_string(std::abs(tb.koyaShiftHalves));
        return code;
    }
    case TieBreakKind::AverageOpponentRating:
        return "ARO";
    case TieBreakKind::PerformanceRating:
        return "TPR";
    }
    return {};
}

std::optional<TieBreak> tieBreakFromCode(std::string_view code)
{
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
    };
    for (const auto &[text, kind] : kPlain) {
        if (code == text)
            return TieBreak{kind};
    }
    // Koya's limit: "KS/L40" in percent, "KS/L+1" or "KS/L-2" in half points.
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
    if (sign == '+' || sign == '-')
        koya.koyaShiftHalves = sign == '+' ? value : -value;
    else
        koya.koyaPercent = value;
    // Only the spelling fideCode gives back.
    if (fideCode(koya) != code)
        return std::nullopt;
    return koya;
}

std::vector<TieBreakRow> rankByTieBreaks(const RoundRobinResults &results,
                                         const std::vector<TieBreak> &tieBreaks)
{
    const Standings s = countedGames(results);
    const int n = s.playerCount;
    const std::size_t ruleCount = tieBreaks.size();

    // values[k][p]: player p's value of tie-break k.
    std::vector<std::vector<Fixed>> values(ruleCount,
                                           std::vector<Fixed>(std::size_t(n) + 1, kZero));
    for (std::size_t k = 0; k < ruleCount; ++k) {
        const TieBreakKind kind = tieBreaks[k].kind;
        if (kind == TieBreakKind::DirectEncounter || kind == TieBreakKind::PointsAmongTied)
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
    for (std::size_t k = 0; k < ruleCount; ++k) {
        const TieBreakKind kind = tieBreaks[k].kind;
        const bool byGroup =
            kind == TieBreakKind::DirectEncounter || kind == TieBreakKind::PointsAmongTied;
        std::vector<std::span<int>> next;
        for (std::span<int> group : tied) {
            if (group.size() == 1) {
                next.push_back(group);
                continue;
            }
            const auto parts =
                byGroup
                    ? splitGroup(s, tieBreaks[k], group, values[k])
                    : splitByKey(group, [&](int p) { return values[k][std::size_t(p)].units(); });
            next.insert(next.end(), parts.begin(), parts.end());
        }
        tied = std::move(next);
    }

    std::vector<TieBreakRow> rows;
    auto rowOf = [&](int p) {
        TieBreakRow row;
        row.player = p;
        row.withdrawn = results.withdrawnAfter[std::size_t(p)] > 0;
        const int points =
            s.placed[std::size_t(p)] ? s.halves[std::size_t(p)] : s.ownHalves[std::size_t(p)];
        row.points = Fixed::fromUnits(points * kHalfUnits);
        for (std::size_t k = 0; k < ruleCount; ++k)
            row.values.push_back(values[k][std::size_t(p)]);
        return row;
    };
    int place = 1;
    for (std::span<int> group : tied) {
        const int last = place + int(group.size()) - 1;
        // Tied players are listed in table order.
        std::vector<int> members(group.begin(), group.end());
        std::sort(members.begin(), members.end());
        for (int p : members) {
            TieBreakRow row = rowOf(p);
            row.firstPlace = place;
            row.lastPlace = last;
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
