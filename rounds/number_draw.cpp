#include "rounds/number_draw.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "common/escaped_field.h"
#include "common/split_mix.h"

namespace krugovik {
namespace {

constexpr char kClubSeparator = '|';

// C.05 Annex 2, point 5: the sets A, B, C and D for 10, 12, … 24 players.
const std::map<int, std::array<std::vector<int>, 4>> &varmaTable()
{
    static const std::map<int, std::array<std::vector<int>, 4>> table = {
        {10, {{{3, 4, 8}, {5, 7, 9}, {1, 6}, {2, 10}}}},
        {12, {{{4, 5, 9, 10}, {1, 2, 7}, {6, 8, 12}, {3, 11}}}},
        {14, {{{4, 5, 6, 11, 12}, {1, 2, 8, 9}, {7, 10, 13}, {3, 14}}}},
        {16, {{{5, 6, 7, 12, 13, 14}, {1, 2, 3, 9, 10}, {8, 11, 15}, {4, 16}}}},
        {18, {{{5, 6, 7, 8, 14, 15, 16}, {1, 2, 3, 10, 11, 12}, {9, 13, 17}, {4, 18}}}},
        {20, {{{6, 7, 8, 9, 15, 16, 17, 18}, {1, 2, 3, 11, 12, 13, 14}, {5, 10, 19}, {4, 20}}}},
        {22,
         {{{6, 7, 8, 9, 10, 17, 18, 19, 20}, {1, 2, 3, 4, 12, 13, 14, 15}, {11, 16, 21}, {5, 22}}}},
        {24,
         {{{6, 7, 8, 9, 10, 11, 19, 20, 21, 22},
           {1, 2, 3, 4, 13, 14, 15, 16, 17},
           {12, 18, 23},
           {5, 24}}}},
    };
    return table;
}

int titleRank(const std::string &title)
{
    static const std::array<const char *, 8> order = {"GM",  "IM", "WGM", "FM",
                                                      "WIM", "CM", "WFM", "WCM"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (title == order[i])
            return int(order.size() - i);
    }
    return 0;
}

} // namespace

std::string drawRecordText(const DrawRecord &record)
{
    switch (record.method) {
    case DrawMethod::Lot:
        return "LOT " + std::to_string(record.seed);
    case DrawMethod::Varma: {
        std::string text =
            "VARMA " + std::to_string(record.seed) + (record.byClub ? " CLUB" : " FED");
        if (record.byClub && !record.clubs.empty()) {
            text += ' ';
            for (std::size_t k = 0; k < record.clubs.size(); ++k)
                text += (k > 0 ? std::string(1, kClubSeparator) : std::string()) +
                        escapedField(record.clubs[k], kClubSeparator);
        }
        return text;
    }
    case DrawMethod::Rating:
        return "RATING";
    case DrawMethod::ByHand:
        break;
    }
    return "HAND";
}

std::optional<DrawRecord> readDrawRecord(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        words.push_back(text.substr(0, blank));
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    const auto seedOf = [](std::string_view digits) -> std::optional<std::uint64_t> {
        if (digits.empty() || digits.size() > 19 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        return std::stoull(std::string(digits));
    };
    DrawRecord record;
    if (words.size() == 1 && words[0] == "RATING") {
        record.method = DrawMethod::Rating;
        return record;
    }
    if (words.size() == 1 && words[0] == "HAND") {
        record.method = DrawMethod::ByHand;
        return record;
    }
    if (words.size() == 2 && words[0] == "LOT") {
        if (const auto seed = seedOf(words[1])) {
            record.seed = *seed;
            return record;
        }
    }
    if ((words.size() == 3 || (words.size() == 4 && words[2] == "CLUB")) && words[0] == "VARMA" &&
        (words[2] == "FED" || words[2] == "CLUB")) {
        if (const auto seed = seedOf(words[1])) {
            record.method = DrawMethod::Varma;
            record.seed = *seed;
            record.byClub = words[2] == "CLUB";
            std::string_view clubs = words.size() == 4 ? words[3] : std::string_view();
            while (words.size() == 4) {
                const std::size_t bar = clubs.find(kClubSeparator);
                std::string club;
                if (!unescapedField(clubs.substr(0, bar), club))
                    return std::nullopt;
                record.clubs.push_back(std::move(club));
                if (bar == std::string_view::npos)
                    break;
                clubs.remove_prefix(bar + 1);
            }
            return record;
        }
    }
    return std::nullopt;
}

std::vector<int> drawByLot(int n, std::uint64_t seed)
{
    std::vector<int> order(std::size_t(std::max(n, 0)));
    std::iota(order.begin(), order.end(), 0);
    SplitMix random(seed);
    // Fisher and Yates: every order equally likely.
    for (int i = n - 1; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(random.below(i + 1))]);
    return order;
}

std::vector<int> drawByRating(const std::vector<DrawEntrant> &players)
{
    std::vector<int> order(players.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const DrawEntrant &x = players[std::size_t(a)];
        const DrawEntrant &y = players[std::size_t(b)];
        if (x.rating != y.rating)
            return x.rating > y.rating;
        if (titleRank(x.title) != titleRank(y.title))
            return titleRank(x.title) > titleRank(y.title);
        return x.name < y.name;
    });
    return order;
}

