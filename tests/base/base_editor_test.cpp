#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/test_helpers.h"

using namespace testing_support;

namespace {

QByteArray record(const QString &name, const QByteArray &rate, char nr = ' ')
{
    QByteArray bytes = cp1251(name).leftJustified(24, ' ', true);
    bytes += rate.leftJustified(4, ' ', true);
    bytes += nr;
    return bytes;
}

class BaseEditorTest : public TournamentTest {
  protected:
    void openWithBase(const QByteArray &base)
    {
        writeFile(QStringLiteral("BASE.DAT"), base);
        openTournament();
    }
    QLineEdit *name() { return widget<QLineEdit>(QStringLiteral("txtName")); }
    QLineEdit *rate() { return widget<QLineEdit>(QStringLiteral("txtRate")); }
    QLineEdit *nr() { return widget<QLineEdit>(QStringLiteral("txtNR")); }
    QCheckBox *rated() { return widget<QCheckBox>(QStringLiteral("chkRate")); }
    QToolButton *button(const char *objectName)
    {
        return widget<QToolButton>(QString::fromLatin1(objectName));
    }
    // Enabled states of cmdPrevious, cmdNext and cmdNew.
    std::string buttons()
    {
        std::string states;
        for (const char *b : {"cmdPrevious", "cmdNext", "cmdNew"})
            states += button(b)->isEnabled() ? '1' : '0';
        return states;
    }
    bool categoriesShown()
    {
        return widget(QStringLiteral("optRanc1"))->isVisibleTo(tournament()) &&
               widget(QStringLiteral("lblM"))->isVisibleTo(tournament());
    }
    QByteArray base() { return readFile(QStringLiteral("BASE.DAT")); }
};

TEST_F(BaseEditorTest, TheWidgetsCarryTheirTexts)
{
    openWithBase({});
    EXPECT_EQ(name()->maxLength(), 24);
    EXPECT_EQ(rate()->maxLength(), 4);
    EXPECT_EQ(nr()->maxLength(), 1);
    EXPECT_EQ(rate()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(button("cmdPrevious")->toolTip(), QStringLiteral("Предыдущая запись"));
    EXPECT_EQ(button("cmdNext")->toolTip(), QStringLiteral("Следующая запись"));
    EXPECT_EQ(button("cmdNew")->toolTip(), QStringLiteral("Добавление нового игрока в базу"));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblM"))->text(),
              QStringLiteral("                           Юноши"));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblD"))->text(),
              QStringLiteral("                       Девушки"));
    const QStringList captions = {"Безразрядник", "4 разряд", "3 разряд", "2 разряд", "2 разряд",
                                  "1 разряд",     "1 разряд", "1 балл",   "1 балл",   "2 балла",
                                  "2 балла",      "КМС",      "КМС"};
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(widget<QRadioButton>(QStringLiteral("optRanc%1").arg(k))->text(),
                  captions[k - 1]);
}

TEST_F(BaseEditorTest, AnEmptyBaseStartsEmptyAndTheFirstPlayerIsAdded)
{
    openWithBase({});
    EXPECT_TRUE(name()->text().isEmpty());
    EXPECT_TRUE(rated()->isChecked());
    EXPECT_EQ(rated()->text(), QStringLiteral("Рейтинг"));
    EXPECT_FALSE(categoriesShown());
    EXPECT_EQ(buttons(), "000");

    typeText(name(), QStringLiteral("Абрамов Антон"));
    typeText(rate(), QStringLiteral("1500"));
    EXPECT_EQ(buttons(), "001"); // record 1 is both the first and the last
    click(button("cmdNew"));
    EXPECT_EQ(base(), record(QStringLiteral("Абрамов Антон"), "1500") + record({}, {}));
    EXPECT_TRUE(name()->text().isEmpty());
    EXPECT_TRUE(rate()->text().isEmpty());
    EXPECT_EQ(buttons(), "000");
    EXPECT_TRUE(name()->hasFocus() || !tournament()->isActiveWindow());
}

TEST_F(BaseEditorTest, ARatingOutside1000To3000DisablesEveryButton)
{
    openWithBase(record("A", "1500") + record("B", "1600") + record("C", "1700"));
    click(button("cmdNext"));
    ASSERT_EQ(name()->text(), QStringLiteral("B"));
    const std::pair<const char *, const char *> cases[] = {
        {"999", "000"}, {"1000", "111"}, {"3000", "111"}, {"3001", "000"},
        {"", "000"},    {"2 00", "000"}, {"15x", "000"}};
    for (const auto &[text, expected] : cases) {
        rate()->setText(QString::fromLatin1(text));
        EXPECT_EQ(buttons(), expected) << text;
    }
    name()->clear();
    EXPECT_EQ(buttons(), "000");
}

TEST_F(BaseEditorTest, ACategoryGivesItsEstimateAndIsSavedAtOnce)
{
    openWithBase(record("Белова Вера", "") + record("B", "1600"));
    EXPECT_EQ(buttons(), "000");
    rated()->click();
    EXPECT_EQ(rated()->text(), QStringLiteral("Нет рейтинга"));
    EXPECT_TRUE(categoriesShown());
    EXPECT_FALSE(rate()->isEnabled());
    click(widget(QStringLiteral("optRanc13"))); // "КМС", girls' row
    EXPECT_EQ(rate()->text(), QStringLiteral("1850"));
    EXPECT_EQ(nr()->text(), QStringLiteral("N"));
    EXPECT_EQ(base().left(29), record(QStringLiteral("Белова Вера"), "1850", 'N'));
    EXPECT_FALSE(button("cmdNext")->isEnabled());
    click(widget(QStringLiteral("optRanc4"))); // "2 разряд", boys' row
    EXPECT_EQ(base().left(29), record(QStringLiteral("Белова Вера"), "1550", 'N'));

    // Back to an established rating: the flag is emptied and the next save stores a blank.
    rated()->click();
    EXPECT_TRUE(nr()->text().isEmpty());
    EXPECT_FALSE(categoriesShown());
    EXPECT_TRUE(rate()->isEnabled());
}

