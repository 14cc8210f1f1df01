#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/printer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;
using krugovik::PrintedDocument;
using krugovik::Printer;

namespace {

// A tournament file of `count` players with ratings from 1300 up, player 3 an
// estimate; every game decided by the lower number winning, except draws where i + j
// is divisible by 5 and no result yet for the pair 1-2.
QByteArray tournamentFile(int count)
{
    QByteArray bytes = " " + QByteArray::number(count) + " \r\n";
    for (int i = 1; i <= count; ++i) {
        bytes += cp1251(kJuniorNames[i - 1]) + "\r\n";
        bytes += " " + QByteArray::number(i) + " \r\n";
        bytes += QByteArray::number(1300 + 25 * i) + "\r\n";
        bytes += i == 3 ? " 0 \r\n" : " 1000 \r\n";
        for (int j = 1; j <= count; ++j) {
            if (j == i)
                continue;
            QByteArray result = i < j ? "1" : "0";
            if ((i + j) % 5 == 0)
                result = "0.5";
            if (i + j == 3)
                result = "";
            bytes += result + "\r\n";
        }
    }
    return bytes;
}

// What the save dialog showed before the test answered it.
struct SeenDialog {
    QString title;
    QString directory;
    QStringList selected;
    bool nativeOff = false;
    int count = 0;
};

// Answers the next save dialog: with `fileName` (relative to the dialog's folder, or
// absolute), or with Cancel when it is empty.
std::shared_ptr<SeenDialog> answerSaveDialog(const QString &fileName)
{
    auto seen = std::make_shared<SeenDialog>();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [seen, fileName, poll] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(5, *poll);
            return;
        }
        seen->title = dialog->windowTitle();
        seen->directory = dialog->directory().absolutePath();
        seen->selected = dialog->selectedFiles();
        seen->nativeOff = dialog->testOption(QFileDialog::DontUseNativeDialog);
        ++seen->count;
        if (fileName.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(fileName);
            static_cast<QDialog *>(dialog)->accept(); // as the Save button does
        }
        *poll = nullptr; // ends the cycle of the shared pointers
    };
    QTimer::singleShot(5, *poll);
    return seen;
}

class ResultsMenu : public TournamentTest {
  protected:
    void TearDown() override
    {
        Printer::setRecorder(nullptr);
        TournamentTest::TearDown();
    }
    QMenu *menu() const { return widget<QMenu>(QStringLiteral("mnuResults")); }
    QAction *item(const char *name) const { return widget<QAction>(QString::fromLatin1(name)); }
    QStringList gridTexts() const
    {
        QStringList texts;
        for (int r = 0; r < grid()->rows(); ++r)
            for (int c = 0; c < grid()->columns(); ++c)
                texts << cell(r, c) << cellColour(r, c).name();
        return texts;
    }
    // Prints through the menu or the button into a PDF in the current folder.
    PrintedDocument printed(const std::function<void()> &print, const QString &pdf)
    {
        std::vector<PrintedDocument> documents;
        Printer::setRecorder([&](const PrintedDocument &d) { documents.push_back(d); });
        print();
        Printer::setRecorder(nullptr);
        EXPECT_EQ(documents.size(), 1u);
        if (documents.empty())
            return PrintedDocument();
        EXPECT_TRUE(krugovik::writePdf(documents[0], path(pdf)));
        return documents[0];
    }
};

TEST_F(ResultsMenu, IsEnabledOnlyWhileATournamentIsOpen)
{
    start();
    EXPECT_FALSE(menu()->isEnabled());
    EXPECT_FALSE(menu()->menuAction()->isEnabled());
    EXPECT_EQ(menu()->title(), QStringLiteral("Итоги"));
    QStringList texts;
    for (QAction *action : menu()->actions())
        texts << action->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Итоговая таблица"), QStringLiteral("Места"),
                                  QStringLiteral("Сохранить для сайта (HTML)…"),
                                  QStringLiteral("Сохранить для таблиц (CSV)…"),
                                  QStringLiteral("Сохранить отчёт TRF…"), QString(),
                                  QStringLiteral("Правила распределения мест…"),
                                  QStringLiteral("Порядок при равенстве…"), QString(),
                                  QStringLiteral("Нормы и рейтинг ФИДЕ")}));
    // Loading, a TRF opened, the save, the event's details the drawing of numbers and the hall's
    // board.
    EXPECT_EQ(widget<QMenu>(QStringLiteral("mnuFile"))->actions().size(), 6);

    openTournament();
    EXPECT_TRUE(menu()->isEnabled());
    EXPECT_TRUE(menu()->menuAction()->isEnabled());
    item("mnuOpen")->trigger();
    EXPECT_FALSE(menu()->isEnabled());
    EXPECT_FALSE(menu()->menuAction()->isEnabled());
}

