#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "rating/new_ratings.h"
#include "rounds/berger_schedule.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "ui/table_geometry.h"
#include "ui/table_picture.h"

using namespace krugovik;

namespace {

// n rated players entered from the base, then the number of cycles set.
Tournament entered(int n, int cycles, bool reverse = true)
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(n);
    for (int i = 1; i <= n; ++i)
        t.enterPlayer(i, {"P" + std::to_string(i), std::to_string(1500 + 10 * i), false, i});
    EXPECT_TRUE(t.setCycles(cycles, reverse).changed() || (cycles == 1 && reverse));
    return t;
}

// The column of i's game against j in cycle c (1-based), as the director counts it.
int column(int n, int c, int j)
{
    return 4 + (c - 1) * n + j;
}

std::vector<std::string> wholeTable(Tournament &t)
{
    const TablePicture p(t);
    const TableGeometry grid = TableGeometry::of(t);
    std::vector<std::string> cells;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c)
            cells.push_back(p.text(r, c));
    }
    return cells;
}

struct BlockCase {
    int players;
    int cycles;
    int cycle; // of the click, 1-based
    int row;
    int opponent;
};

class Blocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(Blocks, AClickSetsItsGameAndTheMirrorInTheSameBlockOnly)
{
    const BlockCase k = GetParam();
    Tournament t = entered(k.players, k.cycles);
    TablePicture p(t);
    ASSERT_EQ(TableGeometry::of(t).columnCount(), 5 + k.players * k.cycles);
    const int at = column(k.players, k.cycle, k.opponent);
    EXPECT_EQ(p.text(0, at), std::to_string(k.opponent));
    EXPECT_EQ(p.colour(k.row, column(k.players, k.cycle, k.row)), CellColour::Diagonal);
    p.click(k.row, at, {});
    for (int c = 1; c <= k.cycles; ++c) {
        const bool clicked = c == k.cycle;
        EXPECT_EQ(p.text(k.row, column(k.players, c, k.opponent)), clicked ? "1" : "") << c;
        EXPECT_EQ(p.text(k.opponent, column(k.players, c, k.row)), clicked ? "0" : "") << c;
    }
    EXPECT_EQ(t.games(k.cycle - 1).state(k.opponent, k.row), GameState::Loss);
    EXPECT_EQ(t.lastCycleWithResults(), k.cycle);
}

INSTANTIATE_TEST_SUITE_P(Cycles, Blocks,
                         ::testing::Values(BlockCase{3, 2, 2, 1, 3}, BlockCase{4, 2, 1, 4, 2},
                                           BlockCase{8, 4, 4, 8, 7}, BlockCase{5, 3, 2, 2, 5},
                                           BlockCase{22, 2, 2, 22, 1}));

TEST(Cycles, PointsBergerAndRatingsCountEveryCycle)
{
    Tournament t = entered(3, 2);
    t.nextResult({0, 1, 2});                 // 1 beats 2
    t.setResult({1, 1, 2}, GameState::Win);  // and again
    t.setResult({1, 1, 3}, GameState::Draw); // draws with 3 in cycle 2
    t.setResult({0, 2, 3}, GameState::Win);
    TablePicture p(t);
    p.showPoints();
    EXPECT_EQ(p.text(1, 4), " 2.5");
    EXPECT_EQ(p.text(2, 4), " 1");
    EXPECT_EQ(p.text(3, 4), " .5");
    p.showBerger(); // 2 × 1 + 0.5 × 0.5 for player 1
    EXPECT_EQ(p.text(1, 4), " 2.25");
    const std::vector<GameRecords> cycles = {t.games(0), t.games(1)};
    EXPECT_EQ(ratedGames(std::span<const GameRecords>(cycles), 1, 3, {0, 0, 0, 0}).games, 3);
    // The new ratings are those of both cycles' games, not of the first alone.
    const std::vector<NewRating> both = t.newRatings();
    const std::vector<NewRating> first = computeNewRatings(
        {{t.rating(1), false}, {t.rating(2), false}, {t.rating(3), false}}, t.games(0));
    EXPECT_GT(both[0].delta, first[0].delta);
    const TournamentSnapshot s = t.snapshot("X", "01.01.2027");
    EXPECT_EQ(s.cycles, 2);
    EXPECT_TRUE(s.reverseLastRounds);
    ASSERT_EQ(s.laterCycles.size(), 1U);
    EXPECT_EQ(s.laterCycles[0].state(1, 3), GameState::Draw);
}

