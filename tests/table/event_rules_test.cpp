// The rules as operations of the event: the records of their changes, the lots and the
// director's order keep their invariants, and whatever they make saves, reads back and
// restores from the recovery copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "export/snapshot_results.h"
#include "table/event_rules.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "table/tournament_store.h"

using namespace krugovik;

namespace {

// `count` named, rated players; nothing played.
Tournament named(int count)
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(count);
    for (int i = 1; i <= count; ++i)
        t.enterPlayer(i,
                      {"Игрок " + std::to_string(i), std::to_string(1500 + 10 * i), false, i, {}});
    return t;
}

void play(Tournament &t, int i, int j, GameState state)
{
    t.setResult({0, i, j}, state);
}

std::string codes(const std::vector<TieBreak> &list)
{
    std::string out;
    for (const TieBreak &tb : list)
        out += (out.empty() ? "" : " ") + fideCode(tb);
    return out;
}

TieBreak lot(std::uint32_t seed)
{
    TieBreak tb{TieBreakKind::Lot};
    tb.seed = seed;
    return tb;
}

// What the tie-break dialog returns: the event's records of earlier changes, then the list.
std::vector<TieBreak> dialogList(const Tournament &t, const std::vector<TieBreak> &rules)
{
    std::vector<TieBreak> list;
    for (const TieBreak &tb : t.tieBreaks()) {
        if (tb.kind == TieBreakKind::RulesChanged)
            list.push_back(tb);
    }
    list.insert(list.end(), rules.begin(), rules.end());
    return list;
}

// The store takes the bytes, they open as the same table, and as a recovery copy too.
void expectSavesAndReadsBack(const Tournament &t)
{
    const std::string bytes = t.fileBytes();
    EXPECT_EQ(readBackProblem(bytes), "");
    FoundCopy copy;
    copy.bytes = QByteArray::fromStdString(bytes);
    const TournamentStore::CopyReading read = TournamentStore::readCopy(copy);
    EXPECT_EQ(read.problem.toStdString(), "");
    Tournament again;
    again.load(read.file);
    EXPECT_EQ(again.tieBreaks(), t.tieBreaks());
    EXPECT_EQ(again.fileBytes(), bytes);
}

// Four players, one result; «Своя» emptied and the lots alone chosen, then FIDE's preset:
// every later save was refused as the program's own fault and the copy did not read.
TEST(RulesInTheModel, ALotsOnlyListChangedAfterAResultSavesAndItsCopyReads)
{
    Tournament t = named(4);
    play(t, 1, 2, GameState::Win);
    const std::string round = std::to_string(lastRoundPlayed(t.snapshot({}, {})));
    ASSERT_NE(round, "0");

    EXPECT_EQ(t.ruleChangeRound(dialogList(t, {lot(77)})), std::stoi(round));
    t.setTieBreaks(dialogList(t, {lot(77)}));
    EXPECT_EQ(codes(t.tieBreaks()), "CHANGED/" + round + "/SB,DE,WIN LOT/77");
    expectSavesAndReadsBack(t);

    t.setTieBreaks(dialogList(t, fideRoundRobinTieBreaks()));
    EXPECT_EQ(codes(t.tieBreaks()),
              "CHANGED/" + round + "/SB,DE,WIN CHANGED/" + round + "/PTS DE WIN SB KS");
    expectSavesAndReadsBack(t);
}

struct ChangeCase {
    const char *name;
    std::vector<TieBreak> before; // chosen before the first result
    std::vector<TieBreak> chosen; // chosen after it
    const char *recorded;         // the record's list before, "" for no record
};

TEST(RulesInTheModel, AChangeAfterAResultNamesTheListBefore)
{
    TieBreak hand{TieBreakKind::ByHand};
    hand.order = {3, 1};
    const std::vector<TieBreak> fide = fideRoundRobinTieBreaks();
    const ChangeCase cases[] = {
        {"the default to FIDE's", {}, fide, "SB DE WIN"},
        {"FIDE's to the default", fide, {}, "DE WIN SB KS"},
        {"the lots alone to FIDE's", {lot(5)}, fide, "PTS"},
        {"the lots and an order by hand to the default", {hand, lot(5)}, {}, "PTS"},
        {"FIDE's to the lots alone", fide, {lot(9)}, "DE WIN SB KS"},
        {"FIDE's with lots to FIDE's: the lots are no code", {fide[0], lot(5)}, {fide[0]}, "DE"},
        {"the same list again", fide, fide, ""},
        {"the default written out", {}, classicTieBreaks(), ""},
    };
    for (const ChangeCase &c : cases) {
        SCOPED_TRACE(c.name);
        Tournament t = named(4);
        t.setTieBreaks(c.before);
        // Before any result nothing is recorded.
        ASSERT_EQ(codes(t.tieBreaks()), codes(c.before));
        play(t, 1, 2, GameState::Draw);
        const int round = lastRoundPlayed(t.snapshot({}, {}));
        EXPECT_EQ(t.ruleChangeRound(dialogList(t, c.chosen)),
                  std::string(c.recorded).empty() ? 0 : round);
        t.setTieBreaks(dialogList(t, c.chosen));
        const std::string record =
            *c.recorded ? "CHANGED/" + std::to_string(round) + "/" + c.recorded : std::string();
        std::string expected = record;
        for (const TieBreak &tb : c.chosen)
            expected += (expected.empty() ? "" : " ") + fideCode(tb);
        std::replace(expected.begin(), expected.begin() + std::ptrdiff_t(record.size()), ' ', ',');
        EXPECT_EQ(codes(t.tieBreaks()), expected);
        expectSavesAndReadsBack(t);
    }
}

