// «Файл» → «Открыть TRF…» through the widgets: the tournament file written, the base
// asked once, the tournament opened; a defective file refused with its line.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include "export/trf_export.h"
#include "support/test_helpers.h"
#include "trf/random_tournament.h"

using namespace testing_support;

namespace {

class OpenTrf : public TournamentTest {
  protected:
    // Chooses `trf` in the open dialog and, when given, `saveAs` in the save dialog.
    void openThroughMenu(const QString &trf, const QString &saveAs)
    {
        whenShown<QFileDialog>([this, trf, saveAs](QFileDialog *dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgImportTrf"));
            dialog->selectFile(path(trf));
            if (!saveAs.isEmpty())
                whenShown<QFileDialog>([this, saveAs](QFileDialog *save) {
                    EXPECT_EQ(save->objectName(), QStringLiteral("dlgImportTrfSave"));
                    save->selectFile(path(saveAs));
                    static_cast<QDialog *>(save)->accept();
                });
            static_cast<QDialog *>(dialog)->accept();
        });
        widget<QAction>(QStringLiteral("mnuImportTrf"))->trigger();
    }
    // The 001 lines of a TRF, which carry everything but the event's name and dates.
    static QStringList playerLines(const QByteArray &trf)
    {
        QStringList lines;
        for (const QString &line : QString::fromLatin1(trf).split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("001")))
                lines << line;
        return lines;
    }
};

TEST_F(OpenTrf, BuildsTheTournamentAndAddsMissingPlayersToTheBase)
{
    writeBase({{QStringLiteral("Player 02"), "2000", ' '}});
    krugovik::RandomTournamentOptions options;
    options.players = 6;
    options.cycles = 2;
    options.seed = 9;
    options.withdrawals = 1;
    const std::string trf = krugovik::exportTrf(krugovik::randomTournament(options));
    writeFile(QStringLiteral("event.trf"), QByteArray::fromStdString(trf));
    start();
    BoxAnswerer yes(QMessageBox::Yes);
    openThroughMenu(QStringLiteral("event.trf"), QStringLiteral("EVENT.TXT"));
    // One question for the five the base lacks; Player 02 is found there.
    EXPECT_EQ(yes.seen().count, 1);
    EXPECT_NE(yes.seen().text.indexOf(QStringLiteral("нет в базе: 5")), -1)
        << yes.seen().text.toStdString();
    ASSERT_NE(tournament(), nullptr);
    // The one who left is marked so beside his name.
    EXPECT_TRUE(cell(1, 1).startsWith(QStringLiteral("Player 01"))) << cell(1, 1).toStdString();
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")).size(), 6 * 29);
    EXPECT_TRUE(readFile(QStringLiteral("EVENT.TXT")).contains("CYCLES 2"));

    // Written out again, every player's line is the same.
    whenShown<QFileDialog>([this](QFileDialog *dialog) {
        dialog->selectFile(path(QStringLiteral("again.trf")));
        static_cast<QDialog *>(dialog)->accept();
    });
    widget<QAction>(QStringLiteral("mnuExportTrf"))->trigger();
    EXPECT_EQ(playerLines(readFile(QStringLiteral("again.trf"))),
              playerLines(QByteArray::fromStdString(trf)));
}

TEST_F(OpenTrf, RefusesADefectiveFileWithItsLineAndCreatesNothing)
{
    krugovik::RandomTournamentOptions options;
    options.players = 4;
    options.seed = 3;
    std::string trf = krugovik::exportTrf(krugovik::randomTournament(options));
    // Player 2's first round names a player who is not there.
    const std::size_t line = trf.find("001    2");
    trf.replace(line + 91, 4, "   9");
    writeFile(QStringLiteral("bad.trf"), QByteArray::fromStdString(trf));
    start();
    BoxAnswerer ok;
    openThroughMenu(QStringLiteral("bad.trf"), {});
    EXPECT_EQ(ok.seen().count, 1);
    EXPECT_NE(ok.seen().text.indexOf(QStringLiteral("строка 9")), -1)
        << ok.seen().text.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("bad.TXT"))));
    EXPECT_EQ(tournament(), nullptr);
}

} // namespace
