// «Файл» → «Открыть TRF…» through the widgets: the tournament file written, the base
// asked once, the tournament opened; a defective file refused with its line.
#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

#include "export/trf_export.h"
#include "support/test_helpers.h"
#include "trf/random_tournament.h"
#include "trf/trf_test_files.h"

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

// A generated round robin of six players whose 012 says `title`.
QByteArray sixPlayers(const std::string &title)
{
    krugovik::RandomTournamentOptions options;
    options.players = 6;
    options.seed = 21;
    std::string trf = krugovik::exportTrf(krugovik::randomTournament(options));
    const std::size_t line = trf.find("012 ");
    trf.replace(line, trf.find("\r\n", line) - line, "012 " + title);
    return QByteArray::fromStdString(trf);
}

class OpenTrfTarget : public OpenTrf {
  protected:
    // The name the save dialog proposes for `trf`; the dialog is then cancelled.
    QString proposedFor(const QByteArray &trf)
    {
        writeFile(QStringLiteral("event.trf"), trf);
        auto proposed = std::make_shared<QString>();
        whenShown<QFileDialog>([this, proposed](QFileDialog *dialog) {
            dialog->selectFile(path(QStringLiteral("event.trf")));
            whenShown<QFileDialog>([proposed](QFileDialog *save) {
                EXPECT_EQ(save->objectName(), QStringLiteral("dlgImportTrfSave"));
                *proposed = QFileInfo(save->selectedFiles().value(0)).fileName();
                static_cast<QDialog *>(save)->reject();
            });
            static_cast<QDialog *>(dialog)->accept();
        });
        widget<QAction>(QStringLiteral("mnuImportTrf"))->trigger();
        return *proposed;
    }
};

// The open tournament OSEN.TXT exported as a TRF whose title is OSEN: the import proposes
// a new file, never the one open.
TEST_F(OpenTrfTarget, ProposesANewFileNeverTheOpenTournaments)
{
    openTournament(newTournamentFile(), QStringLiteral("OSEN.TXT"));
    BoxAnswerer none;
    EXPECT_EQ(proposedFor(sixPlayers("OSEN")), QStringLiteral("OSEN-2.TXT"));
    // The title as the tournament keeps it, folded to its code page.
    EXPECT_EQ(proposedFor(sixPlayers("Café Open: 2026")), QStringLiteral("Cafe Open 2026.TXT"));
    // Without a title, the TRF's own name.
    EXPECT_EQ(proposedFor(sixPlayers("")), QStringLiteral("event.TXT"));
    // One box, for the UTF-8 title: the file's encoding; no question of replacing.
    EXPECT_EQ(none.seen().count, 1);
    EXPECT_NE(none.seen().text.indexOf(QStringLiteral("UTF-8")), -1)
        << none.seen().text.toStdString();
}

// A file that exists is replaced only after the program's own question, which names it.
TEST_F(OpenTrf, AFileThatExistsIsReplacedOnlyAfterTheProgramsOwnQuestion)
{
    writeFile(QStringLiteral("EVENT.TXT"), "not yet replaced");
    writeFile(QStringLiteral("event.trf"), sixPlayers("Spring"));
    start();
    {
        BoxAnswerer no(QMessageBox::No);
        openThroughMenu(QStringLiteral("event.trf"), QStringLiteral("EVENT.TXT"));
        EXPECT_EQ(no.seen().count, 1);
        EXPECT_NE(no.seen().text.indexOf(QStringLiteral("EVENT.TXT уже есть")), -1)
            << no.seen().text.toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("EVENT.TXT")), QByteArray("not yet replaced"));
    EXPECT_EQ(tournament(), nullptr);
    BoxAnswerer yes(QMessageBox::Yes);
    openThroughMenu(QStringLiteral("event.trf"), QStringLiteral("EVENT.TXT"));
    // The program's question and the base's; Qt's own overwrite box never shows.
    EXPECT_EQ(yes.seen().count, 2) << yes.seen().text.toStdString();
    EXPECT_NE(readFile(QStringLiteral("EVENT.TXT")), QByteArray("not yet replaced"));
    EXPECT_NE(tournament(), nullptr);
}

// A Latin-1 file numbered otherwise, with a record of a code TRF lacks: the director hears
// of all three and is asked before anything is made.
TEST_F(OpenTrf, SaysTheEncodingTheRenumberingAndUnknownCodesAndAsksFirst)
{
    std::string trf =
        trf_test_files::relabelled(sixPlayers("Spring").toStdString(), {0, 1, 2, 3, 4, 6, 5});
    const std::size_t name = trf.find("001    1") + 14;
    trf.replace(name, 6, "H\xE9l\xE8ne");
    // The line the unknown record stands on, whatever the export wrote before it.
    const auto unknownLine = std::count(trf.begin(), trf.end(), '\n') + 1;
    trf += "101    7 m    Seventh, Player\r\n";
    writeFile(QStringLiteral("event.trf"), QByteArray::fromStdString(trf));
    start();
    BoxAnswerer no(QMessageBox::No);
    openThroughMenu(QStringLiteral("event.trf"), {});
    ASSERT_EQ(no.seen().count, 1);
    const QString said = no.seen().text;
    for (const QString &part : {QStringLiteral("Windows-1252"), QStringLiteral("5 ↔ 6"),
                                QStringLiteral("строка %1: код 101").arg(unknownLine)})
        EXPECT_NE(said.indexOf(part), -1) << part.toStdString() << " in " << said.toStdString();
    EXPECT_EQ(tournament(), nullptr);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Spring.TXT"))));
}

} // namespace
