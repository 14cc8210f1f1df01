// The tie-break rules and a withdrawal set through the widgets, checked in the exports,
// the table, the history and the saved file.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "rounds/berger_schedule.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

// Eight players, 1400 up, every game played but player 8's after round 4: the lower
// number wins when i + j is odd, the higher when it is even, a draw when i + j is
// divisible by 5. Many equal scores.
QByteArray tournamentFile()
{
    const auto unplayed = [](int i, int j) {
        return (i == 8 || j == 8) && krugovik::scheduledGame(8, 1, false, 1, i, j)->round > 4;
    };
    constexpr int kCount = 8;
    QByteArray bytes = " 8 \r\n";
    for (int i = 1; i <= kCount; ++i) {
        bytes += cp1251(kJuniorNames[i - 1]) + "\r\n " + QByteArray::number(i) + " \r\n" +
                 QByteArray::number(1400 + 20 * i) + "\r\n 1000 \r\n";
        for (int j = 1; j <= kCount; ++j) {
            if (j == i)
                continue;
            const bool lowerWins = (i + j) % 2 == 1;
            QByteArray result = (i < j) == lowerWins ? "1" : "0";
            if ((i + j) % 5 == 0)
                result = "0.5";
            if (unplayed(i, j))
                result = "";
            bytes += result + "\r\n";
        }
    }
    return bytes;
}

