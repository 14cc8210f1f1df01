#include "trf/trf_numbering.h"

#include <algorithm>
#include <cstddef>

#include "rounds/berger_schedule.h"
#include "trf/trf_check.h"
#include "trf/trf_text.h"

namespace krugovik {
namespace {

// Past this many steps a search gives up: no file of 22 players with a round played
// comes near it, and a file made to defeat the search is refused in time.
constexpr long kMostSteps = 2'000'000;
// What a whole renumbering's check costs, in steps.
constexpr long kLeafSteps = 500;

// The Berger table as lookups: opponent[r][x] (0 for none) and whether x plays White.
struct Table {
    std::vector<std::vector<int>> opponent;
    std::vector<std::vector<char>> white;
};

Table tableOf(int n, int cycles, bool reverse, int rounds)
{
    Table t{std::vector<std::vector<int>>(std::size_t(rounds) + 1,
                                          std::vector<int>(std::size_t(n) + 1, 0)),
            std::vector<std::vector<char>>(std::size_t(rounds) + 1,
                                           std::vector<char>(std::size_t(n) + 1, 0))};
    for (const ScheduledGame &g : bergerSchedule(n, cycles, reverse)) {
        if (g.round > rounds)
            continue;
        t.opponent[std::size_t(g.round)][std::size_t(g.firstNamed)] = g.secondNamed;
        t.opponent[std::size_t(g.round)][std::size_t(g.secondNamed)] = g.firstNamed;
        t.white[std::size_t(g.round)][std::size_t(g.firstNamed)] = 1;
    }
    return t;
}

// A depth-first search over the new numbers, each choice followed through the games.
class Search {
  public:
    Search(const TrfFile &file, int cycles, bool reverse)
        : m_file(file), m_n(int(file.players.size())), m_cycles(cycles), m_reverse(reverse),
          m_table(tableOf(m_n, cycles, reverse, file.roundCount)), m_to(std::size_t(m_n) + 1, 0),
          m_from(std::size_t(m_n) + 1, 0)
    {
        // Players with the most games first: each fixes the most others.
        for (int a = 1; a <= m_n; ++a)
            m_order.push_back(a);
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&](int a, int b) { return gamesOf(a) > gamesOf(b); });
    }

    std::optional<TrfRenumbering> run()
    {
        if (solve(0))
            return m_to;
        return std::nullopt;
    }

  private:
    int gamesOf(int a) const
    {
        int games = 0;
        for (const TrfRound &g : m_file.players[std::size_t(a - 1)].rounds)
            games += g.opponent > 0 ? 1 : 0;
        return games;
    }

    // Gives file player a the number x and follows his games; the assignments made are
    // appended to `made` so that they can be undone. False on a contradiction.
    bool assign(int a, int x, std::vector<int> &made)
    {
        std::vector<std::pair<int, int>> queue{{a, x}};
        for (std::size_t k = 0; k < queue.size(); ++k) {
            const auto [p, number] = queue[k];
            if (m_to[std::size_t(p)] != 0) {
                if (m_to[std::size_t(p)] != number)
                    return false;
                continue;
            }
            if (m_from[std::size_t(number)] != 0)
                return false;
            m_to[std::size_t(p)] = number;
            m_from[std::size_t(number)] = p;
            made.push_back(p);
            if (++m_steps > kMostSteps)
                return false;
            const auto &rounds = m_file.players[std::size_t(p - 1)].rounds;
            for (int r = 1; r <= int(rounds.size()); ++r) {
                const TrfRound &g = rounds[std::size_t(r - 1)];
                if (g.opponent == 0)
                    continue;
                const int partner = m_table.opponent[std::size_t(r)][std::size_t(number)];
                if (partner == 0)
                    return false;
                const bool white = m_table.white[std::size_t(r)][std::size_t(number)] != 0;
                if ((g.colour == 'w' && !white) || (g.colour == 'b' && white))
                    return false;
                queue.emplace_back(g.opponent, partner);
            }
        }
        return true;
    }

    void undo(const std::vector<int> &made)
    {
        for (const int p : made) {
            m_from[std::size_t(m_to[std::size_t(p)])] = 0;
            m_to[std::size_t(p)] = 0;
        }
    }

