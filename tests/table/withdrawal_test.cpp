// Withdrawals as FIDE means them and the number of players, in the model: what is shown is
// what is counted, saved and read again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "export/snapshot_results.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "ui/table_geometry.h"
#include "ui/table_picture.h"

using namespace krugovik;

namespace {

// A game's cell as the crosstable shows it.
std::string shown(Tournament &t, const GameKey &key)
{
    return TablePicture(t).text(key.player, TableGeometry::of(t).columnOf(key));
}

Tournament players(int n, int cycles = 1)
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(n);
    t.setCycles(cycles, true);
    for (int i = 1; i <= n; ++i)
        t.enterPlayer(i, {"Игрок " + std::to_string(i), std::to_string(1500 + 10 * i), false, i});
    return t;
}

// Every game of rounds 1..lastRound won by the lower number.
void playUpTo(Tournament &t, int lastRound)
{
    for (int c = 0; c < t.cycles(); ++c)
        for (int i = 1; i <= t.playerCount(); ++i)
            for (int j = i + 1; j <= t.playerCount(); ++j)
                if (t.roundOf({c, i, j}) <= lastRound)
                    t.setResult({c, i, j}, GameState::Win);
}

Tournament reopened(const Tournament &t)
{
    Tournament read;
    read.load(t.fileBytes());
    return read;
}

// Points as the standings of the exports count them.
std::vector<Fixed> standingsPoints(const Tournament &t)
{
    std::vector<Fixed> points(std::size_t(t.playerCount()) + 1);
    for (const TieBreakRow &row :
         rankByTieBreaks(roundRobinResults(t.snapshot("T", "")), placeRules(t.snapshot("T", ""))))
        points[std::size_t(row.player)] = row.points;
    return points;
}

// The file survives a reopening: it reads without a word, gives the same bytes and points.
void expectRoundTrip(const Tournament &t)
{
    const std::string bytes = t.fileBytes();
    const int n = t.playerCount();
    EXPECT_EQ(readFileExtension(bytes, n).error, "");
    const Tournament read = reopened(t);
    EXPECT_EQ(read.fileBytes(), bytes);
    EXPECT_EQ(standingsPoints(read), standingsPoints(t));
    for (int p = 1; p <= n; ++p) {
        EXPECT_EQ(read.withdrawnAfter(p), t.withdrawnAfter(p)) << p;
        EXPECT_EQ(read.countedPoints(p), t.countedPoints(p)) << p;
    }
}

struct BothWithdrawnCase {
    int cycles;
    int firstAfter;
    int secondAfter;
};

class BothWithdrawn : public ::testing::TestWithParam<BothWithdrawnCase> {};

// 4 players; player 3 withdraws, then player 4: their later game is lost by both.
TEST_P(BothWithdrawn, TheirGameIsLostByBothAndTheFileReadsTheSame)
{
    const BothWithdrawnCase c = GetParam();
    Tournament t = players(4, c.cycles);
    playUpTo(t, std::min(c.firstAfter, c.secondAfter));
    ASSERT_TRUE(t.withdraw(3, c.firstAfter).changed());
    ASSERT_TRUE(t.withdraw(4, c.secondAfter).changed());
    int bothLost = 0;
    for (int cycle = 0; cycle < t.cycles(); ++cycle) {
        const GameKey key{cycle, 3, 4};
        if (t.roundOf(key) > std::max(c.firstAfter, c.secondAfter)) {
            EXPECT_EQ(shown(t, key) + shown(t, key.mirror()), "--");
            EXPECT_EQ(t.games(cycle).results[3][4] + t.games(cycle).results[4][3], "--");
            ++bothLost;
        }
    }
    EXPECT_GT(bothLost, 0);
    expectRoundTrip(t);
}

INSTANTIATE_TEST_SUITE_P(Cases, BothWithdrawn,
                         ::testing::Values(BothWithdrawnCase{2, 2, 2}, BothWithdrawnCase{1, 1, 1},
                                           BothWithdrawnCase{2, 1, 3}, BothWithdrawnCase{3, 4, 2}));