// Eight players, 1400 up, every game drawn: one tie over all the places.
QByteArray allDrawnFile()
{
    constexpr int kCount = 8;
    QByteArray bytes = " 8 \r\n";
    for (int i = 1; i <= kCount; ++i) {
        bytes += cp1251(kJuniorNames[i - 1]) + "\r\n " + QByteArray::number(i) + " \r\n" +
                 QByteArray::number(1400 + 20 * i) + "\r\n 1000 \r\n";
        for (int j = 1; j < kCount; ++j)
            bytes += "0.5\r\n";
    }
    return bytes;
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

class PlacesRules : public TournamentTest {
  protected:
    int m_exports = 0;
    QAction *action(const char *name) const { return widget<QAction>(QString::fromLatin1(name)); }

    // Exports through the results menu into `fileName` and returns its lines.
    QStringList exported(const char *menuItem, const QString &fileName)
    {
        answerModal<QFileDialog>([this, fileName](QFileDialog *dialog) {
            dialog->selectFile(path(fileName));
            static_cast<QDialog *>(dialog)->accept();
        });
        action(menuItem)->trigger();
        return QString::fromUtf8(readFile(fileName)).split(QStringLiteral("\r\n"));
    }
    // Each player's place in the CSV by table number.
    QMap<int, QString> csvPlaces()
    {
        QMap<int, QString> places;
        // A new name each time: the dialog would ask before replacing a file.
        const QStringList lines =
            exported("mnuExportCsv", QStringLiteral("out%1.csv").arg(++m_exports));
        for (const QString &line : lines.mid(1)) {
            const QStringList fields = line.split(QLatin1Char(';'));
            if (fields.size() > 2 && !fields[1].isEmpty())
                places[fields[1].toInt()] = fields[0];
        }
        return places;
    }
    void withdraw(int row, int afterRound)
    {
        grid()->setCurrentIndex(grid()->model()->index(row, 1));
        answerModal<QInputDialog>([afterRound](QInputDialog *dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgWithdraw"));
            dialog->setIntValue(afterRound);
            dialog->accept();
        });
        action("actWithdraw")->trigger();
    }
    // Chooses a preset; once results are in, the question that follows is answered Yes.
    // Returns the question asked, empty for none.
    QString choosePreset(int preset)
    {
        BoxAnswerer yes(QMessageBox::Yes);
        answerModal<QDialog>([preset](QDialog *dialog) {
            EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgTieBreaks"));
            child<QComboBox>(dialog, QStringLiteral("cmbTieBreakPreset"))->setCurrentIndex(preset);
            click(child<QPushButton>(dialog, QStringLiteral("cmdTieBreaksOk")));
        });
        action("mnuTieBreaks")->trigger();
        return yes.seen().count > 0 ? yes.seen().text : QString();
    }
};

TEST_F(PlacesRules, FidePresetAndWithdrawalReachTheExportsTheTableAndTheFile)
{
    openTournament(tournamentFile());

    // Player 8 leaves after round 4: his unplayed games of rounds 5 to 7 become forfeits.
    withdraw(8, 4);
    int forfeits = 0;
    for (int j = 1; j < 8; ++j) {
        const int round = krugovik::scheduledGame(8, 1, false, 1, 8, j)->round;
        if (round <= 4)
            continue;
        ++forfeits;
        EXPECT_EQ(cell(8, 4 + j) + cell(j, 4 + 8), QStringLiteral("-+")) << j;
    }
    EXPECT_EQ(forfeits, 3);
    // The event has begun: the change is asked for and recorded with the list before it.
    EXPECT_EQ(choosePreset(1),
              QStringLiteral("Турнир уже идёт. Изменить правила распределения мест?"));
    // Golden places, each equal to the rank FIDE's checker gives on the exported TRF.
    const QMap<int, QString> fide = {{1, "5"}, {2, "6"}, {3, "1"}, {4, "2"},
                                     {5, "3"}, {6, "7"}, {7, "4"}, {8, "8"}};
    EXPECT_EQ(csvPlaces(), fide);
    const QStringList trf = exported("mnuExportTrf", QStringLiteral("out.trf"));
    EXPECT_TRUE(trf.contains(QStringLiteral("202 DE WIN SB KS")));
    EXPECT_TRUE(trf.contains(QStringLiteral("### Tie-breaks changed after round 7: SB DE WIN")));

    // Saved: the rules and the withdrawal follow the last player block.
    save();
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    EXPECT_TRUE(saved.endsWith(
        "*KRUGOVIK 2\r\nTIEBREAKS CHANGED/7/SB,DE,WIN DE WIN SB KS\r\nWITHDRAWN 8 4\r\n"
        "*END 2\r\n"));

    // Two more steps taken back: the table and the file as they were.
    auto *history = widget<QUndoStack>(QStringLiteral("undoStack"));
    const int index = history->index();
    withdraw(3, 1);
    const int firstOpponent = krugovik::scheduledGame(8, 1, false, 1, 3, 4)->round == 1 ? 5 : 4;
    // His later games were played: they keep their results.
    const QString played = firstOpponent == 4 ? QStringLiteral("1") : QStringLiteral("0");
    EXPECT_EQ(cell(3, 4 + firstOpponent), played);
    choosePreset(0);
    EXPECT_EQ(history->index(), index + 2);
    EXPECT_EQ(history->undoText(), QStringLiteral("правила распределения мест"));
    history->undo();
    EXPECT_EQ(history->undoText(), QStringLiteral("выбытие игрока 3"));
    history->undo();
    EXPECT_EQ(csvPlaces(), fide);
    EXPECT_EQ(cell(3, 4 + firstOpponent), played);
    save();
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), saved);
}

