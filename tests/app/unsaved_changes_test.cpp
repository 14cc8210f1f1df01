// Changes not yet saved: every way out asks about them once, a killed program's recovery
// copy brings them back, and a file that is no tournament is replaced only on Yes.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "common/file_layer.h"
#include "table/recovery_copy.h"

using namespace testing_support;

namespace {

const QByteArray kAlpha = threePlayers(); // 2 against 3 not played
const QByteArray kBeta = threePlayers("Betov");

class UnsavedTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
        writeFile(QStringLiteral("ALPHA.TXT"), kAlpha);
        writeFile(QStringLiteral("BETA.TXT"), kBeta);
    }
    // Opens a listed file through the chooser as it stands on disk.
    void choose(const QString &fileName)
    {
        if (!mainWindow())
            start();
        auto *files = widget<QListWidget>(QStringLiteral("filFiles"));
        const auto items = files->findItems(fileName, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        files->setCurrentItem(items[0]);
        emit files->itemClicked(items[0]);
        click(widget(QStringLiteral("cmdOK")));
    }
    void menu(const char *name) { mainWindow()->findChild<QAction *>(name)->trigger(); }
    // The newest copy of ALPHA.TXT, of whichever program wrote it; empty when there is none.
    QString copyOfAlpha() const
    {
        const QStringList copies = krugovik::recoveryCopyPaths(path("ALPHA.TXT"));
        return copies.isEmpty() ? QString() : copies.first();
    }
};

// Runs check on the next message box, then presses key in it.
void onNextBox(const std::function<void(QMessageBox *)> &check, Qt::Key key)
{
    QTimer::singleShot(5, [check, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return onNextBox(check, key);
        check(box);
        QTest::keyClick(box, key);
    });
}

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