TEST_F(ResultsMenu, EachExportProposesTheTournamentsNameAndWritesItsFile)
{
    openTournament(tournamentFile(5), QStringLiteral("KUBOK.TXT"));
    const QStringList before = gridTexts();
    const struct {
        const char *action;
        QString file;
        QString title;
        QByteArray start;
    } exports[] = {
        {"mnuExportHtml", QStringLiteral("KUBOK.html"),
         QStringLiteral("Сохранить для сайта (HTML)"), "<!DOCTYPE html>\n<html lang=\"ru\">"},
        {"mnuExportCsv", QStringLiteral("KUBOK.csv"), QStringLiteral("Сохранить для таблиц (CSV)"),
         "\xEF\xBB\xBF\xD0\x9C\xD0\xB5\xD1\x81\xD1\x82\xD0\xBE;"},
        {"mnuExportTrf", QStringLiteral("KUBOK.trf"), QStringLiteral("Сохранить отчёт TRF"),
         "012 KUBOK\r\n052 "},
    };
    for (const auto &e : exports) {
        const auto seen = answerSaveDialog(e.file);
        item(e.action)->trigger();
        EXPECT_EQ(seen->count, 1) << e.action;
        EXPECT_TRUE(seen->nativeOff);
        EXPECT_EQ(seen->title, e.title);
        EXPECT_EQ(seen->directory, QDir::current().absolutePath());
        EXPECT_EQ(seen->selected, QStringList{path(e.file)});
        EXPECT_TRUE(readFile(e.file).startsWith(e.start)) << e.action;
        // The status bar says so, naming the file.
        EXPECT_EQ(mainWindow()->statusBar()->currentMessage(),
                  QStringLiteral("Файл сохранён: ") + QDir::toNativeSeparators(path(e.file)))
            << e.action;
    }
    // The names went out as UTF-8, the player with quotes among them.
    EXPECT_TRUE(readFile(QStringLiteral("KUBOK.html")).contains(kJuniorNames[4].toUtf8()));
    // Nothing in the window changed.
    EXPECT_EQ(gridTexts(), before);
}

TEST_F(ResultsMenu, AnExportAfterTheChooserWasClosedIsProposedBesideTheTournament)
{
    openTournament(tournamentFile(5), QStringLiteral("KUBOK.TXT"));
    const QString tournamentFolder = QDir::current().absolutePath();
    auto *frame = qobject_cast<QMdiSubWindow *>(
        mainWindow()->findChild<QWidget *>(QStringLiteral("frmOpenFile"))->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The program's current folder is no longer the tournament's.
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("elsewhere")));
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("elsewhere")));

    const auto seen = answerSaveDialog(QStringLiteral("KUBOK.csv"));
    item("mnuExportCsv")->trigger();
    EXPECT_EQ(seen->count, 1);
    EXPECT_EQ(seen->directory, tournamentFolder);
    EXPECT_TRUE(QFileInfo::exists(tournamentFolder + QStringLiteral("/KUBOK.csv")));
}

TEST_F(ResultsMenu, CancelWritesNothing)
{
    openTournament(tournamentFile(4));
    for (const char *action : {"mnuExportHtml", "mnuExportCsv", "mnuExportTrf"}) {
        const auto seen = answerSaveDialog(QString());
        item(action)->trigger();
        EXPECT_EQ(seen->count, 1);
    }
    EXPECT_EQ(QDir::current().entryList(QDir::Files),
              (QStringList{QStringLiteral("ALPHA.TXT"), QStringLiteral("BASE.DAT")}));
}