// «Порядок при равенстве…»: the director's order of the tied players reaches the places,
// the standings and the file, and can be taken back.
TEST_F(PlacesRules, OrderByHandDecidesWhatTheRulesLeaveTied)
{
    openTournament(allDrawnFile());
    answerModal<QDialog>([](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgTieOrder"));
        auto *list = child<QListWidget>(dialog, QStringLiteral("lstTieOrder"));
        ASSERT_EQ(list->count(), 8);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("1-8   1. ") + kJuniorNames[0]);
        // Player 3 to the top, then player 5 above player 1.
        list->setCurrentRow(2);
        click(child<QPushButton>(dialog, QStringLiteral("cmdTieOrderUp")));
        click(child<QPushButton>(dialog, QStringLiteral("cmdTieOrderUp")));
        EXPECT_FALSE(child<QPushButton>(dialog, QStringLiteral("cmdTieOrderUp"))->isEnabled());
        list->setCurrentRow(4);
        for (int k = 0; k < 3; ++k)
            click(child<QPushButton>(dialog, QStringLiteral("cmdTieOrderUp")));
        click(child<QPushButton>(dialog, QStringLiteral("cmdTieOrderOk")));
    });
    action("mnuTieOrder")->trigger();
    const QMap<int, QString> places = {{3, "1"}, {5, "2"}, {1, "3"}, {2, "4"},
                                       {4, "5"}, {6, "6"}, {7, "7"}, {8, "8"}};
    EXPECT_EQ(csvPlaces(), places);
    const QStringList csv = exported("mnuExportCsv", QStringLiteral("hand.csv"));
    EXPECT_TRUE(csv.join(QLatin1Char('\n')).contains(QStringLiteral("судья")));
    save();
    EXPECT_TRUE(readFile(QStringLiteral("ALPHA.TXT"))
                    .contains("TIEBREAKS SB DE WIN HAND/3,5,1,2,4,6,7,8\r\n"));
    widget<QUndoStack>(QStringLiteral("undoStack"))->undo();
    EXPECT_EQ(csvPlaces().value(3), QStringLiteral("1-8"));
}

// Four players, one result: player 1 beat player 2.
QByteArray fourPlayersOneResult()
{
    QByteArray bytes = " 4 \r\n";
    for (int i = 1; i <= 4; ++i) {
        bytes += cp1251(kJuniorNames[i - 1]) + "\r\n " + QByteArray::number(i) + " \r\n" +
                 QByteArray::number(1500 + 100 * i) + "\r\n 1000 \r\n";
        bytes += i == 1 ? "1\r\n\r\n\r\n" : i == 2 ? "0\r\n\r\n\r\n" : "\r\n\r\n\r\n";
    }
    return bytes;
}

// «Своя» emptied and the lots alone added once a result is in, then FIDE's preset: each
// change names the list before it, the lots-only list as points alone, and the save takes
// the file without calling it the program's fault.
TEST_F(PlacesRules, ALotsOnlyListChangedAfterAResultIsSaved)
{
    openTournament(fourPlayersOneResult());
    {
        BoxAnswerer yes(QMessageBox::Yes);
        answerModal<QDialog>([](QDialog *dialog) {
            child<QComboBox>(dialog, QStringLiteral("cmbTieBreakPreset"))->setCurrentIndex(2);
            auto *list = child<QListWidget>(dialog, QStringLiteral("lstTieBreaks"));
            while (list->count() > 0) {
                list->setCurrentRow(0);
                click(child<QPushButton>(dialog, QStringLiteral("cmdTieBreakRemove")));
            }
            auto *choice = child<QComboBox>(dialog, QStringLiteral("cmbTieBreakChoice"));
            choice->setCurrentIndex(choice->findData(QStringLiteral("LOT")));
            click(child<QPushButton>(dialog, QStringLiteral("cmdTieBreakAdd")));
            ASSERT_EQ(list->count(), 1);
            click(child<QPushButton>(dialog, QStringLiteral("cmdTieBreaksOk")));
        });
        action("mnuTieBreaks")->trigger();
        EXPECT_EQ(yes.seen().count, 1);
    }
    EXPECT_EQ(choosePreset(1),
              QStringLiteral("Турнир уже идёт. Изменить правила распределения мест?"));
    BoxAnswerer told;
    save();
    EXPECT_EQ(told.seen().count, 0) << told.seen().text.toStdString();
    const QByteArray saved = readFile(QStringLiteral("ALPHA.TXT"));
    const QByteArray round =
        QByteArray::number(krugovik::scheduledGame(4, 1, true, 1, 1, 2)->round);
    EXPECT_TRUE(saved.contains("TIEBREAKS CHANGED/" + round + "/SB,DE,WIN CHANGED/" + round +
                               "/PTS DE WIN SB KS\r\n"))
        << saved.toStdString();
}

} // namespace
