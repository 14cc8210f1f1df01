#include <QAction>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "common/printer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;
using krugovik::PrintedDocument;
using krugovik::Printer;

namespace {

QByteArray record(const QByteArray &name, const QByteArray &rate, char nr = ' ')
{
    return name.leftJustified(24, ' ', true) + rate.leftJustified(4, ' ', true) + nr;
}

// The rows of the printed list: number, name, rating.
std::vector<std::vector<std::string>> listRows(const PrintedDocument &list)
{
    return list.sheet ? list.sheet->rows : std::vector<std::vector<std::string>>{};
}

class BaseCommandsTest : public TournamentTest {
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
    std::vector<PrintedDocument> printed;
};

TEST_F(BaseCommandsTest, TheListIsSortedByRatingWithTiesInRecordOrder)
{
    QByteArray base = record("First", "1500") + record("Second", "1700") + record("Third", "1500") +
                      record("NoRating", "");
    for (int k = 5; k <= 11; ++k)
        base += record("P" + QByteArray::number(k), "1000");
    writeFile(QStringLiteral("BASE.DAT"), base);
    openTournament();
    click(widget(QStringLiteral("cmdPrintBase")));
    ASSERT_EQ(printed.size(), 1u);
    const PrintedDocument &list = printed[0];
    ASSERT_TRUE(list.sheet.has_value());
    // Headed by the club folder's name, the list's title and the day.
    EXPECT_EQ(list.sheet->title, QDir::current().dirName().toStdString());
    EXPECT_EQ(list.sheet->subtitle, "CПИСОК ИГРОКОВ И ИХ РЕЙТИНГИ");
    EXPECT_EQ(list.sheet->heading,
              std::vector<std::string>{
                  "По состоянию на " +
                  QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString()});
    // The ratings in a column of their own, right-aligned.
    ASSERT_EQ(list.sheet->columns.size(), 3u);
    EXPECT_EQ(list.sheet->columns[2].align, krugovik::SheetAlign::Right);
    const auto rows = listRows(list);
    ASSERT_EQ(rows.size(), 11u);
    using Row = std::vector<std::string>;
    EXPECT_EQ(rows[0], (Row{"1", "Second", "1700"}));
    EXPECT_EQ(rows[1], (Row{"2", "First", "1500"}));
    EXPECT_EQ(rows[2], (Row{"3", "Third", "1500"}));
    EXPECT_EQ(rows[9], (Row{"10", "P11", "1000"}));
    EXPECT_EQ(rows[10], (Row{"11", "NoRating", "0"}));
    // The editor is left on the last record.
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtName"))->text(), QStringLiteral("P11"));
}

TEST_F(BaseCommandsTest, AnEditOfTheShownRecordIsKeptAndPrinted)
{
    writeFile(QStringLiteral("BASE.DAT"), record("First", "1500") + record("Second", "1700"));
    openTournament();
    auto *rate = widget<QLineEdit>(QStringLiteral("txtRate"));
    rate->selectAll();
    QTest::keyClicks(rate, QStringLiteral("1800"));
    click(widget(QStringLiteral("cmdPrintBase")));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(listRows(printed[0])[0], (std::vector<std::string>{"1", "First", "1800"}));
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")).left(29), record("First", "1800"));
}

// The button's arrow offers the whole base or the tournament's players alone.
TEST_F(BaseCommandsTest, TheTournamentsPlayersAlonePrintWhenChosen)
{
    writeBase({{"Ivanov", "1500", ' '},
               {"Petrov", "1600", ' '},
               {"Sidorov", "1700", ' '},
               {"Outsider", "2000", ' '}});
    openTournament();
    enterPlayers(3);
    auto *button = widget<QToolButton>(QStringLiteral("cmdPrintBase"));
    ASSERT_NE(button->menu(), nullptr);
    EXPECT_EQ(button->menu()->objectName(), QStringLiteral("mnuPrintBase"));
    widget<QAction>(QStringLiteral("actPrintEntrants"))->trigger();
    widget<QAction>(QStringLiteral("actPrintWholeBase"))->trigger();
    ASSERT_EQ(printed.size(), 2u);
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(listRows(printed[0]),
              (Rows{{"1", "Sidorov", "1700"}, {"2", "Petrov", "1600"}, {"3", "Ivanov", "1500"}}));
    EXPECT_EQ(printed[0].sheet->heading.front(), "Только участники турнира ALPHA");
    EXPECT_EQ(listRows(printed[1]).size(), 4u);
    EXPECT_EQ(listRows(printed[1])[0][1], "Outsider");
}

TEST_F(BaseCommandsTest, WriteBackStoresNewRatingsAsEstablished)
{
    writeBase({{QStringLiteral("Новичок"), "1200", 'N'},
               {QStringLiteral("Опытный"), "1500", ' '},
               {QStringLiteral("Третий"), "1500", ' '}});
    openTournament();
    enterPlayers(2);
    // Row 3 takes the name as corrected in the editor; the record keeps the old one.
    click(widget(QStringLiteral("cmdNext")));
    widget<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Третий Исправленный"));
    clickCell(grid(), 3, 0);
    setResult(1, 2, QStringLiteral("1"));
    // The record on show still holds the corrected name: the write-back keeps that edit
    // first, so the name no longer differs from its record and nothing is asked.
    BoxAnswerer answerer(QMessageBox::Yes);
    click(widget(QStringLiteral("cmdZapisBase")));
    EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")),
              cp1251(QStringLiteral("Новичок")).leftJustified(24, ' ') + "1244 " +
                  cp1251(QStringLiteral("Опытный")).leftJustified(24, ' ') + "1479 " +
                  cp1251(QStringLiteral("Третий Исправленный")).leftJustified(24, ' ') + "1500 ");
}

