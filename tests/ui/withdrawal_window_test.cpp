// Withdrawals and the number of players through the tournament window: the row's menu,
// the questions, the marks of the crosstable, and the file saved and opened again.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "rounds/berger_schedule.h"
#include "support/test_helpers.h"
#include "table/tournament.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

// `count` juniors, 1400 up; rounds up to `playedRounds` of every cycle played, the lower
// number winning; the file written by the program's own model.
QByteArray juniors(int count, int cycles, int playedRounds)
{
    krugovik::Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(count);
    t.setCycles(cycles, true);
    for (int i = 1; i <= count; ++i)
        t.enterPlayer(i,
                      {kJuniorNames[i - 1].toStdString(), std::to_string(1400 + 20 * i), false, i});
    for (int c = 0; c < cycles; ++c)
        for (int i = 1; i <= count; ++i)
            for (int j = i + 1; j <= count; ++j)
                if (t.roundOf({c, i, j}) <= playedRounds)
                    t.setResult({c, i, j}, krugovik::GameState::Win);
    return QByteArray::fromStdString(t.fileBytes());
}

class WithdrawalWindow : public TournamentTest {
  protected:
    // The row's menu opened by a right click on the row's name: the names of its actions.
    QStringList rowMenu(int row, const char *trigger = nullptr)
    {
        QStringList names;
        whenShown<QMenu>([&names, trigger](QMenu *menu) {
            EXPECT_EQ(menu->objectName(), QStringLiteral("mnuPlayerRow"));
            for (QAction *action : menu->actions())
                names << action->objectName();
            QAction *chosen = nullptr;
            for (QAction *action : menu->actions())
                if (trigger && action->objectName() == QLatin1String(trigger))
                    chosen = action;
            if (chosen)
                menu->setActiveAction(chosen);
            // Triggered as a click would, after the menu has closed.
            menu->close();
            if (chosen)
                QTimer::singleShot(0, chosen, &QAction::trigger);
        });
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 1));
        emit grid()->customContextMenuRequested(cell.center());
        QApplication::processEvents();
        return names;
    }
    // «Выбыл после тура…» from the row's menu, answered with `afterRound`.
    void withdraw(int row, int afterRound)
    {
        whenShown<QInputDialog>([afterRound](QInputDialog *dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgWithdraw"));
            dialog->setIntValue(afterRound);
            dialog->accept();
        });
        rowMenu(row, "actWithdraw");
        for (int k = 0; k < 50 && QApplication::activeModalWidget(); ++k)
            QTest::qWait(10);
        QTest::qWait(20);
    }
    void reinstate(int row)
    {
        rowMenu(row, "actReinstate");
        QTest::qWait(20);
    }
    QUndoStack *history() const { return widget<QUndoStack>(QStringLiteral("undoStack")); }
    QScrollBar *countSpin() const { return widget<QScrollBar>(QStringLiteral("vscPlayer")); }
    void lowerCount() { countSpin()->triggerAction(QAbstractSlider::SliderSingleStepSub); }
    // A three-player tournament opened, then raised to `count` juniors from the base: the
    // spin goes no lower than the count the file held.
    void grow(int count)
    {
        QList<std::tuple<QString, QByteArray, char>> base;
        for (int i = 1; i <= count; ++i)
            base.append({kJuniorNames[i - 1], QByteArray::number(1400 + 20 * i), ' '});
        writeBase(base);
        openTournament(juniors(3, 1, 0));
        setPlayerCount(count);
        enterPlayers(count);
    }
};

// The first case: 4 players, 2 cycles, players 3 and 4 leave after round 2.
TEST_F(WithdrawalWindow, TwoWithdrawnPlayersLoseTheirGameBothAndTheFileOpensAgain)
{
    openTournament(juniors(4, 2, 2));
    withdraw(3, 2);
    withdraw(4, 2);
    EXPECT_EQ(cell(3, 1), kJuniorNames[2] + QStringLiteral(" (выб.)"));
    EXPECT_EQ(cell(4, 1), kJuniorNames[3] + QStringLiteral(" (выб.)"));
    // Cycle 2's game 3-4 is in a round after both left.
    EXPECT_EQ(cell(3, 4 + 4 + 4) + cell(4, 4 + 4 + 3), QStringLiteral("--"));
    save();
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    {
        BoxAnswerer none;
        openTournament(saved);
        EXPECT_EQ(none.seen().count, 0) << none.seen().text.toStdString();
    }
    EXPECT_EQ(cell(3, 4 + 4 + 4) + cell(4, 4 + 4 + 3), QStringLiteral("--"));
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), saved);
}