TEST(Withdrawal, APlayedGameKeepsItsResultAndAResultCanBeEnteredAgain)
{
    Tournament t = players(6);
    playUpTo(t, 2);
    // A draw of a later round, played before the withdrawal was entered.
    GameKey later{};
    for (int q = 2; q <= 6; ++q)
        if (t.roundOf({0, 1, q}) == 5)
            later = {0, 1, q};
    ASSERT_NE(later.opponent, 0);
    t.setResult(later, GameState::Draw);
    ASSERT_TRUE(t.withdraw(1, 2).changed());
    EXPECT_EQ(shown(t, later), "0.5");
    int forfeits = 0;
    for (int q = 2; q <= 6; ++q) {
        const GameKey key{0, 1, q};
        if (t.roundOf(key) > 2 && key.opponent != later.opponent) {
            EXPECT_EQ(shown(t, key), "-") << q;
            ++forfeits;
        }
    }
    EXPECT_EQ(forfeits, 2);
    // The real result of a forfeit entered: it counts everywhere.
    GameKey forfeit{};
    for (int q = 2; q <= 6; ++q)
        if (t.roundOf({0, 1, q}) == 4)
            forfeit = {0, 1, q};
    const Fixed before = t.countedPoints(forfeit.opponent);
    ASSERT_TRUE(t.setResult(forfeit, GameState::Win).changed());
    EXPECT_EQ(t.countedPoints(forfeit.opponent), before - Fixed::fromInt(1));
    EXPECT_EQ(standingsPoints(t)[std::size_t(forfeit.opponent)], t.countedPoints(forfeit.opponent));
    expectRoundTrip(t);
}

// A forfeit the director clears counts for nobody, on screen as in the standings.
TEST(Withdrawal, AClearedForfeitCountsForNobodyAnywhere)
{
    Tournament t = players(6);
    playUpTo(t, 3);
    ASSERT_TRUE(t.withdraw(2, 3).changed());
    GameKey forfeit{};
    for (int q = 1; q <= 6; ++q)
        if (q != 2 && t.roundOf({0, 2, q}) == 4)
            forfeit = {0, 2, q};
    ASSERT_NE(forfeit.opponent, 0);
    ASSERT_EQ(shown(t, forfeit), "-");
    const Fixed before = t.countedPoints(forfeit.opponent);
    ASSERT_TRUE(t.setResult(forfeit, GameState::None).changed());
    EXPECT_EQ(shown(t, forfeit), "");
    EXPECT_EQ(t.countedPoints(forfeit.opponent), before - Fixed::fromInt(1));
    const std::vector<Fixed> standings = standingsPoints(t);
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(standings[std::size_t(p)], t.countedPoints(p)) << p;
    expectRoundTrip(t);
}

TEST(Withdrawal, ReinstatingRemovesExactlyItsForfeitsAlsoAfterReopening)
{
    Tournament t = players(5);
    playUpTo(t, 1);
    // A forfeit entered before the withdrawal is the director's own result.
    GameKey own{};
    for (int q = 2; q <= 5; ++q)
        if (t.roundOf({0, 2, q}) == 5)
            own = {0, 2, q};
    t.setResult(own, GameState::ForfeitLoss);
    const std::string beforeAll = t.fileBytes();
    ASSERT_TRUE(t.withdraw(4, 2).changed());
    const std::string withOne = t.fileBytes();
    ASSERT_TRUE(t.withdraw(2, 1).changed());
    const std::string withBoth = t.fileBytes();

    // In one sitting: exactly what the withdrawal made goes.
    Tournament same = t;
    ASSERT_TRUE(same.reinstate(2).changed());
    EXPECT_EQ(same.withdrawnAfter(2), 0);
    EXPECT_EQ(same.fileBytes(), withOne);
    ASSERT_TRUE(same.reinstate(4).changed());
    EXPECT_EQ(same.fileBytes(), beforeAll);
    EXPECT_FALSE(same.reinstate(4).changed());

    // After reopening: the forfeits of his games after his round; the game the other's
    // withdrawal made a forfeit stays one.
    Tournament read = reopened(t);
    EXPECT_EQ(read.fileBytes(), withBoth);
    ASSERT_TRUE(read.reinstate(4).changed());
    const GameKey game24{0, 2, 4};
    if (read.roundOf(game24) > 1) {
        EXPECT_EQ(shown(read, game24) + shown(read, game24.mirror()), "-+");
    }
    expectRoundTrip(read);

    // The step goes back and forth.
    Tournament undone = t;
    const Step back = undone.reinstate(2);
    undone.restore(back, back.before);
    EXPECT_EQ(undone.fileBytes(), withBoth);
    undone.restore(back, back.after);
    EXPECT_EQ(undone.fileBytes(), withOne);
}