TEST(Cycles, FewerCyclesAreRefusedWhileTheirResultsStandAndTheChangeIsAStep)
{
    Tournament t = entered(4, 3);
    t.setResult({2, 2, 1}, GameState::ForfeitWin);
    EXPECT_FALSE(t.setCycles(2, true).changed());
    EXPECT_EQ(t.cycles(), 3);
    t.setResult({2, 2, 1}, GameState::None);
    EXPECT_EQ(t.lastCycleWithResults(), 0);
    const std::vector<std::string> before = wholeTable(t);
    const Step step = t.setCycles(1, false);
    ASSERT_TRUE(step.changed());
    EXPECT_EQ(TableGeometry::of(t).columnCount(), 9);
    t.restore(step, step.before);
    EXPECT_EQ(t.cycles(), 3);
    EXPECT_TRUE(t.reverseLastRounds());
    EXPECT_EQ(wholeTable(t), before);
    EXPECT_FALSE(t.setCycles(5, true).changed());
}

// Round of every game of cycle 1 (0 for none), pair by pair.
std::vector<int> firstCycleRounds(const Tournament &t)
{
    std::vector<int> rounds;
    for (int i = 1; i <= t.playerCount(); ++i) {
        for (int j = i + 1; j <= t.playerCount(); ++j)
            rounds.push_back(t.roundOf({0, i, j}));
    }
    return rounds;
}

TEST(Cycles, AChangeOfCyclesNeverMovesAPlayedGameToAnotherRound)
{
    for (const int n : {3, 4, 7, 12, 22}) {
        const int last = roundCount(n);
        Tournament t = entered(n, 1);
        // The last round of cycle 1 has a result: the second cycle leaves the order alone.
        const ScheduledGame played = bergerSchedule(n)[std::size_t(n / 2 * (last - 1))];
        ASSERT_EQ(played.round, last);
        t.nextResult({0, played.firstNamed, played.secondNamed});
        const std::vector<int> before = firstCycleRounds(t);
        ASSERT_TRUE(t.setCycles(2, true).changed()) << n;
        EXPECT_EQ(firstCycleRounds(t), before) << n;
        EXPECT_FALSE(t.reverseLastRounds()) << n;
        EXPECT_TRUE(t.cyclesMovePlayedRounds(2, true)) << n;
        EXPECT_FALSE(t.setCycles(2, true).changed()) << n;
        ASSERT_TRUE(t.setCycles(3, false).changed()) << n;
        EXPECT_EQ(firstCycleRounds(t), before) << n;
        ASSERT_TRUE(t.setCycles(1, true).changed()) << n;
        EXPECT_EQ(firstCycleRounds(t), before) << n;

        // Swapped before the result came: back to one cycle would unswap them, and is refused.
        Tournament swapped = entered(n, 2, true);
        swapped.nextResult({0, played.firstNamed, played.secondNamed});
        const std::vector<int> swappedRounds = firstCycleRounds(swapped);
        EXPECT_FALSE(swapped.setCycles(1, true).changed()) << n;
        EXPECT_FALSE(swapped.setCycles(2, false).changed()) << n;
        EXPECT_EQ(swapped.cycles(), 2);
        ASSERT_TRUE(swapped.setCycles(4, true).changed()) << n;
        EXPECT_EQ(firstCycleRounds(swapped), swappedRounds) << n;

        // Results only in earlier rounds: the swap comes with the second cycle as before.
        Tournament early = entered(n, 1);
        const ScheduledGame first = bergerSchedule(n).front();
        early.nextResult({0, first.firstNamed, first.secondNamed});
        EXPECT_FALSE(early.cyclesMovePlayedRounds(2, true));
        ASSERT_TRUE(early.setCycles(2, true).changed());
        EXPECT_TRUE(early.reverseLastRounds());
    }
}

TEST(Cycles, AHeaderOfALaterBlockShowsItsRoundWithColoursReversed)
{
    for (const bool reverse : {true, false}) {
        Tournament t = entered(4, 2, reverse);
        TablePicture p(t);
        const int rounds = roundCount(4);
        for (int c = 1; c <= 2; ++c) {
            for (int j = 1; j <= 4; ++j) {
                const int shown = p.roundNo();
                const int boardsShown = p.shownBoards();
                p.click(0, column(4, c, j), {});
                if (j > rounds) { // no round in this block: the header selects nothing
                    EXPECT_EQ(p.roundNo(), shown);
                    EXPECT_EQ(p.shownBoards(), boardsShown);
                    continue;
                }
                const int round = (c - 1) * rounds + j;
                EXPECT_EQ(p.roundNo(), round);
                int boards = 0;
                for (const ScheduledGame &g : bergerSchedule(4, 2, reverse)) {
                    if (g.round != round)
                        continue;
                    ++boards;
                    EXPECT_EQ(p.boardFirst(boards), g.firstNamed);
                    EXPECT_EQ(p.boardSecond(boards), g.secondNamed);
                    EXPECT_EQ(p.colour(g.firstNamed, column(4, c, g.secondNamed)),
                              CellColour::FirstNamed);
                    EXPECT_EQ(p.colour(g.firstNamed, column(4, 3 - c, g.secondNamed)),
                              CellColour::Window);
                }
                EXPECT_EQ(p.shownBoards(), boards);
            }
        }
        // A result box enters the game into the shown round's block.
        p.click(0, column(4, 2, 1), {});
        p.clickResultBox(1);
        EXPECT_EQ(t.cell({1, p.boardFirst(1), p.boardSecond(1)}), GameState::Win);
        EXPECT_EQ(t.cell({0, p.boardFirst(1), p.boardSecond(1)}), GameState::None);
    }
}

