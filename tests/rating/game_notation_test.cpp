#include <gtest/gtest.h>

#include <set>

#include "rating/game_notation.h"

using namespace krugovik;

namespace {

// One state as every part of the system writes and reads it.
struct NotationRow {
    const char *name;
    GameState state;
    const char *cell;
    const char *mirrorCell;
    const char *caption;       // this side named first
    const char *mirrorCaption; // the opponent named first
    bool rated;
    std::int64_t ratedUnits;    // ten-thousandths
    std::int64_t standingUnits; // ten-thousandths
    int bergerHalves;
};

class Notation : public ::testing::TestWithParam<NotationRow> {};

TEST_P(Notation, ReadsTheSameFromTextCaptionAndEitherSide)
{
    const NotationRow &row = GetParam();
    EXPECT_EQ(stateFromCellText(row.cell), row.state);
    EXPECT_EQ(stateFromCaption(row.caption), row.state);
    EXPECT_EQ(cellText(row.state), row.cell);
    EXPECT_EQ(cellText(mirrored(row.state)), row.mirrorCell);
    EXPECT_EQ(caption(row.state), row.caption);
    EXPECT_EQ(caption(mirrored(row.state)), row.mirrorCaption);
    EXPECT_EQ(mirrored(mirrored(row.state)), row.state);
    EXPECT_EQ(isRated(row.state), row.rated);
    EXPECT_EQ(isRated(mirrored(row.state)), row.rated);
    EXPECT_EQ(ratedPoints(row.state).units(), row.ratedUnits);
    EXPECT_EQ(standingPoints(row.state).units(), row.standingUnits);
    EXPECT_EQ(bergerHalves(row.state), row.bergerHalves);
}

INSTANTIATE_TEST_SUITE_P(
    SixStates, Notation,
    ::testing::Values(
        NotationRow{"Win", GameState::Win, "1", "0", "1:0", "0:1", true, 10000, 10000, 2},
        NotationRow{"Loss", GameState::Loss, "0", "1", "0:1", "1:0", true, 0, 0, 0},
        NotationRow{"Draw", GameState::Draw, "0.5", "0.5", "0,5-0,5", "0,5-0,5", true, 5000, 5000,
                    1},
        NotationRow{"ForfeitWin", GameState::ForfeitWin, "+", "-", "+ -", "- +", false, 0, 10000,
                    2},
        NotationRow{"ForfeitLoss", GameState::ForfeitLoss, "-", "+", "- +", "+ -", false, 0, 0, 0},
        NotationRow{"None", GameState::None, "", "", "", "", false, 0, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Notation, TextsOutsideTheSixAreNoResult)
{
    for (const char *text : {"2", " 1", "1 ", "0,5", ".5", "0.50", "x", "+ -", " "})
        EXPECT_FALSE(stateFromCellText(text).has_value()) << '"' << text << '"';
    for (const char *text : {"1-0", "1:0 ", "0.5-0.5", "+-", "0,5:0,5", "1"})
        EXPECT_FALSE(stateFromCaption(text).has_value()) << '"' << text << '"';
}

TEST(Notation, TheEntryCycleVisitsEveryStateOnceAndReturns)
{
    const char *expected[] = {"1", "0", "0.5", "+", "-", ""};
    std::set<GameState> seen;
    GameState state = GameState::None;
    for (const char *text : expected) {
        state = nextInCycle(state);
        EXPECT_EQ(cellText(state), text);
        seen.insert(state);
    }
    EXPECT_EQ(state, GameState::None);
    EXPECT_EQ(seen.size(), 6u);
}

} // namespace
