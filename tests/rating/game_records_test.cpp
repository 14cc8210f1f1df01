#include <gtest/gtest.h>

#include "rating/game_notation.h"
#include "rating/game_records.h"

using namespace krugovik;

namespace {

// The arrays of one game between players 3 and 5, from 3's side.
struct RecordRow {
    GameState stateOf3;
    const char *result3, *result5;
    std::int64_t points3, points5; // ten-thousandths
    int played;
};

class Recording : public ::testing::TestWithParam<RecordRow> {};

TEST_P(Recording, EitherCellOfAGameGivesTheSameArrays)
{
    const RecordRow &row = GetParam();
    GameRecords from3;
    recordGame(from3, 3, 5, row.stateOf3, 1650, 1500);
    GameRecords from5;
    recordGame(from5, 5, 3, mirrored(row.stateOf3), 1500, 1650);
    for (const GameRecords *records : {&from3, &from5}) {
        EXPECT_EQ(records->results[3][5], row.result3);
        EXPECT_EQ(records->results[5][3], row.result5);
        EXPECT_EQ(records->state(3, 5), row.stateOf3);
        EXPECT_EQ(records->points[3][5].units(), row.points3);
        EXPECT_EQ(records->points[5][3].units(), row.points5);
        EXPECT_EQ(records->played[3][5], row.played);
        EXPECT_EQ(records->played[5][3], row.played);
        EXPECT_EQ(records->opponentRating[3][5], row.played ? 1650 : 0);
        EXPECT_EQ(records->opponentRating[5][3], row.played ? 1500 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(SixStates, Recording,
                         ::testing::Values(RecordRow{GameState::Win, "1", "0", 10000, 0, 1},
                                           RecordRow{GameState::Loss, "0", "1", 0, 10000, 1},
                                           RecordRow{GameState::Draw, "0.5", "0.5", 5000, 5000, 1},
                                           RecordRow{GameState::ForfeitWin, "+", "-", 0, 0, 0},
                                           RecordRow{GameState::ForfeitLoss, "-", "+", 0, 0, 0},
                                           RecordRow{GameState::None, "", "", 0, 0, 0}));

TEST(GameRecords, ALaterResultReplacesTheEarlierOne)
{
    GameRecords records;
    recordGame(records, 1, 2, GameState::Win, 1800, 1700);
    recordGame(records, 2, 1, GameState::ForfeitWin, 1700, 1800);
    EXPECT_EQ(records.results[1][2], "-");
    EXPECT_EQ(records.results[2][1], "+");
    EXPECT_EQ(records.played[1][2], 0);
    EXPECT_EQ(records.played[2][1], 0);
    EXPECT_EQ(records.points[1][2], kZero);
    EXPECT_EQ(records.opponentRating[1][2], 0);
    EXPECT_EQ(records.opponentRating[2][1], 0);
}

TEST(GameRecords, RatingsBeyondSixteenBitsAreKept)
{
    GameRecords records;
    recordGame(records, 1, 22, GameState::Draw, 40000, -40000);
    EXPECT_EQ(records.opponentRating[1][22], 40000);
    EXPECT_EQ(records.opponentRating[22][1], -40000);
}

TEST(GameRecords, PlayerNumbersOutsideTheTableRecordNothing)
{
    GameRecords records;
    recordGame(records, 0, 2, GameState::Win, 1, 1);
    recordGame(records, 23, 2, GameState::Win, 1, 1);
    recordGame(records, 2, -1, GameState::Win, 1, 1);
    recordGame(records, 4, 4, GameState::Win, 1, 1);
    for (const auto &row : records.results)
        for (const std::string &result : row)
            EXPECT_EQ(result, "");
    EXPECT_EQ(records.state(0, 2), GameState::None);
    EXPECT_EQ(records.state(2, 23), GameState::None);
}

TEST(GameRecords, ClearEmptiesEveryArray)
{
    GameRecords records;
    recordGame(records, 1, 2, GameState::Win, 1800, 1700);
    recordGame(records, 21, 22, GameState::Draw, 1800, 1700);
    records.clear();
    for (int i = 0; i <= kMaxTablePlayers; ++i) {
        for (int j = 0; j <= kMaxTablePlayers; ++j) {
            EXPECT_EQ(records.results[i][j], "");
            EXPECT_EQ(records.points[i][j], kZero);
            EXPECT_EQ(records.played[i][j], 0);
            EXPECT_EQ(records.opponentRating[i][j], 0);
        }
    }
}

} // namespace
