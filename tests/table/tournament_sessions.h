// The director's operations as random sessions: the generators the property tests share.
#pragma once

#include <rapidcheck.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "export/snapshot_results.h"
#include "table/event_rules.h"
#include "table/tournament.h"
#include "ui/table_geometry.h"
#include "ui/table_picture.h"

namespace krugovik {

// One operation; its numbers are brought into range against the state it meets, so that
// every sequence is a session the director could have had.
struct Operation {
    enum Kind {
        Result,
        Withdraw,
        Reinstate,
        Players,
        Cycles,
        Rules,
        Enter,
        Undo,
        Redo,
        Event,
        Choice, // the tie-break dialog's OK: a preset, the lots alone or a list of one's own
        Hand,   // «Порядок при равенстве»: some players in some order
        Kinds
    };
    int kind = Result;
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
};

inline const char *kindName(int kind)
{
    static const char *const names[] = {"Result", "Withdraw", "Reinstate", "Players",
                                        "Cycles", "Rules",    "Enter",     "Undo",
                                        "Redo",   "Event",    "Choice",    "Hand"};
    return kind >= 0 && kind < Operation::Kinds ? names[kind] : "?";
}

inline void showValue(const Operation &op, std::ostream &os)
{
    os << kindName(op.kind) << '(' << op.a << ',' << op.b << ',' << op.c << ',' << op.d << ')';
}

inline const std::vector<std::vector<TieBreak>> &rulePresets()
{
    static const std::vector<std::vector<TieBreak>> presets = {
        {},
        fideRoundRobinTieBreaks(),
        {{TieBreakKind::Koya, 40}, {TieBreakKind::DirectEncounter}},
        {{TieBreakKind::SonnebornBerger},
         {TieBreakKind::WinsOverBoard},
         {TieBreakKind::BlackGames}},
    };
    return presets;
}

// What the tie-break dialog may hand back: either preset, the lots alone, or a list of the
// offered tie-breaks of one's own, with or without lots, the unrated at a fixed rating or not.
inline std::vector<TieBreak> chosenList(const Operation &op)
{
    static const char *const offered[] = {
        "DE",     "WIN",   "WON", "BPG",    "BWG",    "REP",    "STD",    "SB",
        "SB/C1",  "SB/C2", "KS",  "KS/L+1", "KS/L+2", "KS/L-1", "KS/L-2", "KS/L40",
        "KS/L60", "ARO",   "TPR", "RTNG",   "RTNG/R", "SNO",    "TPN/R"};
    const auto lot = [&] {
        TieBreak tb{TieBreakKind::Lot};
        tb.seed = std::uint32_t(op.d) * 2654435761u;
        return tb;
    };
    switch (op.a % 5) {
    case 0:
        return {};
    case 1:
        return fideRoundRobinTieBreaks();
    case 2:
        return {lot()};
    default:
        break;
    }
    std::vector<TieBreak> list;
    const int size = std::size(offered);
    for (int k = 0; k < 1 + op.b % 4; ++k) {
        TieBreak tb = *tieBreakFromCode(offered[(op.c + 7 * k) % size]);
        if (op.d % 4 == 1 &&
            (tb.kind == TieBreakKind::AverageOpponentRating ||
             tb.kind == TieBreakKind::PerformanceRating || tb.kind == TieBreakKind::OwnRating))
            tb.unratedRating = 1000 + op.b;
        if (std::find(list.begin(), list.end(), tb) == list.end())
            list.push_back(tb);
    }
    if (op.d % 3 == 0)
        list.push_back(lot());
    return list;
}

// Operations of the kinds given, each with its weight, and numbers to bring into range.
// Drawn at the nominal size: scaled down with a short session's size, the roll of the kind
// would stop at the first few kinds and never reach the later ones.
inline rc::Gen<Operation> operations(const std::vector<std::pair<int, Operation::Kind>> &kinds)
{
    using namespace rc;
    int total = 0;
    for (const auto &kind : kinds)
        total += kind.first;
    const auto kindOf = [kinds](int roll) {
        for (const auto &[weight, kind] : kinds) {
            if (roll < weight)
                return int(kind);
            roll -= weight;
        }
        return int(kinds.back().second);
    };
    return gen::resize(
        100,
        gen::build<Operation>(gen::set(&Operation::kind, gen::map(gen::inRange(0, total), kindOf)),
                              gen::set(&Operation::a, gen::inRange(0, 1000)),
                              gen::set(&Operation::b, gen::inRange(0, 1000)),
                              gen::set(&Operation::c, gen::inRange(0, 1000)),
                              gen::set(&Operation::d, gen::inRange(0, 1000))));
}

} // namespace krugovik

