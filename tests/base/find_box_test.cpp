#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "support/test_helpers.h"

using namespace testing_support;

namespace {

class FindBoxTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{QStringLiteral("Абрамов Артём"), "1712", ' '},
                   {QStringLiteral("Петров Пётр"), "1600", ' '},
                   {QStringLiteral("Сёмина Алёна"), "1500", 'N'},
                   {QStringLiteral("петрова Анна"), "1550", ' '},
                   {QStringLiteral("Семенов Лев"), "1400", ' '},
                   {QStringLiteral("ПЕТРОВСКИЙ Олег"), "1800", ' '},
                   {QStringLiteral("Без рейтинга"), "", ' '},
                   {QStringLiteral("Петрушина Ира"), "1450", 'N'}});
        openTournament();
    }
    QLineEdit *findBox() { return widget<QLineEdit>(QStringLiteral("txtFind")); }
    QString shownName() { return widget<QLineEdit>(QStringLiteral("txtName"))->text(); }
    bool nextEnabled() { return widget(QStringLiteral("cmdNext"))->isEnabled(); }
    bool previousEnabled() { return widget(QStringLiteral("cmdPrevious"))->isEnabled(); }
    QAbstractItemView *popup()
    {
        auto *completer = tournament()->findChild<QCompleter *>(QStringLiteral("cmpFind"));
        EXPECT_NE(completer, nullptr);
        return completer ? completer->popup() : nullptr;
    }
    // The pop-up's entries, each as "name|rating".
    QStringList entries()
    {
        QStringList shown;
        const QAbstractItemModel *model = popup()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            shown << model->index(r, 0).data().toString() + QLatin1Char('|') +
                         model->index(r, 1).data().toString();
        return shown;
    }
    void type(const QString &text)
    {
        findBox()->setFocus();
        typeText(findBox(), text);
    }
    void enter() { QTest::keyClick(findBox(), Qt::Key_Return); }
    // Bytes of record k (from 1) of the base on disk.
    QByteArray baseRecord(int k)
    {
        return readFile(QStringLiteral("BASE.DAT")).mid((k - 1) * 29, 29);
    }
};

