#include <QAction>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class TournamentFileIoTest : public TournamentTest {
  protected:
    QByteArray saved() { return readFile(QStringLiteral("ALPHA.TXT")); }
    QScrollBar *spin() { return widget<QScrollBar>(QStringLiteral("vscPlayer")); }
};

TEST_F(TournamentFileIoTest, ASavedTournamentIsTheNineteenLinesAndLoadsBack)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament();
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    setResult(1, 3, QStringLiteral("0.5"));
    ASSERT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
    save();
    EXPECT_EQ(saved(), threePlayers());
    // Saving also brings the new ratings up to date.
    EXPECT_FALSE(cell(1, 3).isEmpty());

    openTournament(saved());
    EXPECT_EQ(cell(1, 1), QStringLiteral("Ivanov"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("1700"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("0"));
    EXPECT_EQ(cell(3, 5), QStringLiteral("0.5"));
    EXPECT_TRUE(cell(1, 3).isEmpty()); // computed columns are not stored
    EXPECT_EQ(spin()->minimum(), 3);
    EXPECT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1.5"));
    EXPECT_EQ(cell(3, 4), QStringLiteral(" .5"));
    save();
    EXPECT_EQ(saved(), threePlayers()); // record numbers and marks came back too
}

TEST_F(TournamentFileIoTest, NamesWithCommasAndQuotesAndCyrillicComeBackWhole)
{
    const QByteArray name = cp1251(QStringLiteral("Щукин, \"Младший\""));
    openTournament(threePlayers(name));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Щукин, \"Младший\""));
    save();
    EXPECT_EQ(saved(), threePlayers(name));
}

TEST_F(TournamentFileIoTest, UnknownResultsAreEmptiedAndLeaveTheGameRecord)
{
    QByteArray file = threePlayers();
    file.replace("\r\n0\r\n\r\nSidorov", "\r\n2\r\n\r\nSidorov"); // player 2's side of 1-2
    openTournament(file);
    EXPECT_TRUE(cell(2, 5).isEmpty());
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(1, 4), QStringLiteral(" 1.5"));
}

TEST_F(TournamentFileIoTest, EveryGameIsRatedAgainstTheLoadedRatings)
{
    // Player 2's rating is read after player 1's win over him, and player 2's own side is
    // unusable: the win still counts against 1600, not against an empty cell.
    QByteArray file = threePlayers();
    file.replace("\r\n0\r\n\r\nSidorov", "\r\n2\r\n\r\nSidorov");
    file.replace("\r\n0.5\r\nPetrov", "\r\n\r\nPetrov");
    file.replace("Sidorov\r\n 3 \r\n1700\r\n 1000 \r\n0.5", "Sidorov\r\n 3 \r\n1700\r\n 1000 \r\n");
    openTournament(file);
    clickCell(grid(), 0, 3);
    // 1500 beat 1600: E = .3599, K 30 × .6401 = 19.2.
    EXPECT_EQ(cell(1, 3), QStringLiteral(" 1519"));
}

TEST_F(TournamentFileIoTest, ANewFileIsAnEmptyThreePlayerTable)
{
    openTournament();
    EXPECT_EQ(grid()->rows(), 4);
    EXPECT_FALSE(widget(QStringLiteral("cmdSave"))->isEnabled());
    EXPECT_EQ(spin()->minimum(), 3);
}

TEST_F(TournamentFileIoTest, TheCountBesideTheArrowsIsTheLoadedOne)
{
    openTournament(lines({" 5 "}));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblPlayerCount"))->text(),
              QStringLiteral("5 игроков"));
}

TEST_F(TournamentFileIoTest, AFileChangedOnDiskIsReplacedOnlyOnYesAndAsShown)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament(threePlayers());
    QByteArray five = lines({" 5 "});
    writeFile(QStringLiteral("ALPHA.TXT"), five);
    {
        BoxAnswerer answerer(QMessageBox::No);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
    }
    EXPECT_EQ(saved(), five);
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
    }
    // The table as shown: no rows come from the count on disk.
    EXPECT_EQ(grid()->rows(), 4);
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblPlayerCount"))->text(), QStringLiteral("3 игрока"));
    EXPECT_EQ(saved(), threePlayers());
}

TEST_F(TournamentFileIoTest, NegativeMarksAreWrittenWithTheirSign)
{
    writeBase({{"Estimate", "1200", 'N'}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament();
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("0"));
    clickCell(grid(), 0, 3); // corrections: -10 for a lost game
    save();
    EXPECT_TRUE(saved().startsWith(" 3 \r\nEstimate\r\n 1 \r\n1200\r\n-10 \r\n0\r\n\r\n"));
    openTournament(saved());
    EXPECT_EQ(cellColour(1, 2), kEstimateCell);
    EXPECT_EQ(cellColour(2, 2), krugovik::toQColor(krugovik::kWindowBackground));
}

TEST_F(TournamentFileIoTest, EstimatesKeepTheirColourInAThreePlayerTable)
{
    QByteArray file = threePlayers();
    file.replace("Ivanov\r\n 1 \r\n1500\r\n 1000 ", "Ivanov\r\n 1 \r\n1500\r\n 0 ");
    openTournament(file);
    EXPECT_EQ(cellColour(1, 2), kEstimateCell);
    save();
    EXPECT_EQ(saved(), file); // the estimate is not turned into an established rating
}

TEST_F(TournamentFileIoTest, AFailedSaveKeepsTheTournamentAndTheOldFile)
{
    openTournament(threePlayers());
    // A folder of that name now stands where the file was.
    QFile::remove(path(QStringLiteral("ALPHA.TXT")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ALPHA.TXT")));
    BoxAnswerer answerer;
    save();
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_TRUE(answerer.seen().text.contains(path(QStringLiteral("ALPHA.TXT"))));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Ivanov"));
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("ALPHA.TXT")));
    save();
    EXPECT_EQ(saved(), threePlayers()); // tried again, it works
}

TEST_F(TournamentFileIoTest, ForeignFilesAreReportedAndLayOutNothing)
{
    for (const QByteArray &content :
         {lines({" 40 "}), lines({"Dear director"}), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)}) {
        BoxAnswerer answerer;
        openTournament(content);
        EXPECT_EQ(answerer.seen().count, 1) << content.toStdString();
        EXPECT_EQ(grid()->rows(), 4);
        EXPECT_TRUE(cell(1, 1).isEmpty());
    }
}

TEST_F(TournamentFileIoTest, AFileCutAnywhereLoadsWhatItHolds)
{
    const QByteArray whole = threePlayers();
    BoxAnswerer answerer; // a lone blank is no count at all, and is reported
    for (int length = 1; length < whole.size(); ++length) {
        openTournament(whole.left(length));
        ASSERT_EQ(grid()->rows(), 4) << length;
        for (int r = 1; r <= 3; ++r)
            for (int c = 5; c <= 7; ++c)
                ASSERT_TRUE(cell(r, c).isEmpty() ||
                            whole.left(length).contains(cell(r, c).toLatin1()));
    }
    EXPECT_EQ(answerer.seen().count, 1);
    // Lone CR and lone LF line ends read the same.
    QByteArray lf = whole;
    lf.replace("\r\n", "\n");
    openTournament(lf);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Sidorov"));
    QByteArray cr = whole;
    cr.replace("\r\n", "\r");
    openTournament(cr);
    EXPECT_EQ(cell(2, 5), QStringLiteral("0"));
}

} // namespace