namespace rc {
template <> struct Arbitrary<krugovik::Operation> {
    static Gen<krugovik::Operation> arbitrary()
    {
        using krugovik::Operation;
        // Results come most often, as they do at the board.
        return krugovik::operations({{12, Operation::Result},
                                     {2, Operation::Withdraw},
                                     {1, Operation::Reinstate},
                                     {1, Operation::Players},
                                     {1, Operation::Cycles},
                                     {1, Operation::Rules},
                                     {2, Operation::Enter},
                                     {2, Operation::Undo},
                                     {1, Operation::Redo}});
    }
};
} // namespace rc

namespace krugovik {

// The operations on either subject: the model alone (no history) or the document.
class Session {
  public:
    virtual ~Session() = default;
    virtual const Tournament &tournament() const = 0;
    virtual void result(const GameKey &key, GameState state) = 0;
    virtual void withdraw(int row, int afterRound) = 0;
    virtual void reinstate(int row) = 0;
    virtual void players(int count) = 0;
    virtual void cycles(int count, bool reverse) = 0;
    virtual void rules(const std::vector<TieBreak> &rules) = 0;
    virtual void enter(int row, const PlayerEntry &player) = 0;
    virtual void undo() {}
    virtual void redo() {}
    virtual void event(const EventDetails &) {}

    // The most cycles a session reaches, and whether the players entered carry identities
    // from the lists.
    int mostCycles = 3;
    bool identities = false;

    void apply(const Operation &op)
    {
        const Tournament &t = tournament();
        const int n = t.playerCount();
        switch (op.kind) {
        case Operation::Result: {
            const int cycle = op.a % t.cycles();
            const int i = op.b % n + 1;
            const int j = (i + op.c % (n - 1)) % n + 1;
            result({cycle, i, j}, static_cast<GameState>(op.d % 6));
            break;
        }
        case Operation::Withdraw:
            if (t.totalRounds() > 1)
                withdraw(op.a % n + 1, op.b % (t.totalRounds() - 1) + 1);
            break;
        case Operation::Reinstate:
            reinstate(op.a % n + 1);
            break;
        case Operation::Players: {
            // Small fields, the sizes at which rounds and withdrawals change most.
            const int count = Tournament::kFewestPlayers + op.a % 6;
            if (t.withdrawalOutside(count, t.cycles()) == 0)
                players(count);
            break;
        }
        case Operation::Cycles: {
            const int count = op.a % mostCycles + 1;
            if (count >= t.lastCycleWithResults() && t.withdrawalOutside(n, count) == 0)
                cycles(count, op.b % 2 == 0);
            break;
        }
        case Operation::Rules:
            rules(rulePresets()[std::size_t(op.a) % rulePresets().size()]);
            break;
        case Operation::Enter: {
            const int row = op.a % n + 1;
            // A name no other row holds, as the window's entry check demands.
            PlayerEntry player{"Игрок " + std::to_string(++m_entered),
                               std::to_string(1000 + op.b),
                               op.c % 3 == 0,
                               op.d % 40 + 1,
                               {}};
            if (identities && op.c % 5 != 1)
                player.identity = identityOf(m_entered, op);
            if (t.checkEntry(row, player).refusal == EntryRefusal::None)
                enter(row, player);
            break;
        }
        case Operation::Undo:
            undo();
            break;
        case Operation::Redo:
            redo();
            break;
        case Operation::Event:
            event(eventOf(op, t.totalRounds()));
            break;
        case Operation::Choice: {
            // The dialog hands back the event's records of earlier changes with the list.
            std::vector<TieBreak> list;
            for (const TieBreak &tb : t.tieBreaks()) {
                if (tb.kind == TieBreakKind::RulesChanged)
                    list.push_back(tb);
            }
            for (const TieBreak &tb : chosenList(op))
                list.push_back(tb);
            rules(list);
            break;
        }
        case Operation::Hand: {
            std::vector<int> order;
            for (int k = 0; k < 1 + op.b % n; ++k)
                order.push_back((op.a + k * (1 + op.c % (n - 1))) % n + 1);
            std::sort(order.begin(), order.end());
            order.erase(std::unique(order.begin(), order.end()), order.end());
            std::rotate(order.begin(), order.begin() + std::ptrdiff_t(op.d % order.size()),
                        order.end());
            rules(withOrderByHand(t.tieBreaks(), order));
            break;
        }
        }
    }

