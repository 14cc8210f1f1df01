#include <QDate>
#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/printer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;
using krugovik::PrintedDocument;
using krugovik::Printer;

namespace {

class PrintingTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        Printer::setRecorder([this](const PrintedDocument &d) {
            printed.push_back(d);
            boardOneShownWhilePrinting =
                widget(QStringLiteral("lblParing_1"))->isVisibleTo(tournament());
            editorShownWhilePrinting = widget(QStringLiteral("txtName"))->isVisibleTo(tournament());
        });
    }
    void TearDown() override
    {
        Printer::setRecorder(nullptr);
        TournamentTest::TearDown();
    }
    void players(int count, const QList<QByteArray> &names)
    {
        QList<std::tuple<QString, QByteArray, char>> base;
        for (const QByteArray &name : names)
            base.append({QString::fromLatin1(name), "1500", ' '});
        writeBase(base);
        openTournament();
        setPlayerCount(count);
        enterPlayers(int(names.size()));
    }
    QStringList protocol()
    {
        printed.clear();
        click(widget(QStringLiteral("cmdPrintParing")));
        EXPECT_EQ(printed.size(), 1u);
        if (printed.empty() || printed.back().lines.isEmpty())
            return {};
        // The tournament and the day head every protocol; the protocol's own lines follow.
        const QStringList lines = printed.back().lines;
        EXPECT_EQ(lines[0], QStringLiteral("         ALPHA   ") +
                                QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        return lines.mid(1);
    }
    std::vector<PrintedDocument> printed;
    bool boardOneShownWhilePrinting = true;
    bool editorShownWhilePrinting = true;
};

TEST_F(PrintingTest, BeforeAnyRoundTheProtocolIsItsHeading)
{
    players(3, {"A", "B", "C"});
    EXPECT_EQ(protocol(), (QStringList{QStringLiteral("         ПРОТОКОЛ ТУРА №  0"), QString()}));
    EXPECT_EQ(printed[0].fontName, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(widget(QStringLiteral("cmdPrintParing"))->toolTip(),
              QStringLiteral("Печать ПРОТОКОЛА тура"));
}

TEST_F(PrintingTest, BoardLinesFillFiftyOneAndSevenCharacters)
{
    const QByteArray longName(24, 'L');
    const QByteArray otherName(24, 'D');
    players(4, {longName, "B", "C", otherName});
    clickCell(grid(), 0, 5); // round 1: 1-4, 2-3
    clickCell(grid(), 1, 8);
    clickCell(grid(), 1, 8);
    clickCell(grid(), 1, 8); // 1 drew 4
    const QStringList lines = protocol();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("         ПРОТОКОЛ ТУРА №  1"));
    const QString board1 = QStringLiteral("1 ") + QString::fromLatin1(longName) +
                           QStringLiteral(" - ") + QString::fromLatin1(otherName);
    ASSERT_GT(board1.size(), 51);
    EXPECT_EQ(lines[2], board1.left(51) + QStringLiteral("0,5-0,5"));
    EXPECT_EQ(lines[3], QStringLiteral("2 B - C").leftJustified(51) + QStringLiteral("       "));
    EXPECT_EQ(printed.back().fileStem, QStringLiteral("ALPHA-protokol-1"));
}

TEST_F(PrintingTest, TwentyTwoPlayersPrintElevenBoardsInOrder)
{
    QList<QByteArray> names;
    for (int k = 1; k <= 22; ++k)
        names << "P" + QByteArray::number(k);
    players(22, names);
    clickCell(grid(), 0, 5);
    const QStringList lines = protocol();
    ASSERT_EQ(lines.size(), 13);
    for (int k = 1; k <= 11; ++k)
        EXPECT_TRUE(lines[k + 1].startsWith(QStringLiteral("%1 P%1 - P%2").arg(k).arg(23 - k)))
            << k;
    // A change of the count hides the boards; the heading keeps the round. Player 22 goes,
    // on the director's word.
    {
        BoxAnswerer yes(QMessageBox::Yes);
        widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(21);
        EXPECT_EQ(yes.seen().count, 1);
    }
    EXPECT_EQ(protocol(), (QStringList{QStringLiteral("         ПРОТОКОЛ ТУРА №  1"), QString()}));
}

TEST_F(PrintingTest, TheTablePrintsAloneAndEverythingComesBackAsItWas)
{
    players(4, {"A", "B", "C", "D"});
    clickCell(grid(), 0, 5);
    printed.clear();
    click(widget(QStringLiteral("cmdPrint")));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_FALSE(printed[0].picture.isNull());
    EXPECT_FALSE(boardOneShownWhilePrinting);
    EXPECT_FALSE(editorShownWhilePrinting);
    EXPECT_TRUE(widget(QStringLiteral("lblParing_1"))->isVisibleTo(tournament()));
    EXPECT_TRUE(widget(QStringLiteral("txtName"))->isVisibleTo(tournament()));
    EXPECT_TRUE(widget(QStringLiteral("grdTable"))->isVisibleTo(tournament()));
    // Boards without a game, the unused box and the hidden categories stay hidden.
    EXPECT_FALSE(widget(QStringLiteral("lblParing_3"))->isVisibleTo(tournament()));
    EXPECT_FALSE(widget(QStringLiteral("lblRezult_0"))->isVisibleTo(tournament()));
    EXPECT_FALSE(widget(QStringLiteral("optRanc1"))->isVisibleTo(tournament()));
    EXPECT_TRUE(widget(QStringLiteral("cmdPrintParing"))->isVisibleTo(tournament()));
}

} // namespace
