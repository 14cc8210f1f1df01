// The event's details through their dialog, the standings on screen, the round chooser,
// the save from the menu and the handbook inside the program.
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "standings/tie_breaks.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"
#include "ui/tournament_document.h"

using namespace testing_support;

namespace {

// Runs `answer` on the next modal dialog once it is shown.
void answerModal(std::function<void(QDialog *)> answer)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(5, *poll);
            return;
        }
        answer(dialog);
        *poll = nullptr;
    };
    QTimer::singleShot(5, *poll);
}

// Six players from the base, entered into the table.
class EventWindowTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{"A", "1500", ' '},
                   {"B", "1510", ' '},
                   {"C", "1520", ' '},
                   {"D", "1530", ' '},
                   {"E", "1540", ' '},
                   {"F", "1550", ' '}});
        openTournament();
        setPlayerCount(6);
        enterPlayers(6);
        save();
    }
    QAction *action(const char *name) const { return widget<QAction>(QString::fromLatin1(name)); }
    QUndoStack *history() const
    {
        return mainWindow()->findChild<QUndoStack *>(QStringLiteral("undoStack"));
    }
    // Opens «Сведения о турнире…», lets `fill` work on the dialog, then presses OK.
    void editEvent(std::function<void(QDialog *)> fill)
    {
        bool seen = false;
        answerModal([&](QDialog *dialog) {
            seen = true;
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgEvent"));
            EXPECT_TRUE(dialog->isModal());
            fill(dialog);
            click(child<QPushButton>(dialog, QStringLiteral("cmdEventOk")));
        });
        action("mnuEvent")->trigger();
        EXPECT_TRUE(seen);
    }
};

TEST_F(EventWindowTest, DetailsAreTypedSavedReadBackAndTakenBack)
{
    const QByteArray before = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(action("mnuEvent")->isEnabled());
    editEvent([](QDialog *d) {
        typeText(child<QLineEdit>(d, QStringLiteral("txtEventTitle")),
                 QStringLiteral("Кубок «Белая ладья» 100%"));
        typeText(child<QLineEdit>(d, QStringLiteral("txtEventPlace")), QStringLiteral("Тверь"));
        typeText(child<QLineEdit>(d, QStringLiteral("txtEventFederation")), QStringLiteral("rus"));
        typeText(child<QLineEdit>(d, QStringLiteral("txtChiefArbiter")),
                 QStringLiteral("Петров П. П. "));
        typeText(child<QLineEdit>(d, QStringLiteral("txtDeputyArbiter")), QStringLiteral("Ли"));
        typeText(child<QLineEdit>(d, QStringLiteral("txtEventOrganiser")), QStringLiteral("ДЮСШ"));
        typeText(child<QLineEdit>(d, QStringLiteral("txtTimeControl")), QStringLiteral("15+10"));
        child<QComboBox>(d, QStringLiteral("cmbEventKind"))->setCurrentIndex(3);
        child<QDateEdit>(d, QStringLiteral("dteEventStart"))->setDate(QDate(2026, 12, 1));
        child<QDateEdit>(d, QStringLiteral("dteEventEnd"))->setDate(QDate(2026, 12, 29));
        // Six players play five rounds: one row each, filled a week apart.
        auto *rounds = child<QTableWidget>(d, QStringLiteral("tblRoundDates"));
        EXPECT_EQ(rounds->rowCount(), 5);
        EXPECT_EQ(rounds->verticalHeaderItem(4)->text(), QStringLiteral("Тур 5"));
        click(child<QPushButton>(d, QStringLiteral("cmdFillRoundDates")));
        EXPECT_EQ(child<QDateEdit>(d, QStringLiteral("dteRound_5"))->date(), QDate(2026, 12, 29));
    });
    // A step of the history, so an unsaved change.
    EXPECT_TRUE(tournament()->isWindowModified());
    EXPECT_EQ(history()->undoText(), QStringLiteral("сведения о турнире"));
    save();
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(saved.startsWith(before));
    const QByteArray extension = saved.mid(before.size());
    EXPECT_TRUE(extension.startsWith("*KRUGOVIK 2\r\nEVENT TITLE %D0%9A"));
    EXPECT_TRUE(extension.contains("\r\nEVENT FEDERATION RUS\r\n"));
    EXPECT_TRUE(extension.contains("\r\nEVENT ROUND 5 2026-12-29\r\nEVENT ARBITER "));
    EXPECT_TRUE(extension.contains("%20\r\nEVENT DEPUTY")) << "the blank after the name stays";
    EXPECT_TRUE(extension.endsWith("EVENT KIND BLITZ\r\n*END 15\r\n"));

    // Opened again, the dialog shows what was typed, and OK without a change changes nothing.
    openTournament(saved, QStringLiteral("BETA.TXT"));
    editEvent([](QDialog *d) {
        EXPECT_EQ(child<QLineEdit>(d, QStringLiteral("txtEventTitle"))->text(),
                  QStringLiteral("Кубок «Белая ладья» 100%"));
        EXPECT_EQ(child<QLineEdit>(d, QStringLiteral("txtChiefArbiter"))->text(),
                  QStringLiteral("Петров П. П. "));
        EXPECT_EQ(child<QDateEdit>(d, QStringLiteral("dteRound_3"))->date(), QDate(2026, 12, 15));
        EXPECT_EQ(child<QComboBox>(d, QStringLiteral("cmbEventKind"))->currentText(),
                  QStringLiteral("блиц"));
    });
    EXPECT_FALSE(tournament()->isWindowModified());
    save();
    EXPECT_EQ(readFile(QStringLiteral("BETA.TXT")), saved);
}