class LeavingTest : public UnsavedTest, public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(LeavingTest, AsksOnceAndSavesDiscardsOrStays)
{
    const LeavingCase &c = GetParam();
    choose("ALPHA.TXT");
    if (c.changed) {
        setResult(2, 3, QStringLiteral("1"));
        // The copy trails the change by at most a second.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(copyOfAlpha()); }, 1000));
    }
    EXPECT_EQ(tournament()->isWindowModified(), c.changed);
    {
        BoxAnswerer answerer(c.answer);
        switch (c.way) {
        case Way::CloseMainWindow:
            mainWindow()->close();
            break;
        case Way::ExitButton:
            click(widget(QStringLiteral("cmdExit")));
            break;
        case Way::LoadMenu:
            menu("mnuOpen");
            break;
        case Way::OpenOtherFile:
            choose("BETA.TXT");
            break;
        case Way::CloseTournamentFrame:
            tournament()->parentWidget()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        }
        const QString asked = c.changed ? QStringLiteral("Сохранить изменения в турнире ALPHA.TXT?")
                              : c.way == Way::ExitButton
                                  ? QStringLiteral("Вы действительно хотите выйти из программы?")
                                  : QString();
        EXPECT_EQ(answerer.seen().text, asked);
        EXPECT_EQ(answerer.seen().count, asked.isEmpty() ? 0 : 1);
        if (c.changed) {
            EXPECT_EQ(QSet(answerer.seen().buttons.begin(), answerer.seen().buttons.end()),
                      (QSet{QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}));
        }
    }
    const bool stays = c.changed && c.answer == QMessageBox::Cancel;
    EXPECT_EQ(readFile("ALPHA.TXT") != kAlpha, c.changed && c.answer == QMessageBox::Save);
    EXPECT_EQ(QFile::exists(copyOfAlpha()), stays);
    if (stays) {
        // As it was: the table, its mark, and the file its save writes.
        EXPECT_TRUE(mainWindow()->isVisible());
        ASSERT_NE(tournament(), nullptr);
        EXPECT_TRUE(tournament()->isWindowModified());
        EXPECT_EQ(tournament()->windowTitle(), path("ALPHA.TXT") + "[*]");
        save();
        EXPECT_FALSE(tournament()->isWindowModified());
        EXPECT_FALSE(QFile::exists(copyOfAlpha()));
        EXPECT_NE(readFile("ALPHA.TXT"), kAlpha);
        EXPECT_EQ(readFile("BETA.TXT"), kBeta);
    } else if (c.way == Way::OpenOtherFile) {
        // The other tournament, loaded anew, with nothing of the first.
        ASSERT_NE(tournament(), nullptr);
        EXPECT_EQ(tournament()->windowTitle(), path("BETA.TXT"));
        EXPECT_EQ(cell(1, 1), QStringLiteral("Betov"));
        EXPECT_EQ(cell(2, 7), QString());
        EXPECT_FALSE(tournament()->isWindowModified());
    } else {
        const bool ended = c.way == Way::CloseMainWindow || c.way == Way::ExitButton;
        EXPECT_EQ(mainWindow()->isVisible(), !ended);
        EXPECT_EQ(tournament() == nullptr, !ended);
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
    std::vector<LeavingCase> cases;
    for (const auto &[name, way] : ways) {
        cases.push_back({std::string(name) + "_Unchanged", way, false, QMessageBox::Yes});
        cases.push_back({std::string(name) + "_Save", way, true, QMessageBox::Save});
        cases.push_back({std::string(name) + "_Discard", way, true, QMessageBox::Discard});
        cases.push_back({std::string(name) + "_Cancel", way, true, QMessageBox::Cancel});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(WaysOut, LeavingTest, ::testing::ValuesIn(leavingCases()),
                         [](const auto &info) { return info.param.name; });

TEST_F(UnsavedTest, TheQuestionIsRussianSavesOnEnterAndStaysOnEscape)
{
    choose("ALPHA.TXT");
    setResult(2, 3, QStringLiteral("1"));
    QStringList texts;
    onNextBox(
        [&](QMessageBox *box) {
            for (auto b : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                texts << box->button(b)->text().remove('&');
            texts << box->defaultButton()->text().remove('&');
        },
        Qt::Key_Escape);
    menu("mnuOpen");
    EXPECT_EQ(texts, (QStringList{"Сохранить", "Не сохранять", "Отмена", "Сохранить"}));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(readFile("ALPHA.TXT"), kAlpha);
    onNextBox([](QMessageBox *) {}, Qt::Key_Return);
    menu("mnuOpen");
    EXPECT_EQ(tournament(), nullptr);
    EXPECT_NE(readFile("ALPHA.TXT"), kAlpha);
}

TEST_F(UnsavedTest, ResultsUndoRedoAndTheCountAreChangesHeaderCommandsAreNot)
{
    choose("ALPHA.TXT");
    const auto modified = [this] { return tournament()->isWindowModified(); };
    for (const int column : {3, 4, 4, 2, 5}) // new ratings, points, Berger, R, round 1
        clickCell(grid(), 0, column);
    EXPECT_FALSE(modified());
    setResult(2, 3, QStringLiteral("1"));
    EXPECT_TRUE(modified());
    menu("actUndo");
    EXPECT_FALSE(modified()); // back to what the file holds
    menu("actRedo");
    EXPECT_TRUE(modified());
    save();
    EXPECT_FALSE(modified());
    menu("actUndo");
    EXPECT_TRUE(modified());
    save();
    setPlayerCount(4);
    EXPECT_TRUE(modified());
}

TEST_F(UnsavedTest, AFileThatIsNoTournamentIsReplacedOnlyOnYes)
{
    const QByteArray cmake = "cmake_minimum_required(VERSION 3.25)\nproject(x)\n";
    {
        BoxAnswerer told;
        openTournament(cmake, QStringLiteral("CMakeLists.txt"));
        EXPECT_TRUE(told.seen().text.contains(QStringLiteral("не похож на файл турнира")));
    }
    enterPlayers(3);
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
    onNextBox([&](QMessageBox *box) { byDefault = box->standardButton(box->defaultButton()); },
              Qt::Key_Return);
    save();
    EXPECT_EQ(byDefault, QMessageBox::No);
    EXPECT_EQ(readFile("CMakeLists.txt"), cmake);
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        save();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(path("CMakeLists.txt")));
    }
    EXPECT_TRUE(readFile("CMakeLists.txt").startsWith(" 3 \r\nIvanov\r\n"));
}

class CrashTest : public UnsavedTest,
                  public ::testing::WithParamInterface<QMessageBox::StandardButton> {};

TEST_P(CrashTest, AKilledProgramsResultsAreOfferedOnce)
{
    // A program of its own enters 2-3 "1" in ALPHA.TXT and dies once the copy is written.
    QProcess child;
    child.start(QStringLiteral(KRUGOVIK_CRASH_CHILD),
                {QCoreApplication::applicationName(), QStringLiteral("ALPHA.TXT")});
    ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.readLine().trimmed(), QByteArray("copy written"));
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(QFile::exists(copyOfAlpha()));
    EXPECT_FALSE(copyOfAlpha().startsWith(QDir::currentPath())); // never beside the tournament
    const QString date =
        QFileInfo(copyOfAlpha()).lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm"));

    const bool restore = GetParam() == QMessageBox::Yes;
    {
        BoxAnswerer answerer(GetParam());
        choose("ALPHA.TXT");
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_EQ(answerer.seen().text,
                  "Найдена несохранённая версия турнира ALPHA.TXT от " + date + ". Восстановить?");
        EXPECT_EQ(answerer.seen().buttons,
                  (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
    }
    EXPECT_EQ(cell(2, 7), restore ? QStringLiteral("1") : QString());
    EXPECT_EQ(cell(3, 6), restore ? QStringLiteral("0") : QString());
    EXPECT_EQ(cell(1, 6), QStringLiteral("1")); // what the file held stays
    EXPECT_EQ(tournament()->isWindowModified(), restore);
    EXPECT_EQ(QFile::exists(copyOfAlpha()), restore);
    EXPECT_EQ(readFile("ALPHA.TXT"), kAlpha);
    save();
    EXPECT_FALSE(QFile::exists(copyOfAlpha()));
    EXPECT_EQ(readFile("ALPHA.TXT").contains("Petrov\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n1\r\n"),
              restore);
}

INSTANTIATE_TEST_SUITE_P(Answers, CrashTest, ::testing::Values(QMessageBox::Yes, QMessageBox::No),
                         [](const auto &info) {
                             return std::string(info.param == QMessageBox::Yes ? "Restore"
                                                                               : "Drop");
                         });

// A program of its own enters 2-3 "1" in ALPHA.TXT and is killed once its copy is written.
QString killedProgramsCopy()
{
    QProcess child;
    child.start(QStringLiteral(KRUGOVIK_CRASH_CHILD),
                {QCoreApplication::applicationName(), QStringLiteral("ALPHA.TXT")});
    if (!child.waitForReadyRead(30000) || child.readLine().trimmed() != "copy written")
        return {};
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    const QStringList copies = krugovik::recoveryCopyPaths(QDir::current().filePath("ALPHA.TXT"));
    return copies.size() == 1 ? copies.first() : QString();
}

QByteArray contentOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class UnreadableFileCopyTest : public CrashTest {};

TEST_P(UnreadableFileCopyTest, AnUnreadableTournamentStillOffersItsCopyAndNeverLosesIt)
{
    const QString copy = killedProgramsCopy();
    ASSERT_FALSE(copy.isEmpty());
    const QByteArray copied = contentOf(copy);
    start();
    mainWindow()
        ->findChild<krugovik::FileLayer *>(QStringLiteral("fileLayer"))
        ->refuseReading(path("ALPHA.TXT"), QStringLiteral("Ошибка ввода-вывода"));
    const bool restore = GetParam() == QMessageBox::Yes;
    {
        BoxAnswerer answerer(GetParam());
        choose("ALPHA.TXT");
        // The file's failure, then the copy's question.
        EXPECT_EQ(answerer.seen().count, 2);
        EXPECT_TRUE(answerer.seen().text.startsWith(
            QStringLiteral("Найдена несохранённая версия турнира ALPHA.TXT от ")));
    }
    EXPECT_EQ(cell(2, 7), restore ? QStringLiteral("1") : QString());
    EXPECT_EQ(tournament()->isWindowModified(), restore);
    // Restored, the copy is this program's; declined beside a file that did not read, it
    // stays as it was, and work on the empty table goes into a copy of its own.
    if (!restore) {
        EXPECT_EQ(contentOf(copy), copied);
        enterPlayers(3);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return krugovik::recoveryCopyPaths(path("ALPHA.TXT")).size() == 2; }, 2000));
        EXPECT_EQ(contentOf(copy), copied);
    } else {
        const QStringList copies = krugovik::recoveryCopyPaths(path("ALPHA.TXT"));
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(contentOf(copies.first()), copied);
    }
    EXPECT_EQ(readFile("ALPHA.TXT"), kAlpha);
}

