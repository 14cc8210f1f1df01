#include <gtest/gtest.h>

#include "rating/title_norms.h"

using namespace krugovik;

namespace {

// A round robin written as a crosstable: row i holds player i's side of each game, '1' a
// win, '0' a loss, '=' a draw, '+' and '-' forfeits, '.' a game still to play, 'x' himself.
FideEvent roundRobin(std::vector<FidePlayer> players, const std::vector<std::string> &rows)
{
    FideEvent event;
    event.year = 2026;
    event.players = std::move(players);
    const int n = int(event.players.size());
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const char c = rows[std::size_t(i)][std::size_t(j)];
            FideGame game{i, j, FideGameKind::OverTheBoard, 0};
            if (c == '1')
                game.firstHalfPoints = 2;
            else if (c == '=')
                game.firstHalfPoints = 1;
            else if (c == '+' || c == '-')
                game.kind = FideGameKind::Forfeit;
            else if (c == '.')
                game.kind = FideGameKind::Pending;
            event.games.push_back(game);
        }
    }
    return event;
}

FidePlayer player(const char *title, int rating, const char *federation, char sex = 'M')
{
    return {"", rating, title, federation, sex, 1990, 0};
}

// Ten players, nine games each: an IM of RUS against three GMs, three IMs, two FMs and a
// WGM from RUS, GER and FRA, average 2434.
std::vector<FidePlayer> normField(const char *applicantTitle = "IM")
{
    return {player(applicantTitle, 2450, "RUS"), player("GM", 2560, "RUS"),
            player("GM", 2540, "GER"),           player("GM", 2520, "FRA"),
            player("IM", 2440, "GER"),           player("IM", 2420, "FRA"),
            player("FM", 2380, "RUS"),           player("FM", 2350, "GER"),
            player("IM", 2400, "FRA"),           player("WGM", 2300, "RUS", 'F')};
}

// Player 1's row; the others draw among themselves.
std::vector<std::string> rowsWith(const std::string &first)
{
    std::vector<std::string> rows(10, std::string(10, '='));
    for (int i = 0; i < 10; ++i) {
        rows[std::size_t(i)][std::size_t(i)] = 'x';
        const char c = first[std::size_t(i)];
        rows[0][std::size_t(i)] = c;
        rows[std::size_t(i)][0] = c == '1'   ? '0'
                                  : c == '0' ? '1'
                                  : c == '+' ? '-'
                                  : c == '-' ? '+'
                                             : c;
    }
    return rows;
}

const NormCheck &gmOf(const std::array<NormCheck, 4> &checks)
{
    return checks[std::size_t(Norm::GM)];
}

TEST(TitleNorms, SevenOfNineAgainstAverage2434IsAGrandmasterNorm)
{
    const FideEvent event = roundRobin(normField(), rowsWith("x===11111="));
    const auto checks = checkNorms(event, 0);
    EXPECT_EQ(gmOf(checks).state, NormState::Made);
    EXPECT_EQ(gmOf(checks).ra, 2434);
    EXPECT_EQ(gmOf(checks).rp, 2654); // p 0.78, dp 220
    // An IM seeks no IM norm, a man no woman's norm.
    EXPECT_EQ(checks[std::size_t(Norm::IM)].state, NormState::NotSought);
    EXPECT_EQ(checks[std::size_t(Norm::WGM)].state, NormState::NotSought);
    EXPECT_EQ(normStatusText(gmOf(checks)), "Норма ГМ выполнена");
}

TEST(TitleNorms, TheScoreNeededFollowsTheRoundedFraction)
{
    // 6.5 / 9 = 0.72, dp 166: exactly 2600. 6 / 9 = 0.67, dp 125: 2559.
    EXPECT_EQ(gmOf(checkNorms(roundRobin(normField(), rowsWith("x===1111==")), 0)).state,
              NormState::Made);
    const NormCheck six = gmOf(checkNorms(roundRobin(normField(), rowsWith("x===111===")), 0));
    EXPECT_EQ(six.state, NormState::Impossible);
    EXPECT_EQ(six.rp, 2559);
}