TEST(Withdrawal, ANewRoundReplacesTheOldOne)
{
    Tournament t = players(6);
    playUpTo(t, 1);
    const std::string none = t.fileBytes();
    // Player 2's row: r a result, - a forfeit, . nothing.
    const auto shownRow = [&] {
        std::string cells;
        for (int q = 1; q <= 6; ++q) {
            const std::string text = q == 2 ? "x" : shown(t, {0, 2, q});
            cells += text == "x" ? "" : text == "-" ? "-" : text.empty() ? "." : "r";
        }
        return cells;
    };
    // What the row must show after a withdrawal after `round`, only round 1 being played.
    const auto expected = [&](int round) {
        std::string cells;
        for (int q = 1; q <= 6; ++q) {
            if (q == 2)
                continue;
            const int played = t.roundOf({0, 2, q});
            cells += played == 1 ? "r" : played > round ? "-" : ".";
        }
        return cells;
    };
    ASSERT_TRUE(t.withdraw(2, 3).changed());
    EXPECT_EQ(shownRow(), expected(3));
    ASSERT_TRUE(t.withdraw(2, 1).changed());
    EXPECT_EQ(t.withdrawnAfter(2), 1);
    EXPECT_EQ(shownRow(), expected(1));
    ASSERT_TRUE(t.withdraw(2, 4).changed());
    EXPECT_EQ(shownRow(), expected(4));
    EXPECT_FALSE(t.withdraw(2, 4).changed());
    ASSERT_TRUE(t.reinstate(2).changed());
    EXPECT_EQ(t.fileBytes(), none);
}

struct OutsideCase {
    int players;
    int cycles;
    int row;
    int after;
    int newPlayers;
    int newCycles;
};

class WithdrawalOutside : public ::testing::TestWithParam<OutsideCase> {};

// A change that would leave the withdrawal round outside the event is refused.
TEST_P(WithdrawalOutside, IsRefusedAndNamesThePlayer)
{
    const OutsideCase c = GetParam();
    Tournament t = players(c.players, c.cycles);
    ASSERT_TRUE(t.withdraw(c.row, c.after).changed());
    const std::string bytes = t.fileBytes();
    EXPECT_EQ(t.withdrawalOutside(c.newPlayers, c.newCycles), c.row);
    if (c.newPlayers != c.players) {
        EXPECT_FALSE(t.setPlayerCount(c.newPlayers).changed());
    }
    if (c.newCycles != c.cycles) {
        EXPECT_FALSE(t.setCycles(c.newCycles, true).changed());
    }
    EXPECT_EQ(t.fileBytes(), bytes);
    expectRoundTrip(t);
    // Back in the event, the change goes through and the file still reads.
    ASSERT_TRUE(t.reinstate(c.row).changed());
    if (c.newPlayers != c.players) {
        EXPECT_TRUE(t.setPlayerCount(c.newPlayers).changed());
    }
    if (c.newCycles != c.cycles) {
        EXPECT_TRUE(t.setCycles(c.newCycles, true).changed());
    }
    expectRoundTrip(t);
}

INSTANTIATE_TEST_SUITE_P(Cases, WithdrawalOutside,
                         ::testing::Values(OutsideCase{10, 1, 2, 8, 8, 1},
                                           OutsideCase{5, 2, 3, 9, 5, 1},
                                           OutsideCase{6, 1, 1, 4, 4, 1}));