TEST_F(BaseCommandsTest, RowsNotFromTheBaseAreSkippedAndNamed)
{
    writeBase({{"A", "1500", ' '}, {"B", "1600", ' '}, {"C", "1700", ' '}});
    QByteArray file =
        " 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n\r\n\r\nStranger\r\n 0 \r\n1600\r\n 1000 "
        "\r\n\r\n\r\nFar\r\n 99 \r\n1700\r\n 1000 \r\n\r\n\r\n";
    openTournament(file);
    const QByteArray before = readFile(QStringLiteral("BASE.DAT"));
    BoxAnswerer answerer;
    click(widget(QStringLiteral("cmdZapisBase")));
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("Stranger")));
    EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("Far")));
    const QByteArray after = readFile(QStringLiteral("BASE.DAT"));
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.mid(29), before.mid(29));
}

TEST_F(BaseCommandsTest, WithoutAPrinterAPdfIsWrittenAndNamed)
{
    Printer::setRecorder(nullptr);
    writeBase({{"A", "1500", ' '}});
    openTournament();
    BoxAnswerer answerer;
    PreviewAnswerer preview;
    click(widget(QStringLiteral("cmdPrintBase")));
    EXPECT_EQ(preview.seen().count, 1);
    EXPECT_EQ(preview.seen().title, QStringLiteral("Список игроков"));
    const QStringList pdfs = QDir::current().entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pdfs[0], QStringLiteral("BASE-spisok.pdf"));
    EXPECT_TRUE(readFile(pdfs[0]).startsWith("%PDF"));
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_TRUE(answerer.seen().text.contains(pdfs[0]));
}

// A new record typed into the editor and not yet left is kept by every command on the whole
// base, before the command reads or writes the records.
class TypedRecordTest : public BaseCommandsTest,
                        public ::testing::WithParamInterface<const char *> {};

TEST_P(TypedRecordTest, ANewRecordBeingTypedIsWrittenFirst)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament();
    enterPlayers(3);
    setResult(1, 2, QStringLiteral("1"));
    click(widget(QStringLiteral("cmdNew")));
    auto *name = widget<QLineEdit>(QStringLiteral("txtName"));
    auto *rate = widget<QLineEdit>(QStringLiteral("txtRate"));
    EXPECT_EQ(name->text(), QString());
    typeText(name, QStringLiteral("Delta"));
    typeText(rate, QStringLiteral("1550"));
    {
        BoxAnswerer answerer;
        click(widget(QString::fromLatin1(GetParam())));
    }
    const QByteArray base = readFile(QStringLiteral("BASE.DAT"));
    ASSERT_EQ(base.size(), 4 * 29);
    EXPECT_EQ(base.mid(3 * 29), record("Delta", "1550"));
    // The players' records are the tournament's, whatever the editor showed.
    EXPECT_TRUE(base.left(29).startsWith("Ivanov"));
    EXPECT_TRUE(base.mid(29, 29).startsWith("Petrov"));
}

INSTANTIATE_TEST_SUITE_P(Commands, TypedRecordTest,
                         ::testing::Values("cmdZapisBase", "cmdPrintBase"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
