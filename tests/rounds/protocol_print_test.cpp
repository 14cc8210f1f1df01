// The round protocol and the crosstable printed as sheets: what reaches paper is the
// tournament's figures, never what the window happens to show.
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "common/printer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;
using krugovik::PrintedDocument;
using krugovik::Printer;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class PrintingTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        Printer::setRecorder([this](const PrintedDocument &d) { printed.push_back(d); });
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
    // The sheet a button printed.
    krugovik::Sheet print(const char *button)
    {
        printed.clear();
        click(widget(QString::fromLatin1(button)));
        EXPECT_EQ(printed.size(), 1u);
        if (printed.empty() || !printed.back().sheet)
            return {};
        return *printed.back().sheet;
    }
    // The sheet of «Итоги» → «Итоговая таблица».
    krugovik::Sheet printStandings()
    {
        printed.clear();
        widget<QAction>(QStringLiteral("mnuStandings"))->trigger();
        EXPECT_EQ(printed.size(), 1u);
        return printed.empty() || !printed.back().sheet ? krugovik::Sheet() : *printed.back().sheet;
    }
    std::vector<PrintedDocument> printed;
};

TEST_F(PrintingTest, BeforeAnyRoundTheProtocolHasNoBoards)
{
    players(3, {"A", "B", "C"});
    const krugovik::Sheet protocol = print("cmdPrintParing");
    EXPECT_EQ(protocol.title, "ALPHA");
    EXPECT_EQ(protocol.subtitle, "Протокол тура");
    EXPECT_TRUE(protocol.rows.empty());
    EXPECT_EQ(printed[0].fileStem, QStringLiteral("ALPHA-protokol-0"));
    EXPECT_EQ(widget(QStringLiteral("cmdPrintParing"))->toolTip(),
              QStringLiteral("Печать ПРОТОКОЛА тура"));
}

TEST_F(PrintingTest, TheProtocolIsATableOfBoardsWithWhiteBlackAndResult)
{
    const QByteArray longName(24, 'L');
    const QByteArray otherName(24, 'D');
    players(4, {longName, "B", "C", otherName});
    clickCell(grid(), 0, 5); // round 1: 1-4, 2-3
    clickCell(grid(), 1, 8);
    clickCell(grid(), 1, 8);
    clickCell(grid(), 1, 8); // 1 drew 4
    const krugovik::Sheet protocol = print("cmdPrintParing");
    EXPECT_EQ(protocol.subtitle, "Протокол тура № 1");
    ASSERT_EQ(protocol.columns.size(), 4u);
    EXPECT_EQ(protocol.columns[1].title, "Белые");
    EXPECT_EQ(protocol.columns[2].title, "Чёрные");
    // Names are never cut.
    EXPECT_EQ(protocol.rows, (Rows{{"1", longName.toStdString(), otherName.toStdString(), "½ – ½"},
                                   {"2", "B", "C", ""}}));
    EXPECT_EQ(protocol.signatures, std::vector<std::string>{"Главный судья\t"});
    EXPECT_EQ(printed.back().fileStem, QStringLiteral("ALPHA-protokol-1"));
}

TEST_F(PrintingTest, TwentyTwoPlayersPrintElevenBoardsInOrder)
{
    QList<QByteArray> names;
    for (int k = 1; k <= 22; ++k)
        names << "P" + QByteArray::number(k);
    players(22, names);
    clickCell(grid(), 0, 5);
    krugovik::Sheet protocol = print("cmdPrintParing");
    ASSERT_EQ(protocol.rows.size(), 11u);
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(protocol.rows[std::size_t(k - 1)][0], std::to_string(k));
        EXPECT_EQ(protocol.rows[std::size_t(k - 1)][1], "P" + std::to_string(k));
        EXPECT_EQ(protocol.rows[std::size_t(k - 1)][2], "P" + std::to_string(23 - k));
    }
    // A change of the count hides the boards: the protocol has none then. Player 22 goes,
    // on the director's word.
    {
        BoxAnswerer yes(QMessageBox::Yes);
        widget<QScrollBar>(QStringLiteral("vscPlayer"))->setValue(21);
        EXPECT_EQ(yes.seen().count, 1);
    }
    protocol = print("cmdPrintParing");
    EXPECT_TRUE(protocol.rows.empty());
    EXPECT_EQ(printed.back().fileStem, QStringLiteral("ALPHA-protokol-1"));
}

