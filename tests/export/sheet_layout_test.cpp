// How the sheets fall on A4: every size of event under both rule sets, as the director
// prints them. Set KRUGOVIK_SHEETS_OUT to a folder to keep the PDFs for a look.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <algorithm>
#include <gtest/gtest.h>

#include "base/base_list.h"
#include "common/printer.h"
#include "common/sheet_painter.h"
#include "export/crosstable_print.h"
#include "export/round_protocol.h"
#include "export/sheet_fixture.h"
#include "standings/standings_print.h"
#include "support/test_helpers.h"

using namespace krugovik;
using namespace testing_support;

namespace {

enum class Kind { Crosstable, Standings, Protocol, PlayerList };

struct SheetCase {
    Kind kind;
    int players;
    int cycles;
    bool fide;
    bool details;
    bool landscape; // the orientation the sheet is printed in
};

std::string caseName(const SheetCase &c)
{
    const char *kinds[] = {"Crosstable", "Standings", "Protocol", "PlayerList"};
    return std::string(kinds[int(c.kind)]) + std::to_string(c.players) + "Players" +
           std::to_string(c.cycles) + "Cycles" + (c.fide ? "Fide" : "Default") +
           (c.details ? "Told" : "");
}

std::vector<std::string> juniors(int n)
{
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i)
        names.push_back(kJuniorNames[i].toStdString());
    return names;
}

Sheet sheetOf(const SheetCase &c, const TournamentSnapshot &snapshot)
{
    switch (c.kind) {
    case Kind::Crosstable:
        return crosstableSheet(snapshot);
    case Kind::Standings:
        return standingsSheet(snapshot);
    case Kind::PlayerList: {
        std::vector<ListedPlayer> players;
        for (const SnapshotPlayer &player : snapshot.players)
            players.push_back({player.name, std::stoll(player.ratingCell)});
        return playerListSheet({"Шахматный клуб", snapshot.date, c.fide ? snapshot.name : ""},
                               players);
    }
    case Kind::Protocol:
        break;
    }
    return roundProtocolSheet(snapshot, 2);
}

class SheetOnA4 : public InTempDir, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SheetOnA4, FitsOnePageReadablyAndWhole)
{
    const SheetCase &c = GetParam();
    const TournamentSnapshot snapshot =
        sheet_fixture::event(juniors(c.players), c.cycles, c.fide, c.details);
    PrintedDocument document;
    document.kind = QStringLiteral("sheet");
    document.sheet = sheetOf(c, snapshot);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    QPageLayout page = defaultPageLayout();
    const QPageLayout::Orientation orientation = bestOrientation(*document.sheet, page, device);
    EXPECT_EQ(orientation == QPageLayout::Landscape, c.landscape);
    page.setOrientation(orientation);
    const SheetPages pages =
        layOutSheet(*document.sheet, page.paintRectPixels(device.logicalDpiY()).size(), device);
    EXPECT_GE(pages.points, kSmallestSheetPoints);
    EXPECT_EQ(pages.pageCount(), 1);