TEST(Withdrawal, VoidedGamesCountNowhereAndColumnFourAgrees)
{
    Tournament t = players(6);
    playUpTo(t, 2);
    // His draw would add to his opponent's Berger coefficient if it counted.
    for (int q = 1; q <= 5; ++q) {
        if (t.roundOf({0, 6, q}) == 1)
            t.setResult({0, 6, q}, GameState::Draw);
    }
    ASSERT_TRUE(t.withdraw(6, 2).changed());
    // Two of five games played: fewer than half, none of his games count.
    EXPECT_TRUE(t.gamesVoided(6));
    EXPECT_FALSE(t.gamesVoided(1));
    int voided = 0;
    for (int q = 1; q <= 5; ++q) {
        EXPECT_FALSE(t.gameCounts({0, q, 6}));
        voided += t.gameCounts({0, 6, q}) ? 0 : 1;
    }
    EXPECT_EQ(voided, 5);
    EXPECT_TRUE(t.gameCounts({0, 1, 2}));
    TablePicture picture(t);
    picture.showPoints();
    const std::vector<Fixed> points = standingsPoints(t);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(t.countedPoints(p), points[std::size_t(p)]) << p;
        EXPECT_EQ(picture.text(p, 4), formatDisplay(points[std::size_t(p)])) << p;
    }
    // The Berger coefficient under «Бергер» is the standings' too, over the games that count.
    picture.showBerger();
    const TournamentSnapshot s = t.snapshot("T", "");
    for (const TieBreakRow &row : rankByTieBreaks(roundRobinResults(s), placeRules(s))) {
        if (row.firstPlace > 0) {
            EXPECT_EQ(picture.text(row.player, 4), formatDisplay(row.values[0])) << row.player;
        }
    }
    // A further withdrawal that played more than half keeps his games.
    Tournament half = players(4);
    playUpTo(half, 2);
    ASSERT_TRUE(half.withdraw(1, 2).changed());
    EXPECT_FALSE(half.gamesVoided(1));
}

TEST(PlayerCount, ALowerCountRemovesPlayersAndTheStepBringsThemBack)
{
    Tournament t = players(6, 2);
    playUpTo(t, 10);
    const std::string full = t.fileBytes();
    const std::vector<Tournament::RemovedPlayer> removed = t.playersRemovedBy(4);
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0].row, 5);
    EXPECT_EQ(removed[0].name, "Игрок 5");
    // Each has all his ten results, the games between 5 and 6 counted for both.
    EXPECT_EQ(removed[0].results, 10);
    EXPECT_EQ(removed[1].results, 10);
    EXPECT_TRUE(t.playersRemovedBy(6).empty());

    const Step lower = t.setPlayerCount(4);
    ASSERT_TRUE(lower.changed());
    EXPECT_EQ(t.playerCount(), 4);
    expectRoundTrip(t);
    EXPECT_EQ(readTournamentFile(t.fileBytes()).playerCount, 4);
    // Higher again: empty rows, nothing of the old players counted or saved.
    Tournament raised = t;
    ASSERT_TRUE(raised.setPlayerCount(6).changed());
    for (int c = 0; c < 2; ++c)
        for (int q = 1; q <= 4; ++q) {
            EXPECT_EQ(shown(raised, {c, 5, q}), "");
            EXPECT_EQ(raised.games(c).results[q][5], "");
        }
    EXPECT_EQ(raised.name(5), "");
    EXPECT_TRUE(raised.playersRemovedBy(4).empty());
    // Undo brings them back exactly.
    t.restore(lower, lower.before);
    EXPECT_EQ(t.fileBytes(), full);
    t.restore(lower, lower.after);
    EXPECT_EQ(t.playerCount(), 4);
}

TEST(PlayerCount, HiddenResultsNoLongerHoldTheCycles)
{
    Tournament t = players(5, 2);
    // A result of cycle 2 only between players 4 and 5.
    t.setResult({1, 4, 5}, GameState::Win);
    EXPECT_EQ(t.lastCycleWithResults(), 2);
    ASSERT_TRUE(t.setPlayerCount(3).changed());
    EXPECT_EQ(t.lastCycleWithResults(), 0);
    EXPECT_TRUE(t.setCycles(1, true).changed());
}

} // namespace