TEST_F(FindBoxTest, TypingListsTheMatchesWithTheirRatings)
{
    EXPECT_EQ(findBox()->placeholderText(), QStringLiteral("Найти в базе"));
    EXPECT_FALSE(findBox()->toolTip().isEmpty());
    type(QStringLiteral("ПЕТР"));
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(entries(),
              (QStringList{QStringLiteral("Петров Пётр|1600"), QStringLiteral("петрова Анна|1550"),
                           QStringLiteral("ПЕТРОВСКИЙ Олег|1800"),
                           QStringLiteral("Петрушина Ира|1450")}));
    // "ё" and "е" are one letter, either way round.
    findBox()->clear();
    type(QStringLiteral("сём"));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Сёмина Алёна|1500"),
                                      QStringLiteral("Семенов Лев|1400")}));
    findBox()->clear();
    type(QStringLiteral("ален"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Сёмина Алёна|1500")});
    // Nothing found: no list.
    type(QStringLiteral("ъ"));
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_FALSE(popup()->isVisible());
    // Nothing moved while typing.
    EXPECT_EQ(shownName(), QStringLiteral("Абрамов Артём"));
    // Text put in at once (pasted) is searched as typed text is.
    findBox()->setText(QStringLiteral("ИРА"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Петрушина Ира|1450")});
    findBox()->clear();
    EXPECT_FALSE(popup()->isVisible());
}

TEST_F(FindBoxTest, TheListStopsAtTwentyEntries)
{
    QList<std::tuple<QString, QByteArray, char>> many;
    for (int k = 1; k <= 30; ++k)
        many.append({QStringLiteral("Игрок %1").arg(k), "1500", ' '});
    writeBase(many);
    openTournament();
    type(QStringLiteral("игрок"));
    const QStringList shown = entries();
    ASSERT_EQ(shown.size(), 20);
    EXPECT_EQ(shown.front(), QStringLiteral("Игрок 1|1500"));
    EXPECT_EQ(shown.back(), QStringLiteral("Игрок 20|1500"));
}

TEST_F(FindBoxTest, ChoosingFromTheListMovesTheEditorThere)
{
    type(QStringLiteral("петр"));
    QTest::keyClick(popup(), Qt::Key_Down);
    QTest::keyClick(popup(), Qt::Key_Down);
    QTest::keyClick(popup(), Qt::Key_Return);
    EXPECT_EQ(shownName(), QStringLiteral("петрова Анна"));
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_TRUE(nextEnabled());
    EXPECT_TRUE(previousEnabled());
    // The choice is the move; Enter did not go on to the next match as well.
    EXPECT_EQ(findBox()->text(), QStringLiteral("петр"));

    // A click on an entry: the last record, so the next-record arrow goes off.
    findBox()->clear();
    type(QStringLiteral("ира"));
    const QRect entry = popup()->visualRect(popup()->model()->index(0, 0));
    QTest::mouseClick(popup()->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(shownName(), QStringLiteral("Петрушина Ира"));
    EXPECT_FALSE(nextEnabled());
    EXPECT_TRUE(previousEnabled());
    // Its record is an estimate: the editor is in the estimate mode.
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtNR"))->text(), QStringLiteral("N"));
}

TEST_F(FindBoxTest, EnterStepsThroughTheMatchesAndWrapsRound)
{
    // The list is open but nothing in it chosen: Enter goes to the next match after the
    // shown record, not to the list's first entry.
    click(widget(QStringLiteral("cmdNext")));
    click(widget(QStringLiteral("cmdNext")));
    type(QStringLiteral("ПеТр"));
    ASSERT_TRUE(popup()->isVisible());
    QTest::keyClick(popup(), Qt::Key_Return);
    EXPECT_EQ(shownName(), QStringLiteral("петрова Анна"));
    EXPECT_FALSE(popup()->isVisible());
    while (previousEnabled())
        click(widget(QStringLiteral("cmdPrevious")));
    const QStringList expected = {QStringLiteral("Петров Пётр"), QStringLiteral("петрова Анна"),
                                  QStringLiteral("ПЕТРОВСКИЙ Олег"),
                                  QStringLiteral("Петрушина Ира"), QStringLiteral("Петров Пётр")};
    for (const QString &name : expected) {
        enter();
        EXPECT_EQ(shownName(), name);
        EXPECT_EQ(nextEnabled(), name != QStringLiteral("Петрушина Ира")) << name.toStdString();
        EXPECT_TRUE(previousEnabled());
    }
    // Found by "е" through "ё", the first record then reached by wrapping round.
    findBox()->clear();
    type(QStringLiteral("артем"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Абрамов Артём"));
    EXPECT_FALSE(previousEnabled());
    EXPECT_TRUE(nextEnabled());
}

TEST_F(FindBoxTest, LettersWithDiacriticsFindTheirBaseLetters)
{
    writeBase({{QStringLiteral("Ozturk Omer"), "1900", ' '},
               {QStringLiteral("Sahin Dogan"), "1700", ' '}});
    openTournament();
    const QString usual = findBox()->toolTip();
    type(QStringLiteral("Öztürk"));
    EXPECT_EQ(findBox()->text(), QStringLiteral("Ozturk"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Ozturk Omer|1900")});
    EXPECT_EQ(findBox()->toolTip(), QStringLiteral("Заменено: Ö→O, ü→u"));
    // A text typed anew has a note of its own.
    findBox()->clear();
    type(QStringLiteral("Şa中"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Sahin Dogan|1700")});
    EXPECT_EQ(findBox()->toolTip(), QStringLiteral("Заменено: Ş→S; Не поддерживается: 中"));
    findBox()->clear();
    EXPECT_EQ(findBox()->toolTip(), usual);
}

TEST_F(FindBoxTest, NoMatchMovesNothingAndSaysSo)
{
    click(widget(QStringLiteral("cmdNext")));
    widget<QLineEdit>(QStringLiteral("txtRate"))->setText(QStringLiteral("1650"));
    const QByteArray before = readFile(QStringLiteral("BASE.DAT"));
    const QColor normal = findBox()->palette().color(QPalette::Text);
    type(QStringLiteral("Яяя"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Петров Пётр"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtRate"))->text(), QStringLiteral("1650"));
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), before); // not even saved
    EXPECT_EQ(findBox()->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(findBox()->toolTip(), QStringLiteral("Не найдено"));
    // Any change of the text takes the mark away.
    QTest::keyClick(findBox(), Qt::Key_Backspace);
    EXPECT_EQ(findBox()->palette().color(QPalette::Text), normal);
    EXPECT_NE(findBox()->toolTip(), QStringLiteral("Не найдено"));
    // An empty box finds nothing and marks nothing.
    findBox()->clear();
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Петров Пётр"));
    EXPECT_EQ(findBox()->palette().color(QPalette::Text), normal);
}

TEST_F(FindBoxTest, AnEditOfTheShownRecordIsSavedOnLeaving)
{
    widget<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Абрамов Артемий"));
    widget<QLineEdit>(QStringLiteral("txtRate"))->setText(QStringLiteral("1750"));
    type(QStringLiteral("лев"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Семенов Лев"));
    EXPECT_EQ(baseRecord(1),
              cp1251(QStringLiteral("Абрамов Артемий")).leftJustified(24, ' ') + "1750 ");
    // And back by the edited name.
    findBox()->clear();
    type(QStringLiteral("артемий"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Абрамов Артемий"));
}

TEST_F(FindBoxTest, TheBoxIsOnlyEnabledWhereTheArrowsMayLeaveTheRecord)
{
    EXPECT_TRUE(findBox()->isEnabled());
    click(widget(QStringLiteral("cmdNew")));
    EXPECT_FALSE(findBox()->isEnabled()); // a blank new record
    widget<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Новиков Ян"));
    EXPECT_FALSE(findBox()->isEnabled());
    auto *rate = widget<QLineEdit>(QStringLiteral("txtRate"));
    rate->setText(QStringLiteral("999"));
    EXPECT_FALSE(findBox()->isEnabled());
    rate->setText(QStringLiteral("1000"));
    EXPECT_TRUE(findBox()->isEnabled());
    rate->setText(QStringLiteral("3000"));
    EXPECT_TRUE(findBox()->isEnabled());
    rate->setText(QStringLiteral("3001"));
    EXPECT_FALSE(findBox()->isEnabled());
    // A record found without a rating may not be left by the box either.
    rate->setText(QStringLiteral("1500"));
    type(QStringLiteral("без"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Без рейтинга"));
    EXPECT_FALSE(findBox()->isEnabled());
}

TEST_F(FindBoxTest, AnEmptyBaseStartsWithTheBoxDisabled)
{
    writeFile(QStringLiteral("BASE.DAT"), {});
    openTournament();
    EXPECT_FALSE(findBox()->isEnabled());
}

TEST_F(FindBoxTest, TheBaseIsSearchedAsItIsNow)
{
    // Another program renames record 3 and appends a record 9 while the window is open.
    {
        QFile base(path(QStringLiteral("BASE.DAT")));
        ASSERT_TRUE(base.open(QIODevice::ReadWrite));
        base.seek(2 * 29);
        base.write(cp1251(QStringLiteral("Кузнецов Олег")).leftJustified(24, ' ') + "1900 ");
        base.seek(8 * 29);
        base.write(cp1251(QStringLiteral("Кузьмина Юля")).leftJustified(24, ' ') + "1300 ");
    }
    type(QStringLiteral("кузь"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Кузьмина Юля|1300")});
    findBox()->clear();
    type(QStringLiteral("кузн"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Кузнецов Олег"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("txtRate"))->text(), QStringLiteral("1900"));
    // The appended record is the last one now.
    findBox()->clear();
    type(QStringLiteral("юля"));
    enter();
    EXPECT_EQ(shownName(), QStringLiteral("Кузьмина Юля"));
    EXPECT_FALSE(nextEnabled());
    click(widget(QStringLiteral("cmdPrevious")));
    EXPECT_EQ(shownName(), QStringLiteral("Петрушина Ира"));
}

TEST_F(FindBoxTest, TheFoundPlayerEntersTheTable)
{
    type(QStringLiteral("ски"));
    enter();
    clickCell(grid(), 2, 0);
    EXPECT_EQ(cell(2, 1), QStringLiteral("ПЕТРОВСКИЙ Олег"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("1800"));
}

} // namespace
