// The tie-break rules and withdrawals in the model: as steps, in the file's extension, in
// the snapshot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/tournament.h"
#include "table/tournament_file.h"
#include "ui/table_picture.h"

using namespace krugovik;

namespace {

// A cell's text as the crosstable shows it.
std::string shown(Tournament &t, int row, int column)
{
    return TablePicture(t).text(row, column);
}

// Five players, every game of the first player won, the rest drawn.
Tournament fivePlayers()
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(5);
    for (int i = 1; i <= 5; ++i)
        t.enterPlayer(i, {"Игрок " + std::to_string(i), std::to_string(1500 + i), false, i});
    for (int i = 1; i <= 5; ++i)
        for (int j = i + 1; j <= 5; ++j)
            t.setResult({0, i, j}, i == 1 ? GameState::Win : GameState::Draw);
    return t;
}

TEST(PlacesSteps, AWithdrawalForfeitsTheLaterGamesAndIsTakenBack)
{
    Tournament t = fivePlayers();
    // Five players: rounds 1..5; player 2 meets 3 and 4 in rounds 4 and 5, not played yet.
    t.setResult({0, 2, 3}, GameState::None);
    t.setResult({0, 2, 4}, GameState::None);
    const std::string fileBefore = t.fileBytes();
    const Step left = t.withdraw(2, 3);
    ASSERT_TRUE(left.changed());
    const std::vector<std::string> cells = {shown(t, 2, 7), shown(t, 3, 6), shown(t, 2, 8),
                                            shown(t, 4, 6), shown(t, 2, 5), shown(t, 2, 9)};
    EXPECT_EQ(cells, (std::vector<std::string>{"-", "+", "-", "+", "0", "0.5"}));
    EXPECT_EQ(t.games().results[4][2], "+");

    // Player 4 left after round 2 too: his game with 2 in a later round is lost by both.
    const Step both = t.withdraw(4, 2);
    EXPECT_EQ(shown(t, 2, 8) + shown(t, 4, 6), "--");
    const TournamentSnapshot s = t.snapshot("T", "01.01.2026");
    EXPECT_EQ(s.players[1].withdrawnAfter, 3);
    EXPECT_EQ(s.players[3].withdrawnAfter, 2);

    // Taken back in turn: the file as it was.
    t.restore(both, both.before);
    t.restore(left, left.before);
    EXPECT_EQ(t.withdrawnAfter(2), 0);
    EXPECT_EQ(t.fileBytes(), fileBefore);
    // Out of range: nothing.
    for (const auto &[row, round] :
         std::vector<std::pair<int, int>>{{0, 1}, {6, 1}, {1, 0}, {1, 5}})
        EXPECT_FALSE(t.withdraw(row, round).changed()) << row << ' ' << round;
}

TEST(PlacesSteps, RulesAndWithdrawalsSurviveTheFileAndTheDefaultAddsNothing)
{
    Tournament t = fivePlayers();
    const std::string plain = t.fileBytes();
    EXPECT_EQ(plain.find("*KRUGOVIK"), std::string::npos);
    const Step rules = t.setTieBreaks({{TieBreakKind::Koya, 40}, {TieBreakKind::DirectEncounter}});
    EXPECT_TRUE(rules.changed());
    t.withdraw(3, 4);
    const std::string bytes = t.fileBytes();
    // Results are in: the event records the change after their last round.
    EXPECT_EQ(bytes.substr(plain.size()), "*KRUGOVIK 2\r\nTIEBREAKS CHANGED/5/SB,DE,WIN KS/L40 "
                                          "DE\r\nWITHDRAWN 3 4\r\n*END 2\r\n");

    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.tieBreaks(), t.tieBreaks());
    EXPECT_EQ(read.withdrawnAfter(3), 4);
    EXPECT_EQ(read.fileBytes(), bytes);
    EXPECT_EQ(read.snapshot("T", "").tieBreaks, t.tieBreaks());
    t.restore(rules, rules.before);
    EXPECT_TRUE(t.tieBreaks().empty());
}

// A file of three players, no results, then `tail` after its last block.
std::string withTail(const std::string &tail)
{
    std::string bytes = writeTournamentFile(std::vector<PlayerBlock>(3));
    return bytes + tail;
}

struct ExtensionCase {
    const char *tail;
    bool refused;
};

