// The drawing of numbers in the model and its line in the tournament file.
#include <gtest/gtest.h>

#include "export/fide_sheets.h"
#include "export/fide_snapshot.h"
#include "rating/fide_report.h"
#include "table/tournament.h"
#include "table/tournament_file.h"

using namespace krugovik;

namespace {

Tournament fourPlayers()
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(4);
    const PlayerIdentity karpov{4100018, "", "RUS", "GM", 'M', 1951, 2617};
    EXPECT_TRUE(t.enterPlayer(1, {"Петров", "1600", false, 1}).changed());
    EXPECT_TRUE(t.enterPlayer(2, {"Karpov, Anatoly", "2500", false, 2, karpov}).changed());
    EXPECT_TRUE(t.enterPlayer(3, {"Сидоров", "1500", true, 3}).changed());
    EXPECT_TRUE(t.enterPlayer(4, {"Орлов", "1700", false, 4}).changed());
    return t;
}

TEST(NumberDrawModel, MovesEachPlayerWithAllHeHolds)
{
    Tournament t = fourPlayers();
    const DrawRecord lot{DrawMethod::Lot, 42, false};
    const Step step = t.drawNumbers({1, 3, 0, 2}, lot);
    ASSERT_TRUE(step.changed());
    EXPECT_EQ(step.kind, Step::Kind::Whole);
    EXPECT_EQ(t.name(1), "Karpov, Anatoly");
    EXPECT_EQ(t.identity(1).fideId, 4100018);
    EXPECT_EQ(t.baseRecordNo(1), 2);
    EXPECT_EQ(t.name(2), "Орлов");
    EXPECT_EQ(t.name(3), "Петров");
    EXPECT_EQ(t.name(4), "Сидоров");
    EXPECT_TRUE(t.estimate(4));
    EXPECT_EQ(t.rating(4), "1500");
    EXPECT_EQ(t.numberDraw(), lot);
    // Taken back, the table is as before.
    t.restore(step, step.before);
    EXPECT_EQ(t.name(1), "Петров");
    EXPECT_FALSE(t.numberDraw().has_value());
}

TEST(NumberDrawModel, IsKeptInTheFileAndReadBack)
{
    Tournament t = fourPlayers();
    ASSERT_TRUE(t.drawNumbers({3, 2, 1, 0}, {DrawMethod::Varma, 7, true}).changed());
    const std::string bytes = t.fileBytes();
    EXPECT_NE(bytes.find("\r\nDRAW VARMA 7 CLUB\r\n"), std::string::npos);
    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.numberDraw(), (DrawRecord{DrawMethod::Varma, 7, true}));
    EXPECT_EQ(read.name(1), "Орлов");
    EXPECT_EQ(read.fileBytes(), bytes);
    // A file without the line, an older one, has no draw.
    Tournament old;
    old.load(fourPlayers().fileBytes());
    EXPECT_FALSE(old.numberDraw().has_value());
}

TEST(NumberDrawModel, RefusedOnceAResultIsInOrForNoPermutation)
{
    Tournament t = fourPlayers();
    EXPECT_FALSE(t.drawNumbers({0, 1, 2}, {}).changed());
    EXPECT_FALSE(t.drawNumbers({0, 1, 1, 3}, {}).changed());
    ASSERT_TRUE(t.setResult({0, 1, 2}, GameState::Win).changed());
    EXPECT_FALSE(t.drawNumbers({1, 0, 2, 3}, {}).changed());
    EXPECT_EQ(t.name(1), "Петров");
}

TEST(DrawRecordLine, ReadsWhatItWritesAndNothingElse)
{
    for (const DrawRecord &record :
         {DrawRecord{DrawMethod::Lot, 18446744073709551ull, false},
          DrawRecord{DrawMethod::Varma, 0, false}, DrawRecord{DrawMethod::Rating, 0, false},
          DrawRecord{DrawMethod::ByHand, 0, false}})
        EXPECT_EQ(readDrawRecord(drawRecordText(record)), record) << drawRecordText(record);
    for (const char *bad :
         {"", "LOT", "LOT x", "LOT 1 2", "VARMA 1", "VARMA 1 TEAM", "RATING 3", "lot 1", "HAND 1",
          "VARMA 1 FED A|B", "VARMA 1 CLUB A|B C", "VARMA 1 CLUB A%4"})
        EXPECT_FALSE(readDrawRecord(bad)) << bad;
}

