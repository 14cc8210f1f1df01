// Changes not yet saved: every way out of a tournament asks about them once, and a file that
// is no tournament is never replaced without a question.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "table/recovery_copy.h"

using namespace testing_support;

namespace {

const QString kSaveQuestion = QStringLiteral("Сохранить изменения в турнире ALPHA.TXT?");
const QString kExitQuestion = QStringLiteral("Вы действительно хотите выйти из программы?");
const QByteArray kAlpha = threePlayers();
const QByteArray kBeta = threePlayers("Betov");

enum class Way { CloseMainWindow, ExitButton, LoadMenu, OpenOtherFile, CloseTournamentFrame };

struct LeavingCase {
    std::string name;
    Way way;
    bool changed; // a result entered before the way out
    QMessageBox::StandardButton answer;
};

void PrintTo(const LeavingCase &c, std::ostream *out)
{
    *out << c.name;
}

class LeavingTest : public TournamentTest, public ::testing::WithParamInterface<LeavingCase> {
  protected:
    void choose(const QString &fileName)
    {
        auto *files = widget<QListWidget>(QStringLiteral("filFiles"));
        const auto items = files->findItems(fileName, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        files->setCurrentItem(items[0]);
        emit files->itemClicked(items[0]);
        click(widget(QStringLiteral("cmdOK")));
    }
    void leave(Way way)
    {
        switch (way) {
        case Way::CloseMainWindow:
            mainWindow()->close();
            break;
        case Way::ExitButton:
            click(widget(QStringLiteral("cmdExit")));
            break;
        case Way::LoadMenu:
            mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
            break;
        case Way::OpenOtherFile:
            choose(QStringLiteral("BETA.TXT"));
            break;
        case Way::CloseTournamentFrame:
            tournament()->parentWidget()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        }
    }
};

TEST_P(LeavingTest, AsksOnceAndSavesDiscardsOrStays)
{
    const LeavingCase &c = GetParam();
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    writeFile(QStringLiteral("BETA.TXT"), kBeta);
    openTournament(kAlpha);
    const QString copy = krugovik::recoveryCopyPath(path(QStringLiteral("ALPHA.TXT")));
    if (c.changed) {
        setResult(2, 3, QStringLiteral("1"));
        // The copy trails the change by at most a second.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(copy); }, 1000));
    }
    EXPECT_EQ(tournament()->isWindowModified(), c.changed);

    const bool stays = c.changed && c.answer == QMessageBox::Cancel;
    {
        BoxAnswerer answerer(c.answer);
        leave(c.way);
        const QString asked = c.changed                  ? kSaveQuestion
                              : c.way == Way::ExitButton ? kExitQuestion
                                                         : QString();
        EXPECT_EQ(answerer.seen().count, asked.isEmpty() ? 0 : 1);
        EXPECT_EQ(answerer.seen().text, asked);
        if (c.changed) {
            auto buttons = answerer.seen().buttons;
            std::sort(buttons.begin(), buttons.end());
            EXPECT_EQ(buttons, (QList<QMessageBox::StandardButton>{
                                   QMessageBox::Save, QMessageBox::Cancel, QMessageBox::Discard}));
        }
    }

    const bool saved = c.changed && c.answer == QMessageBox::Save;
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")) != kAlpha, saved);
    EXPECT_EQ(QFile::exists(copy), stays);
    if (stays) {
        // Everything as it was: the window, its mark, and the path its save writes to.
        ASSERT_NE(tournament(), nullptr);
        EXPECT_TRUE(mainWindow()->isVisible());
        EXPECT_TRUE(tournament()->isWindowModified());
        EXPECT_EQ(cell(2, 7), QStringLiteral("1"));
        save();
        EXPECT_FALSE(tournament()->isWindowModified());
        EXPECT_FALSE(QFile::exists(copy));
        EXPECT_NE(readFile(QStringLiteral("ALPHA.TXT")), kAlpha);
        EXPECT_EQ(readFile(QStringLiteral("BETA.TXT")), kBeta);
        return;
    }
    switch (c.way) {
    case Way::CloseMainWindow:
    case Way::ExitButton:
        EXPECT_FALSE(mainWindow()->isVisible());
        break;
    case Way::LoadMenu:
    case Way::CloseTournamentFrame:
        EXPECT_EQ(tournament(), nullptr);
        break;
    case Way::OpenOtherFile:
        // The other tournament, loaded anew, and nothing of the first.
        ASSERT_NE(tournament(), nullptr);
        EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("BETA.TXT")) + "[*]");
        EXPECT_EQ(cell(1, 1), QStringLiteral("Betov"));
        EXPECT_EQ(cell(2, 7), QString());
        EXPECT_FALSE(tournament()->isWindowModified());
        EXPECT_EQ(readFile(QStringLiteral("BETA.TXT")), kBeta);
        break;
    }
}