TEST_F(PrintingTest, TheSecondCycleNamesItsRoundAndReversesTheColours)
{
    players(4, {"A", "B", "C", "D"});
    widget<QSpinBox>(QStringLiteral("spnCycles"))->setValue(2);
    clickCell(grid(), 0, 5 + 4); // the second block's first round: round 4
    const krugovik::Sheet protocol = print("cmdPrintParing");
    EXPECT_EQ(protocol.subtitle, "Протокол тура № 4 (2-й цикл, тур 1)");
    // Round 1 played 1-4 and 2-3; the boards go by the first-named player, as on screen.
    EXPECT_EQ(protocol.rows, (Rows{{"1", "C", "B", ""}, {"2", "D", "A", ""}}));
}

TEST_F(PrintingTest, PrintingLeavesTheWindowAsItWas)
{
    players(4, {"A", "B", "C", "D"});
    clickCell(grid(), 0, 5);
    const bool board = widget(QStringLiteral("lblParing_1"))->isVisibleTo(tournament());
    print("cmdPrint");
    print("cmdPrintParing");
    EXPECT_EQ(widget(QStringLiteral("lblParing_1"))->isVisibleTo(tournament()), board);
    EXPECT_TRUE(widget(QStringLiteral("txtName"))->isVisibleTo(tournament()));
    EXPECT_FALSE(widget(QStringLiteral("lblParing_3"))->isVisibleTo(tournament()));
    EXPECT_FALSE(widget(QStringLiteral("lblRezult_0"))->isVisibleTo(tournament()));
    EXPECT_FALSE(widget(QStringLiteral("optRanc1"))->isVisibleTo(tournament()));
    EXPECT_TRUE(widget(QStringLiteral("cmdPrintParing"))->isVisibleTo(tournament()));
}

// Whatever columns 3 and 4 show, whichever round is marked and whether the view is
// reduced, the crosstable printout, its PDF text and the standings are the same.
TEST_F(PrintingTest, NothingOfTheScreenReachesTheCrosstable)
{
    players(5, {"A", "B", "C", "D", "E"});
    setResult(1, 2, QStringLiteral("1"));
    setResult(3, 4, QStringLiteral("0.5"));
    setResult(5, 1, QStringLiteral("+"));
    const krugovik::Sheet plain = print("cmdPrint");
    ASSERT_TRUE(krugovik::writePdf(printed.back(), path(QStringLiteral("plain.pdf"))));
    const QString plainText = pdfText(path(QStringLiteral("plain.pdf")));
    const krugovik::Sheet standings = printStandings();

    const struct {
        const char *what;
        std::function<void()> change;
    } screens[] = {
        {"points", [this] { clickCell(grid(), 0, 4); }},
        {"Berger", [this] { clickCell(grid(), 0, 4); }},
        {"new ratings", [this] { clickCell(grid(), 0, 3); }},
        {"round 2 marked", [this] { clickCell(grid(), 0, 6); }},
        {"reduced view", [this] { click(widget(QStringLiteral("chkSdvig"))); }},
    };
    for (const auto &screen : screens) {
        screen.change();
        const krugovik::Sheet sheet = print("cmdPrint");
        EXPECT_EQ(sheet.rows, plain.rows) << screen.what;
        EXPECT_EQ(sheet.shaded, plain.shaded) << screen.what;
        ASSERT_TRUE(krugovik::writePdf(printed.back(), path(QStringLiteral("again.pdf"))));
        EXPECT_EQ(pdfText(path(QStringLiteral("again.pdf"))), plainText) << screen.what;
        EXPECT_EQ(printStandings().rows, standings.rows) << screen.what;
    }
    // The games as the table holds them, with the points and places of the standings.
    EXPECT_EQ(plain.rows[0][3], "×");
    EXPECT_EQ(plain.rows[0][4], "1");
    EXPECT_EQ(plain.rows[0][7], "−");
    EXPECT_EQ(plain.rows[2][6], "½");
    EXPECT_EQ(plain.rows[4][3], "+");
    EXPECT_EQ(plain.columns[8].title, "Очки");
    EXPECT_EQ(plain.rows[0][8], "1");
    // 1 and 5 have a point each; 5's forfeit win over 1 gives him the better Berger.
    EXPECT_EQ(plain.rows[0].back(), "2");
    EXPECT_EQ(plain.rows[4].back(), "1");
    EXPECT_TRUE(plainText.contains(QStringLiteral("Турнирная таблица")));
}

} // namespace
