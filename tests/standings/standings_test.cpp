#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/number_text.h"
#include "rating/game_records.h"
#include "standings/standings.h"
#include "support/game_list.h"

using namespace krugovik;
using testing_support::Game;
using testing_support::recordsOf;

namespace {

// Column 4 as the crosstable shows it: points, then Berger coefficients from those points.
struct Column {
    std::vector<std::string> points;
    std::vector<std::string> berger;
};

Column columnOf(const GameRecords &records, int playerCount)
{
    Column column;
    std::vector<Fixed> shown(std::size_t(playerCount) + 1);
    for (int i = 1; i <= playerCount; ++i) {
        column.points.push_back(formatDisplay(playerPoints(records, i, playerCount)));
        shown[std::size_t(i)] = readFixed(column.points.back());
    }
    for (int i = 1; i <= playerCount; ++i)
        column.berger.push_back(formatDisplay(bergerCoefficient(records, i, shown)));
    return column;
}

using Texts = std::vector<std::string>;

TEST(Standings, ThreePlayers)
{
    // 1 beat 2, 2 beat 3, 1 drew 3.
    const GameRecords records =
        recordsOf({{1, 2, GameState::Win}, {2, 3, GameState::Win}, {3, 1, GameState::Draw}});
    const Column column = columnOf(records, 3);
    EXPECT_EQ(column.points, (Texts{" 1.5", " 1", " .5"}));
    EXPECT_EQ(column.berger, (Texts{" 1.25", " .5", " .75"}));
}

TEST(Standings, ForfeitsCountLikeWinsAndLosses)
{
    const GameRecords played =
        recordsOf({{1, 2, GameState::Win}, {2, 3, GameState::Win}, {3, 1, GameState::Draw}});
    const GameRecords forfeited = recordsOf(
        {{1, 2, GameState::ForfeitWin}, {3, 2, GameState::ForfeitLoss}, {3, 1, GameState::Draw}});
    const Column a = columnOf(played, 3);
    const Column b = columnOf(forfeited, 3);
    EXPECT_EQ(a.points, b.points);
    EXPECT_EQ(a.berger, b.berger);
}

TEST(Standings, EveryKindOfResultInOneRow)
{
    // Player 1: a win, a draw, a forfeit loss, a forfeit win, and one game not played.
    const GameRecords records = recordsOf({{1, 2, GameState::Win},
                                           {1, 3, GameState::Draw},
                                           {1, 4, GameState::ForfeitLoss},
                                           {1, 5, GameState::ForfeitWin},
                                           {6, 2, GameState::Draw}});
    const Column column = columnOf(records, 6);
    EXPECT_EQ(column.points, (Texts{" 2.5", " .5", " .5", " 1", " 0", " .5"}));
    // 1: 2's .5 whole, 3's .5 half, 5's 0 whole; 6: 2's .5 half.
    EXPECT_EQ(column.berger, (Texts{" .75", " .25", " 1.25", " 2.5", " 0", " .25"}));
}

TEST(Standings, NoResultsGiveZeroEverywhere)
{
    const Column column = columnOf(GameRecords{}, 4);
    EXPECT_EQ(column.points, (Texts{" 0", " 0", " 0", " 0"}));
    EXPECT_EQ(column.berger, (Texts{" 0", " 0", " 0", " 0"}));
}

TEST(Standings, OnlyPlayersUpToTheCountAreLookedAt)
{
    const GameRecords records = recordsOf({{1, 2, GameState::Win}, {1, 4, GameState::Win}});
    EXPECT_EQ(playerPoints(records, 1, 3), kOne);
    EXPECT_EQ(playerPoints(records, 1, 1), kZero);
    const std::vector<Fixed> shown = {kZero, kZero, kOne, kOne};
    EXPECT_EQ(bergerCoefficient(records, 1, shown), kOne);
}

TEST(Standings, HalvesOfShownPointsRoundTermByTerm)
{
    // Each draw halves an odd count of ten-thousandths: .00015 gives .0002, twice.
    const GameRecords records = recordsOf({{1, 2, GameState::Draw}, {1, 3, GameState::Draw}});
    const std::vector<Fixed> shown = {kZero, kZero, Fixed::fromUnits(3), Fixed::fromUnits(3)};
    EXPECT_EQ(bergerCoefficient(records, 1, shown).units(), 4);
}

TEST(Standings, HandEditedHugePointsAreHeldAtTheLimit)
{
    const GameRecords records = recordsOf({{1, 2, GameState::Win}, {1, 3, GameState::Draw}});
    const std::vector<Fixed> huge = {kZero, kZero, Fixed::fromUnits(INT64_MAX),
                                     Fixed::fromUnits(INT64_MIN)};
    EXPECT_EQ(bergerCoefficient(records, 1, huge), Fixed::fromInt(kShownPointsLimit / 2));
}

} // namespace
