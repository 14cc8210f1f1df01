// The find box over the base and the imported rating lists, and the import through the
// menu «База».
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include "base/rating_list_store.h"
#include "export/trf_export.h"
#include "support/test_helpers.h"
#include "table/tournament.h"

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
    // The pop-up's entries, each as "name|rating|FIDE ID|federation|title|born|list".
    QStringList entries()
    {
        QStringList shown;
        const QAbstractItemModel *model = popup()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            shown << cells.join(QLatin1Char('|'));
        }
        return shown;
    }
    QString identityShown() { return widget<QLabel>(QStringLiteral("lblIdentity"))->text(); }
    // Shows base record k in the editor, as the arrows do.
    void showRecord(int k)
    {
        auto *previous = widget<QAbstractButton>(QStringLiteral("cmdPrevious"));
        while (previous->isEnabled())
            click(previous);
        for (int i = 1; i < k; ++i)
            click(widget<QAbstractButton>(QStringLiteral("cmdNext")));
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
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Иванова Мария|1500|||||"),
                                      QStringLiteral("Ivanov, Ivan|1854|4168119|RUS||2008|ФИДЕ"),
                                      QStringLiteral("Иванов; Иван|1650|4168119|||2008|ФШР")}));
    find(QStringLiteral("Zhukov"));
    EXPECT_EQ(entries(),
              QStringList{QStringLiteral("Zhukov, Dmitry|2402|24101605|RUS|IM|1994|ФИДЕ")});
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

    // FIDE's K goes last, after an empty birth day; a federation's player has none.
    const QByteArray ids = readFile(QStringLiteral("BASE.ID"));
    EXPECT_TRUE(ids.contains("2\tKarpov, Anatoly\t4100018\t\tRUS\tGM\tM\t1951\t2617\t\t10\n"));
    EXPECT_TRUE(ids.contains("3\tCarlsen, Magnus\t1503014\t\tNOR\tGM\tM\t1990\t2839\t\t10\n"));
    EXPECT_TRUE(ids.contains("4\tСидорова Анна\t34100001\t12346\t\tWFM\tF\t2010\t\n")); // no FIDE rating
    EXPECT_TRUE(ids.contains("5\tRahmanov-Abdusattorov-Kh\t44112233\t\tUZB\tCM\tM\t2012\t1987\t\t20\n"));

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

namespace {

// A line of FIDE's list under the header of the fixture.
QByteArray fideLine(const char *id, const char *name, const char *fed, const char *title,
                    int rating, int born)
{
    QByteArray line = QByteArray(id).leftJustified(15, ' ') +
                      QByteArray(name).leftJustified(61, ' ') + QByteArray(fed).leftJustified(4) +
                      QByteArray("M").leftJustified(4) + QByteArray(title);
    return line.leftJustified(113, ' ') + QByteArray::number(rating).leftJustified(39, ' ') +
           QByteArray::number(born) + "\n";
}

} // namespace

TEST_F(FindInListsTest, TheHighlightedPlayerAloneIsTakenByTheKeyboardAndByTheMouse)
{
    writeBase({{QStringLiteral("Петров Пётр"), "1600", ' '}});
    // Five namesakes, told apart by their IDs, federations and years.
    QFile fixtureList(fixture("players_list_foa.txt"));
    ASSERT_TRUE(fixtureList.open(QIODevice::ReadOnly));
    QByteArray list = fixtureList.readLine();
    list += fideLine("4168119", "Ivanov, Ivan", "RUS", "", 1854, 2008);
    list += fideLine("14110001", "Ivanov, Ivan", "UKR", "FM", 2301, 1985);
    list += fideLine("24110002", "Ivanov, Ivan", "RUS", "", 1502, 2012);
    list += fideLine("34110003", "Ivanov, Ivan", "KAZ", "CM", 2105, 1999);
    list += fideLine("44110004", "Ivanov, Ivan", "BLR", "", 1420, 1961);
    writeFile(QStringLiteral("namesakes.txt"), list);
    std::atomic_bool cancel{false};
    ASSERT_TRUE(importList(RatingListStore::defaultFolder(), ListKind::Fide, QStringLiteral("ФИДЕ"),
                           path(QStringLiteral("namesakes.txt")), {}, {}, cancel)
                    .replaced);
    openTournament();

    find(QStringLiteral("Ivanov"));
    ASSERT_TRUE(popup()->isVisible());
    QStringList shown = entries();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown.removeDuplicates(), 0);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(popup(), Qt::Key_Down);
    ASSERT_EQ(popup()->currentIndex().row(), 2);
    const QString third = popup()->model()->index(2, 2).data().toString();
    QTest::keyClick(popup(), Qt::Key_Return);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(baseRecords(), 2);
    EXPECT_EQ(shownName(), QStringLiteral("Ivanov, Ivan"));
    EXPECT_TRUE(identityShown().startsWith(QStringLiteral("FIDE ") + third))
        << identityShown().toStdString();

    // Now the base's Ivanov comes first, with his ID; the mouse takes the last namesake.
    find(QStringLiteral("Ivanov"));
    shown = entries();
    ASSERT_EQ(shown.size(), 6);
    EXPECT_TRUE(shown.first().contains(QLatin1Char('|') + third + QLatin1Char('|')))
        << shown.first().toStdString();
    const QModelIndex last = popup()->model()->index(5, 0);
    const QString lastId = last.siblingAtColumn(2).data().toString();
    ASSERT_NE(lastId, third);
    QTest::mouseClick(popup()->viewport(), Qt::LeftButton, {}, popup()->visualRect(last).center());
    EXPECT_EQ(baseRecords(), 3);
    EXPECT_TRUE(identityShown().startsWith(QStringLiteral("FIDE ") + lastId));

    // Enter on the base's entry shows that record, adding nobody.
    find(QStringLiteral("Ivanov"));
    QTest::keyClick(popup(), Qt::Key_Down);
    QTest::keyClick(popup(), Qt::Key_Return);
    EXPECT_EQ(baseRecords(), 3);
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblRecord"))->text(), QStringLiteral("Запись 2 из 3"));
}

