// A tournament's whole life as a director lives it, through the widgets only.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

struct Player {
    QString name;
    QString rating;   // typed, or empty for a category
    QString category; // option that gives the estimate
};

const QList<Player> kPlayers = {
    {QStringLiteral("Алексеев Антон"), QStringLiteral("1650"), {}},
    {QStringLiteral("Борисова Вера"), QStringLiteral("1480"), {}},
    {QStringLiteral("Васильев Глеб"), QStringLiteral("1720"), {}},
    {QStringLiteral("Григорьева Дина"), QStringLiteral("1390"), {}},
    {QStringLiteral("Денисов Егор"), QStringLiteral("1555"), {}},
    {QStringLiteral("Ефимова Жанна"), QStringLiteral("1810"), {}},
    {QStringLiteral("Жуков Захар"), {}, QStringLiteral("optRanc4")}, // boys' "2 разряд", 1550
    {QStringLiteral("Зайцева Ира"), {}, QStringLiteral("optRanc13")}, // girls' "КМС", 1850
};

class DirectorWorkflow : public TournamentTest {
  protected:
    template <typename T = QAbstractButton> T *w(const char *name)
    {
        return widget<T>(QString::fromLatin1(name));
    }
    void createAndOpen(const QString &name)
    {
        start();
        w<QLineEdit>("txtFileName")->setText(name);
        click(w("cmdCreate"));
        auto *files = w<QListWidget>("filFiles");
        const auto items = files->findItems(name + QStringLiteral(".TXT"), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        // A double click opens the file.
        const QRect itemRect = files->visualItemRect(items[0]);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, itemRect.center());
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, itemRect.center());
        ASSERT_NE(tournament(), nullptr);
    }
    void addPlayersToTheBase()
    {
        for (int k = 0; k < kPlayers.size(); ++k) {
            const Player &p = kPlayers[k];
            w<QLineEdit>("txtName")->setFocus();
            typeText(w<QLineEdit>("txtName"), p.name);
            if (p.category.isEmpty()) {
                if (!w("chkRate")->isChecked())
                    click(w("chkRate"));
                typeText(w<QLineEdit>("txtRate"), p.rating);
            } else {
                if (w("chkRate")->isChecked())
                    click(w("chkRate"));
                click(widget(p.category));
            }
            if (k + 1 < kPlayers.size()) {
                ASSERT_TRUE(w("cmdNew")->isEnabled()) << k;
                click(w("cmdNew"));
            }
        }
    }
    QStringList everyCell()
    {
        QStringList cells;
        for (int r = 0; r < grid()->rows(); ++r)
            for (int c = 0; c < grid()->columns(); ++c)
                if (c != 3 && c != 4)
                    cells << cell(r, c);
        return cells;
    }
};