// The dialog offers the last round in which the player has a result, not round 1.
TEST_F(WithdrawalWindow, TheDialogOffersThePlayersLastRoundWithAResult)
{
    struct Case {
        int count, cycles, played, offered;
    };
    // 6 players: 5 rounds a cycle; the last round is never offered (nobody leaves after it).
    for (const Case c : {Case{6, 1, 0, 1}, Case{6, 1, 3, 3}, Case{6, 2, 7, 7}, Case{6, 1, 5, 4}}) {
        openTournament(juniors(c.count, c.cycles, c.played));
        int offered = 0;
        whenShown<QInputDialog>([&offered](QInputDialog *dialog) {
            offered = dialog->intValue();
            dialog->reject();
        });
        rowMenu(2, "actWithdraw");
        for (int k = 0; k < 50 && QApplication::activeModalWidget(); ++k)
            QTest::qWait(10);
        EXPECT_EQ(offered, c.offered) << c.cycles << " cycles, " << c.played << " rounds played";
    }
}

// The arrows stop at the count the file held, and their tooltip says why.
TEST_F(WithdrawalWindow, TheArrowsTooltipSaysWhyTheyStop)
{
    openTournament(juniors(6, 1, 0));
    EXPECT_EQ(countSpin()->minimum(), 6);
    EXPECT_TRUE(countSpin()->toolTip().endsWith(
        QStringLiteral("\n\nМеньше 6 игроков нельзя: столько было в файле при открытии.")))
        << countSpin()->toolTip().toStdString();
    // Three players is the least anyway: nothing to explain, and no line left from before.
    openTournament(juniors(3, 1, 0));
    EXPECT_FALSE(countSpin()->toolTip().contains(QStringLiteral("Меньше")));
    EXPECT_TRUE(countSpin()->toolTip().startsWith(QStringLiteral("Число участников турнира.")));
}

TEST_F(WithdrawalWindow, TheRowMenuOffersTheReturnAfterReopeningAndItCanBeUndone)
{
    openTournament(juniors(5, 1, 1));
    EXPECT_EQ(rowMenu(2), QStringList{QStringLiteral("actWithdraw")});
    const QByteArray before = QByteArray::fromStdString(juniors(5, 1, 1).toStdString());
    withdraw(2, 2);
    save();
    openTournament(readFile(QStringLiteral("ALPHA.TXT")));
    EXPECT_EQ(rowMenu(2),
              (QStringList{QStringLiteral("actWithdraw"), QStringLiteral("actReinstate")}));
    EXPECT_EQ(rowMenu(3), QStringList{QStringLiteral("actWithdraw")});
    for (int j = 1; j <= 5; ++j) {
        if (j != 2) {
            EXPECT_EQ(cell(2, 4 + j) == QStringLiteral("-"),
                      krugovik::scheduledGame(5, 1, true, 1, 2, j)->round > 2)
                << j;
        }
    }
    reinstate(2);
    EXPECT_EQ(cell(2, 1), kJuniorNames[1]);
    for (int j = 1; j <= 5; ++j)
        EXPECT_NE(cell(2, 4 + j), QStringLiteral("-")) << j;
    EXPECT_EQ(history()->undoText(), QStringLiteral("возвращение игрока 2"));
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), before);
    history()->undo();
    EXPECT_EQ(cell(2, 1), kJuniorNames[1] + QStringLiteral(" (выб.)"));
}

TEST_F(WithdrawalWindow, VoidedGamesAreGreyWithAReasonAndColumnFourCountsWithoutThem)
{
    openTournament(juniors(6, 1, 2));
    withdraw(6, 2);
    clickCell(grid(), 0, 4); // «Очков»
    ASSERT_EQ(cell(0, 4), QStringLiteral("Очков"));
    const auto model = grid()->model();
    for (int q = 1; q <= 5; ++q) {
        const QModelIndex his = model->index(6, 4 + q);
        const QModelIndex theirs = model->index(q, 4 + 6);
        EXPECT_EQ(his.data(Qt::BackgroundRole).value<QColor>(), QColor(0xD8, 0xD8, 0xD8));
        EXPECT_EQ(theirs.data(Qt::BackgroundRole).value<QColor>(), QColor(0xD8, 0xD8, 0xD8));
        EXPECT_TRUE(theirs.data(Qt::ToolTipRole)
                        .toString()
                        .startsWith(QStringLiteral("Партия не учитывается: игрок 6")));
    }
    EXPECT_EQ(model->index(1, 4 + 2).data(Qt::ToolTipRole).toString(), QString());
    EXPECT_NE(model->index(1, 4 + 2).data(Qt::BackgroundRole),
              model->index(1, 4 + 6).data(Qt::BackgroundRole));
    // The others' wins against 6 (round 1 and 2) are not counted, nor his forfeits.
    int shownHalves = 0, cellHalves = 0;
    for (int p = 1; p <= 5; ++p) {
        shownHalves += int(cell(p, 4).trimmed().toDouble() * 2);
        for (int q = 1; q <= 6; ++q)
            if (q != p)
                cellHalves +=
                    cell(p, 4 + q) == QStringLiteral("1") || cell(p, 4 + q) == QStringLiteral("+")
                        ? 2
                        : 0;
    }
    EXPECT_LT(shownHalves, cellHalves);
}

