// The sheets and the exports in the program's language. With the English catalogue loaded
// nothing a reader sees is Russian (the players' names are Latin here), the web page says
// it is English, and the texts match golden files; without a translation, in the same
// application, they are Russian as before. Set KRUGOVIK_SHEETS_OUT to a folder to keep the
// English PDFs for a look, and the texts that differ from their golden files.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

#include "common/printer.h"
#include "common/texts.h"
#include "export/crosstable_print.h"
#include "export/csv_export.h"
#include "export/event_lines.h"
#include "export/final_standings.h"
#include "export/html_export.h"
#include "export/round_protocol.h"
#include "export/sheet_fixture.h"
#include "export/trf_export.h"
#include "standings/standings_print.h"
#include "support/test_helpers.h"

using namespace krugovik;
using testing_support::pdfText;

namespace {

const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}"));

bool hasCyrillic(const std::string &text)
{
    return QString::fromStdString(text).contains(kCyrillic);
}

const std::vector<std::string> kLatinNames = {
    "Adams Oliver",     "Brown Lucy",      "Clarke Harry",    "Davies Emily",   "Evans Thomas",
    "Fletcher Grace",   "Graham Jack",     "Hughes Isabella", "Irving George",  "Jenkins Charlotte",
    "Knight William",   "Lawrence Amelia", "Mitchell Henry",  "Norton Sophie",  "O'Brien Daniel",
    "Parker Olivia",    "Quinn Samuel",    "Robinson Alice",  "Stewart Edward", "Turner Matilda",
    "Underwood Joseph", "Vaughan Eleanor"};

std::vector<std::string> latinNames(int n)
{
    return {kLatinNames.begin(), kLatinNames.begin() + n};
}

// Five players in two cycles with every detail of the event; the fourth left after round 7.
TournamentSnapshot spring()
{
    TournamentSnapshot s = sheet_fixture::event(latinNames(5), 2, false, false);
    s.name = "SPRING";
    s.players[3].withdrawnAfter = 7;
    EventDetails &event = s.event;
    event.title = "Riverside Spring Open";
    event.place = "Oxford";
    event.federation = "ENG";
    event.organiser = "Riverside Chess Club";
    event.startDate = "2026-04-01";
    event.endDate = "2026-04-10";
    for (int r = 1; r <= 10; ++r)
        event.roundDates.push_back("2026-04-" + std::string(r < 10 ? "0" : "") + std::to_string(r));
    event.chiefArbiter = "Wood Margaret";
    event.deputyArbiter = "Hill Arthur";
    event.timeControl = "15 min + 10 s";
    event.kind = EventKind::Rapid;
    return s;
}

// Six players under every tie-break the program knows, the lots and the director's order
// last, and no details of the event.
TournamentSnapshot autumn()
{
    TournamentSnapshot s = sheet_fixture::event(latinNames(6), 1, false, false);
    s.name = "AUTUMN";
    using K = TieBreakKind;
    s.tieBreaks = {{K::DirectEncounter},
                   {K::Wins},
                   {K::WinsOverBoard},
                   {K::BlackGames},
                   {K::BlackWins},
                   {K::SonnebornBerger},
                   {K::Koya},
                   {K::AverageOpponentRating},
                   {K::PerformanceRating},
                   {K::PointsAmongTied},
                   {K::RoundsElected},
                   {K::StandardPoints},
                   {K::OwnRating},
                   {K::PairingNumber}};
    TieBreak byHand{K::ByHand};
    byHand.order = {2, 1};
    TieBreak lot{K::Lot};
    lot.seed = 7;
    s.tieBreaks.push_back(byHand);
    s.tieBreaks.push_back(lot);
    return s;
}

// Twenty-two juniors under FIDE's rules, with a title, a place and an arbiter.
TournamentSnapshot county(int cycles)
{
    TournamentSnapshot s = sheet_fixture::event(latinNames(22), cycles, true, true);
    s.event.title = "County Junior Championship";
    s.event.place = "York";
    s.event.chiefArbiter = "Wood Margaret";
    return s;
}