TEST_F(DirectorWorkflow, FromAnEmptyFolderToPrintedResults)
{
    createAndOpen(QStringLiteral("ALPHA"));
    addPlayersToTheBase();
    ASSERT_EQ(readFile(QStringLiteral("BASE.DAT")).size(), 8 * 29);

    setPlayerCount(8);
    ASSERT_EQ(grid()->rows(), 9);
    enterPlayers(8);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(cell(k + 1, 1), kPlayers[k].name);
        EXPECT_EQ(cellColour(k + 1, 2) == kEstimateCell, !kPlayers[k].category.isEmpty()) << k;
    }
    EXPECT_EQ(cell(7, 2), QStringLiteral("1550"));
    EXPECT_EQ(cell(8, 2), QStringLiteral("1850"));

    // Every round from its column header, every result on the boards, forfeits included.
    for (int round = 1; round <= 7; ++round) {
        clickCell(grid(), 0, round + 4);
        ASSERT_EQ(w<QLabel>("lblParing_0")->text(),
                  QStringLiteral("Жеребьёвка  %1 тур.").arg(round));
        for (int board = 1; board <= 4; ++board) {
            auto *box = widget<QLabel>(QStringLiteral("lblRezult_%1").arg(board));
            ASSERT_TRUE(box->isVisibleTo(tournament()));
            for (int n = 0; n < (round + board) % 5 + 1; ++n)
                click(box);
        }
    }
    // Every game has a result, mirrored in the crosstable.
    int forfeits = 0;
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            if (i == j)
                continue;
            const QString mine = cell(i, j + 4);
            const QString theirs = cell(j, i + 4);
            ASSERT_FALSE(mine.isEmpty()) << i << "-" << j;
            const QMap<QString, QString> mirror = {
                {"1", "0"}, {"0", "1"}, {"0.5", "0.5"}, {"+", "-"}, {"-", "+"}};
            EXPECT_EQ(theirs, mirror.value(mine)) << i << "-" << j;
            forfeits += mine == QLatin1String("+");
        }
    }
    EXPECT_GT(forfeits, 0);

    // Points from the cells as a director adds them up, then Berger.
    clickCell(grid(), 0, 4);
    QList<double> points;
    for (int i = 1; i <= 8; ++i) {
        double sum = 0;
        for (int j = 1; j <= 8; ++j) {
            const QString r = cell(i, j + 4);
            sum += (r == "1" || r == "+") ? 1 : r == "0.5" ? 0.5 : 0;
        }
        points << sum;
        EXPECT_DOUBLE_EQ(cell(i, 4).toDouble(), sum) << i;
        EXPECT_TRUE(cell(i, 4).startsWith(QLatin1Char(' ')));
    }
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(0, 4), QStringLiteral("Бергер"));
    for (int i = 1; i <= 8; ++i) {
        double berger = 0;
        for (int j = 1; j <= 8; ++j) {
            const QString r = cell(i, j + 4);
            berger += (r == "1" || r == "+") ? points[j - 1] : r == "0.5" ? points[j - 1] / 2 : 0;
        }
        EXPECT_DOUBLE_EQ(cell(i, 4).toDouble(), berger) << i;
    }

    // Corrections of the two estimates, then the new ratings.
    clickCell(grid(), 0, 2);
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(cell(i, 3).isEmpty()) << i;
    EXPECT_FALSE(cell(7, 4).isEmpty());
    EXPECT_EQ(cell(7, 3).toInt(), 1550 + cell(7, 4).toInt());
    clickCell(grid(), 0, 3);
    EXPECT_EQ(cell(0, 3), QStringLiteral("R нов."));
    EXPECT_EQ(cell(0, 4), QStringLiteral("Результат"));
    QStringList newRatings;
    for (int i = 1; i <= 8; ++i) {
        ASSERT_FALSE(cell(i, 3).isEmpty());
        newRatings << cell(i, 3).trimmed();
    }

    // Save, reopen through the menu, and find every cell again.
    click(w("cmdSave"));
    const QStringList before = everyCell();
    w<QAction>("mnuOpen")->trigger();
    ASSERT_EQ(tournament(), nullptr);
    auto *files = w<QListWidget>("filFiles");
    files->setCurrentItem(files->findItems(QStringLiteral("ALPHA.TXT"), Qt::MatchExactly).value(0));
    emit files->itemClicked(files->currentItem());
    click(w("cmdOK"));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(everyCell(), before);
    EXPECT_EQ(w<QScrollBar>("vscPlayer")->minimum(), 8);
    clickCell(grid(), 0, 3);
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(cell(i, 3).trimmed(), newRatings[i - 1]) << i;

    // Write back, and the base holds the new ratings as established ones.
    click(w("cmdZapisBase"));
    QByteArray expected;
    for (int k = 0; k < 8; ++k)
        expected += cp1251(kPlayers[k].name).leftJustified(24, ' ') +
                    newRatings[k].toLatin1().leftJustified(4, ' ') + ' ';
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), expected);

    // Print the protocol, the list and the table from their previews: there is no
    // printer, so three PDFs.
    {
        BoxAnswerer answerer;
        PreviewAnswerer preview;
        click(w("cmdPrintParing"));
        click(w("cmdPrintBase"));
        click(w("cmdPrint"));
        EXPECT_EQ(answerer.seen().count, 3);
        EXPECT_EQ(preview.seen().count, 3);
    }
    EXPECT_EQ(QDir::current().entryList({QStringLiteral("*.pdf")}).size(), 3);
}

TEST_F(DirectorWorkflow, RaisingTheCountOfASavedTournamentLosesNothing)
{
    writeBase({{"A", "1500", ' '}, {"B", "1600", ' '}, {"C", "1700", ' '}, {"D", "1800", ' '}});
    const QByteArray saved =
        " 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n+\r\nB\r\n 2 \r\n1600\r\n 1000 "
        "\r\n0\r\n0.5\r\nC\r\n 3 \r\n1700\r\n 1000 \r\n-\r\n0.5\r\n";
    openTournament(saved);
    const QStringList rows = {cell(1, 1), cell(1, 6), cell(1, 7),
                              cell(2, 7), cell(3, 5), cell(3, 2)};
    auto *spin = w<QScrollBar>("vscPlayer");
    spin->triggerAction(QAbstractSlider::SliderSingleStepSub); // not below the loaded count
    EXPECT_EQ(grid()->rows(), 4);
    spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(grid()->rows(), 5);
    EXPECT_EQ((QStringList{cell(1, 1), cell(1, 6), cell(1, 7), cell(2, 7), cell(3, 5), cell(3, 2)}),
              rows);
    for (int k = 0; k < 3; ++k)
        click(w("cmdNext"));
    clickCell(grid(), 4, 0);
    clickCell(grid(), 4, 5);
    click(w("cmdSave"));
    const QByteArray file = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(file.startsWith(" 4 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n+\r\n0\r\nB\r\n"));
    EXPECT_TRUE(file.endsWith("D\r\n 4 \r\n1800\r\n 1000 \r\n1\r\n\r\n\r\n"));
}

} // namespace
