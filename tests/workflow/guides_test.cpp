#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "base/name_check.h"
#include "ui/board_line_label.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

QByteArray record(const QString &name, const QByteArray &rate, char nr)
{
    return cp1251(name).leftJustified(24, ' ', true) + rate.leftJustified(4, ' ', true) + nr;
}

// A tournament of three players, read from records 1, 2 and 3, without results.
QByteArray threePlayers(const QStringList &names, const QList<QByteArray> &ratings)
{
    QByteArray file = " 3 \r\n";
    for (int k = 0; k < 3; ++k) {
        file += cp1251(names[k]) + "\r\n " + QByteArray::number(k + 1) + " \r\n" + ratings[k] +
                "\r\n 1000 \r\n\r\n\r\n";
    }
    return file;
}

class GuidesTest : public TournamentTest {
  protected:
    QLabel *label(const QString &name) { return widget<QLabel>(name); }
    void players(int count)
    {
        setPlayerCount(count);
        enterPlayers(count);
    }
    void selectRound(int round) { clickCell(grid(), 0, round + 4); }
    bool shown(QWidget *w) { return w->isVisibleTo(tournament()); }
};

class WriteBackTest : public GuidesTest {
  protected:
    void SetUp() override
    {
        GuidesTest::SetUp();
        // The base was rebuilt since: record 2 now holds another player.
        writeFile(QStringLiteral("BASE.DAT"),
                  record(QStringLiteral("Иванов Пётр"), "1500", 'N') +
                      record(QStringLiteral("Алексеев Борис"), "2100", ' ') +
                      record(QStringLiteral("Сидоров Сидор"), "1700", ' '));
        openTournament(threePlayers({QStringLiteral("Иванов Пётр"), QStringLiteral("Петров Иван"),
                                     QStringLiteral(" Сидоров Сидор ")},
                                    {"1600", "1650", "1700"}));
        clickCell(grid(), 0, 0);
    }
    // Presses cmdZapisBase and answers its question with Enter, or with `answer`.
    void writeBack(std::optional<QMessageBox::StandardButton> answer)
    {
        QTimer::singleShot(0, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            title = box->windowTitle();
            if (answer)
                box->button(*answer)->click();
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        click(widget(QStringLiteral("cmdZapisBase")));
    }
    QString question;
    QString title;
};

TEST_F(WriteBackTest, NoTheDefaultWritesOnlyRowsWhoseNamesAgree)
{
    writeBack(std::nullopt);
    EXPECT_EQ(question, QStringLiteral("В этих строках таблицы игрок не тот, что в его записи "
                                       "базы:\n\nстрока 2: в таблице «Петров Иван», в базе "
                                       "«Алексеев Борис»\n\nЗаписать новые рейтинги и в эти "
                                       "записи базы? При ответе «Нет» записываются только "
                                       "строки, в которых имена совпадают."));
    EXPECT_EQ(title, QStringLiteral("Запись рейтингов в базу"));
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")),
              record(QStringLiteral("Иванов Пётр"), "1600", ' ') +
                  record(QStringLiteral("Алексеев Борис"), "2100", ' ') +
                  record(QStringLiteral("Сидоров Сидор"), "1700", ' '));
}

TEST_F(WriteBackTest, YesWritesEveryRowAsBefore)
{
    writeBack(QMessageBox::Yes);
    EXPECT_TRUE(question.contains(QStringLiteral("строка 2:")));
    EXPECT_FALSE(question.contains(QStringLiteral("строка 3:")));
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")),
              record(QStringLiteral("Иванов Пётр"), "1600", ' ') +
                  record(QStringLiteral("Петров Иван"), "1650", ' ') +
                  record(QStringLiteral("Сидоров Сидор"), "1700", ' '));
}

TEST_F(GuidesTest, AfterALoadTheKeyboardIsWithTheTable)
{
    writeBase(
        {{QStringLiteral("Иванов Пётр"), "1500", ' '}, {QStringLiteral("Ли Ань"), "1600", ' '}});
    openTournament();
    mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow()));
    EXPECT_EQ(QApplication::focusWidget(), grid());
    // A stray key does not rename the player in the editor.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xy"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtName"))->text(), QStringLiteral("Иванов Пётр"));
    // Browsing hands it to the name box, a click on the table takes it back.
    click(widget(QStringLiteral("cmdNext")));
    EXPECT_EQ(QApplication::focusWidget(), widget(QStringLiteral("txtName")));
    clickCell(grid(), 1, 1);
    EXPECT_EQ(QApplication::focusWidget(), grid());
    // A second load, too.
    openTournament();
    EXPECT_EQ(QApplication::focusWidget(), grid());
}