TEST_F(BaseEditorTest, BrowsingWritesTheRecordLeftAndShowsItsMode)
{
    openWithBase(record("Первый", "1500") + record("Второй", "1700", 'N') +
                 record("Третий", "2000"));
    EXPECT_EQ(buttons(), "011");
    name()->setText(QStringLiteral("  Первый Исправленный"));
    click(button("cmdNext"));
    EXPECT_EQ(base().left(29), record(QStringLiteral("  Первый Исправленный"), "1500"));
    EXPECT_EQ(name()->text(), QStringLiteral("Второй"));
    EXPECT_FALSE(rated()->isChecked()); // an "N" record shows the categories
    EXPECT_TRUE(categoriesShown());
    EXPECT_FALSE(rate()->isEnabled());
    click(button("cmdNext"));
    EXPECT_EQ(name()->text(), QStringLiteral("Третий"));
    EXPECT_TRUE(rated()->isChecked());
    EXPECT_EQ(buttons(), "101");
    click(button("cmdPrevious"));
    click(button("cmdPrevious"));
    // Shown without its leading blanks, stored back the same way when left.
    EXPECT_EQ(name()->text(), QStringLiteral("Первый Исправленный"));
    EXPECT_EQ(buttons(), "011");
    EXPECT_EQ(base().size(), 3 * 29);
    EXPECT_EQ(base().mid(29, 29), record(QStringLiteral("Второй"), "1700", 'N'));
}

TEST_F(BaseEditorTest, ANewRecordKeepsTheModeOfTheRecordBeforeIt)
{
    openWithBase(record("Estimate", "1350", 'N'));
    EXPECT_EQ(buttons(), "001");
    click(button("cmdNew"));
    EXPECT_EQ(base().mid(29), record({}, {}, 'N'));
    EXPECT_FALSE(rated()->isChecked());
    EXPECT_TRUE(rate()->text().isEmpty());
}

TEST_F(BaseEditorTest, TextTheCodePageCannotStoreIsRefusedAsTyped)
{
    openWithBase({});
    typeText(name(), QStringLiteral("Ж\u00e9\u4e2dА"));
    EXPECT_EQ(name()->text(), QStringLiteral("ЖeА"));
}

// What typing into the name leaves in the box and in the note under it.
TEST_F(BaseEditorTest, TypingFoldsTheNameAndSaysWhat)
{
    openWithBase(record(QStringLiteral("Петров Пётр"), "1600") +
                 record(QStringLiteral("Иванов Иван"), "1500"));
    const auto *note = widget<QLabel>(QStringLiteral("lblNameNote"));
    EXPECT_TRUE(name()->toolTip().contains(QStringLiteral("не длиннее 24 знаков")));
    const struct {
        QString typed, text, note;
    } cases[] = {
        {QStringLiteral("Öztürk Ömer"), QStringLiteral("Ozturk Omer"),
         QStringLiteral("Заменено: Ö→O, ü→u")},
        {QStringLiteral("Şahin Doğan"), QStringLiteral("Sahin Dogan"),
         QStringLiteral("Заменено: Ş→S, ğ→g")},
        {QStringLiteral("Ли 中"), QStringLiteral("Ли "), QStringLiteral("Не поддерживается: 中")},
        {QStringLiteral("Йорданов Ёж"), QStringLiteral("Йорданов Ёж"), QString()},
    };
    for (const auto &c : cases) {
        name()->clear();
        typeText(name(), c.typed);
        EXPECT_EQ(name()->text(), c.text) << c.typed.toStdString();
        EXPECT_EQ(note->text(), c.note) << c.typed.toStdString();
        EXPECT_EQ(note->isVisibleTo(tournament()), !c.note.isEmpty()) << c.typed.toStdString();
    }
    // Another record on show takes the note away.
    typeText(name(), QStringLiteral("ş"));
    EXPECT_TRUE(note->isVisibleTo(tournament()));
    QTest::mouseClick(button("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(name()->text(), QStringLiteral("Иванов Иван"));
    EXPECT_FALSE(note->isVisibleTo(tournament()));
}

TEST_F(BaseEditorTest, APastedLongNameIsCutWithANote)
{
    openWithBase({});
    QGuiApplication::clipboard()->setText(QStringLiteral("Шереметьева-Ширшова Юлия Ö."));
    name()->setFocus();
    QTest::keyClick(name(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name()->text(), QStringLiteral("Шереметьева-Ширшова Юлия"));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblNameNote"))->text(),
              QStringLiteral("Не длиннее 24 знаков, не вошло: « Ö.»"));
    // Typing at the limit adds nothing; the name typed anew has no note.
    QTest::keyClicks(name(), QStringLiteral("z"));
    EXPECT_EQ(name()->text(), QStringLiteral("Шереметьева-Ширшова Юлия"));
    name()->selectAll();
    QTest::keyClicks(name(), QStringLiteral("Sahin"));
    EXPECT_EQ(name()->text(), QStringLiteral("Sahin"));
    EXPECT_FALSE(widget(QStringLiteral("lblNameNote"))->isVisibleTo(tournament()));
}

} // namespace