    // A player of the lists: FIDE IDs differ, the rating is his rating cell's or not.
    static PlayerIdentity identityOf(int entered, const Operation &op)
    {
        static const char *const titles[] = {"", "GM", "IM", "FM", "WGM", "CM"};
        static const char *const federations[] = {"RUS", "NOR", "GER", ""};
        PlayerIdentity identity;
        identity.fideId = op.a % 4 == 0 ? 0 : 4100000 + entered;
        identity.federation = federations[op.b % 4];
        identity.title = titles[op.d % 6];
        identity.sex = "MF"[op.a % 2];
        identity.birthYear = op.b % 3 == 0 ? 0 : 1950 + op.d % 60;
        identity.fideRating = op.d % 3 == 0 ? 0 : op.d % 3 == 1 ? 1000 + op.b : 1500 + op.c;
        identity.nationalId = op.c % 4 == 0 ? std::to_string(90000 + entered) : "";
        return identity;
    }

    // What the director tells of the event, in his letters and others'.
    static EventDetails eventOf(const Operation &op, int rounds)
    {
        static const char *const titles[] = {"", "Кубок «Осень» 2026", "Café Open 2026",
                                             "Первенство клуба"};
        static const char *const places[] = {"", "Ёлкино", "Tromsø", "Москва, ЦДШ"};
        EventDetails e;
        e.title = titles[op.a % 4];
        e.place = places[op.b % 4];
        e.federation = op.c % 3 == 0 ? "" : op.c % 3 == 1 ? "RUS" : "NOR";
        e.organiser = op.d % 2 ? "Шахматный клуб «Ладья»" : "";
        if (op.a % 3 != 0) {
            e.startDate = "2026-11-0" + std::to_string(1 + op.b % 9);
            e.endDate = op.c % 2 ? "2026-12-1" + std::to_string(op.d % 10) : "";
        }
        e.chiefArbiter = op.c % 2 ? "Щукин Юрий" : "";
        e.deputyArbiter = op.d % 3 == 1 ? "Müller, Jörg" : "";
        e.timeControl = op.b % 2 ? "90 мин + 30 сек" : "";
        e.kind = static_cast<EventKind>(op.d % 4);
        for (int r = 1; r <= rounds && op.a % 2 == 1; ++r)
            e.roundDates.push_back(r % 3 == 0 ? "" : "2026-11-" + std::to_string(10 + r % 18));
        while (!e.roundDates.empty() && e.roundDates.back().empty())
            e.roundDates.pop_back();
        return e;
    }

  private:
    int m_entered = 0;
};

class ModelSession : public Session {
  public:
    explicit ModelSession(Tournament start) : m_t(std::move(start)) {}
    const Tournament &tournament() const override { return m_t; }
    void result(const GameKey &key, GameState state) override { m_t.setResult(key, state); }
    void withdraw(int row, int afterRound) override { m_t.withdraw(row, afterRound); }
    void reinstate(int row) override { m_t.reinstate(row); }
    void players(int count) override { m_t.setPlayerCount(count); }
    void cycles(int count, bool reverse) override { m_t.setCycles(count, reverse); }
    void rules(const std::vector<TieBreak> &rules) override { m_t.setTieBreaks(rules); }
    void enter(int row, const PlayerEntry &player) override { m_t.enterPlayer(row, player); }
    void event(const EventDetails &details) override { m_t.setEvent(details); }

  private:
    Tournament m_t;
};

// The starting table: five named players with ratings, nothing played.
inline Tournament startingTable()
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(5);
    for (int i = 1; i <= 5; ++i)
        t.enterPlayer(i,
                      {"Старт " + std::to_string(i), std::to_string(1400 + 25 * i), i == 2, i, {}});
    return t;
}

// Everything a reopening must give back, as text.
inline std::string picture(const Tournament &event)
{
    Tournament t = event;
    const TablePicture shown(t);
    std::string out = std::to_string(t.playerCount()) + '/' + std::to_string(t.cycles()) + '/' +
                      (t.reverseLastRounds() ? "R" : "-") + '\n';
    const TableGeometry grid = TableGeometry::of(t);
    for (int r = 1; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (c != 3 && c != 4) // what the header commands chose to show is no content
                out += shown.text(r, c) + '|';
        }
        out += " w" + std::to_string(t.withdrawnAfter(r)) + '\n';
    }
    for (const TieBreak &tb : t.tieBreaks())
        out += fideCode(tb) + ' ';
    // Places and the points they go by, as the standings and the exports count them.
    const TournamentSnapshot s = t.snapshot("T", "");
    for (const TieBreakRow &row : rankByTieBreaks(roundRobinResults(s), placeRules(s)))
        out += std::to_string(row.player) + ':' + placeText(row) + '/' +
               std::to_string(row.points.units()) + ' ';
    return out;
}

} // namespace krugovik
