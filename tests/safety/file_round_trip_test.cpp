// Whatever this program writes it loads again, to the byte.
#include <QAction>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class FileRoundTripTest : public TournamentTest {};

TEST_F(FileRoundTripTest, ANameWithABellFromTheBaseIsSavedAndLoadedBackToTheByte)
{
    const QString bell = QStringLiteral("Ива") + QChar(0x07) + QStringLiteral("нов");
    writeBase({{bell, "1500", ' '},
               {QStringLiteral("Петров"), "1600", ' '},
               {QStringLiteral("Сидоров"), "1700", 'N'}});
    openTournament();
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    setResult(3, 2, QStringLiteral("+"));
    save();
    const QByteArray first = readFile(QStringLiteral("ALPHA.TXT"));
    ASSERT_TRUE(first.contains(cp1251(bell) + "\r\n"));

    BoxAnswerer answerer; // nothing is to be said about the program's own file
    openTournament(first);
    EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    EXPECT_EQ(cell(1, 1), bell);
    EXPECT_EQ(cell(3, 1), QStringLiteral("Сидоров"));
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 7), QStringLiteral("-"));
    EXPECT_EQ(cellColour(3, 2), kEstimateCell);
    ASSERT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), first);
}

TEST_F(FileRoundTripTest, AFileEndingInTheDosEndOfFileMarkLoadsWhole)
{
    const QByteArray tournament = threePlayers();
    for (const QByteArray &content : {tournament + "\x1a", tournament.chopped(2) + "\x1a"}) {
        BoxAnswerer answerer;
        openTournament(content);
        EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
        EXPECT_EQ(cell(3, 1), QStringLiteral("Sidorov"));
        EXPECT_EQ(cell(3, 5), QStringLiteral("0.5"));
        EXPECT_TRUE(cell(3, 6).isEmpty());
        EXPECT_TRUE(widget(QStringLiteral("cmdSave"))->isEnabled());
    }
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), tournament);
}

TEST_F(FileRoundTripTest, BinaryDataWithACountIsStillRefused)
{
    // A count on line 1, then bytes that no record number or result holds.
    BoxAnswerer answerer;
    openTournament(QByteArray(" 5 \r\nName\r\n\x01\x02\x03\r\n\xff\xfe\x07\r\n"));
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("двоичные данные")));
    EXPECT_EQ(grid()->rows(), 4);
    EXPECT_TRUE(cell(1, 1).isEmpty());
}

} // namespace