    const QString pdf = path(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(writePdf(document, pdf));
    if (const QString keep = qEnvironmentVariable("KRUGOVIK_SHEETS_OUT"); !keep.isEmpty())
        QFile::copy(pdf, QDir(keep).filePath(QString::fromStdString(caseName(c)) + ".pdf"));
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "pages";
    // Every name and every word of every heading is there, whole.
    const QString joined = QString(text).remove(QLatin1Char(' '));
    for (const auto &row : document.sheet->rows) {
        for (const std::string &cell : row) {
            if (cell.size() > 3) {
                EXPECT_TRUE(joined.contains(QString::fromStdString(cell).remove(QLatin1Char(' '))))
                    << cell;
            }
        }
    }
    for (const SheetColumn &column : document.sheet->columns) {
        for (const QString &word : QString::fromStdString(column.title).split(QLatin1Char(' ')))
            EXPECT_TRUE(text.contains(word)) << word.toStdString();
    }
    EXPECT_TRUE(text.contains(QString::fromStdString(document.sheet->title)));
}

INSTANTIATE_TEST_SUITE_P(Sheets, SheetOnA4,
                         ::testing::Values(SheetCase{Kind::Crosstable, 3, 1, false, false, false},
                                           SheetCase{Kind::Crosstable, 3, 2, true, true, false},
                                           SheetCase{Kind::Crosstable, 10, 1, true, false, false},
                                           SheetCase{Kind::Crosstable, 10, 2, false, true, true},
                                           SheetCase{Kind::Crosstable, 22, 1, false, false, true},
                                           SheetCase{Kind::Crosstable, 22, 2, true, true, true},
                                           SheetCase{Kind::Crosstable, 22, 2, false, false, true},
                                           SheetCase{Kind::Standings, 3, 1, false, false, false},
                                           SheetCase{Kind::Standings, 10, 2, true, true, false},
                                           SheetCase{Kind::Standings, 22, 1, false, false, false},
                                           SheetCase{Kind::Standings, 22, 2, true, true, false},
                                           SheetCase{Kind::Protocol, 3, 1, false, false, false},
                                           SheetCase{Kind::Protocol, 10, 2, true, true, false},
                                           SheetCase{Kind::Protocol, 22, 2, false, true, false},
                                           SheetCase{Kind::PlayerList, 22, 1, false, false, false},
                                           SheetCase{Kind::PlayerList, 10, 1, true, false, false}),
                         [](const auto &info) { return caseName(info.param); });

// A table too wide for the page even at the smallest size goes on pages side by side,
// the number and the name on each, never below 7 points.
TEST(SheetPagesTest, ATableTooWideSplitsItsColumnsAndRepeatsTheKeyOnes)
{
    TournamentSnapshot snapshot = sheet_fixture::event(juniors(22), 4, true, false);
    const Sheet sheet = crosstableSheet(snapshot);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    QPageLayout page = defaultPageLayout();
    page.setOrientation(QPageLayout::Portrait);
    const SheetPages pages =
        layOutSheet(sheet, page.paintRectPixels(device.logicalDpiY()).size(), device);
    EXPECT_EQ(pages.points, kSmallestSheetPoints);
    ASSERT_GE(pages.columnRuns.size(), 2u);
    std::vector<int> seen(sheet.columns.size(), 0);
    for (const auto &run : pages.columnRuns) {
        EXPECT_EQ(run[0], 0u);
        EXPECT_EQ(run[1], 1u);
        for (std::size_t c : run)
            ++seen[c];
    }
    // Every other column on exactly one page.
    for (std::size_t c = 2; c < seen.size(); ++c)
        EXPECT_EQ(seen[c], sheet.columns[c].repeated ? int(pages.columnRuns.size()) : 1) << c;
}

// The longest names a base holds (24 characters), 22 players in two cycles: one landscape
// sheet under either preset, the text no smaller than 7 points.
TEST(SheetPagesTest, TwentyTwoPlayersInTwoCyclesFitOneLandscapeSheetUnderEitherRules)
{
    std::vector<std::string> names;
    for (int i = 0; i < 22; ++i)
        names.push_back(std::string("Константинопольская Ан") + char('a' + i) + "a");
    for (const bool fide : {false, true}) {
        const Sheet sheet = crosstableSheet(sheet_fixture::event(names, 2, fide, true));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter device(&buffer);
        QPageLayout page = defaultPageLayout();
        EXPECT_EQ(bestOrientation(sheet, page, device), QPageLayout::Landscape) << fide;
        page.setOrientation(QPageLayout::Landscape);
        const SheetPages pages =
            layOutSheet(sheet, page.paintRectPixels(device.logicalDpiY()).size(), device);
        EXPECT_EQ(pages.pageCount(), 1) << fide;
        EXPECT_GE(pages.points, 7.0) << fide;
    }
}

// Four cycles take several pages side by side: each has the number, the name, the points
// and the place, and no cycle is cut between two pages.
TEST(SheetPagesTest, PagesOfManyCyclesEachHaveNamesAndPointsAndWholeCycles)
{
    const Sheet sheet = crosstableSheet(sheet_fixture::event(juniors(22), 4, true, false));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    QPageLayout page = defaultPageLayout();
    page.setOrientation(bestOrientation(sheet, page, device));
    const SheetPages pages =
        layOutSheet(sheet, page.paintRectPixels(device.logicalDpiY()).size(), device);
    ASSERT_GE(pages.columnRuns.size(), 2u);
    const auto column = [&](const std::string &title) {
        for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
            if (sheet.columns[c].title == title)
                return c;
        }
        return sheet.columns.size();
    };
    for (const auto &run : pages.columnRuns) {
        for (const char *title : {"№", "Участник", "Очки", "Место"})
            EXPECT_NE(std::find(run.begin(), run.end(), column(title)), run.end()) << title;
        // The game columns on the page make whole cycles of 22.
        const auto games = std::count_if(run.begin(), run.end(),
                                         [](std::size_t c) { return c >= 3 && c < 3 + 4 * 22; });
        EXPECT_EQ(games % 22, 0) << games;
    }
    if (const QString keep = qEnvironmentVariable("KRUGOVIK_SHEETS_OUT"); !keep.isEmpty()) {
        PrintedDocument document;
        document.sheet = sheet;
        EXPECT_TRUE(writePdf(document, QDir(keep).filePath("Crosstable22Players4Cycles.pdf")));
    }
}

// A long table runs on: a base list of many players, or a sheet with many rows.
TEST(SheetPagesTest, ATableTooLongRunsOnOverPagesWithItsHeaders)
{
    Sheet sheet;
    sheet.title = "Список";
    sheet.columns = {{"№", SheetAlign::Right}, {"Участник", SheetAlign::Left}};
    for (int k = 1; k <= 150; ++k)
        sheet.rows.push_back({std::to_string(k), "Игрок " + std::to_string(k)});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    const SheetPages pages = layOutSheet(
        sheet, defaultPageLayout().paintRectPixels(device.logicalDpiY()).size(), device);
    EXPECT_GE(pages.rowRuns.size(), 2u);
    EXPECT_EQ(pages.rowRuns.front().first, 0u);
    EXPECT_EQ(pages.rowRuns.back().second, 150u);
    for (std::size_t k = 1; k < pages.rowRuns.size(); ++k)
        EXPECT_EQ(pages.rowRuns[k].first, pages.rowRuns[k - 1].second);
}

} // namespace
