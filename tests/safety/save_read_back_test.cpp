// Whatever a save does, the file on disk opens again: either the save wrote bytes that read
// back as the table, or it wrote nothing, said it was the program's own fault and kept the
// work in the recovery copy.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "table/recovery_copy.h"
#include "table/tournament_store.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class SaveReadBackTest : public TournamentTest {
  protected:
    void withdraw(int row, int afterRound)
    {
        grid()->setCurrentIndex(grid()->model()->index(row, 1));
        QTimer::singleShot(5, [afterRound] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setIntValue(afterRound);
            dialog->accept();
        });
        widget<QAction>(QStringLiteral("actWithdraw"))->trigger();
    }
};

TEST_F(SaveReadBackTest, TwoWithdrawnPlayersInTwoCyclesLeaveAFileThatOpens)
{
    writeBase({{"Ivanov", "1500", ' '},
               {"Petrov", "1600", ' '},
               {"Sidorov", "1700", ' '},
               {"Kuznetsov", "1800", ' '}});
    openTournament();
    const QByteArray before = readFile(QStringLiteral("ALPHA.TXT"));
    setPlayerCount(4);
    enterPlayers(4);
    widget<QSpinBox>(QStringLiteral("spnCycles"))->setValue(2);
    withdraw(3, 2);
    withdraw(4, 2);
    BoxAnswerer answerer;
    save();
    const QByteArray after = readFile(QStringLiteral("ALPHA.TXT"));
    if (after == before) {
        // Refused: the program's own fault, said so, and the work kept.
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("Это ошибка программы")));
        EXPECT_FALSE(answerer.seen().text.contains(QStringLiteral("сохраните ещё раз")));
        EXPECT_TRUE(tournament()->isWindowModified());
        EXPECT_EQ(krugovik::recoveryCopyPaths(path(QStringLiteral("ALPHA.TXT"))).size(), 1);
        EXPECT_EQ(cell(1, 1), QStringLiteral("Ivanov"));
    } else {
        EXPECT_EQ(krugovik::readBackProblem(after.toStdString()), "");
        EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
        EXPECT_FALSE(tournament()->isWindowModified());
    }
}

} // namespace
