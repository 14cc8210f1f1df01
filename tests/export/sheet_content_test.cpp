// What the printed sheets say: the crosstable, the standings and the round protocol built
// from the tournament's figures alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "export/crosstable_print.h"
#include "export/round_protocol.h"
#include "export/sheet_fixture.h"
#include "export/sheet_parts.h"
#include "rating/game_records.h"
#include "rounds/berger_schedule.h"
#include "standings/standings_print.h"

using namespace krugovik;
using sheet_fixture::event;

namespace {

std::vector<std::string> names(int n)
{
    std::vector<std::string> all;
    for (int i = 1; i <= n; ++i)
        all.push_back("Игрок" + std::to_string(i) + " Фамилия");
    return all;
}

struct Shape {
    int players;
    int cycles;
    bool fide;
};

class CrosstableSheet : public ::testing::TestWithParam<Shape> {};

// Each game cell mirrors its opponent's, the diagonal is ×, and the points are the sum of
// the row's games.
TEST_P(CrosstableSheet, GamesMirrorAndAddUpToThePoints)
{
    const Shape shape = GetParam();
    const TournamentSnapshot snapshot =
        event(names(shape.players), shape.cycles, shape.fide, false);
    const Sheet sheet = crosstableSheet(snapshot);
    const int n = shape.players;
    const std::size_t rules = shape.fide ? 4 : 3;
    ASSERT_EQ(sheet.columns.size(), 3 + std::size_t(n * shape.cycles) + 1 + rules + 1);
    EXPECT_EQ(sheet.columns[1].title, "Участник");
    EXPECT_EQ(sheet.columns.back().title, "Место");
    EXPECT_EQ(sheet.groups.size(), shape.cycles > 1 ? std::size_t(shape.cycles) : 0u);
    ASSERT_EQ(sheet.rows.size(), std::size_t(n));
    EXPECT_EQ(sheet.shaded.size(), std::size_t(n * shape.cycles));
    const std::map<std::string, std::string> mirror = {{"1", "0"}, {"0", "1"}, {"½", "½"},
                                                       {"+", "−"}, {"−", "+"}, {"", ""}};
    const std::map<std::string, int> halves = {{"1", 2}, {"½", 1}, {"+", 2}};
    const std::size_t points = 3 + std::size_t(n * shape.cycles);
    for (int i = 1; i <= n; ++i) {
        const auto &row = sheet.rows[std::size_t(i - 1)];
        EXPECT_EQ(row[0], std::to_string(i));
        EXPECT_EQ(row[1], snapshot.players[std::size_t(i - 1)].name);
        int sum = 0;
        for (int c = 0; c < shape.cycles; ++c) {
            for (int j = 1; j <= n; ++j) {
                const std::size_t column = 3 + std::size_t(c * n + j - 1);
                EXPECT_EQ(sheet.columns[column].title, std::to_string(j));
                if (i == j) {
                    EXPECT_EQ(row[column], "×");
                    continue;
                }
                const std::size_t theirs = 3 + std::size_t(c * n + i - 1);
                EXPECT_EQ(sheet.rows[std::size_t(j - 1)][theirs], mirror.at(row[column]))
                    << i << " against " << j << " in cycle " << c + 1;
                if (const auto h = halves.find(row[column]); h != halves.end())
                    sum += h->second;
            }
        }
        const std::string expected = std::to_string(sum / 2) + (sum % 2 ? ",5" : "");
        EXPECT_EQ(row[points], expected) << "player " << i;
    }
    // Places follow the points.
    std::vector<const std::vector<std::string> *> byPlace;
    for (const auto &row : sheet.rows)
        byPlace.push_back(&row);
    std::sort(byPlace.begin(), byPlace.end(),
              [](auto a, auto b) { return std::stoi(a->back()) < std::stoi(b->back()); });
    auto value = [points](const std::vector<std::string> *row) {
        std::string text = (*row)[points];
        std::replace(text.begin(), text.end(), ',', '.');
        return std::stod(text);
    };
    for (std::size_t k = 1; k < byPlace.size(); ++k)
        EXPECT_GE(value(byPlace[k - 1]), value(byPlace[k]));
}

INSTANTIATE_TEST_SUITE_P(Shapes, CrosstableSheet,
                         ::testing::Values(Shape{3, 1, false}, Shape{10, 1, true},
                                           Shape{10, 2, false}, Shape{22, 2, true},
                                           Shape{7, 3, false}),
                         [](const auto &info) {
                             return std::to_string(info.param.players) + "Players" +
                                    std::to_string(info.param.cycles) + "Cycles" +
                                    (info.param.fide ? "Fide" : "Default");
                         });

TEST(CrosstableSheetTest, AWithdrawnPlayerIsMarkedAndHisLaterGamesAreForfeits)
{
    TournamentSnapshot snapshot = event(names(6), 1, true, false);
    snapshot.players[5].withdrawnAfter = 2;
    // The forfeits his withdrawal wrote into the table.
    for (int j = 1; j <= 5; ++j)
        if (scheduledGame(6, 1, false, 1, 6, j)->round > 2)
            recordGame(snapshot.games, 6, j, GameState::ForfeitLoss, 0, 0);
    const Sheet sheet = crosstableSheet(snapshot);
    EXPECT_EQ(sheet.rows[5][1], "Игрок6 Фамилия (выбыл)");
    for (int j = 1; j <= 5; ++j) {
        const auto game = scheduledGame(6, 1, false, 1, 6, j);
        ASSERT_TRUE(game);
        if (game->round > 2) {
            EXPECT_EQ(sheet.rows[5][2 + std::size_t(j)], "−") << j;
            EXPECT_EQ(sheet.rows[std::size_t(j - 1)][2 + 6], "+") << j;
        }
    }
}

TEST(SheetHeadingTest, TheEventsDetailsOrTheFilesName)
{
    const TournamentSnapshot plain = event(names(4), 1, false, false);
    EXPECT_EQ(sheetTitle(plain), "KUBOK");
    EXPECT_EQ(sheetHeading(plain), std::vector<std::string>{"По состоянию на 08.12.2026"});
    const TournamentSnapshot told = event(names(4), 1, false, true);
    EXPECT_EQ(sheetTitle(told), "Первенство района среди юношей");
    EXPECT_EQ(sheetHeading(told), (std::vector<std::string>{"Тверь, 01.12.2026 – 09.12.2026",
                                                            "По состоянию на 08.12.2026"}));
    for (const Sheet &sheet :
         {crosstableSheet(told), standingsSheet(told), roundProtocolSheet(told, 1)})
        EXPECT_EQ(sheet.title, "Первенство района среди юношей");
}

// Every sheet carries a date and a title: the round's date, else the day it was printed;
// the event's title, else the file's name. Rounds 1 and 20 of 22 players in two cycles,
// with the details told (round 20 with its date removed) and without.
TEST(SheetHeadingTest, EverySheetCarriesADateAndATitle)
{
    struct Case {
        const char *name;
        bool details;
        int round;
        const char *title;
        const char *date;
    };
    const Case cases[] = {
        {"plain protocol", false, 1, "KUBOK", "По состоянию на 08.12.2026"},
        {"told protocol", true, 1, "Первенство района среди юношей", "Дата тура: 02.12.2026"},
        {"round without a date", true, 20, "Первенство района среди юношей",
         "По состоянию на 08.12.2026"},
        {"no round chosen", false, 0, "KUBOK", "По состоянию на 08.12.2026"},
    };
    for (const Case &c : cases) {
        TournamentSnapshot snapshot = event(names(22), 2, true, c.details);
        if (c.details)
            snapshot.event.roundDates[19].clear();
        const auto dated = [&](const Sheet &sheet) {
            EXPECT_EQ(sheet.title, c.title) << c.name;
            return std::find(sheet.heading.begin(), sheet.heading.end(), c.date) !=
                   sheet.heading.end();
        };
        EXPECT_TRUE(dated(roundProtocolSheet(snapshot, c.round))) << c.name;
        // The table and the standings carry the printing day whatever the round.
        for (const Sheet &sheet : {crosstableSheet(snapshot), standingsSheet(snapshot)}) {
            EXPECT_EQ(sheet.title, c.title) << c.name;
            EXPECT_NE(
                std::find(sheet.heading.begin(), sheet.heading.end(), "По состоянию на 08.12.2026"),
                sheet.heading.end())
                << c.name;
        }
    }
}

// Under any rules the tie-breaks have a column each, in order, the Berger coefficient
// always under one name.
TEST(StandingsSheetTest, ColumnsFollowTheChosenRules)
{
    using K = TieBreakKind;
    const struct {
        std::vector<TieBreak> rules;
        std::vector<std::string> titles;
    } cases[] = {
        {{}, {"Бергер (SB)", "Личная встреча (DE)", "Победы (WIN)"}},
        {fideRoundRobinTieBreaks(),
         {"Личная встреча (DE)", "Победы (WIN)", "Бергер (SB)", "Койя (KS)"}},
        {{{K::Wins}, {K::AverageOpponentRating}},
         {"Победы (WIN)", "Средний рейтинг соперников (ARO)"}},
    };
    for (const auto &c : cases) {
        TournamentSnapshot snapshot = event(names(5), 1, false, false);
        snapshot.tieBreaks = c.rules;
        const Sheet sheet = standingsSheet(snapshot);
        std::vector<std::string> titles;
        for (const SheetColumn &column : sheet.columns)
            titles.push_back(column.title);
        std::vector<std::string> expected = {"Место", "№", "Участник", "Рейтинг", "Очки"};
        expected.insert(expected.end(), c.titles.begin(), c.titles.end());
        expected.push_back("Новый рейтинг");
        expected.push_back("Изменение");
        EXPECT_EQ(titles, expected);
        for (const auto &row : sheet.rows)
            EXPECT_EQ(row.size(), titles.size());
    }
}

// Points 4, 2½, 1½, 1, 1: the direct encounter means something only between 4 and 5, and
// shows what C.07 counts, the points each scored against the other; a line under the
// table says so.
TEST(StandingsSheetTest, TheDirectEncounterIsBlankOutsideATiedGroup)
{
    TournamentSnapshot snapshot = event(names(5), 1, true, false);
    snapshot.games.clear();
    auto game = [&](int p, int q, GameState state) {
        recordGame(snapshot.games, p, q, state, 1500, 1500);
    };
    for (int q = 2; q <= 5; ++q)
        game(1, q, GameState::Win);
    game(2, 4, GameState::Win);
    game(2, 5, GameState::Win);
    game(2, 3, GameState::Draw);
    game(3, 4, GameState::Win);
    game(3, 5, GameState::Loss);
    game(4, 5, GameState::Win);
    const Sheet sheet = standingsSheet(snapshot);
    std::map<std::string, std::string> directEncounter;
    for (const auto &row : sheet.rows)
        directEncounter[row[1]] = row[5];
    EXPECT_EQ(sheet.columns[5].title, "Личная встреча (DE)");
    EXPECT_EQ(directEncounter, (std::map<std::string, std::string>{
                                   {"1", ""}, {"2", ""}, {"3", ""}, {"4", "1"}, {"5", "0"}}));
    EXPECT_NE(std::find(sheet.footer.begin(), sheet.footer.end(),
                        "DE — очки во встречах между равными по очкам; «1,5/1» — затем между "
                        "оставшимися равными."),
              sheet.footer.end());
}

TEST(RoundProtocolTest, NamesTheRoundItsCycleAndDateAndWhoSitsOut)
{
    const TournamentSnapshot snapshot = event(names(5), 2, false, true);
    // Five players: five rounds a cycle, one sitting out each.
    EXPECT_EQ(roundName(snapshot, 3), "Тур 3 (1-й цикл, тур 3)");
    EXPECT_EQ(roundName(snapshot, 6), "Тур 6 (2-й цикл, тур 1)");
    const Sheet sheet = roundProtocolSheet(snapshot, 6);
    EXPECT_EQ(sheet.subtitle, "Протокол тура № 6 (2-й цикл, тур 1)");
    EXPECT_EQ(sheet.heading, (std::vector<std::string>{"Тверь, 01.12.2026 – 09.12.2026",
                                                       "Дата тура: 07.12.2026"}));
    ASSERT_EQ(sheet.rows.size(), 2u);
    std::vector<std::vector<std::string>> expected;
    for (const ScheduledGame &g : bergerSchedule(5, 2, true)) {
        if (g.round == 6) {
            expected.push_back({std::to_string(expected.size() + 1),
                                snapshot.players[std::size_t(g.firstNamed - 1)].name,
                                snapshot.players[std::size_t(g.secondNamed - 1)].name});
        }
    }
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(std::vector<std::string>(sheet.rows[k].begin(), sheet.rows[k].begin() + 3),
                  expected[k]);
    ASSERT_EQ(sheet.footer.size(), 1u);
    EXPECT_EQ(sheet.footer[0].rfind("Отдыхает: Игрок", 0), 0u);
    EXPECT_EQ(sheet.signatures, std::vector<std::string>{"Главный судья\tКузнецов Пётр"});
    // One cycle names no cycle.
    EXPECT_EQ(roundName(event(names(5), 1, false, false), 3), "Тур 3");
}

TEST(RoundProtocolTest, ResultsReadFromWhitesSide)
{
    TournamentSnapshot snapshot = event(names(4), 1, false, false);
    snapshot.games.clear();
    // Round 1: 1-4 and 2-3.
    recordGame(snapshot.games, 1, 4, GameState::Loss, 1500, 1500);
    recordGame(snapshot.games, 2, 3, GameState::ForfeitWin, 1500, 1500);
    Sheet sheet = roundProtocolSheet(snapshot, 1);
    EXPECT_EQ(sheet.rows,
              (std::vector<std::vector<std::string>>{{"1", names(4)[0], names(4)[3], "0 – 1"},
                                                     {"2", names(4)[1], names(4)[2], "+ – −"}}));
    recordGame(snapshot.games, 1, 4, GameState::Draw, 1500, 1500);
    sheet = roundProtocolSheet(snapshot, 1);
    EXPECT_EQ(sheet.rows[0][3], "½ – ½");
    // A round outside the schedule has no boards.
    EXPECT_TRUE(roundProtocolSheet(snapshot, 0).rows.empty());
    EXPECT_TRUE(roundProtocolSheet(snapshot, 4).rows.empty());
}

} // namespace