    bool solve(std::size_t next)
    {
        while (next < m_order.size() && m_to[std::size_t(m_order[next])] != 0)
            ++next;
        if (next == m_order.size()) {
            // Every game fits; what the games do not show (byes, rounds without a
            // pairing) the checker's own reading decides.
            m_steps += kLeafSteps;
            return followsBerger(renumbered(m_file, m_to), m_cycles, m_reverse);
        }
        const int a = m_order[next];
        // His own number first, so that a file already right stays as it is.
        std::vector<int> candidates{a};
        for (int x = 1; x <= m_n; ++x) {
            if (x != a)
                candidates.push_back(x);
        }
        for (const int x : candidates) {
            if (m_from[std::size_t(x)] != 0)
                continue;
            std::vector<int> made;
            if (assign(a, x, made) && solve(next + 1))
                return true;
            undo(made);
            if (m_steps > kMostSteps)
                return false;
        }
        return false;
    }

    const TrfFile &m_file;
    int m_n;
    int m_cycles;
    bool m_reverse;
    Table m_table;
    TrfRenumbering m_to;      // file number -> new number; 0 not yet given
    std::vector<int> m_from;  // new number -> file number; 0 not yet taken
    std::vector<int> m_order; // the order the players are given numbers in
    long m_steps = 0;
};

} // namespace

bool keepsNumbers(const TrfRenumbering &renumbering)
{
    for (std::size_t k = 1; k < renumbering.size(); ++k) {
        if (renumbering[k] != int(k))
            return false;
    }
    return true;
}

std::optional<TrfRenumbering> bergerRenumbering(const TrfFile &file)
{
    const int cycles = trfCycles(file);
    if (cycles == 0)
        return std::nullopt;
    const int n = int(file.players.size());
    TrfRenumbering same(std::size_t(n) + 1, 0);
    for (int k = 1; k <= n; ++k)
        same[std::size_t(k)] = k;
    const std::vector<bool> choices =
        cycles >= 2 ? std::vector<bool>{false, true} : std::vector<bool>{false};
    for (const bool reverse : choices) {
        if (followsBerger(file, cycles, reverse))
            return same;
    }
    for (const bool reverse : choices) {
        if (auto found = Search(file, cycles, reverse).run())
            return found;
    }
    return std::nullopt;
}

TrfFile renumbered(const TrfFile &file, const TrfRenumbering &renumbering)
{
    constexpr std::size_t kNumberColumn = 5, kNumberWidth = 4;
    TrfFile out = file;
    for (TrfPlayer &p : out.players) {
        p.number = renumbering[std::size_t(p.number)];
        for (TrfRound &g : p.rounds) {
            if (g.opponent > 0)
                g.opponent = renumbering[std::size_t(g.opponent)];
        }
    }
    std::sort(out.players.begin(), out.players.end(),
              [](const TrfPlayer &a, const TrfPlayer &b) { return a.number < b.number; });
    for (TrfNationalRecord &record : out.national) {
        if (record.number <= 0 || record.number >= int(renumbering.size()))
            continue;
        record.number = renumbering[std::size_t(record.number)];
        std::string rank = std::to_string(record.number);
        rank.insert(0, kNumberWidth - rank.size(), ' ');
        record.text = TrfColumns(record.text).replaced(kNumberColumn, kNumberWidth, rank);
    }
    return out;
}

std::string renumberingText(const TrfRenumbering &renumbering)
{
    std::string text;
    std::vector<bool> seen(renumbering.size(), false);
    for (std::size_t start = 1; start < renumbering.size(); ++start) {
        if (seen[start] || renumbering[start] == int(start))
            continue;
        std::vector<int> cycle;
        for (std::size_t k = start; !seen[k]; k = std::size_t(renumbering[k])) {
            seen[k] = true;
            cycle.push_back(int(k));
        }
        if (!text.empty())
            text += "; ";
        if (cycle.size() == 2) {
            text += std::to_string(cycle[0]) + " ↔ " + std::to_string(cycle[1]);
            continue;
        }
        for (const int k : cycle)
            text += std::to_string(k) + " → ";
        text += std::to_string(cycle.front());
    }
    return text;
}

} // namespace krugovik