TEST_F(FindInListsTest, ThePopUpStaysOnTheScreen)
{
    writeBase({{QStringLiteral("Петров Пётр"), "1600", ' '}});
    importFixtures();
    openTournament();
    for (const char *text : {"Иванов", "Rahman", "К"}) {
        SCOPED_TRACE(text);
        find(QString::fromUtf8(text));
        ASSERT_TRUE(popup()->isVisible());
        const QRect screen = popup()->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(popup()->frameGeometry()))
            << popup()->frameGeometry().x() << "," << popup()->frameGeometry().y() << " "
            << popup()->frameGeometry().width() << "x" << popup()->frameGeometry().height();
        // Every column whole, the longest name too.
        auto *view = static_cast<QTreeView *>(popup());
        for (int column = 0; column < view->model()->columnCount(); ++column)
            EXPECT_GE(view->header()->sectionSize(column), popup()->sizeHintForColumn(column))
                << "column " << column;
    }
}

TEST_F(FindInListsTest, AnOlderCopyOfTheBaseGivesTheNextPlayerNoStrangersIdentity)
{
    const QList<std::tuple<QString, QByteArray, char>> yesterday = {
        {QStringLiteral("Петров Пётр"), "1600", ' '},
        {QStringLiteral("Сидоров Иван"), "1500", ' '}};
    writeBase(yesterday);
    importFixtures();
    openTournament();
    find(QStringLiteral("1503014"));
    enter();
    ASSERT_EQ(shownName(), QStringLiteral("Carlsen, Magnus"));
    ASSERT_EQ(baseRecords(), 3);

    // Yesterday's copy of the base put back; a new player takes Carlsen's record number.
    writeBase(yesterday);
    showRecord(2);
    click(widget<QAbstractButton>(QStringLiteral("cmdNew")));
    widget<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Новиков Олег"));
    widget<QLineEdit>(QStringLiteral("txtRate"))->setText(QStringLiteral("1650"));
    showRecord(2);
    showRecord(3);
    ASSERT_EQ(shownName(), QStringLiteral("Новиков Олег"));
    EXPECT_EQ(identityShown(), QString());
    clickCell(grid(), 1, 0);
    showRecord(1);
    clickCell(grid(), 2, 0);
    showRecord(2);
    clickCell(grid(), 3, 0);
    save();

    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_FALSE(saved.contains("IDENTITY"));
    krugovik::Tournament t;
    t.load(std::string_view(saved.constData(), std::size_t(saved.size())));
    ASSERT_EQ(t.name(1), "Новиков Олег");
    EXPECT_TRUE(t.identity(1).empty());
    const std::string trf = exportTrf(t.snapshot("ALPHA", "2026/12/09"));
    for (const char *stale : {"1503014", "NOR", " GM ", "2839"})
        EXPECT_EQ(trf.find(stale), std::string::npos) << stale;
}

TEST_F(FindInListsTest, NamesakesWithTheirOwnIdsBothEnterButOneFideIdOnlyOnce)
{
    writeBase({{QStringLiteral("Carlsen, Magnus"), "2800", ' '},
               {QStringLiteral("Карлсен Магнус"), "2800", ' '},
               {QStringLiteral("Ivanov, Ivan"), "1854", ' '},
               {QStringLiteral("Ivanov, Ivan"), "2301", ' '}});
    writeFile(QStringLiteral("BASE.ID"), "KRUGOVIK-ID 2\n"
                                         "1\tCarlsen, Magnus\t1503014\t\tNOR\tGM\tM\t1990\t2839\n"
                                         "2\tКарлсен Магнус\t1503014\t\tNOR\tGM\tM\t1990\t2839\n"
                                         "3\tIvanov, Ivan\t4168119\t\tRUS\t\tM\t2008\t1854\n"
                                         "4\tIvanov, Ivan\t14110001\t\tUKR\tFM\tM\t1985\t2301\n");
    openTournament();
    showRecord(1);
    clickCell(grid(), 1, 0);
    showRecord(2);
    {
        BoxAnswerer answerer;
        clickCell(grid(), 2, 0);
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Игрок с FIDE ID 1503014 уже занесён в турнирную таблицу: "
                                 "строка 1, Carlsen, Magnus!"));
    }
    EXPECT_TRUE(cell(2, 1).isEmpty());
    for (int record : {3, 4}) {
        showRecord(record);
        BoxAnswerer answerer;
        clickCell(grid(), record - 1, 0);
        EXPECT_EQ(answerer.seen().count, 0);
    }
    EXPECT_EQ(cell(2, 1), QStringLiteral("Ivanov, Ivan"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("Ivanov, Ivan"));
    // The same namesake again is the same player, refused as before.
    {
        showRecord(4);
        BoxAnswerer answerer;
        clickCell(grid(), 1, 0);
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Игрок Ivanov, Ivan уже занесён в турнирную таблицу!"));
    }
    save();
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(saved.contains("IDENTITY 2 4168119|"));
    EXPECT_TRUE(saved.contains("IDENTITY 3 14110001|"));
}