std::array<std::vector<int>, 4> varmaGroups(int n)
{
    if (n < kFewestVarmaPlayers || n > kMostVarmaPlayers)
        return {};
    const int even = n + n % 2;
    std::array<std::vector<int>, 4> groups = varmaTable().at(even);
    // An odd count plays without the highest number, the bye of the Berger table.
    for (std::vector<int> &group : groups)
        group.erase(std::remove(group.begin(), group.end(), even == n ? 0 : even), group.end());
    return groups;
}

std::optional<std::vector<int>> drawByVarma(const std::vector<DrawEntrant> &players,
                                            std::uint64_t seed)
{
    const int n = int(players.size());
    if (n < kFewestVarmaPlayers || n > kMostVarmaPlayers)
        return std::nullopt;
    // The contingents; a player without a group is one of his own.
    std::map<std::string, std::vector<int>> byGroup;
    for (int i = 0; i < n; ++i) {
        const std::string &group = players[std::size_t(i)].group;
        byGroup[group.empty() ? "\x7f" + std::to_string(i) : group].push_back(i);
    }
    std::vector<std::pair<std::string, std::vector<int>>> contingents(byGroup.begin(),
                                                                      byGroup.end());
    // 2: the largest first, equal ones in the order of their codes (the map's order).
    std::stable_sort(contingents.begin(), contingents.end(), [](const auto &a, const auto &b) {
        return a.second.size() > b.second.size();
    });
    for (auto &[code, members] : contingents) {
        std::stable_sort(members.begin(), members.end(), [&](int a, int b) {
            return players[std::size_t(a)].name < players[std::size_t(b)].name;
        });
    }

    std::array<std::vector<int>, 4> envelopes = varmaGroups(n);
    SplitMix random(seed);
    std::vector<int> order(std::size_t(n), -1);
    for (const auto &[code, members] : contingents) {
        std::size_t next = 0;
        while (next < members.size()) {
            const std::size_t wanted = members.size() - next;
            // 3: an envelope with enough numbers for the whole contingent, chosen by lot;
            // failing one, the fullest.
            std::vector<std::size_t> fitting;
            for (std::size_t e = 0; e < envelopes.size(); ++e) {
                if (envelopes[e].size() >= wanted)
                    fitting.push_back(e);
            }
            std::size_t chosen = 0;
            if (!fitting.empty()) {
                chosen = fitting[std::size_t(random.below(int(fitting.size())))];
            } else {
                for (std::size_t e = 1; e < envelopes.size(); ++e) {
                    if (envelopes[e].size() > envelopes[chosen].size())
                        chosen = e;
                }
            }
            std::vector<int> &numbers = envelopes[chosen];
            while (next < members.size() && !numbers.empty()) {
                const std::size_t pick = std::size_t(random.below(int(numbers.size())));
                order[std::size_t(numbers[pick] - 1)] = members[next++];
                numbers.erase(numbers.begin() + std::ptrdiff_t(pick));
            }
        }
    }
    return order;
}

} // namespace krugovik