TEST_F(EventWindowTest, ADateIsTypedOverNoDateClearedToNoneAndItsCalendarOpensNearTheEvent)
{
    editEvent([](QDialog *d) {
        auto *start = child<QDateEdit>(d, QStringLiteral("dteEventStart"));
        auto *end = child<QDateEdit>(d, QStringLiteral("dteEventEnd"));
        EXPECT_EQ(start->text(), QStringLiteral("не задана"));
        start->setFocus();
        QTest::keyClicks(start, QStringLiteral("05122026"));
        EXPECT_EQ(start->text(), QStringLiteral("05.12.2026"));
        EXPECT_EQ(start->date(), QDate(2026, 12, 5));
        // The end's calendar opens at the start's month, with Russian names.
        QCalendarWidget *calendar = end->calendarWidget();
        QTest::mouseClick(end, Qt::LeftButton, {}, QPoint(end->width() - 5, end->height() / 2));
        EXPECT_TRUE(calendar->isVisible());
        EXPECT_EQ(std::pair(calendar->yearShown(), calendar->monthShown()), std::pair(2026, 12));
        EXPECT_EQ(calendar->locale().language(), QLocale::Russian);
        calendar->window()->hide();
        // A round's calendar opens at the round before.
        child<QDateEdit>(d, QStringLiteral("dteRound_1"))->setDate(QDate(2027, 3, 1));
        auto *round2 = child<QDateEdit>(d, QStringLiteral("dteRound_2"));
        QTest::mouseClick(round2, Qt::LeftButton, {},
                          QPoint(round2->width() - 5, round2->height() / 2));
        EXPECT_EQ(round2->calendarWidget()->monthShown(), 3);
        round2->calendarWidget()->window()->hide();
        // A date cleared of its digits is none.
        auto *round3 = child<QDateEdit>(d, QStringLiteral("dteRound_3"));
        round3->setDate(QDate(2027, 3, 15));
        round3->setFocus();
        round3->selectAll();
        QTest::keyClick(round3, Qt::Key_Delete);
    });
    save();
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(saved.contains("EVENT START 2026-12-05\r\nEVENT ROUND 1 2027-03-01\r\n*END"))
        << saved.toStdString();
}