TEST_F(WithdrawalWindow, ALowerCountAsksNamesThePlayersAndUndoBringsThemBack)
{
    grow(6);
    for (int q = 1; q <= 5; ++q)
        setResult(6, q, QStringLiteral("0"));
    save();
    const QByteArray before = readFile(QStringLiteral("ALPHA.TXT"));
    {
        BoxAnswerer no(QMessageBox::No);
        lowerCount();
        EXPECT_EQ(no.seen().text, QStringLiteral("Игрок 6 ") + kJuniorNames[5] +
                                      QStringLiteral(" и его 5 результатов будут убраны из "
                                                     "турнира. Продолжить?"));
    }
    EXPECT_EQ(grid()->rows(), 7);
    EXPECT_EQ(countSpin()->value(), 6);
    {
        BoxAnswerer yes(QMessageBox::Yes);
        lowerCount();
        EXPECT_EQ(yes.seen().count, 1);
    }
    EXPECT_EQ(grid()->rows(), 6);
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")).left(5), QByteArray(" 5 \r\n"));
    // A saved tournament has lost the player; raised again, his row is empty.
    countSpin()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(cell(6, 1), QString());
    for (int q = 1; q <= 5; ++q)
        EXPECT_EQ(cell(q, 4 + 6), QString());
    clickCell(grid(), 0, 4); // «Очков»: nothing of the removed player counts
    EXPECT_EQ(cell(1, 4).trimmed(), QStringLiteral("0"));
    history()->undo();
    history()->undo();
    EXPECT_EQ(cell(6, 1), kJuniorNames[5]);
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), before);
}

// The arrow held down: the question comes once, and «Нет» leaves the count for good.
TEST_F(WithdrawalWindow, AnArrowHeldDownAsksOnceAndNoKeepsTheCount)
{
    grow(6);
    setResult(6, 1, QStringLiteral("0"));
    QScrollBar *spin = countSpin();
    const QPoint topArrow(spin->width() / 2, 2);
    {
        BoxAnswerer no(QMessageBox::No);
        QTest::mousePress(spin, Qt::LeftButton, {}, topArrow);
        // Longer than the bar's delay before it repeats and several repeats after it.
        QTest::qWait(900);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, topArrow);
        EXPECT_EQ(no.seen().count, 1);
    }
    EXPECT_EQ(spin->value(), 6);
    EXPECT_EQ(grid()->rows(), 7);
    EXPECT_TRUE(spin->isEnabled());
}

TEST_F(WithdrawalWindow, SeveralPlayersAreNamedInOneQuestion)
{
    grow(5);
    {
        BoxAnswerer yes(QMessageBox::Yes);
        countSpin()->setValue(3);
        EXPECT_EQ(yes.seen().count, 1);
        // Players without results are named without «и его 0 результатов».
        EXPECT_EQ(yes.seen().text, QStringLiteral("Игрок 4 ") + kJuniorNames[3] +
                                       QStringLiteral("; игрок 5 ") + kJuniorNames[4] +
                                       QStringLiteral(" будут убраны из турнира. Продолжить?"));
    }
    EXPECT_EQ(grid()->rows(), 4);
}

// The second case: a count that would leave the withdrawal round outside the event.
TEST_F(WithdrawalWindow, ACountThatLeavesAWithdrawalOutsideIsRefusedNamingThePlayer)
{
    grow(10);
    withdraw(2, 8);
    {
        BoxAnswerer ok;
        countSpin()->setValue(8);
        EXPECT_EQ(ok.seen().count, 1);
        EXPECT_TRUE(ok.seen().text.startsWith(QStringLiteral("Игрок 2 ") + kJuniorNames[1] +
                                              QStringLiteral(" выбыл после тура 8")))
            << ok.seen().text.toStdString();
    }
    EXPECT_EQ(grid()->rows(), 11);
    EXPECT_EQ(countSpin()->value(), 10);
    save();
    BoxAnswerer none;
    openTournament(readFile(QStringLiteral("ALPHA.TXT")));
    EXPECT_EQ(none.seen().count, 0) << none.seen().text.toStdString();
    EXPECT_EQ(grid()->rows(), 11);
}

// Undoing back to the saved state after a change of cycles leaves nothing unsaved.
TEST_F(WithdrawalWindow, UndoBackToTheSavedStateAfterCyclesShowsNoMark)
{
    openTournament(juniors(4, 1, 0));
    auto *cycles = widget<QSpinBox>(QStringLiteral("spnCycles"));
    cycles->setValue(2);
    EXPECT_TRUE(tournament()->window()->windowTitle().contains(QLatin1Char('*')) ||
                tournament()->isWindowModified());
    history()->undo();
    EXPECT_FALSE(tournament()->isWindowModified());
    EXPECT_FALSE(tournament()->windowTitle().contains(QStringLiteral("[*]")));
    {
        BoxAnswerer none;
        openTournament(juniors(4, 1, 0), QStringLiteral("BETA.TXT"));
        EXPECT_EQ(none.seen().count, 0);
    }
}

} // namespace
