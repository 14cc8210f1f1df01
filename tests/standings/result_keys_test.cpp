#include <gtest/gtest.h>

#include "rating/game_notation.h"
#include "standings/result_keys.h"

using namespace krugovik;

namespace {

struct KeyCase {
    const char *title;
    std::string_view key;
    bool gameCell;
    CellKeyAction action;
    std::string_view resultText; // the cell text a SetResult key leads to
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    *out << c.title;
}

class ResultKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ResultKeys, KeyMeansWhatTheDirectorReads)
{
    const KeyCase &c = GetParam();
    const CellKey meaning = cellKey(c.key, c.gameCell);
    EXPECT_EQ(meaning.action, c.action);
    if (c.action == CellKeyAction::SetResult) {
        EXPECT_EQ(cellText(meaning.result), c.resultText);
    }
}

using enum CellKeyAction;

INSTANTIATE_TEST_SUITE_P(
    KeyEntry, ResultKeys,
    ::testing::Values(KeyCase{"one_wins", "1", true, SetResult, "1"},
                      KeyCase{"zero_loses", "0", true, SetResult, "0"},
                      KeyCase{"five_draws", "5", true, SetResult, "0.5"},
                      KeyCase{"equals_draws", "=", true, SetResult, "0.5"},
                      KeyCase{"plus_wins_by_forfeit", "+", true, SetResult, "+"},
                      KeyCase{"minus_loses_by_forfeit", "-", true, SetResult, "-"},
                      KeyCase{"delete_clears", kKeyDelete, true, SetResult, ""},
                      KeyCase{"backspace_clears", kKeyBackspace, true, SetResult, ""},
                      KeyCase{"space_steps_as_a_click", kKeySpace, true, Click, ""},
                      KeyCase{"enter_does_nothing_on_a_game", kKeyEnter, true, Nothing, ""},
                      KeyCase{"other_digits_do_nothing", "2", true, Nothing, ""},
                      KeyCase{"letters_do_nothing", "x", true, Nothing, ""},
                      KeyCase{"a_point_does_nothing", ".", true, Nothing, ""},
                      KeyCase{"enter_clicks_elsewhere", kKeyEnter, false, Click, ""},
                      KeyCase{"space_clicks_elsewhere", kKeySpace, false, Click, ""},
                      KeyCase{"results_only_on_games", "1", false, Nothing, ""},
                      KeyCase{"delete_only_on_games", kKeyDelete, false, Nothing, ""}),
    [](const auto &info) { return std::string(info.param.title); });

} // namespace