TEST_F(EventWindowTest, RoundsOfAnotherCycleGetDatesAWeekApartAsTheRoundsBefore)
{
    editEvent([](QDialog *d) {
        child<QDateEdit>(d, QStringLiteral("dteEventStart"))->setDate(QDate(2026, 12, 1));
        click(child<QPushButton>(d, QStringLiteral("cmdFillRoundDates")));
    });
    widget<QSpinBox>(QStringLiteral("spnCycles"))->setValue(2);
    editEvent([](QDialog *d) {
        auto *rounds = child<QTableWidget>(d, QStringLiteral("tblRoundDates"));
        ASSERT_EQ(rounds->rowCount(), 10);
        EXPECT_EQ(child<QDateEdit>(d, QStringLiteral("dteRound_6"))->date(), QDate(2027, 1, 5));
        EXPECT_EQ(child<QDateEdit>(d, QStringLiteral("dteRound_10"))->date(), QDate(2027, 2, 2));
    });
    // Taken back with the cycle.
    history()->undo();
    EXPECT_EQ(history()->undoText(), QStringLiteral("сведения о турнире"));
}

TEST_F(EventWindowTest, UndoOfTheDetailsLeavesTheFileWithoutThem)
{
    const QByteArray before = readFile(QStringLiteral("ALPHA.TXT"));
    editEvent([](QDialog *d) {
        typeText(child<QLineEdit>(d, QStringLiteral("txtEventTitle")), QStringLiteral("Кубок"));
    });
    history()->undo();
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), before);
}

TEST_F(EventWindowTest, AWrongFederationOrEndBeforeStartKeepsTheDialogOpen)
{
    bool refused = false;
    answerModal([&](QDialog *d) {
        typeText(child<QLineEdit>(d, QStringLiteral("txtEventFederation")), QStringLiteral("RU"));
        {
            BoxAnswerer answer;
            click(child<QPushButton>(d, QStringLiteral("cmdEventOk")));
            refused = answer.seen().count == 1 && d->isVisible();
            EXPECT_TRUE(answer.seen().text.contains(QStringLiteral("три латинские буквы")));
        }
        child<QLineEdit>(d, QStringLiteral("txtEventFederation"))->setText(QStringLiteral("RUS"));
        child<QDateEdit>(d, QStringLiteral("dteEventStart"))->setDate(QDate(2026, 12, 5));
        child<QDateEdit>(d, QStringLiteral("dteEventEnd"))->setDate(QDate(2026, 12, 1));
        {
            BoxAnswerer answer;
            click(child<QPushButton>(d, QStringLiteral("cmdEventOk")));
            EXPECT_EQ(answer.seen().count, 1);
        }
        EXPECT_TRUE(d->isVisible());
        click(child<QPushButton>(d, QStringLiteral("cmdEventCancel")));
    });
    action("mnuEvent")->trigger();
    EXPECT_TRUE(refused);
    EXPECT_FALSE(tournament()->isWindowModified());
}