INSTANTIATE_TEST_SUITE_P(Answers, UnreadableFileCopyTest,
                         ::testing::Values(QMessageBox::Yes, QMessageBox::No),
                         [](const auto &info) {
                             return std::string(info.param == QMessageBox::Yes ? "Restore"
                                                                               : "Decline");
                         });

TEST_F(UnsavedTest, ACopyThatDoesNotReadIsReportedAsTheCopyAndTheFileStaysGood)
{
    const QString copy = killedProgramsCopy();
    ASSERT_FALSE(copy.isEmpty());
    // The copy spoilt: a withdrawal after round 8 of a three-round event.
    const QByteArray broken = kAlpha + "*KRUGOVIK 2\r\nWITHDRAWN 2 8\r\n*END 1\r\n";
    {
        QFile f(copy);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(broken);
    }
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        choose("ALPHA.TXT");
        EXPECT_EQ(answerer.seen().count, 2);
        EXPECT_TRUE(answerer.seen().text.startsWith(
            QStringLiteral("Несохранённая версия турнира ALPHA.TXT от ")))
            << answerer.seen().text.toStdString();
        EXPECT_TRUE(answerer.seen().text.contains(copy));
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("таблица показана по файлу")));
    }
    // The file's table, unchanged; the copy kept for whoever can mend it.
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    EXPECT_FALSE(tournament()->isWindowModified());
    EXPECT_EQ(contentOf(copy), broken);
    setResult(2, 3, QStringLiteral("1"));
    {
        BoxAnswerer answerer;
        save();
        EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    }
    EXPECT_TRUE(readFile("ALPHA.TXT").contains("Petrov\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n1\r\n"));
}

} // namespace