TEST(TitleNorms, BeforeTheEndSaysWhatIsStillNeeded)
{
    // Five points from six games, three to play: a GM norm needs 6.5 of 9, an IM norm 5.
    const FideEvent event = roundRobin(normField("FM"), rowsWith("x1==111..."));
    const auto checks = checkNorms(event, 0);
    EXPECT_EQ(gmOf(checks).state, NormState::Possible);
    EXPECT_EQ(gmOf(checks).neededHalves, 3);
    EXPECT_EQ(gmOf(checks).remainingGames, 3);
    EXPECT_EQ(normStatusText(gmOf(checks)), "Для нормы ГМ нужно 1,5 из 3");
    EXPECT_EQ(checks[std::size_t(Norm::IM)].state, NormState::Possible);
    EXPECT_EQ(checks[std::size_t(Norm::IM)].neededHalves, 0);
    EXPECT_EQ(normStatusText(checks[std::size_t(Norm::IM)]),
              "Норма ММ будет выполнена, если сыграть 3 оставшихся");
    // Three points from six: 6.5 is out of reach.
    const auto behind = checkNorms(roundRobin(normField("FM"), rowsWith("x10=0=1...")), 0);
    EXPECT_EQ(gmOf(behind).state, NormState::Impossible);
    EXPECT_EQ(behind[std::size_t(Norm::IM)].neededHalves, 4);
    EXPECT_EQ(normStatusText(behind[std::size_t(Norm::IM)]), "Для нормы ММ нужно 2 из 3");
}

TEST(TitleNorms, AForfeitLeavesTooFewGames)
{
    const NormCheck check = gmOf(checkNorms(roundRobin(normField(), rowsWith("x===11111+")), 0));
    EXPECT_EQ(check.state, NormState::Impossible);
    EXPECT_EQ(check.games, 8);
    ASSERT_FALSE(check.failures.empty());
    EXPECT_STREQ(check.failures.front(), "меньше 9 партий");
}

// Whether the GM norm fails on exactly the condition named, with the field changed so.
struct Composition {
    const char *why;
    std::vector<std::pair<int, FidePlayer>> changes;
    const char *failure; // nullptr: the norm stands
};

class NormComposition : public ::testing::TestWithParam<Composition> {};

TEST_P(NormComposition, ChecksTitlesAndFederations)
{
    std::vector<FidePlayer> field = normField();
    for (const auto &[index, changed] : GetParam().changes)
        field[std::size_t(index)] = changed;
    const NormCheck check = gmOf(checkNorms(roundRobin(field, rowsWith("x1111111=1")), 0));
    if (!GetParam().failure) {
        EXPECT_EQ(check.state, NormState::Made) << GetParam().why;
        EXPECT_TRUE(check.failures.empty()) << GetParam().why;
        return;
    }
    EXPECT_EQ(check.state, NormState::Impossible) << GetParam().why;
    ASSERT_EQ(check.failures.size(), 1u) << GetParam().why;
    EXPECT_STREQ(check.failures.front(), GetParam().failure) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Field, NormComposition,
    ::testing::Values(Composition{"as it is", {}, nullptr},
                      Composition{"five of his federation are three fifths of nine at most",
                                  {{2, player("GM", 2540, "RUS")}, {3, player("GM", 2520, "RUS")}},
                                  nullptr},
                      Composition{"six of his federation are too many",
                                  {{2, player("GM", 2540, "RUS")},
                                   {3, player("GM", 2520, "RUS")},
                                   {4, player("IM", 2440, "RUS")}},
                                  "больше 3/5 соперников своей федерации"},
                      Composition{"seven of one other federation are more than two thirds",
                                  {{1, player("GM", 2560, "GER")},
                                   {3, player("GM", 2520, "GER")},
                                   {5, player("IM", 2420, "GER")},
                                   {6, player("FM", 2380, "GER")}},
                                  "больше 2/3 соперников одной федерации"},
                      Composition{"one federation besides his own is not enough",
                                  {{3, player("GM", 2520, "GER")},
                                   {5, player("IM", 2420, "GER")},
                                   {8, player("IM", 2400, "GER")}},
                                  "меньше двух других федераций"},
                      Composition{"four title-holders of nine are fewer than half",
                                  {{4, player("CM", 2440, "GER")},
                                   {5, player("CM", 2420, "FRA")},
                                   {6, player("", 2380, "RUS")},
                                   {7, player("WCM", 2350, "GER", 'F')},
                                   {8, player("", 2400, "FRA")}},
                                  "меньше половины соперников с титулом"},
                      Composition{"two grandmasters are fewer than three",
                                  {{3, player("IM", 2520, "FRA")}},
                                  "мало соперников с титулом уровня нормы"}));

