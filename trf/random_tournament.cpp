#include "trf/random_tournament.h"

#include <algorithm>
#include <cstddef>

#include "common/texts.h"
#include "rounds/berger_schedule.h"

namespace krugovik {
namespace {

// SplitMix64: the same numbers on every machine and library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0..bound-1.
    int below(int bound) { return bound <= 1 ? 0 : int(next() % std::uint64_t(bound)); }

  private:
    std::uint64_t m_state;
};

std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::vector<std::string> optionFaults(const RandomTournamentOptions &o)
{
    std::vector<std::string> faults;
    if (o.players < 3 || o.players > kMaxTablePlayers)
        faults.push_back(translated("Trf", "--players: от 3 до 22"));
    if (o.cycles < 1 || o.cycles > kMaxCycles)
        faults.push_back(translated("Trf", "--cycles: от 1 до 4"));
    for (const auto &[name, share] : {std::pair{"--draws", o.drawPercent},
                                      {"--forfeits", o.forfeitPercent},
                                      {"--unplayed", o.unplayedPercent}}) {
        if (share < 0 || share > 100)
            faults.push_back(filled(translated("Trf", "%1: процент, от 0 до 100"), {name}));
    }
    if (o.drawPercent + o.forfeitPercent + o.unplayedPercent > 100)
        faults.push_back(
            translated("Trf", "--draws, --forfeits и --unplayed: вместе не больше 100"));
    if (o.withdrawals < 0 || o.withdrawals > std::max(0, o.players - 2))
        faults.push_back(translated("Trf", "--withdrawals: от 0 до числа игроков без двух"));
    if (o.tieBreaks.empty())
        faults.push_back(translated("Trf", "--tie-breaks: хотя бы один показатель"));
    return faults;
}

TournamentSnapshot randomTournament(const RandomTournamentOptions &o)
{
    Random random(o.seed);
    TournamentSnapshot s;
    const int n = std::clamp(o.players, 3, kMaxTablePlayers);
    s.cycles = std::clamp(o.cycles, 1, kMaxCycles);
    s.name = "Random round robin " + std::to_string(o.seed);
    s.tieBreaks = o.tieBreaks;
    s.reverseLastRounds = s.cycles >= 2 && random.below(2) == 1;
    std::vector<std::int64_t> rating(std::size_t(n) + 1);
    for (int p = 1; p <= n; ++p) {
        SnapshotPlayer player;
        player.name = "Player " + twoDigits(p);
        // One in ten is unrated; the others 1400..2599.
        if (random.below(10) != 0) {
            rating[std::size_t(p)] = 1400 + random.below(1200);
            player.ratingCell = std::to_string(rating[std::size_t(p)]);
            // A rated event's players carry FIDE's rating, which is what the 001 line holds.
            player.identity.fideRating = int(rating[std::size_t(p)]);
        }
        s.players.push_back(player);
    }
    s.laterCycles.resize(std::size_t(s.cycles - 1));
    const int rounds = roundCount(n) * s.cycles;
    for (const ScheduledGame &g : bergerSchedule(n, s.cycles, s.reverseLastRounds)) {
        const int cycle = (g.round - 1) / roundCount(n) + 1;
        GameRecords &games = cycle == 1 ? s.games : s.laterCycles[std::size_t(cycle - 2)];
        const int roll = random.below(100);
        const bool firstWins = random.below(2) == 0;
        GameState state = GameState::None;
        if (roll < o.unplayedPercent)
            continue;
        if (roll < o.unplayedPercent + o.forfeitPercent)
            state = firstWins ? GameState::ForfeitWin : GameState::ForfeitLoss;
        else if (roll < o.unplayedPercent + o.forfeitPercent + o.drawPercent)
            state = GameState::Draw;
        else
            state = firstWins ? GameState::Win : GameState::Loss;
        recordGame(games, g.firstNamed, g.secondNamed, state, rating[std::size_t(g.secondNamed)],
                   rating[std::size_t(g.firstNamed)]);
    }
    // Who leaves, and after which round: at least one round played, one left to miss.
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int p = 1; p <= n; ++p)
        order[std::size_t(p - 1)] = p;
    for (int k = n - 1; k > 0; --k)
        std::swap(order[std::size_t(k)], order[std::size_t(random.below(k + 1))]);
    for (int k = 0; k < std::clamp(o.withdrawals, 0, n - 2); ++k)
        withdrawPlayer(s, order[std::size_t(k)], 1 + random.below(std::max(1, rounds - 1)));
    return s;
}

void withdrawPlayer(TournamentSnapshot &s, int player, int afterRound)
{
    const int n = int(s.players.size());
    s.players[std::size_t(player - 1)].withdrawnAfter = afterRound;
    for (const ScheduledGame &g : bergerSchedule(n, s.cycles, s.reverseLastRounds)) {
        if (g.round <= afterRound || (g.firstNamed != player && g.secondNamed != player))
            continue;
        const int cycle = (g.round - 1) / roundCount(n) + 1;
        GameRecords &games = cycle == 1 ? s.games : s.laterCycles[std::size_t(cycle - 2)];
        const int other = g.firstNamed == player ? g.secondNamed : g.firstNamed;
        // One who left earlier keeps his own forfeit: both have lost.
        if (games.state(other, player) == GameState::ForfeitLoss &&
            s.players[std::size_t(other - 1)].withdrawnAfter > 0)
            continue;
        recordGame(games, player, other, GameState::ForfeitLoss, 0, 0);
    }
}

} // namespace krugovik
