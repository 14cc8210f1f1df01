#include "table/event_rules.h"

#include <algorithm>

namespace krugovik {
namespace {

bool isChangeRecord(const TieBreak &tb)
{
    return tb.kind == TieBreakKind::RulesChanged;
}

// The tie-breaks the places go by: the list without its change records, else the default.
std::vector<TieBreak> inForce(const std::vector<TieBreak> &list)
{
    std::vector<TieBreak> rules = withoutChangeRecords(list);
    return rules.empty() ? classicTieBreaks() : rules;
}

// The list in force as a change record names it: its codes in a TRF's 202.
std::string recordedCodes(const std::vector<TieBreak> &list)
{
    std::string codes;
    for (const TieBreak &tb : inForce(list)) {
        if (declaredInTrf(tb))
            codes += (codes.empty() ? "" : " ") + fideCode(tb);
    }
    return codes.empty() ? std::string(kPointsOnly) : codes;
}

// `chosen` is what «Порядок при равенстве» makes of `now`: the same rules, another order.
bool onlyOrderByHand(const std::vector<TieBreak> &now, const std::vector<TieBreak> &chosen)
{
    const auto hand = std::find_if(chosen.begin(), chosen.end(), [](const TieBreak &tb) {
        return tb.kind == TieBreakKind::ByHand;
    });
    return hand != chosen.end() &&
           withoutChangeRecords(withOrderByHand(now, hand->order)) == withoutChangeRecords(chosen);
}

} // namespace

std::vector<TieBreak> rulesForPlayers(std::vector<TieBreak> list, int playerCount)
{
    for (TieBreak &tb : list) {
        if (tb.kind != TieBreakKind::ByHand)
            continue;
        std::vector<int> kept;
        for (const int player : tb.order) {
            if (player >= 1 && player <= playerCount &&
                std::find(kept.begin(), kept.end(), player) == kept.end())
                kept.push_back(player);
        }
        tb.order = std::move(kept);
    }
    std::erase_if(list, [](const TieBreak &tb) {
        return (tb.kind == TieBreakKind::ByHand && tb.order.size() < 2) ||
               (isChangeRecord(tb) && (tb.previous.empty() || tb.afterRound < 1));
    });
    return list;
}

int ruleChangeRound(const std::vector<TieBreak> &now, const std::vector<TieBreak> &chosen,
                    int lastRound)
{
    if (lastRound < 1 || onlyOrderByHand(now, chosen))
        return 0;
    return inForce(now) != inForce(chosen) ? lastRound : 0;
}

std::vector<TieBreak> chosenRules(const std::vector<TieBreak> &now, std::vector<TieBreak> chosen,
                                  int lastRound, int playerCount)
{
    std::vector<TieBreak> list;
    std::copy_if(now.begin(), now.end(), std::back_inserter(list), isChangeRecord);
    if (const int round = ruleChangeRound(now, chosen, lastRound); round > 0) {
        TieBreak change{TieBreakKind::RulesChanged};
        change.afterRound = round;
        change.previous = recordedCodes(now);
        list.push_back(change);
    }
    for (TieBreak &tb : withoutChangeRecords(chosen))
        list.push_back(std::move(tb));
    return rulesForPlayers(std::move(list), playerCount);
}

std::vector<TieBreak> withOrderByHand(const std::vector<TieBreak> &list, std::vector<int> order)
{
    std::vector<TieBreak> out;
    for (const TieBreak &tb : list) {
        if (tb.kind != TieBreakKind::ByHand)
            out.push_back(tb);
    }
    if (withoutChangeRecords(out).empty()) {
        for (const TieBreak &tb : classicTieBreaks())
            out.push_back(tb);
    }
    if (order.size() < 2)
        return out;
    TieBreak hand{TieBreakKind::ByHand};
    hand.order = std::move(order);
    const auto lot = std::find_if(out.begin(), out.end(),
                                  [](const TieBreak &tb) { return tb.kind == TieBreakKind::Lot; });
    out.insert(lot, hand);
    return out;
}

std::vector<TieBreak> renumberedRules(std::vector<TieBreak> list, const std::vector<int> &order)
{
    for (TieBreak &tb : list) {
        if (tb.kind != TieBreakKind::ByHand)
            continue;
        for (int &player : tb.order) {
            const auto to = std::find(order.begin(), order.end(), player - 1);
            if (to != order.end())
                player = int(to - order.begin()) + 1;
        }
    }
    return list;
}

} // namespace krugovik