TEST(TitleNorms, TheRatingFloorRaisesOnlyTheLowestOpponent)
{
    EXPECT_EQ(averageOfOpponents({2000, 2100, 2500}, 2200), 2267); // 2200, 2100, 2500
    EXPECT_EQ(averageOfOpponents({2300, 2400}, 2200), 2350);
    // An unrated opponent counts as 1400, and may be the one raised.
    EXPECT_EQ(averageOfOpponents({0, 2400}, 0), 1900);
    EXPECT_EQ(averageOfOpponents({0, 2400}, 2050), 2225);
    EXPECT_EQ(averageOfOpponents({0, 0, 2400}, 2050), 1950); // 2050, 1400, 2400: 1950
    EXPECT_EQ(averageOfOpponents({}, 2200), 0);
}

// B.01 1.4.2: in a round robin the games against an unrated player who scored nothing do
// not count for norms, once he has played all his games.
TEST(TitleNorms, AnUnratedOpponentWithoutAPointIsLeftOut)
{
    std::vector<FidePlayer> field = normField();
    field[9] = player("", 0, "ITA");
    struct Case {
        const char *what;
        char againstOthers; // the unrated player's result against players 2..9
        int games;
    };
    for (const Case &c : {Case{"he lost every game", '0', 8}, Case{"he drew the others", '=', 9},
                          Case{"his games are not over", '.', 9}}) {
        std::vector<std::string> rows = rowsWith("x1111111=1");
        for (int i = 1; i < 9; ++i) {
            rows[9][std::size_t(i)] = c.againstOthers;
            rows[std::size_t(i)][9] = c.againstOthers == '0' ? '1' : c.againstOthers;
        }
        const FideEvent event = roundRobin(field, rows);
        EXPECT_EQ(leftOutOfNorms(event, 9), c.games == 8) << c.what;
        EXPECT_EQ(gmOf(checkNorms(event, 0)).games, c.games) << c.what;
    }
}

TEST(TitleNorms, ALowAverageRulesTheNormOut)
{
    std::vector<FidePlayer> field = normField("FM");
    for (int i = 1; i < 10; ++i)
        field[std::size_t(i)].rating -= 100; // average 2334 < 2380
    const auto checks = checkNorms(roundRobin(field, rowsWith("x111111111")), 0);
    EXPECT_EQ(gmOf(checks).state, NormState::Impossible);
    EXPECT_STREQ(gmOf(checks).failures.front(), "низкий средний рейтинг соперников");
    EXPECT_EQ(checks[std::size_t(Norm::IM)].state, NormState::Made);
}

TEST(TitleNorms, AWomanNeedsAThirdOfHerScoreAndMore)
{
    // A WFM among grandmasters rated 2700: a WIM norm's performance comes from a small
    // score, but never from less than 35 per cent: 3.5 of 9.
    std::vector<FidePlayer> field = {player("WFM", 2300, "RUS", 'F')};
    const char *feds[] = {"GER", "FRA", "ITA"};
    for (int i = 1; i < 10; ++i)
        field.push_back(player("GM", 2700, feds[i % 3]));
    const auto three = checkNorms(roundRobin(field, rowsWith("x111000000")), 0);
    EXPECT_EQ(three[std::size_t(Norm::WIM)].state, NormState::Impossible);
    const auto threeAndHalf = checkNorms(roundRobin(field, rowsWith("x111=00000")), 0);
    EXPECT_EQ(threeAndHalf[std::size_t(Norm::WIM)].state, NormState::Made);
    EXPECT_EQ(threeAndHalf[std::size_t(Norm::WGM)].state, NormState::Made);
    EXPECT_EQ(threeAndHalf[std::size_t(Norm::IM)].state, NormState::Made);
}

} // namespace