TEST_F(ResultsMenu, AFailureNamesTheFileAndLeavesNothingBehind)
{
    openTournament(tournamentFile(4));
    writeFile(QStringLiteral("NOTAFOLDER"), "x");
    const QString target = path(QStringLiteral("NOTAFOLDER/ALPHA.csv"));
    BoxAnswerer boxes;
    const auto seen = answerSaveDialog(target);
    item("mnuExportCsv")->trigger();
    EXPECT_EQ(seen->count, 1);
    EXPECT_EQ(boxes.seen().count, 1);
    EXPECT_TRUE(boxes.seen().text.startsWith(QStringLiteral("Файл %1 не сохранён: ").arg(target)))
        << boxes.seen().text.toStdString();
    EXPECT_GT(boxes.seen().text.size(),
              QStringLiteral("Файл %1 не сохранён: .").arg(target).size());
    EXPECT_EQ(readFile(QStringLiteral("NOTAFOLDER")), QByteArray("x"));
}

TEST_F(ResultsMenu, TheNewRatingsAreThoseOfTheNewRatingCommand)
{
    openTournament(tournamentFile(6));
    const auto seen = answerSaveDialog(QStringLiteral("ALPHA.csv"));
    item("mnuExportCsv")->trigger();
    const QList<QByteArray> lines = readFile(QStringLiteral("ALPHA.csv")).split('\n');
    ASSERT_GE(lines.size(), 7);
    clickCell(grid(), 0, 3);
    for (int k = 1; k <= 6; ++k) {
        const QStringList fields = QString::fromUtf8(lines[k].trimmed()).split(QLatin1Char(';'));
        const int player = fields[1].toInt();
        EXPECT_EQ(fields[4], cell(player, 3).trimmed()) << "player " << player;
        EXPECT_EQ(fields[5], cell(player, 4).remove(QLatin1Char(' '))) << "player " << player;
    }
}

TEST_F(ResultsMenu, TheStandingsOfTwentyTwoFitOneUprightPage)
{
    openTournament(tournamentFile(22), QStringLiteral("KUBOK.TXT"));
    const QStringList before = gridTexts();
    const PrintedDocument document =
        printed([this] { item("mnuStandings")->trigger(); }, QStringLiteral("standings.pdf"));
    EXPECT_EQ(document.kind, QStringLiteral("Итоговая таблица"));
    ASSERT_TRUE(document.sheet.has_value());
    EXPECT_EQ(document.sheet->rows.size(), 22u);
    EXPECT_EQ(gridTexts(), before);
    const QString text = pdfText(path(QStringLiteral("standings.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("Итоговая таблица")));
    EXPECT_TRUE(text.contains(QStringLiteral("KUBOK")));
    for (const QString &name : kJuniorNames)
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "pages";

    // The preview shows it upright on one page.
    if (!QPrinterInfo::defaultPrinter().isNull())
        return;
    PreviewAnswerer preview(false);
    item("mnuStandings")->trigger();
    EXPECT_EQ(preview.seen().count, 1);
    EXPECT_EQ(preview.seen().pages, 1);
    EXPECT_FALSE(preview.seen().landscape);
}

TEST_F(ResultsMenu, WithoutAPrinterThePreviewPrintsAPdfBesideTheTournamentThatAMessageNames)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed";
    openTournament(tournamentFile(4));
    const QString folder = QDir::current().absolutePath();
    // The program's current folder is no longer the tournament's.
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("elsewhere")));
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("elsewhere")));
    BoxAnswerer boxes;
    PreviewAnswerer preview;
    item("mnuStandings")->trigger();
    EXPECT_EQ(preview.seen().count, 1);
    EXPECT_EQ(preview.seen().objectName, QStringLiteral("dlgPrintPreview"));
    EXPECT_EQ(preview.seen().title, QStringLiteral("Итоговая таблица"));
    EXPECT_TRUE(preview.seen().modal);
    EXPECT_EQ(preview.seen().outputFile, folder + QStringLiteral("/ALPHA-itogi.pdf"));
    EXPECT_TRUE(QDir::current().entryList({QStringLiteral("*.pdf")}).isEmpty());
    const QStringList pdfs = QDir(folder).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pdfs[0], QStringLiteral("ALPHA-itogi.pdf"));
    EXPECT_EQ(boxes.seen().count, 1);
    EXPECT_EQ(boxes.seen().text,
              QStringLiteral("Принтер не установлен. Документ сохранён в файл ") + folder +
                  QStringLiteral("/ALPHA-itogi.pdf"));
}

