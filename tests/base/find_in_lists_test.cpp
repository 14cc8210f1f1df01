// The find box over the base and the imported rating lists, and the import through the
// menu «База».
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "base/rating_list_store.h"
#include "support/test_helpers.h"

using namespace testing_support;
using namespace krugovik;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(KRUGOVIK_LISTS_DIR "/") + QString::fromLatin1(name);
}

// Runs `answer` on the next modal dialog of type T once it is shown.
template <typename T> void answerModal(std::function<void(T *)> answer)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(5, *poll);
            return;
        }
        answer(dialog);
        *poll = nullptr;
    };
    QTimer::singleShot(5, *poll);
}

class FindInListsTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        // The lists live in the run's data folder, which every test of this program shares.
        QDir(RatingListStore::defaultFolder()).removeRecursively();
    }
    void TearDown() override
    {
        TournamentTest::TearDown();
        QDir(RatingListStore::defaultFolder()).removeRecursively();
    }
    void importFixtures()
    {
        std::atomic_bool cancel{false};
        CsvColumns csv;
        csv.column = {0, 1, 3, 2, -1, 6, 4, 5};
        ASSERT_TRUE(importList(RatingListStore::defaultFolder(), ListKind::Fide,
                               QStringLiteral("ФИДЕ"), fixture("players_list_foa.txt"), {}, {},
                               cancel)
                        .replaced);
        ASSERT_TRUE(importList(RatingListStore::defaultFolder(), ListKind::National,
                               QStringLiteral("ФШР"), fixture("federation.csv"), csv, {}, cancel)
                        .replaced);
    }
    QLineEdit *findBox() { return widget<QLineEdit>(QStringLiteral("txtFind")); }
    QString shownName() { return widget<QLineEdit>(QStringLiteral("txtName"))->text(); }
    QString shownRate() { return widget<QLineEdit>(QStringLiteral("txtRate"))->text(); }
    QAbstractItemView *popup()
    {
        return tournament()->findChild<QCompleter *>(QStringLiteral("cmpFind"))->popup();
    }
    // The pop-up's entries, each as "name|rating|list".
    QStringList entries()
    {
        QStringList shown;
        const QAbstractItemModel *model = popup()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            shown << model->index(r, 0).data().toString() + QLatin1Char('|') +
                         model->index(r, 1).data().toString() + QLatin1Char('|') +
                         model->index(r, 2).data().toString();
        return shown;
    }
    void find(const QString &text)
    {
        findBox()->clear();
        findBox()->setFocus();
        typeText(findBox(), text);
    }
    void enter() { QTest::keyClick(findBox(), Qt::Key_Return); }
    int baseRecords() { return int(readFile(QStringLiteral("BASE.DAT")).size() / 29); }
};

} // namespace

TEST_F(FindInListsTest, ThePopUpShowsTheBaseFirstThenTheListsWithTheirNames)
{
    writeBase({{QStringLiteral("Иванова Мария"), "1500", ' '},
               {QStringLiteral("Петров Пётр"), "1600", ' '}});
    importFixtures();
    openTournament();
    find(QStringLiteral("Иванов"));
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Иванова Мария|1500|"),
                                      QStringLiteral("Ivanov, Ivan|1854|ФИДЕ"),
                                      QStringLiteral("Иванов; Иван|1650|ФШР")}));
    find(QStringLiteral("Zhukov"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Zhukov, Dmitry|2402|ФИДЕ")});
    // Choosing a list's player adds him at the end of the base and shows him.
    popup()->setCurrentIndex(popup()->model()->index(0, 0));
    QTest::keyClick(popup(), Qt::Key_Return);
    EXPECT_EQ(shownName(), QStringLiteral("Zhukov, Dmitry"));
    EXPECT_EQ(shownRate(), QStringLiteral("2402"));
    EXPECT_EQ(baseRecords(), 3);
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblIdentity"))->text(),
              QStringLiteral("FIDE 24101605 · RUS · IM · 1994 г.р. · Эло 2402"));
}