std::vector<LeavingCase> leavingCases()
{
    const std::pair<const char *, Way> ways[] = {
        {"CloseMainWindow", Way::CloseMainWindow},
        {"ExitButton", Way::ExitButton},
        {"LoadMenu", Way::LoadMenu},
        {"OpenOtherFile", Way::OpenOtherFile},
        {"CloseTournamentFrame", Way::CloseTournamentFrame}};
    const std::pair<const char *, QMessageBox::StandardButton> answers[] = {
        {"Save", QMessageBox::Save},
        {"Discard", QMessageBox::Discard},
        {"Cancel", QMessageBox::Cancel}};
    std::vector<LeavingCase> cases;
    for (const auto &[wayName, way] : ways) {
        cases.push_back({std::string(wayName) + "_Unchanged", way, false, QMessageBox::Yes});
        for (const auto &[answerName, answer] : answers)
            cases.push_back({std::string(wayName) + "_" + answerName, way, true, answer});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(WaysOut, LeavingTest, ::testing::ValuesIn(leavingCases()),
                         [](const auto &info) { return info.param.name; });

// Runs check on the next message box, then presses key in it.
void onNextBox(const std::function<void(QMessageBox *)> &check, Qt::Key key)
{
    QTimer::singleShot(5, [check, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            onNextBox(check, key);
            return;
        }
        check(box);
        QTest::keyClick(box, key);
    });
}

TEST_F(TournamentTest, TheQuestionIsRussianSavesOnEnterAndStaysOnEscape)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    openTournament(kAlpha);
    setResult(2, 3, QStringLiteral("1"));
    QStringList texts;
    const auto read = [&](QMessageBox *box) {
        for (const auto button : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
            texts << box->button(button)->text().remove(QLatin1Char('&'));
        texts << box->button(box->standardButton(box->defaultButton()))->text().remove('&');
    };
    onNextBox(read, Qt::Key_Escape);
    mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(texts, (QStringList{"Сохранить", "Не сохранять", "Отмена", "Сохранить"}));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kAlpha);
    onNextBox([](QMessageBox *) {}, Qt::Key_Return);
    mainWindow()->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(tournament(), nullptr);
    EXPECT_NE(readFile(QStringLiteral("ALPHA.TXT")), kAlpha);
}

TEST_F(TournamentTest, WhatCountsAsAChange)
{
    writeBase({{"Ivanov", "1500", ' '},
               {"Petrov", "1600", ' '},
               {"Sidorov", "1700", ' '},
               {"Orlov", "1800", ' '}});
    openTournament(kAlpha);
    const auto modified = [this] { return tournament()->isWindowModified(); };
    // Header commands are no change.
    for (const int column : {3, 4, 4, 2})
        clickCell(grid(), 0, column);
    clickCell(grid(), 0, 5); // a round shown
    EXPECT_FALSE(modified());
    setResult(2, 3, QStringLiteral("1"));
    EXPECT_TRUE(modified());
    mainWindow()->findChild<QAction *>(QStringLiteral("actUndo"))->trigger();
    EXPECT_FALSE(modified()); // back to what the file holds
    mainWindow()->findChild<QAction *>(QStringLiteral("actRedo"))->trigger();
    EXPECT_TRUE(modified());
    save();
    EXPECT_FALSE(modified());
    mainWindow()->findChild<QAction *>(QStringLiteral("actUndo"))->trigger();
    EXPECT_TRUE(modified()); // away from what the file holds
    save();
    setPlayerCount(4);
    EXPECT_TRUE(modified());
}

TEST_F(TournamentTest, AFileThatIsNoTournamentIsReplacedOnlyOnYes)
{
    const QByteArray cmake = "cmake_minimum_required(VERSION 3.25)\nproject(x)\n";
    writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    {
        BoxAnswerer told;
        openTournament(cmake, QStringLiteral("CMakeLists.txt"));
        EXPECT_TRUE(told.seen().text.contains(QStringLiteral("не похож на файл турнира")));
    }
    enterPlayers(3);
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    onNextBox([&](QMessageBox *box) { defaultButton = box->standardButton(box->defaultButton()); },
              Qt::Key_Return);
    save();
    EXPECT_EQ(defaultButton, QMessageBox::No);
    EXPECT_EQ(readFile(QStringLiteral("CMakeLists.txt")), cmake);
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_EQ(answerer.seen().title, QStringLiteral("Сохранение"));
        EXPECT_TRUE(answerer.seen().text.contains(path(QStringLiteral("CMakeLists.txt"))));
    }
    EXPECT_TRUE(readFile(QStringLiteral("CMakeLists.txt")).startsWith(" 3 \r\nIvanov\r\n"));
}

} // namespace
