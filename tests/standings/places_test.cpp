#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/number_text.h"
#include "rating/game_records.h"
#include "standings/places.h"
#include "support/game_list.h"

using namespace krugovik;
using testing_support::Game;
using testing_support::recordsOf;

namespace {

// Expected line of the standings: table number and place text.
struct Line {
    int player;
    std::string place;
    bool operator==(const Line &) const = default;
};

struct PlacesCase {
    std::string name;
    int playerCount;
    std::vector<Game> games;
    std::vector<Line> expected; // in place order
};

void PrintTo(const Line &line, std::ostream *out)
{
    *out << line.player << ":" << line.place;
}

void PrintTo(const PlacesCase &c, std::ostream *out)
{
    *out << c.name;
}

constexpr GameState W = GameState::Win;
constexpr GameState D = GameState::Draw;
constexpr GameState FW = GameState::ForfeitWin;

const PlacesCase kCases[] = {
    {"BergerSplitsEqualPoints",
     4,
     // 1 and 2 have 2 points, Berger 3 and 2; 4 (Berger 2) ranks above 3 (Berger 1)
     // although 3 beat 4.
     {{1, 2, W}, {1, 3, W}, {4, 1, W}, {2, 3, W}, {2, 4, W}, {3, 4, W}},
     {{1, "1"}, {2, "2"}, {4, "3"}, {3, "4"}}},
    {"TheirGameSplitsEqualPointsAndBerger",
     4,
     // 1, 2, 3 have a point each; 1 and 2 also Berger 1, 3 only 0.
     {{2, 1, GameState::Loss}, {2, 3, W}, {3, 4, W}},
     {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}}},
    {"AForfeitWinCountsInTheirGame",
     4,
     {{1, 2, FW}, {2, 3, W}, {3, 4, W}},
     {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}}},
    {"ACycleIsSplitByWins",
     5,
     // 1, 2, 3 beat each other in a cycle and end on 2 points and Berger 2.5 each; 1
     // got his other point from two draws, 2 and 3 from a win. 4 and 5 have not met.
     {{1, 2, W}, {2, 3, W}, {3, 1, W}, {1, 4, D}, {1, 5, D}, {2, 4, W}, {3, 5, W}},
     {{2, "1-2"}, {3, "1-2"}, {1, "3"}, {4, "4-5"}, {5, "4-5"}}},
    {"ACycleEqualInWinsSharesThePlace",
     4,
     {{1, 2, W}, {1, 3, W}, {1, 4, W}, {2, 3, W}, {3, 4, W}, {4, 2, W}},
     {{1, "1"}, {2, "2-4"}, {3, "2-4"}, {4, "2-4"}}},
    {"AGameWithoutResultSkipsTheirGames",
     5,
     // 1, 2, 3 have a point and Berger 1 each; 1 beat 2 and 2 beat 3, but 1 and 3 have
     // not played, so their games decide nothing and the equal wins leave them sharing.
     {{1, 2, W}, {2, 3, W}, {3, 4, W}, {4, 5, W}},
     {{1, "1-3"}, {2, "1-3"}, {3, "1-3"}, {4, "4"}, {5, "5"}}},
    {"EveryoneEqualAtZero", 3, {}, {{1, "1-3"}, {2, "1-3"}, {3, "1-3"}}},
    {"ADrawAmongTiedPlayersDecidesNothing",
     3,
     {{1, 2, D}, {1, 3, D}, {2, 3, D}},
     {{1, "1-3"}, {2, "1-3"}, {3, "1-3"}}},
};

class Places : public ::testing::TestWithParam<PlacesCase> {};

TEST_P(Places, RanksAsADirectorWould)
{
    const PlacesCase &c = GetParam();
    std::vector<Line> lines;
    for (const PlaceRow &row : rankPlayers(recordsOf(c.games), c.playerCount))
        lines.push_back({row.player, placeText(row)});
    EXPECT_EQ(lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Places, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return info.param.name; });

TEST(Places, RowsCarryFreshPointsBergerAndWins)
{
    GameRecords records;
    // 1 beat 2, 2 beat 3, 1 drew 3: points 1.5, 1, 0.5; Berger 1.25, 0.5, 0.75.
    recordGame(records, 1, 2, W, 1500, 1500);
    recordGame(records, 2, 3, W, 1500, 1500);
    recordGame(records, 3, 1, D, 1500, 1500);
    const std::vector<PlaceRow> rows = rankPlayers(records, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(formatDisplay(rows[0].points), " 1.5");
    EXPECT_EQ(formatDisplay(rows[0].berger), " 1.25");
    EXPECT_EQ(rows[0].wins, 1);
    EXPECT_EQ(formatDisplay(rows[2].points), " .5");
    EXPECT_EQ(formatDisplay(rows[2].berger), " .75");
    EXPECT_EQ(rows[2].wins, 0);
}

TEST(Places, OnlyTheTablesPlayersCount)
{
    GameRecords records;
    // A game against a row beyond the table, left from a larger table, counts for no one.
    recordGame(records, 3, 4, GameState::Loss, 1500, 1500);
    recordGame(records, 1, 2, W, 1500, 1500);
    const std::vector<PlaceRow> rows = rankPlayers(records, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].player, 1);
    EXPECT_EQ(placeText(rows[1]), "2-3");
    EXPECT_EQ(placeText(rows[2]), "2-3");
}

} // namespace