TEST_F(FindInListsTest, EnterTakesAnIdOrTheListsFirstMatchWhenTheBaseHasNone)
{
    writeBase({{QStringLiteral("Петров Пётр"), "1600", ' '},
               {QStringLiteral("Karpov, Anatoly"), "2500", ' '}});
    importFixtures();
    openTournament();

    // A FIDE ID: the player comes from the list, once; the second time from the base.
    find(QStringLiteral("1503014"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Carlsen, Magnus"));
    EXPECT_EQ(baseRecords(), 3);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")).mid(58),
              QByteArray("Carlsen, Magnus         2839 "));
    find(QStringLiteral("Петров"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Петров Пётр")); // the base's match, as before
    find(QStringLiteral("1503014"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Carlsen, Magnus"));
    EXPECT_EQ(baseRecords(), 3);

    // A federation's ID.
    find(QStringLiteral("12346"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Сидорова Анна"));
    EXPECT_EQ(baseRecords(), 4);

    // A name nobody in the base has: the lists' first match; a long one is cut to 24.
    find(QStringLiteral("Рахманов"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Rahmanov-Abdusattorov-Kh"));
    EXPECT_EQ(baseRecords(), 5);

    // Entered by hand before the list came: found by his name, and given his identity.
    find(QStringLiteral("4100018"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Karpov, Anatoly"));
    EXPECT_EQ(shownRate(), QStringLiteral("2500")); // the club's rating stays
    EXPECT_EQ(baseRecords(), 5);
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblIdentity"))->text(),
              QStringLiteral("FIDE 4100018 · RUS · GM · 1951 г.р. · Эло 2617"));

    const QByteArray ids = readFile(QStringLiteral("BASE.ID"));
    EXPECT_TRUE(ids.contains("2\t4100018\t\tRUS\tGM\tM\t1951\t2617\n"));
    EXPECT_TRUE(ids.contains("3\t1503014\t\tNOR\tGM\tM\t1990\t2839\n"));
    EXPECT_TRUE(ids.contains("4\t34100001\t12346\t\tWFM\tF\t2010\t\n")); // no FIDE rating
    EXPECT_TRUE(ids.contains("5\t44112233\t\tUZB\tCM\tM\t2012\t1987\n"));

    // Nothing anywhere: red, as before.
    find(QStringLiteral("Никто"));
    enter();
    EXPECT_EQ(findBox()->toolTip(), QStringLiteral("Не найдено"));
}

TEST_F(FindInListsTest, TheMenuImportsFidesListAndTellsTheSkippedLines)
{
    start();
    BoxAnswerer answerer;
    answerModal<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgListFile"));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        dialog->selectFile(fixture("players_list_foa.txt"));
        static_cast<QDialog *>(dialog)->accept();
    });
    QAction *import = widget<QAction>(QStringLiteral("mnuImportList"));
    EXPECT_EQ(import->text(), QStringLiteral("Загрузить рейтинг-лист…"));
    EXPECT_EQ(widget<QMenu>(QStringLiteral("mnuBase"))->title(), QStringLiteral("База"));
    import->trigger();
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_EQ(answerer.seen().text,
              QStringLiteral("Загружен список «ФИДЕ»: игроков — 8.\n"
                             "Пропущено строк с ошибками: 3 (первая — строка 8)."));
    RatingListStore store;
    EXPECT_EQ(store.info(ListKind::Fide).value_or(ListInfo{}).players, 8);
}

TEST_F(FindInListsTest, ACsvIsReadThroughItsColumnsWhichAreRemembered)
{
    start();
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        BoxAnswerer answerer;
        answerModal<QFileDialog>([](QFileDialog *dialog) {
            dialog->selectFile(fixture("federation.csv"));
            static_cast<QDialog *>(dialog)->accept();
        });
        answerModal<QDialog>([run](QDialog *dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgCsvColumns"));
            auto *name = dialog->findChild<QComboBox *>(QStringLiteral("cboCsvName"));
            auto *rating = dialog->findChild<QComboBox *>(QStringLiteral("cboCsvRating"));
            auto *fed = dialog->findChild<QComboBox *>(QStringLiteral("cboCsvFederation"));
            ASSERT_TRUE(name && rating && fed);
            EXPECT_EQ(name->currentText(), QStringLiteral("1: ФИО"));
            EXPECT_EQ(fed->currentText(), QStringLiteral("(нет)"));
            if (run == 0) {
                // The director's own choice, remembered for the next time.
                EXPECT_EQ(rating->currentText(), QStringLiteral("2: Рейтинг"));
                rating->setCurrentIndex(0);
                dialog->findChild<QLineEdit *>(QStringLiteral("txtListName"))
                    ->setText(QStringLiteral("Клуб"));
            } else {
                EXPECT_EQ(rating->currentText(), QStringLiteral("(нет)"));
            }
            dialog->findChild<QPushButton *>(QStringLiteral("cmdCsvOk"))->click();
        });
        widget<QAction>(QStringLiteral("mnuImportList"))->trigger();
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Загружен список «Клуб»: игроков — 5.\n"
                                 "Пропущено строк с ошибками: 1 (первая — строка 6)."));
    }
}

TEST_F(FindInListsTest, ACancelledImportLeavesThePreviousList)
{
    importFixtures();
    // Large enough to be running when the cancel comes.
    const QString big = path(QStringLiteral("big.txt"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray header = "ID Number      Name" + QByteArray(57, ' ') +
                            "Fed Sex Tit  WTit OTit"
                            "           FOA SRtng SGm SK RRtng RGm Rk BRtng BGm BK B-day Flag\n";
        file.write(header);
        QByteArray lines;
        for (int i = 0; i < 400000; ++i) {
            QByteArray line = QByteArray::number(10000000 + i).leftJustified(15, ' ') +
                              QByteArray("Player, Number").leftJustified(61, ' ') + "RUS M\n";
            lines += line;
        }
        file.write(lines);
    }
    start();
    BoxAnswerer answerer;
    answerModal<QFileDialog>([big](QFileDialog *dialog) {
        dialog->selectFile(big);
        static_cast<QDialog *>(dialog)->accept();
    });
    answerModal<QDialog>([](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgImportList"));
        EXPECT_NE(dialog->findChild<QProgressBar *>(QStringLiteral("prgImport")), nullptr);
        dialog->findChild<QPushButton *>(QStringLiteral("cmdCancelImport"))->click();
    });
    widget<QAction>(QStringLiteral("mnuImportList"))->trigger();
    EXPECT_EQ(answerer.seen().text, QStringLiteral("Загрузка прервана; список «ФИДЕ» не изменён."));
    RatingListStore store;
    EXPECT_EQ(store.info(ListKind::Fide).value_or(ListInfo{}).players, 8);
}
