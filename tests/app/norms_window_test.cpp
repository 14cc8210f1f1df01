// «Нормы и рейтинг ФИДЕ», its forms, and «Жеребьёвка номеров» in the main window.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <gtest/gtest.h>

#include <set>

#include "common/printer.h"
#include "support/test_helpers.h"
#include "ui/draw_numbers_dialog.h"

using namespace testing_support;
using krugovik::PrintedDocument;
using krugovik::Printer;

namespace {

QByteArray normEvent()
{
    QFile file(QStringLiteral(KRUGOVIK_REPORT_DIR "/NORMA.TXT"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class NormsWindow : public TournamentTest {
  protected:
    void TearDown() override
    {
        Printer::setRecorder(nullptr);
        TournamentTest::TearDown();
    }
    QAction *action(const char *name) const { return widget<QAction>(QString::fromLatin1(name)); }
    QDialog *norms() const
    {
        return tournament()->findChild<QDialog *>(QStringLiteral("dlgNorms"));
    }
    QString normsCell(int row, int column) const
    {
        auto *table = norms()->findChild<QTableWidget *>(QStringLiteral("tblNorms"));
        return table && table->item(row, column) ? table->item(row, column)->text() : QString();
    }
    std::vector<PrintedDocument> printedBy(const char *button)
    {
        std::vector<PrintedDocument> documents;
        Printer::setRecorder([&](const PrintedDocument &d) { documents.push_back(d); });
        click(norms()->findChild<QPushButton *>(QString::fromLatin1(button)));
        Printer::setRecorder(nullptr);
        return documents;
    }
};

TEST_F(NormsWindow, ShowsTheCategoryChangesAndNormsAndFollowsEachResult)
{
    openTournament(normEvent(), QStringLiteral("NORMA.TXT"));
    action("mnuNorms")->trigger();
    ASSERT_NE(norms(), nullptr);
    EXPECT_TRUE(norms()->isVisible());
    EXPECT_FALSE(norms()->isModal());
    const QString summary = norms()->findChild<QLabel *>(QStringLiteral("lblNormsSummary"))->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("Средний рейтинг ФИДЕ: 2436, категория: 8")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Турнир может быть обсчитан ФИДЕ.")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Турнир может дать нормы званий.")));
    auto *table = norms()->findChild<QTableWidget *>(QStringLiteral("tblNorms"));
    ASSERT_EQ(table->rowCount(), 10);
    // Player 1: 7 of 9 against an average of 2434, K 10, expected 4.69.
    EXPECT_EQ(normsCell(0, 1), QStringLiteral("Petrov Ivan"));
    // No K in the file: found by the rules, and the window says so.
    EXPECT_EQ(normsCell(0, 5), QStringLiteral("10 (по правилам)"));
    EXPECT_EQ(normsCell(0, 7), QStringLiteral("7"));
    EXPECT_EQ(normsCell(0, 8), QStringLiteral("4,69"));
    EXPECT_EQ(normsCell(0, 9), QStringLiteral("+23"));
    EXPECT_EQ(normsCell(0, 10), QStringLiteral("2654"));
    EXPECT_EQ(normsCell(0, 11), QStringLiteral("Норма ГМ выполнена"));

    // A loss instead of his win over player 9 leaves 6 of 9: no norm any more.
    setResult(1, 9, QStringLiteral("0"));
    EXPECT_EQ(normsCell(0, 7), QStringLiteral("6"));
    EXPECT_EQ(normsCell(0, 11), QString());
    // No result yet: half a point more gives 6.5 of 9, p 0.72, dp 166, Rp 2600 exactly.
    setResult(1, 9, QString());
    EXPECT_EQ(normsCell(0, 11), QStringLiteral("Для нормы ГМ нужно 0,5 из 1"));
}

TEST_F(NormsWindow, PrintsACertificatePerNormAndTheRatingReport)
{
    openTournament(normEvent(), QStringLiteral("NORMA.TXT"));
    action("mnuNorms")->trigger();
    const std::vector<PrintedDocument> certificates = printedBy("cmdNormCertificates");
    ASSERT_EQ(certificates.size(), 1u);
    ASSERT_TRUE(certificates[0].sheet);
    const krugovik::Sheet &sheet = *certificates[0].sheet;
    EXPECT_EQ(certificates[0].fileStem, QStringLiteral("NORMA-norma-1"));
    EXPECT_EQ(sheet.subtitle, "Норма ГМ");
    ASSERT_EQ(sheet.rows.size(), 9u);
    EXPECT_EQ(sheet.rows[0][2], "Volkova Anna"); // round 1 of ten: 1 meets 10
    EXPECT_EQ(sheet.rows[0][0], "1");
    EXPECT_EQ(sheet.rows[0][3], "WGM");
    EXPECT_EQ(sheet.rows[0][5], "4100100");
    EXPECT_EQ(sheet.rows[0][7], "½");
    EXPECT_NE(std::find(sheet.footer.begin(), sheet.footer.end(), "Очки: 7 из 9"),
              sheet.footer.end());
    // The opponents as the form counts them, and the score the norm needed: Rp 2600 from
    // p 0.72, 6.5 of 9. Nobody is below the floor of 2200, so nobody is raised.
    for (const char *line : {"Соперники по званиям: GM 3, IM 3, WGM 1, FM 2; по федерациям: "
                             "FRA 3, GER 3, RUS 3; без рейтинга: 0",
                             "Рейтинг ФИДЕ участника: 2450; для нормы нужно очков: 6,5"})
        EXPECT_NE(std::find(sheet.footer.begin(), sheet.footer.end(), line), sheet.footer.end())
            << line;
    EXPECT_EQ(std::count_if(sheet.footer.begin(), sheet.footer.end(),
                            [](const std::string &line) {
                                return line.rfind("Рейтинг соперника", 0) == 0;
                            }),
              0);
    EXPECT_EQ(sheet.heading[0],
              "Участник: Petrov Ivan; FIDE ID: 4100010; федерация: RUS; звание: IM; год рождения: "
              "1990");
    EXPECT_TRUE(krugovik::writePdf(certificates[0], path(QStringLiteral("norma.pdf"))));
    EXPECT_TRUE(pdfText(path(QStringLiteral("norma.pdf"))).contains(QStringLiteral("2654")));

    const std::vector<PrintedDocument> report = printedBy("cmdRatingReport");
    ASSERT_EQ(report.size(), 1u);
    ASSERT_TRUE(report[0].sheet);
    ASSERT_EQ(report[0].sheet->rows.size(), 10u);
    EXPECT_EQ(report[0].sheet->rows[0][6], "10 (по правилам)");
    EXPECT_EQ(report[0].sheet->rows[0][10], "+23");
    EXPECT_EQ(report[0].sheet->rows[0][11], "2473");
    EXPECT_TRUE(krugovik::writePdf(report[0], path(QStringLiteral("reiting.pdf"))));
}

TEST_F(NormsWindow, DrawsNumbersByRatingAsOneStep)
{
    openWithFourPlayerBase();
    enterPlayers(3);
    ASSERT_EQ(cell(1, 1), QStringLiteral("Иванов Иван"));
    whenShown<krugovik::DrawNumbersDialog>([](krugovik::DrawNumbersDialog *dialog) {
        auto *method = dialog->findChild<QComboBox *>(QStringLiteral("cmbDrawMethod"));
        method->setCurrentIndex(2); // by rating
        auto *order = dialog->findChild<QListWidget *>(QStringLiteral("lstDrawOrder"));
        EXPECT_EQ(order->item(0)->text(), QStringLiteral("1. Петров Пётр (1600)"));
        click(dialog->findChild<QPushButton *>(QStringLiteral("cmdDrawOk")));
    });
    action("mnuDrawNumbers")->trigger();
    EXPECT_EQ(cell(1, 1), QStringLiteral("Петров Пётр"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("Иванов Иван"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("Сидорова Аня"));
    EXPECT_EQ(action("actUndo")->text(), QStringLiteral("Отменить жеребьёвку номеров"));
    action("actUndo")->trigger();
    EXPECT_EQ(cell(1, 1), QStringLiteral("Иванов Иван"));

    // After the first result the numbers stay.
    setResult(1, 2, QStringLiteral("1"));
    BoxAnswerer boxes;
    action("mnuDrawNumbers")->trigger();
    EXPECT_EQ(boxes.seen().text,
              QStringLiteral("Номера разыгрываются только до первого результата."));
}

// A draw by clubs: the clubs typed go into the record by the numbers drawn, and a dialog
// opened on that record shows them again against the players, who now stand in that order.
TEST_F(NormsWindow, TheClubsOfAVarmaDrawGoIntoTheRecordAndComeBack)
{
    std::vector<krugovik::DrawEntrant> players;
    // Two clubs of three, three players of no club, each a contingent of his own.
    const auto clubOf = [](int row) -> std::string {
        return row < 3 ? "Спартак" : row < 6 ? "Динамо" : "";
    };
    for (int i = 0; i < 9; ++i)
        players.push_back({"Игрок " + std::to_string(i + 1), 2000 + i, "", ""});
    std::vector<std::string> drawnClubs;
    {
        krugovik::DrawNumbersDialog dialog(players, std::nullopt);
        dialog.findChild<QComboBox *>(QStringLiteral("cmbDrawMethod"))->setCurrentIndex(1);
        dialog.findChild<QComboBox *>(QStringLiteral("cmbVarmaGroups"))->setCurrentIndex(1);
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("tblDrawClubs"));
        for (int r = 0; r < 9; ++r)
            table->item(r, 1)->setText(QString::fromStdString(clubOf(r)));
        click(dialog.findChild<QPushButton *>(QStringLiteral("cmdDraw")));
        const krugovik::DrawRecord record = dialog.record();
        ASSERT_EQ(record.clubs.size(), 9u);
        const std::vector<int> order = dialog.order();
        for (int k = 0; k < 9; ++k)
            EXPECT_EQ(record.clubs[std::size_t(k)], clubOf(order[std::size_t(k)]));
        drawnClubs = record.clubs;
        // The clubs were the contingents: the three of each hold numbers of one set.
        const auto sets = krugovik::varmaGroups(9);
        for (const char *club : {"Спартак", "Динамо"}) {
            std::set<int> setsHeld;
            for (int k = 0; k < 9; ++k) {
                if (record.clubs[std::size_t(k)] != club)
                    continue;
                for (int g = 0; g < 4; ++g) {
                    const std::vector<int> &set = sets[std::size_t(g)];
                    if (std::find(set.begin(), set.end(), k + 1) != set.end())
                        setsHeld.insert(g);
                }
            }
            EXPECT_EQ(setsHeld.size(), 1u) << club;
        }
        EXPECT_EQ(krugovik::readDrawRecord(krugovik::drawRecordText(record)), record);
    }
    krugovik::DrawNumbersDialog again(players,
                                      krugovik::DrawRecord{krugovik::DrawMethod::Varma, 3, true,
                                                           drawnClubs});
    auto *table = again.findChild<QTableWidget *>(QStringLiteral("tblDrawClubs"));
    for (int r = 0; r < 9; ++r)
        EXPECT_EQ(table->item(r, 1)->text().toStdString(), drawnClubs[std::size_t(r)]);
}

// The window, its forms and the draw's dialog in English.
class NormsInEnglish : public NormsWindow {
  protected:
    void SetUp() override
    {
        NormsWindow::SetUp();
        ASSERT_TRUE(m_english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
        ASSERT_TRUE(QCoreApplication::installTranslator(&m_english));
    }
    void TearDown() override
    {
        NormsWindow::TearDown();
        QCoreApplication::removeTranslator(&m_english);
    }

  private:
    QTranslator m_english;
};

TEST_F(NormsInEnglish, TheWindowAndItsFormsSpeakEnglish)
{
    openTournament(normEvent(), QStringLiteral("NORMA.TXT"));
    action("mnuNorms")->trigger();
    EXPECT_EQ(norms()->windowTitle(), QStringLiteral("FIDE norms and rating"));
    EXPECT_TRUE(norms()
                    ->findChild<QLabel *>(QStringLiteral("lblNormsSummary"))
                    ->text()
                    .startsWith(QStringLiteral("Average FIDE rating: 2436, category: 8")));
    EXPECT_EQ(normsCell(0, 5), QStringLiteral("10 (by the rules)"));
    EXPECT_EQ(normsCell(0, 8), QStringLiteral("4.69"));
    EXPECT_EQ(normsCell(0, 11), QStringLiteral("GM norm made"));
    const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    const auto noRussian = [&](const krugovik::Sheet &sheet) {
        std::vector<std::string> texts = {sheet.title, sheet.subtitle};
        texts.insert(texts.end(), sheet.heading.begin(), sheet.heading.end());
        texts.insert(texts.end(), sheet.footer.begin(), sheet.footer.end());
        texts.insert(texts.end(), sheet.signatures.begin(), sheet.signatures.end());
        for (const krugovik::SheetColumn &column : sheet.columns)
            texts.push_back(column.title);
        for (const std::string &text : texts)
            EXPECT_FALSE(QString::fromStdString(text).contains(cyrillic)) << text;
    };
    const std::vector<PrintedDocument> certificates = printedBy("cmdNormCertificates");
    ASSERT_EQ(certificates.size(), 1u);
    EXPECT_EQ(certificates[0].sheet->title, "Certificate of title result");
    EXPECT_EQ(certificates[0].sheet->subtitle, "GM norm");
    noRussian(*certificates[0].sheet);
    const std::vector<PrintedDocument> report = printedBy("cmdRatingReport");
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].sheet->subtitle, "FIDE rating report");
    EXPECT_EQ(report[0].sheet->rows[0][9], "4.69");
    noRussian(*report[0].sheet);

    krugovik::DrawNumbersDialog draw({{"Petrov", 2400, "GM", "RUS"}}, std::nullopt);
    EXPECT_EQ(draw.windowTitle(), QStringLiteral("Drawing of numbers"));
    auto *method = draw.findChild<QComboBox *>(QStringLiteral("cmbDrawMethod"));
    for (int i = 0; i < method->count(); ++i)
        EXPECT_FALSE(method->itemText(i).contains(cyrillic)) << method->itemText(i).toStdString();
}

} // namespace