TEST_F(GuidesTest, TheRecordNumberFollowsBrowsingAddingAndLoading)
{
    writeBase({{"A", "1500", ' '}, {"B", "1600", ' '}, {"C", "1700", ' '}});
    openTournament();
    QLabel *number = label(QStringLiteral("lblRecord"));
    EXPECT_EQ(number->text(), QStringLiteral("Запись 1 из 3"));
    click(widget(QStringLiteral("cmdNext")));
    click(widget(QStringLiteral("cmdNext")));
    EXPECT_EQ(number->text(), QStringLiteral("Запись 3 из 3"));
    click(widget(QStringLiteral("cmdPrevious")));
    EXPECT_EQ(number->text(), QStringLiteral("Запись 2 из 3"));
    click(widget(QStringLiteral("cmdNew")));
    EXPECT_EQ(number->text(), QStringLiteral("Запись 4 из 4"));
    openTournament();
    EXPECT_EQ(label(QStringLiteral("lblRecord"))->text(), QStringLiteral("Запись 1 из 4"));
}

TEST_F(GuidesTest, TheFreePlayerOfEachRoundOfFive)
{
    writeBase({{QStringLiteral("Андреев"), "1500", ' '},
               {QStringLiteral("Борисова"), "1510", ' '},
               {QStringLiteral("Васильев"), "1520", ' '},
               {QStringLiteral("Григорьева"), "1530", ' '},
               {QStringLiteral("Дмитриев"), "1540", ' '}});
    openTournament();
    players(5);
    QLabel *free = label(QStringLiteral("lblFree"));
    EXPECT_FALSE(shown(free)); // no round shown yet
    const QStringList sittingOut = {QStringLiteral("Андреев"), QStringLiteral("Григорьева"),
                                    QStringLiteral("Борисова"), QStringLiteral("Дмитриев"),
                                    QStringLiteral("Васильев")};
    for (int round = 1; round <= 5; ++round) {
        selectRound(round);
        EXPECT_TRUE(shown(free)) << round;
        EXPECT_EQ(free->text(), QStringLiteral("Отдыхает: ") + sittingOut[round - 1]) << round;
    }
    // Hidden with the boards when the count changes.
    widget<QScrollBar>(QStringLiteral("vscPlayer"))
        ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_FALSE(shown(free));
}

TEST_F(GuidesTest, NobodySitsOutARoundOfSix)
{
    writeBase({{"A", "1500", ' '},
               {"B", "1510", ' '},
               {"C", "1520", ' '},
               {"D", "1530", ' '},
               {"E", "1540", ' '},
               {"F", "1550", ' '}});
    openTournament();
    players(6);
    for (int round = 1; round <= 6; ++round) {
        selectRound(round);
        EXPECT_FALSE(shown(label(QStringLiteral("lblFree")))) << round;
    }
}

TEST_F(GuidesTest, LongNamesAreDrawnWholeOrElidedWhileTheCaptionStays)
{
    QList<std::tuple<QString, QByteArray, char>> base;
    for (int k = 1; k <= 22; ++k)
        base.append({QStringLiteral("Игрок %1").arg(k), "1500", ' '});
    base[0] = {QStringLiteral("Константинопольский Алек"), "1500", ' '};
    base[21] = {QStringLiteral("Верхнеднепровская Евгени"), "1500", ' '};
    base[1] = {QString(24, QChar(u'Ш')), "1500", ' '};
    base[20] = {QString(20, QChar(u'Щ')), "1500", ' '};
    writeBase(base);
    openTournament();
    players(22);
    selectRound(1); // 1-22, 2-21, ..., 11-12
    auto line = [this](int k) {
        return widget<krugovik::BoardLineLabel>(QStringLiteral("lblParing_%1").arg(k));
    };
    auto drawnWidth = [](krugovik::BoardLineLabel *l) {
        return QFontMetrics(l->shownFont()).horizontalAdvance(l->shownText());
    };
    // What the protocol prints stays as built.
    EXPECT_EQ(line(1)->text(),
              QStringLiteral("1 Константинопольский Алек - Верхнеднепровская Евгени"));
    EXPECT_EQ(line(2)->text(), QStringLiteral("2 ") + QString(24, QChar(u'Ш')) +
                                   QStringLiteral(" - ") + QString(20, QChar(u'Щ')));
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(line(k)->toolTip(), line(k)->text()) << k;
        EXPECT_LE(drawnWidth(line(k)), line(k)->contentsRect().width()) << k;
    }
    // The longer name gives up its middle; the shorter one more only once equally long.
    EXPECT_TRUE(line(2)->shownText().startsWith(QStringLiteral("2 ШШ")));
    EXPECT_EQ(line(2)->shownText().count(QChar(u'…')), 2);
    EXPECT_EQ(line(5)->text(), QStringLiteral("5 Игрок 5 - Игрок 18"));
    EXPECT_EQ(line(5)->shownText(), line(5)->text());
    EXPECT_EQ(line(5)->toolTip(), QString());
}

} // namespace