// «Порядок при равенстве» after a result orders players, it changes no rules.
TEST(RulesInTheModel, AnOrderByHandIsNoChangeOfTheRules)
{
    Tournament t = named(4);
    t.setTieBreaks({lot(3)});
    play(t, 1, 2, GameState::Draw);
    const std::vector<TieBreak> ordered = withOrderByHand(t.tieBreaks(), {4, 3});
    EXPECT_EQ(t.ruleChangeRound(ordered), 0);
    t.setTieBreaks(ordered);
    EXPECT_EQ(codes(t.tieBreaks()), "HAND/4,3 LOT/3");
    // On the default order, which it writes out.
    Tournament d = named(4);
    play(d, 1, 2, GameState::Draw);
    d.setTieBreaks(withOrderByHand(d.tieBreaks(), {2, 1}));
    EXPECT_EQ(codes(d.tieBreaks()), "SB DE WIN HAND/2,1");
    expectSavesAndReadsBack(d);
}

TEST(RulesInTheModel, TheOrderByHandNamesOnlyPlayersOfTheEvent)
{
    Tournament t = named(6);
    t.setTieBreaks(withOrderByHand({}, {6, 5, 4, 3, 2, 1}));
    t.setPlayerCount(4);
    EXPECT_EQ(codes(t.tieBreaks()), "SB DE WIN HAND/4,3,2,1");
    // Newcomers in rows 5 and 6 are no part of it.
    t.setPlayerCount(6);
    EXPECT_EQ(codes(t.tieBreaks()), "SB DE WIN HAND/4,3,2,1");
    expectSavesAndReadsBack(t);
    // Fewer than two left: no order at all.
    t.setTieBreaks(withOrderByHand(t.tieBreaks(), {6, 5, 1}));
    t.setPlayerCount(4);
    t.setPlayerCount(3);
    EXPECT_EQ(codes(t.tieBreaks()), "SB DE WIN");
    // A list handed in whole keeps to the event too.
    TieBreak stale{TieBreakKind::ByHand};
    stale.order = {9, 2, 2, 1};
    t.setTieBreaks({stale});
    EXPECT_EQ(codes(t.tieBreaks()), "HAND/2,1");
}

TEST(RulesInTheModel, TheOrderByHandFollowsItsPlayersToTheirDrawnNumbers)
{
    Tournament t = named(4);
    t.setTieBreaks(withOrderByHand({}, {4, 1}));
    // Player 2 takes number 1, player 4 number 2, player 1 number 3, player 3 number 4.
    t.drawNumbers({1, 3, 0, 2}, {DrawMethod::ByHand, 0, false});
    EXPECT_EQ(t.name(2), "Игрок 4");
    EXPECT_EQ(codes(t.tieBreaks()), "SB DE WIN HAND/2,3");
}

// A file saved before the order by hand followed a removal still opens, without the players
// who are gone.
TEST(RulesInTheModel, AnEarlierFileWithAStaleOrderOpensWithoutTheGonePlayers)
{
    Tournament t = named(4);
    const std::string bytes =
        t.fileBytes() + "*KRUGOVIK 2\r\nTIEBREAKS SB HAND/6,5,4,3,2,1\r\n*END 1\r\n";
    const FileDescription file = describeTournamentFile(bytes);
    ASSERT_TRUE(file.readable()) << file.extension.error;
    Tournament read;
    read.load(file);
    EXPECT_EQ(read.playerCount(), 4);
    EXPECT_EQ(codes(read.tieBreaks()), "SB HAND/4,3,2,1");
    expectSavesAndReadsBack(read);
}

// The one reading gives what its parts give, whatever the bytes.
TEST(OneReading, TheDescriptionHoldsTheKindTheBlocksAndTheExtension)
{
    Tournament cycles = named(5);
    cycles.setCycles(2, false);
    play(cycles, 2, 3, GameState::ForfeitWin);
    const std::string broken = named(3).fileBytes() + "*KRUGOVIK 2\r\nWITHDRAWN 2 8\r\n*END 1\r\n";
    for (const std::string &bytes :
         {cycles.fileBytes(), broken, newFileContent(), std::string("\x1a\x1a"),
          std::string(" 30 \r\n"), std::string("<html>\0</html>", 14), std::string(" 4 \r\nA\r\n"),
          cycles.fileBytes() + "\x1a"}) {
        SCOPED_TRACE(bytes.substr(0, 20));
        const FileDescription file = describeTournamentFile(bytes);
        EXPECT_EQ(file.kind, classifyTournamentFile(bytes));
        EXPECT_EQ(file.foreignReason(), foreignFileReason(bytes));
        const TournamentFile body = readTournamentFile(bytes);
        EXPECT_EQ(file.body.playerCount, body.playerCount);
        EXPECT_EQ(file.body.players.size(), body.players.size());
        EXPECT_EQ(file.body.complete(), body.complete());
        const FileExtensionRead extension = readFileExtension(bytes, body.playerCount.value_or(0));
        EXPECT_EQ(file.extension.error, extension.error);
        EXPECT_EQ(file.extension.extension.cycles, extension.extension.cycles);
        EXPECT_EQ(file.extension.extension.withdrawn, extension.extension.withdrawn);
        // The table built from the description is the table built from the bytes.
        Tournament fromBytes;
        fromBytes.load(std::string_view(bytes));
        Tournament fromFile;
        fromFile.load(file);
        EXPECT_EQ(fromFile.fileBytes(), fromBytes.fileBytes());
    }
    EXPECT_EQ(describeTournamentFile(broken).extension.error.empty(), false);
}

} // namespace