class Extension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(Extension, IsReadOrRefusedAsAWhole)
{
    const std::string bytes = withTail(GetParam().tail);
    const FileExtensionRead reading = readFileExtension(bytes, 3);
    EXPECT_EQ(!reading.error.empty(), GetParam().refused) << reading.error;
}

INSTANTIATE_TEST_SUITE_P(
    Tails, Extension,
    ::testing::Values(
        ExtensionCase{"", false}, ExtensionCase{"\r\n\r\n", false},
        ExtensionCase{"*KRUGOVIK 2\r\n*END 0\r\n", false},
        ExtensionCase{"*KRUGOVIK 2\r\nTIEBREAKS DE WIN SB KS\r\n*END 1\r\n", false},
        ExtensionCase{"*KRUGOVIK 2\r\nWITHDRAWN 1 1\r\nWITHDRAWN 3 2\r\n*END 2\r\n", false},
        ExtensionCase{"*KRUGOVIK 2\r\nTIEBREAKS SB\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nTIEBREAKS SB\r\n*END 2\r\n", true},
        ExtensionCase{"*KRUGOVIK 3\r\n*END 0\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nTIEBREAKS BH\r\n*END 1\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nTIEBREAKS\r\n*END 1\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nLOTS 1\r\n*END 1\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nWITHDRAWN 1 1\r\nTIEBREAKS SB\r\n*END 2\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nTIEBREAKS SB\r\nTIEBREAKS DE\r\n*END 2\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nWITHDRAWN 4 1\r\n*END 1\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nWITHDRAWN 1 4\r\n*END 1\r\n", true},
        ExtensionCase{"*KRUGOVIK 2\r\nWITHDRAWN 2 1\r\nWITHDRAWN 2 2\r\n*END 2\r\n", true}));

TEST(TieBreakCodes, ComeBackFromTheirSpellingOnly)
{
    for (const char *code : {"DE",
                             "WIN",
                             "WON",
                             "BPG",
                             "BWG",
                             "REP",
                             "STD",
                             "SB",
                             "SB/C1",
                             "SB/C2",
                             "KS",
                             "KS/L40",
                             "KS/L+1",
                             "KS/L+2",
                             "KS/L-1",
                             "KS/L-2",
                             "ARO",
                             "TPR",
                             "RTNG",
                             "RTNG/R",
                             "SNO",
                             "TPN/R",
                             "ARO/U1400",
                             "TPR/U1000",
                             "RTNG/R/U1500",
                             "LOT/0",
                             "LOT/4294967295",
                             "HAND/3,1",
                             "HAND/22,1,7",
                             "CHANGED/7/SB,DE,WIN",
                             "CHANGED/12/KS/L-1,ARO/U1400"}) {
        const std::optional<TieBreak> tb = tieBreakFromCode(code);
        ASSERT_TRUE(tb) << code;
        EXPECT_EQ(fideCode(*tb), code);
    }
    // Files of earlier versions wrote a raised limit without its sign, and TPN.
    for (const auto &[older, now] : {std::pair{"KS/L2", "KS/L+2"}, {"TPN", "SNO"}}) {
        ASSERT_TRUE(tieBreakFromCode(older)) << older;
        EXPECT_EQ(fideCode(*tieBreakFromCode(older)), now);
    }
    for (const char *code : {"BH",
                             "KS/L50",
                             "KS/L+0",
                             "KS/L0",
                             "KS/L",
                             "KS/Lx",
                             "de",
                             "KS/L100",
                             "KS/L+40",
                             "SB/C3",
                             "SB/C0",
                             "TPN/",
                             "RTNG/RR",
                             "TPR/R",
                             "LOT",
                             "LOT/",
                             "LOT/4294967296",
                             "HAND/3",
                             "HAND/3,3",
                             "HAND/3,",
                             "HAND/,3",
                             "HAND/23,1",
                             "SB/U1400",
                             "ARO/U0",
                             "ARO/U1400/U1400",
                             "ARO/U",
                             "CHANGED/0/DE",
                             "CHANGED/3/",
                             "CHANGED/3/BH",
                             "CHANGED/3/LOT/1",
                             "CHANGED/DE",
                             "CHANGED/3/DE,",
                             ""})
        EXPECT_FALSE(tieBreakFromCode(code)) << code;
}

} // namespace