// A sheet as lines of text: what it says, cell by cell.
std::string sheetText(const Sheet &sheet)
{
    std::ostringstream out;
    out << "title: " << sheet.title << "\nsubtitle: " << sheet.subtitle << '\n';
    for (const std::string &line : sheet.heading)
        out << "heading: " << line << '\n';
    for (const SheetGroup &group : sheet.groups)
        out << "group " << group.first << '+' << group.count << ": " << group.title << '\n';
    out << "columns:";
    for (const SheetColumn &column : sheet.columns)
        out << " | " << column.title;
    out << '\n';
    for (const auto &row : sheet.rows) {
        out << "row:";
        for (const std::string &cell : row)
            out << " | " << cell;
        out << '\n';
    }
    for (const std::string &line : sheet.footer)
        out << "footer: " << line << '\n';
    for (const std::string &line : sheet.signatures)
        out << "signature: " << line << '\n';
    return out.str();
}

// Every text of one language, under the golden file's name.
std::vector<std::pair<std::string, std::string>> outputs(const std::string &suffix)
{
    const TournamentSnapshot s = spring();
    const TournamentSnapshot a = autumn();
    return {{"spring" + suffix + ".html", exportHtml(s)},
            {"spring" + suffix + ".csv", exportCsv(s)},
            {"spring" + suffix + ".crosstable.txt", sheetText(crosstableSheet(s))},
            // Round 7 is the second cycle's second; the fourth player sits it out.
            {"spring" + suffix + ".protocol.txt", sheetText(roundProtocolSheet(s, 7))},
            {"spring" + suffix + ".standings.txt", sheetText(standingsSheet(s))},
            {"autumn" + suffix + ".html", exportHtml(a)},
            {"autumn" + suffix + ".csv", exportCsv(a)},
            {"autumn" + suffix + ".crosstable.txt", sheetText(crosstableSheet(a))},
            {"autumn" + suffix + ".protocol.txt", sheetText(roundProtocolSheet(a, 1))},
            {"autumn" + suffix + ".standings.txt", sheetText(standingsSheet(a))}};
}