TEST_F(EventWindowTest, TheStandingsWindowFollowsEveryChange)
{
    action("mnuStandingsView")->trigger();
    auto *view = mainWindow()->findChild<QDialog *>(QStringLiteral("dlgStandings"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(view->isModal());
    auto *table = child<QTableWidget>(view, QStringLiteral("tblStandings"));
    const auto header = [table] {
        QStringList titles;
        for (int c = 0; c < table->columnCount(); ++c)
            titles << table->horizontalHeaderItem(c)->text();
        return titles;
    };
    const auto row = [table](int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        return cells;
    };
    // Every rule of the default order has its column, as on the printed standings.
    EXPECT_EQ(header(), (QStringList{"Место", "№", "Участник", "Очки", "Бергер (SB)",
                                     "Личная встреча (DE)", "Победы (WIN)", "Что решило"}));
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(row(0), (QStringList{"1-6", "1", "A", "0", "0", "", "0", ""}));
    // Nothing parted them: the place says it is shared.
    EXPECT_EQ(table->item(0, 0)->toolTip(), QStringLiteral("Правила не разделили: место общее"));

    // Player 4 beats 1 and draws with 2: first place, and the table follows at once.
    setResult(4, 1, QStringLiteral("1"));
    setResult(4, 2, QStringLiteral("0.5"));
    EXPECT_EQ(row(0), (QStringList{"1", "4", "D", "1,5", "0,25", "", "1", ""}));
    // The rules' tie-breaks become the columns.
    auto *document = mainWindow()->findChild<krugovik::TournamentDocument *>();
    ASSERT_NE(document, nullptr);
    document->setTieBreaks(krugovik::fideRoundRobinTieBreaks());
    EXPECT_EQ(header(), (QStringList{"Место", "№", "Участник", "Очки", "Личная встреча (DE)",
                                     "Победы (WIN)", "Бергер (SB)", "Койя (KS)", "Что решило"}));
    EXPECT_FALSE(child<QLabel>(view, QStringLiteral("lblStandingsRules"))->isHidden());
    // A withdrawn player is marked.
    document->withdraw(6, 1);
    bool marked = false;
    for (int r = 0; r < table->rowCount(); ++r)
        marked = marked || table->item(r, 2)->text() == QStringLiteral("F (выбыл)");
    EXPECT_TRUE(marked);
    // The event's title heads the window.
    krugovik::EventDetails cup;
    cup.title = "Кубок";
    document->setEvent(cup);
    EXPECT_EQ(child<QLabel>(view, QStringLiteral("lblStandingsTitle"))->text(),
              QStringLiteral("Кубок"));
    // Closing the tournament closes it too.
    const QPointer<QDialog> alive(view);
    BoxAnswerer discard(QMessageBox::Discard);
    action("mnuOpen")->trigger();
    EXPECT_EQ(discard.seen().count, 1);
    EXPECT_TRUE(alive.isNull());
}

// Under FIDE's four tie-breaks the columns are wider than the window's former 640 pixels.
TEST_F(EventWindowTest, TheStandingsWindowOpensWideEnoughForEveryColumn)
{
    auto *document = mainWindow()->findChild<krugovik::TournamentDocument *>();
    ASSERT_NE(document, nullptr);
    document->setTieBreaks(krugovik::fideRoundRobinTieBreaks());
    action("mnuStandingsView")->trigger();
    auto *view = mainWindow()->findChild<QDialog *>(QStringLiteral("dlgStandings"));
    ASSERT_NE(view, nullptr);
    auto *table = child<QTableWidget>(view, QStringLiteral("tblStandings"));
    ASSERT_EQ(table->columnCount(), 9);
    EXPECT_GT(view->width(), 640);
    EXPECT_LE(view->width(), view->screen()->availableGeometry().width());
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
}

TEST_F(EventWindowTest, TheRoundChooserListsEveryRoundAndShowsTheOneOnShow)
{
    auto *rounds = widget<QComboBox>(QStringLiteral("cmbRound"));
    auto *title = widget<QLabel>(QStringLiteral("lblParing_0"));
    EXPECT_EQ(rounds->count(), 5);
    EXPECT_EQ(rounds->currentIndex(), -1);
    clickCell(grid(), 0, 7);
    EXPECT_EQ(rounds->currentText(), QStringLiteral("Тур 3"));
    // One cycle stays as it was: the sixth header shows the empty round 6.
    clickCell(grid(), 0, 10);
    EXPECT_EQ(title->text(), QStringLiteral("Жеребьёвка  6 тур."));
    EXPECT_EQ(rounds->currentIndex(), -1);

    widget<QSpinBox>(QStringLiteral("spnCycles"))->setValue(2);
    ASSERT_EQ(rounds->count(), 10);
    EXPECT_EQ(rounds->itemText(5), QStringLiteral("Тур 6 (2-й цикл, тур 1)"));
    clickCell(grid(), 0, 11);
    EXPECT_EQ(title->text(), QStringLiteral("Жеребьёвка  6 тур."));
    EXPECT_EQ(rounds->currentText(), QStringLiteral("Тур 6 (2-й цикл, тур 1)"));
    // Header 6 of the first block belongs to no round: nothing changes.
    clickCell(grid(), 0, 10);
    EXPECT_EQ(title->text(), QStringLiteral("Жеребьёвка  6 тур."));
    EXPECT_EQ(grid()->model()->index(0, 10).data(Qt::ToolTipRole).toString(),
              QStringLiteral("1-й цикл: тура с этим номером нет"));
    EXPECT_EQ(grid()->model()->index(0, 14).data(Qt::ToolTipRole).toString(),
              QStringLiteral("Тур 9 (2-й цикл, тур 4)"));

    // Choosing a round shows it: title, boards and the marks in its block.
    rounds->setCurrentIndex(8);
    emit rounds->activated(8);
    EXPECT_EQ(title->text(), QStringLiteral("Жеребьёвка  9 тур."));
    EXPECT_FALSE(widget<QLabel>(QStringLiteral("lblParing_3"))->isHidden());
    int marked = 0;
    for (int r = 1; r <= 6; ++r)
        for (int c = 11; c <= 16; ++c)
            marked += cellColour(r, c) == kFirstNamedCell || cellColour(r, c) == kSecondNamedCell;
    EXPECT_EQ(marked, 6);
    // Choosing a round changes nothing of the tournament.
    save();
    EXPECT_FALSE(tournament()->isWindowModified());
    rounds->setCurrentIndex(0);
    emit rounds->activated(0);
    EXPECT_FALSE(tournament()->isWindowModified());
}

TEST_F(EventWindowTest, TheLastRoundsBoxIsForSeveralCyclesOnly)
{
    auto *reverse = widget<QCheckBox>(QStringLiteral("chkReverseLastRounds"));
    EXPECT_FALSE(reverse->isEnabled());
    const int steps = history()->count();
    reverse->setChecked(false);
    EXPECT_FALSE(tournament()->isWindowModified());
    EXPECT_TRUE(reverse->isChecked());
    EXPECT_EQ(history()->count(), steps);
    widget<QSpinBox>(QStringLiteral("spnCycles"))->setValue(2);
    EXPECT_TRUE(reverse->isEnabled());
    reverse->setChecked(false);
    EXPECT_EQ(history()->undoText(), QStringLiteral("порядок двух последних туров"));
    history()->undo();
    history()->undo();
    EXPECT_FALSE(reverse->isEnabled());
}

TEST_F(EventWindowTest, CtrlSSavesAsTheSaveButtonDoes)
{
    setResult(1, 2, QStringLiteral("1"));
    EXPECT_TRUE(tournament()->isWindowModified());
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow()));
    QTest::keyClick(grid(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(tournament()->isWindowModified());
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(saved.contains("\r\n 1000 \r\n1\r\n"));
    // Without a tournament the command is off.
    action("mnuOpen")->trigger();
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    EXPECT_FALSE(action("mnuEvent")->isEnabled());
}

TEST_F(EventWindowTest, F1ShowsTheHandbookWithItsPictures)
{
    EXPECT_EQ(action("mnuHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    action("mnuHelp")->trigger();
    auto *help = mainWindow()->findChild<QDialog *>(QStringLiteral("dlgHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto *browser = child<QTextBrowser>(help, QStringLiteral("txtHelp"));
    EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("Круговик: руководство судьи")));
    // The picture under the contents is loaded, not a broken link.
    const QVariant picture = browser->document()->resource(
        QTextDocument::ImageResource, browser->source().resolved(QUrl("images/table-points.png")));
    EXPECT_TRUE(picture.isValid());
    // Wide screenshots are scaled down to the window rather than scrolled sideways.
    const QImage shown =
        browser
            ->loadResource(QTextDocument::ImageResource,
                           browser->source().resolved(QUrl("images/table-points.png")))
            .value<QImage>();
    EXPECT_FALSE(shown.isNull());
    EXPECT_LE(shown.width(), 700);
    EXPECT_GT(QImage(QStringLiteral(KRUGOVIK_DOC_DIR "/images/table-points.png")).width(), 700);
    // A chapter opens inside it.
    browser->setSource(browser->source().resolved(QUrl("12-saving.md")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Сохранение")));
    // Asked again, the same window comes forward.
    action("mnuHelp")->trigger();
    EXPECT_EQ(mainWindow()->findChildren<QDialog *>(QStringLiteral("dlgHelp")).size(), 1);
    help->close();
}

} // namespace