TEST(DrawRecordLine, TheClubsOfAVarmaDrawGoOutAndComeBackWhole)
{
    // Names with blanks, bars, per cents, Cyrillic, and a player without a club.
    DrawRecord record{DrawMethod::Varma, 99, true, {"Спартак", "", "A|B 50%", "Спартак"}};
    const std::string text = drawRecordText(record);
    EXPECT_EQ(text.find(' ', std::string("VARMA 99 CLUB ").size()), std::string::npos) << text;
    EXPECT_EQ(readDrawRecord(text), record);
    EXPECT_EQ(drawRecordText({DrawMethod::Varma, 5, true, {"Dynamo", "Lokomotiv", ""}}),
              "VARMA 5 CLUB Dynamo|Lokomotiv|");
    // A draw by clubs without names, and one by federations, write as before.
    EXPECT_EQ(drawRecordText({DrawMethod::Varma, 5, true, {}}), "VARMA 5 CLUB");
    EXPECT_EQ(drawRecordText({DrawMethod::Varma, 5, false, {"Dynamo"}}), "VARMA 5 FED");

    Tournament t = fourPlayers();
    ASSERT_TRUE(t.drawNumbers({3, 2, 1, 0}, record).changed());
    const std::string bytes = t.fileBytes();
    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.numberDraw(), record);
    EXPECT_EQ(read.fileBytes(), bytes);
}

TEST(DrawRecordLine, AFileWithABadDrawLineIsRefused)
{
    Tournament t = fourPlayers();
    // Even the order as it stands is a draw the file records.
    ASSERT_TRUE(t.drawNumbers({0, 1, 2, 3}, {DrawMethod::Lot, 5, false}).changed());
    std::string bytes = t.fileBytes();
    const std::size_t at = bytes.find("DRAW LOT 5");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 10, "DRAW LOT x");
    EXPECT_FALSE(readFileExtension(bytes, 4).error.empty());
}

// The FIDE view of the tournament: ratings from identities only, forfeits, later cycles.
TEST(FideSnapshot, TakesIdentitiesAndEveryGame)
{
    Tournament t = fourPlayers();
    ASSERT_TRUE(t.setCycles(2, true).changed());
    ASSERT_TRUE(t.setResult({0, 1, 2}, GameState::Win).changed());        // 1 beats 2, cycle 1
    ASSERT_TRUE(t.setResult({0, 1, 3}, GameState::ForfeitWin).changed()); // 1 against 3: forfeit
    ASSERT_TRUE(t.setResult({1, 2, 3}, GameState::Draw).changed());       // 2 draws 3, cycle 2
    const FideEvent event = fideEventOf(t.snapshot("T", "08.12.2026"));
    EXPECT_EQ(event.year, 2026);
    ASSERT_EQ(event.players.size(), 4u);
    EXPECT_EQ(event.players[0].rating, 0); // the club's 1600 is no FIDE rating
    EXPECT_EQ(event.players[1].rating, 2617);
    EXPECT_EQ(event.players[1].title, "GM");
    ASSERT_EQ(event.games.size(), 12u); // six pairs, two cycles
    EXPECT_EQ(event.games[0].kind, FideGameKind::OverTheBoard);
    EXPECT_EQ(event.games[0].firstHalfPoints, 2); // seen from player 1, the first of the pair
    EXPECT_EQ(event.games[1].kind, FideGameKind::Forfeit);
    EXPECT_EQ(event.games[6 + 3].kind, FideGameKind::OverTheBoard); // pair 2-3, cycle 2
    EXPECT_EQ(event.games[6 + 3].firstHalfPoints, 1);
    EXPECT_EQ(event.games[2].kind, FideGameKind::Pending);
}

// The K the list gave goes with the player into the file and back, and decides his change.
TEST(FideSnapshot, TheListsKGoesThroughTheFileIntoTheChange)
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(4);
    // An adult with the list's K 40: a new player, whom the rules alone would give 20.
    PlayerIdentity newcomer{34187765, "", "RUS", "", 'F', 1990, 2000};
    newcomer.listK = 40;
    const PlayerIdentity adult{4168119, "", "RUS", "", 'M', 1980, 2000};
    ASSERT_TRUE(
        t.enterPlayer(1, {"Shcherbakova, Yekaterina", "2000", false, 1, newcomer}).changed());
    ASSERT_TRUE(t.enterPlayer(2, {"Ivanov, Ivan", "2000", false, 2, adult}).changed());
    ASSERT_TRUE(t.enterPlayer(3, {"Петров", "1600", false, 3}).changed());
    ASSERT_TRUE(t.enterPlayer(4, {"Орлов", "1700", false, 4}).changed());
    ASSERT_TRUE(t.setResult({0, 1, 2}, GameState::Win).changed()); // 1 beats 2
    const std::string bytes = t.fileBytes();
    EXPECT_NE(bytes.find("IDENTITY 1 34187765||RUS||F|1990|2000||40\r\n"), std::string::npos);
    // Without K the line is as it always was.
    EXPECT_NE(bytes.find("IDENTITY 2 4168119||RUS||M|1980|2000\r\n"), std::string::npos);
    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.identity(1), newcomer);
    const std::vector<FideReportLine> lines =
        fideReport(fideEventOf(read.snapshot("T", "08.12.2026")));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].k, 40);
    EXPECT_TRUE(lines[0].kFromList);
    EXPECT_TRUE(lines[0].newPlayer);
    EXPECT_EQ(lines[0].change, 20); // 40 × (1 − 0.5)
    EXPECT_EQ(lines[1].k, 20);
    EXPECT_FALSE(lines[1].kFromList);
    EXPECT_EQ(lines[1].change, -10);
}

} // namespace