// Compares with the golden file; a differing result is left beside the test for diff.
void expectGolden(const std::string &name, const std::string &actual)
{
    std::ifstream in(std::string(KRUGOVIK_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "no golden file " << name;
    std::ostringstream expected;
    expected << in.rdbuf();
    if (actual != expected.str()) {
        const std::string keep = qEnvironmentVariable("KRUGOVIK_SHEETS_OUT").toStdString();
        std::ofstream((keep.empty() ? "" : keep + '/') + name + ".actual", std::ios::binary)
            << actual;
        ADD_FAILURE() << name << " differs; see " << name << ".actual";
    }
}

class SheetsInEnglish : public testing_support::InTempDir {
  protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        ASSERT_TRUE(m_english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
        ASSERT_TRUE(QCoreApplication::installTranslator(&m_english));
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_english);
        InTempDir::TearDown();
    }

    QTranslator m_english;
};

class SheetsInRussian : public testing_support::InTempDir {};

TEST_F(SheetsInEnglish, ExportsAndSheetsSayNothingInRussian)
{
    for (const auto &[name, text] : outputs(".en")) {
        EXPECT_FALSE(hasCyrillic(text)) << name << ":\n" << text;
        expectGolden(name, text);
    }
    const std::string html = exportHtml(spring());
    EXPECT_NE(html.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_EQ(programLanguageCode(), "en");
}

TEST_F(SheetsInEnglish, EveryTieBreakEventKindAndRoundNameIsTranslated)
{
    for (int k = 0; k <= int(TieBreakKind::RulesChanged); ++k) {
        const TieBreak tb{TieBreakKind(k)};
        EXPECT_FALSE(hasCyrillic(tieBreakName(tb))) << tieBreakName(tb);
    }
    EXPECT_FALSE(hasCyrillic(placeRulesLine(autumn()))) << placeRulesLine(autumn());
    for (const EventKind kind : {EventKind::Standard, EventKind::Rapid, EventKind::Blitz}) {
        EventDetails details;
        details.kind = kind;
        const std::vector<EventLine> lines = eventLines(details);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_FALSE(hasCyrillic(lines[0].label + lines[0].value)) << lines[0].value;
    }
    const TournamentSnapshot s = spring();
    EXPECT_EQ(roundName(s, 7), "Round 7 (cycle 2, round 2)");
    for (int round = 0; round <= 10; ++round) {
        const Sheet protocol = roundProtocolSheet(s, round);
        EXPECT_FALSE(hasCyrillic(sheetText(protocol))) << round;
    }
}

// Pages of the sheet as a PDF, and the PDF's text.
std::pair<int, QString> printed(const Sheet &sheet, const QString &pdf)
{
    PrintedDocument document;
    document.kind = QStringLiteral("sheet");
    document.sheet = sheet;
    if (!writePdf(document, pdf))
        return {0, QString()};
    const QString text = pdfText(pdf);
    return {int(text.count(QLatin1Char('\f'))), text};
}

// The English printouts on A4: wrapped, not cut, on no more pages than the Russian ones,
// numbered in English where they run over several, and nothing Russian on the paper.
TEST_F(SheetsInEnglish, PrintedSheetsAreWholeAndEnglish)
{
    const struct {
        std::string name;
        std::function<Sheet()> sheet;
    } cases[] = {{"crosstable", [] { return crosstableSheet(spring()); }},
                 {"protocol", [] { return roundProtocolSheet(spring(), 7); }},
                 {"standings", [] { return standingsSheet(spring()); }},
                 {"standings-every-tie-break", [] { return standingsSheet(autumn()); }},
                 {"crosstable-22-players", [] { return crosstableSheet(county(1)); }},
                 {"crosstable-22-players-4-cycles", [] { return crosstableSheet(county(4)); }},
                 {"standings-22-players", [] { return standingsSheet(county(2)); }},
                 {"protocol-22-players", [] { return roundProtocolSheet(county(2), 30); }}};
    for (const auto &c : cases) {
        const QString pdf = path(QString::fromStdString(c.name) + QStringLiteral(".pdf"));
        QCoreApplication::removeTranslator(&m_english);
        const int russianPages = printed(c.sheet(), pdf).first;
        QCoreApplication::installTranslator(&m_english);
        const Sheet sheet = c.sheet();
        const auto [pages, text] = printed(sheet, pdf);
        ASSERT_GT(pages, 0) << c.name;
        if (const QString keep = qEnvironmentVariable("KRUGOVIK_SHEETS_OUT"); !keep.isEmpty()) {
            QFile::remove(QDir(keep).filePath(QFileInfo(pdf).fileName()));
            QFile::copy(pdf, QDir(keep).filePath(QFileInfo(pdf).fileName()));
        }
        EXPECT_FALSE(text.contains(kCyrillic)) << c.name << ":\n" << text.toStdString();
        EXPECT_LE(pages, russianPages) << c.name;
        if (pages > 1) {
            EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of %1").arg(pages))) << c.name;
        }
        // Every word of every title, heading and line under the table is there, whole.
        QStringList lines = {QString::fromStdString(sheet.subtitle)};
        for (const std::string &line : sheet.heading)
            lines << QString::fromStdString(line);
        for (const SheetColumn &column : sheet.columns)
            lines << QString::fromStdString(column.title);
        for (const SheetGroup &group : sheet.groups)
            lines << QString::fromStdString(group.title);
        for (const std::string &line : sheet.footer)
            lines << QString::fromStdString(line);
        for (const std::string &line : sheet.signatures)
            lines << QString::fromStdString(line).split(QLatin1Char('\t'));
        for (const QString &line : lines) {
            for (const QString &word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                EXPECT_TRUE(text.contains(word)) << c.name << ": " << word.toStdString();
        }
    }
    // The widest crosstable runs over pages: they are numbered.
    EXPECT_GT(printed(crosstableSheet(county(4)), path(QStringLiteral("wide.pdf"))).first, 1);
}

// In the application, with no translation loaded, every text is the Russian one: the same
// events give the Russian golden files, and the web page says it is Russian.
TEST_F(SheetsInRussian, WithoutATranslationTheTextsStayRussian)
{
    EXPECT_EQ(programLanguageCode(), "ru");
    for (const auto &[name, text] : outputs(".ru"))
        expectGolden(name, text);
    EXPECT_NE(exportHtml(spring()).find("<html lang=\"ru\">"), std::string::npos);
    // The TRF is the same in both languages.
    const std::string trf = exportTrf(spring());
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
    QCoreApplication::installTranslator(&english);
    const std::string englishTrf = exportTrf(spring());
    const std::string englishHtml = exportHtml(spring());
    QCoreApplication::removeTranslator(&english);
    EXPECT_EQ(englishTrf, trf);
    EXPECT_NE(englishHtml, exportHtml(spring()));
}

} // namespace