TEST_F(ResultsMenu, APreviewClosedWithoutPrintingWritesAndSaysNothing)
{
    openTournament(tournamentFile(4));
    BoxAnswerer boxes;
    for (const char *button : {"cmdPrint", "cmdPrintParing", "cmdPrintBase"}) {
        PreviewAnswerer preview(false);
        click(widget(QString::fromLatin1(button)));
        EXPECT_EQ(preview.seen().count, 1) << button;
        EXPECT_GE(preview.seen().pages, 1) << button;
    }
    PreviewAnswerer preview(false);
    item("mnuStandings")->trigger();
    EXPECT_EQ(preview.seen().count, 1);
    EXPECT_EQ(boxes.seen().count, 0);
    EXPECT_TRUE(QDir::current().entryList({QStringLiteral("*.pdf")}).isEmpty());
}

TEST_F(ResultsMenu, TheTablePrintoutOfTwentyTwoIsTextOnALandscapePage)
{
    openTournament(tournamentFile(22));
    const PrintedDocument document =
        printed([this] { click(widget(QStringLiteral("cmdPrint"))); }, QStringLiteral("table.pdf"));
    ASSERT_TRUE(document.sheet.has_value());
    EXPECT_LT(QFileInfo(path(QStringLiteral("table.pdf"))).size(), 300 * 1024);
    const QString text = pdfText(path(QStringLiteral("table.pdf")));
    for (const QString &name : kJuniorNames)
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Распечатать таблицу")));
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "pages";
    if (!QPrinterInfo::defaultPrinter().isNull())
        return;
    PreviewAnswerer preview(false);
    click(widget(QStringLiteral("cmdPrint")));
    EXPECT_EQ(preview.seen().pages, 1);
    EXPECT_TRUE(preview.seen().landscape);
}

// Each printout without a printer: its PDF named after the tournament and the printout,
// a second one beside it, and the tournament and the day in its text.
struct PdfCase {
    const char *name;
    const char *button; // a widget to click, or an action to trigger
    bool action;
    QString stem; // the first PDF's name without ".pdf"; the second one adds "-2"
};

class PrintoutNames : public ResultsMenu, public ::testing::WithParamInterface<PdfCase> {};

TEST_P(PrintoutNames, NameTheTournamentAndNeverOverwrite)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed";
    openTournament(tournamentFile(8), QStringLiteral("KUBOK.TXT"));
    clickCell(grid(), 0, 5); // round 1 on show for its protocol
    BoxAnswerer boxes;
    PreviewAnswerer preview;
    for (int k = 0; k < 2; ++k) {
        if (GetParam().action)
            item(GetParam().button)->trigger();
        else
            click(widget(QString::fromLatin1(GetParam().button)));
    }
    const QString first = GetParam().stem + QStringLiteral(".pdf");
    const QString second = GetParam().stem + QStringLiteral("-2.pdf");
    EXPECT_EQ(QDir::current().entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name),
              (QStringList{second, first}));
    EXPECT_EQ(boxes.seen().count, 2);
    EXPECT_TRUE(boxes.seen().text.contains(second));
    EXPECT_EQ(preview.seen().count, 2);
    const QString text = pdfText(path(first));
    EXPECT_TRUE(text.contains(QStringLiteral("KUBOK"))) << text.toStdString();
    if (GetParam().action || GetParam().stem.endsWith(QStringLiteral("tablica"))) {
        EXPECT_TRUE(text.contains(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))))
            << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Printouts, PrintoutNames,
    ::testing::Values(PdfCase{"Protocol", "cmdPrintParing", false,
                              QStringLiteral("KUBOK-protokol-1")},
                      PdfCase{"Table", "cmdPrint", false, QStringLiteral("KUBOK-tablica")},
                      PdfCase{"Standings", "mnuStandings", true, QStringLiteral("KUBOK-itogi")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