TEST(Cycles, FiveOddPlayersSitOutInEveryCycle)
{
    Tournament t = entered(5, 2);
    TablePicture p(t);
    for (int round = 1; round <= 10; ++round) {
        const int c = (round - 1) / 5 + 1;
        p.click(0, column(5, c, (round - 1) % 5 + 1), {});
        EXPECT_EQ(p.roundNo(), round);
        EXPECT_NE(p.freePlayer(), 0) << round;
        EXPECT_EQ(p.shownBoards(), 2);
    }
}

TEST(CyclesFile, SavedCyclesComeBackAndOneCycleWritesNoExtension)
{
    for (const int cycles : {1, 2, 4}) {
        Tournament t = entered(4, cycles, cycles != 2);
        int k = 0;
        const std::vector<GameState> states = {GameState::Win, GameState::Draw,
                                               GameState::ForfeitLoss, GameState::Loss};
        for (int c = 1; c <= cycles; ++c) {
            for (int i = 1; i <= 4; ++i) {
                for (int j = i + 1; j <= 4; ++j, ++k) {
                    if (k % 3 != 1)
                        t.setResult({c - 1, i, j}, states[std::size_t(k) % states.size()]);
                }
            }
        }
        const std::string bytes = t.fileBytes();
        // An older reader reads the first cycle whole.
        EXPECT_TRUE(readTournamentFile(bytes).complete());
        const bool oneCycle = cycles == 1;
        EXPECT_EQ(bytes.find("*KRUGOVIK") == std::string::npos, oneCycle);
        Tournament back;
        back.load(bytes);
        EXPECT_EQ(back.cycles(), cycles);
        EXPECT_EQ(back.reverseLastRounds(), cycles != 2);
        EXPECT_EQ(wholeTable(back), wholeTable(t)) << cycles;
        EXPECT_EQ(back.fileBytes(), bytes);
    }
}

// A two-cycle file of three players with its extension replaced.
std::string withExtension(const std::vector<std::string> &lines)
{
    Tournament t = entered(3, 1);
    std::string bytes = t.fileBytes();
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

struct BrokenCase {
    const char *what;
    std::vector<std::string> lines;
};

TEST(CyclesFile, AnExtensionThatDoesNotReadIsRefused)
{
    const std::vector<BrokenCase> cases = {
        {"no *END",
         {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2", "1", "", "0", "", "", ""}},
        {"wrong count",
         {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2", "", "", "", "", "", "", "*END 7"}},
        {"unknown section", {"*KRUGOVIK 2", "COLOURS 2", "*END 1"}},
        {"out of order",
         {"*KRUGOVIK 2", "REVERSE 1", "CYCLES 2", "RESULTS 2", "", "", "", "", "", "", "*END 9"}},
        {"cycles out of range", {"*KRUGOVIK 2", "CYCLES 5", "REVERSE 1", "*END 2"}},
        {"reverse out of range",
         {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 2", "RESULTS 2", "", "", "", "", "", "", "*END 9"}},
        {"short results",
         {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2", "", "", "", "*END 7"}},
        {"missing cycle",
         {"*KRUGOVIK 2", "CYCLES 3", "REVERSE 1", "RESULTS 2", "", "", "", "", "", "", "*END 9"}},
        {"no reverse", {"*KRUGOVIK 2", "CYCLES 2", "RESULTS 2", "", "", "", "", "", "", "*END 8"}},
        {"mirror",
         {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2", "1", "", "1", "", "", "", "*END 9"}},
        {"unknown result",
         {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2", "2", "", "0", "", "", "", "*END 9"}},
        {"newer version", {"*KRUGOVIK 3", "*END 0"}},
    };
    for (const BrokenCase &k : cases) {
        const FileExtensionRead read = readFileExtension(withExtension(k.lines), 3);
        EXPECT_FALSE(read.error.empty()) << k.what;
    }
    // The same shape whole reads, and lines after the blocks without the marker are ignored.
    const FileExtensionRead good =
        readFileExtension(withExtension({"*KRUGOVIK 2", "CYCLES 2", "REVERSE 0", "RESULTS 2", "1",
                                         "", "0", "", "", "", "*END 9"}),
                          3);
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.extension.cycles, 2);
    EXPECT_FALSE(good.extension.reverseLastRounds);
    EXPECT_EQ(readFileExtension(withExtension({"junk"}), 3).error, "");
}

} // namespace
