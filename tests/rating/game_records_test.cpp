#include <gtest/gtest.h>

#include "rating/game_notation.h"
#include "rating/game_records.h"
#include "standings/standings.h"

using namespace krugovik;

namespace {

struct Row {
    const char *cellA;
    const char *cellB;
    const char *captionA; // A named first
    const char *captionB; // B named first
    std::int64_t pointsA, pointsB; // ten-thousandths
    int played;
};

// One game from both sides, as the whole system notes it.
const Row kTable[] = {
    {"1", "0", "1:0", "0:1", 10000, 0, 1},
    {"0", "1", "0:1", "1:0", 0, 10000, 1},
    {"0.5", "0.5", "0,5-0,5", "0,5-0,5", 5000, 5000, 1},
    {"+", "-", "+ -", "- +", 0, 0, 0},
    {"-", "+", "- +", "+ -", 0, 0, 0},
    {"", "", "", "", 0, 0, 0},
};

class Notation : public ::testing::TestWithParam<Row> {};

TEST_P(Notation, BothSidesOfAGameAgreeWhicheverCellIsRecorded)
{
    const Row &row = GetParam();
    const auto a = stateFromCellText(row.cellA);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(cellText(mirrored(*a)), row.cellB);
    EXPECT_EQ(caption(*a), row.captionA);
    EXPECT_EQ(caption(mirrored(*a)), row.captionB);
    EXPECT_EQ(stateFromCaption(row.captionA), a);

    GameRecords fromA;
    recordGame(fromA, 3, 5, *a, 1650, 1500);
    GameRecords fromB;
    recordGame(fromB, 5, 3, mirrored(*a), 1500, 1650);
    for (const GameRecords *records : {&fromA, &fromB}) {
        EXPECT_EQ(records->results[3][5], row.cellA);
        EXPECT_EQ(records->results[5][3], row.cellB);
        EXPECT_EQ(records->points[3][5].units(), row.pointsA);
        EXPECT_EQ(records->points[5][3].units(), row.pointsB);
        EXPECT_EQ(records->played[3][5], row.played);
        EXPECT_EQ(records->played[5][3], row.played);
        EXPECT_EQ(records->opponentRating[3][5], row.played ? 1650 : 0);
        EXPECT_EQ(records->opponentRating[5][3], row.played ? 1500 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(SixStates, Notation, ::testing::ValuesIn(kTable));

TEST(Notation, TextsOutsideTheSixAreNoResult)
{
    for (const char *text : {"2", " 1", "1 ", "0,5", ".5", "x", "+ -"})
        EXPECT_FALSE(stateFromCellText(text).has_value()) << text;
    EXPECT_FALSE(stateFromCaption("1-0").has_value());
}

TEST(Notation, TheEntryCycleVisitsEveryStateOnce)
{
    const char *expected[] = {"1", "0", "0.5", "+", "-", ""};
    GameState state = GameState::None;
    for (const char *text : expected) {
        state = nextInCycle(state);
        EXPECT_EQ(cellText(state), text);
    }
}

TEST(GameRecords, ARatedResultChangedToAForfeitClearsTheGame)
{
    GameRecords records;
    recordGame(records, 1, 2, GameState::Win, 1800, 1700);
    recordGame(records, 1, 2, GameState::ForfeitWin, 1800, 1700);
    EXPECT_EQ(records.played[1][2], 0);
    EXPECT_EQ(records.played[2][1], 0);
    EXPECT_EQ(records.points[1][2], kZero);
    EXPECT_EQ(records.opponentRating[1][2], 0);
    EXPECT_EQ(records.opponentRating[2][1], 0);
    EXPECT_EQ(records.results[2][1], "-");
}

TEST(GameRecords, PlayerNumbersOutsideTheTableRecordNothing)
{
    GameRecords records;
    recordGame(records, 0, 2, GameState::Win, 1, 1);
    recordGame(records, 23, 2, GameState::Win, 1, 1);
    recordGame(records, 4, 4, GameState::Win, 1, 1);
    for (const auto &row : records.played)
        for (const auto played : row)
            EXPECT_EQ(played, 0);
}

TEST(Standings, PointsCountForfeitsAndBergerTakesShares)
{
    GameRecords records;
    // 1 beat 2, 2 beat 3, 1 drew 3.
    recordGame(records, 1, 2, GameState::Win, 0, 0);
    recordGame(records, 2, 3, GameState::Win, 0, 0);
    recordGame(records, 1, 3, GameState::Draw, 0, 0);
    std::vector<Fixed> points(4);
    for (int i = 1; i <= 3; ++i)
        points[i] = playerPoints(records, i, 3);
    EXPECT_EQ(points[1].units(), 15000);
    EXPECT_EQ(points[2].units(), 10000);
    EXPECT_EQ(points[3].units(), 5000);
    EXPECT_EQ(bergerCoefficient(records, 1, points).units(), 12500);
    EXPECT_EQ(bergerCoefficient(records, 2, points).units(), 5000);
    EXPECT_EQ(bergerCoefficient(records, 3, points).units(), 7500);

    recordGame(records, 2, 3, GameState::ForfeitWin, 0, 0);
    EXPECT_EQ(playerPoints(records, 2, 3).units(), 10000); // a forfeit win counts as a win
    EXPECT_EQ(bergerCoefficient(records, 2, points).units(), 5000);
    // Players beyond the count are not looked at.
    EXPECT_EQ(playerPoints(records, 1, 1), kZero);
}

} // namespace
