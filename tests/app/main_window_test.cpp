#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/file_chooser.h"
#include "app/main_window.h"
#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"
#include "ui/tournament_window.h"

using namespace krugovik;
using namespace testing_support;

namespace {

const QByteArray kNewFile = QByteArray(" 3 ") + QByteArray(64, '\0') + QByteArray("\r\n");

class MainWindowTest : public InTempDir {
  protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        window = std::make_unique<MainWindow>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        InTempDir::TearDown();
    }
    QWidget *chooser() { return window->findChild<QWidget *>(QStringLiteral("frmOpenFile")); }
    QWidget *tournament() { return window->findChild<QWidget *>(QStringLiteral("frmVantor")); }
    QLineEdit *nameBox() { return child<QLineEdit>(window.get(), QStringLiteral("txtFileName")); }
    void create(const QString &name)
    {
        // Once a file is chosen (a new one too), «Очистить» lets a name be typed again.
        if (!nameBox()->isEnabled())
            click(child<QPushButton>(window.get(), QStringLiteral("cmdClear")));
        nameBox()->setText(name);
        click(child<QPushButton>(window.get(), QStringLiteral("cmdCreate")));
    }
    void open(const QString &name)
    {
        auto *files = child<QListWidget>(window.get(), QStringLiteral("filFiles"));
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items[0]);
        emit files->itemClicked(items[0]);
        click(child<QPushButton>(window.get(), QStringLiteral("cmdOK")));
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartUpShowsTheChooserAloneAndCreatesTheBase)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("MDIForm1"));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Круговик")));
    ASSERT_NE(chooser(), nullptr);
    EXPECT_TRUE(chooser()->isVisible());
    EXPECT_EQ(chooser()->windowTitle(), QStringLiteral("Выбор файла турнира"));
    EXPECT_EQ(tournament(), nullptr);
    EXPECT_TRUE(QFile::exists(QStringLiteral("BASE.DAT")));
    auto *menuItem = child<QAction>(window.get(), QStringLiteral("mnuOpen"));
    EXPECT_EQ(menuItem->text(), QStringLiteral("Загрузить (создать) турнир"));
}

TEST_F(MainWindowTest, CreateWritesAnEmptyTournamentIntoTheCurrentDirectoryAndOpensIt)
{
    create(QStringLiteral("ALPHA"));
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kNewFile);
    auto *files = child<QListWidget>(window.get(), QStringLiteral("filFiles"));
    EXPECT_EQ(files->findItems(QStringLiteral("ALPHA.TXT"), Qt::MatchExactly).size(), 1);
    // Chosen in the list as a click chooses it, and open.
    ASSERT_NE(files->currentItem(), nullptr);
    EXPECT_EQ(files->currentItem()->text(), QStringLiteral("ALPHA.TXT"));
    EXPECT_EQ(nameBox()->text(), QStringLiteral("ALPHA.TXT"));
    EXPECT_FALSE(nameBox()->isEnabled());
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("ALPHA.TXT")));
    // Another new file takes its place; «Открыть» after it shows the same one.
    create(QStringLiteral("BETA"));
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("BETA.TXT")));
    BoxAnswerer answerer;
    click(child<QPushButton>(window.get(), QStringLiteral("cmdOK")));
    EXPECT_EQ(answerer.seen().count, 0) << answerer.seen().text.toStdString();
    EXPECT_EQ(window->findChildren<QWidget *>(QStringLiteral("frmVantor")).size(), 1);
}

TEST_F(MainWindowTest, CreateRefusesNamesThatCannotBeFiles)
{
    {
        BoxAnswerer answerer;
        create(QString());
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.startsWith(
            QStringLiteral("Программа не может создать файл без имени! Наберите")));
        EXPECT_EQ(answerer.seen().title, QStringLiteral("Круговик"));
        EXPECT_EQ(answerer.seen().icon, QMessageBox::NoIcon);
    }
    for (const QString &bad : {QStringLiteral("a/b"), QStringLiteral("..\\x"), QStringLiteral("  "),
                               QStringLiteral(".."), QStringLiteral("tab\tname")}) {
        BoxAnswerer answerer;
        create(bad);
        EXPECT_EQ(answerer.seen().count, 1) << bad.toStdString();
        EXPECT_EQ(answerer.seen().buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("BASE.DAT")});
}

TEST_F(MainWindowTest, CreateOverAnExistingTournamentAsksFirst)
{
    writeFile(QStringLiteral("ALPHA.TXT"), "stored tournament");
    {
        BoxAnswerer answerer(QMessageBox::No);
        create(QStringLiteral("ALPHA"));
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_EQ(answerer.seen().buttons.size(), 2);
    }
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), QByteArray("stored tournament"));
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        create(QStringLiteral("ALPHA"));
    }
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kNewFile);
}

TEST_F(MainWindowTest, OpeningWithoutANameIsRefused)
{
    BoxAnswerer answerer;
    click(child<QPushButton>(window.get(), QStringLiteral("cmdOK")));
    EXPECT_EQ(answerer.seen().text, QStringLiteral("Файл не выбран!"));
    EXPECT_EQ(tournament(), nullptr);
}

TEST_F(MainWindowTest, ANewFileOpensAsAnEmptyThreePlayerTable)
{
    create(QStringLiteral("ALPHA"));
    open(QStringLiteral("ALPHA.TXT"));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("ALPHA.TXT")));
    EXPECT_TRUE(chooser()->isVisible()); // the chooser stays open behind it
    auto *grid = child<CrossTable>(window.get(), QStringLiteral("grdTable"));
    ASSERT_EQ(grid->rows(), 4);
    ASSERT_EQ(grid->columns(), 8);
    const QStringList headers = {"№", "Участники", "R", "R нов.", "Результат", "1", "2", "3"};
    const QList<double> widths = {300, 2700, 600, 700, 1000, 400, 400, 400};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid->model()->index(0, c).data().toString(), headers[c]);
        EXPECT_NEAR(grid->columnWidthTwips(c), widths[c], 0.01);
    }
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grid->model()->index(r, 0).data().toString(), QString::number(r));
        for (int c = 1; c < 8; ++c) {
            const QColor colour =
                grid->model()->index(r, c).data(Qt::BackgroundRole).value<QColor>();
            EXPECT_EQ(colour, c == r + 4 ? kGreyCell : toQColor(kWindowBackground))
                << r << "," << c;
            EXPECT_TRUE(grid->model()->index(r, c).data().toString().isEmpty());
        }
    }
    EXPECT_FALSE(child<QWidget>(window.get(), QStringLiteral("cmdSave"))->isEnabled());
}

TEST_F(MainWindowTest, OpeningAnotherTournamentReplacesTheWindow)
{
    create(QStringLiteral("ALPHA"));
    create(QStringLiteral("BETA"));
    open(QStringLiteral("ALPHA.TXT"));
    // The buttons' pictures are made once per main window, not read anew at every open.
    const auto pictures = [this] {
        std::vector<qint64> keys;
        for (const char *name : {"cmdSave", "cmdNext", "cmdZapisBase", "cmdPrintParing"})
            keys.push_back(
                child<QAbstractButton>(window.get(), QString::fromLatin1(name))->icon().cacheKey());
        return keys;
    };
    const std::vector<qint64> first = pictures();
    const QRect firstFrame = tournament()->parentWidget()->geometry();
    child<QLineEdit>(window.get(), QStringLiteral("txtName"))->setText(QStringLiteral("Кто-то"));
    child<QAction>(window.get(), QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(tournament(), nullptr);
    open(QStringLiteral("BETA.TXT"));
    EXPECT_EQ(window->findChildren<QWidget *>(QStringLiteral("frmVantor")).size(), 1);
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("BETA.TXT")));
    EXPECT_TRUE(child<QLineEdit>(window.get(), QStringLiteral("txtName"))->text().isEmpty());
    EXPECT_EQ(pictures(), first);
    // The frame kept from ALPHA holds BETA now, and names it.
    auto *frame = qobject_cast<QMdiSubWindow *>(tournament()->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("BETA.TXT")));
    EXPECT_EQ(frame->geometry(), firstFrame);
    int shown = 0;
    for (const QMdiSubWindow *each : window->findChildren<QMdiSubWindow *>())
        shown += each->isVisible() && each->widget() == tournament() ? 1 : 0;
    EXPECT_EQ(shown, 1);
    // A window built apart from this main window makes its own: nothing is kept for the
    // whole program.
    TournamentWindow apart([] { return QString(); });
    EXPECT_NE(child<QAbstractButton>(&apart, QStringLiteral("cmdSave"))->icon().cacheKey(),
              first.front());
}

// The folders of the path are drawn open, the folders inside closed, and neither is looked up
// in the desktop's icon theme, which costs milliseconds at every start.
TEST_F(MainWindowTest, TheDirectoryListDrawsItsFoldersWithoutTheIconTheme)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("theme/test/16x16/places")));
    writeFile(QStringLiteral("theme/test/index.theme"),
              "[Icon Theme]\nName=test\nDirectories=16x16/places\n\n"
              "[16x16/places]\nSize=16\nType=Fixed\n");
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    for (const char *name : {"folder", "folder-open"})
        ASSERT_TRUE(red.save(QStringLiteral("theme/test/16x16/places/%1.png").arg(name)));
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({QDir::current().absoluteFilePath(QStringLiteral("theme"))});
    QIcon::setThemeName(QStringLiteral("test"));
    ASSERT_TRUE(QIcon::hasThemeIcon(QStringLiteral("folder-open")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("club")));
    child<QAction>(window.get(), QStringLiteral("mnuOpen"))->trigger(); // lists read anew

    auto *dirs = child<QListWidget>(window.get(), QStringLiteral("DirDirectory"));
    const auto club = dirs->findItems(QStringLiteral("club"), Qt::MatchEndsWith);
    const QImage open = dirs->item(0)->icon().pixmap(16).toImage();
    const QImage closed = club.isEmpty() ? QImage() : club[0]->icon().pixmap(16).toImage();
    QIcon::setThemeName(theme);
    QIcon::setThemeSearchPaths(paths);
    ASSERT_FALSE(open.isNull());
    ASSERT_FALSE(closed.isNull());
    EXPECT_NE(open, closed);
    const QImage themed = red.convertToFormat(open.format());
    EXPECT_NE(open, themed);
    EXPECT_NE(closed, themed);
}

TEST_F(MainWindowTest, BrowsingIntoADirectoryBuildsThePathFromIt)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("club")));
    writeFile(QStringLiteral("club/junior.txt"), kNewFile);
    writeFile(QStringLiteral("club/notes.doc"), "x");
    child<QAction>(window.get(), QStringLiteral("mnuOpen"))->trigger(); // lists read anew
    auto *dirs = child<QListWidget>(window.get(), QStringLiteral("DirDirectory"));
    const auto club = dirs->findItems(QStringLiteral("club"), Qt::MatchEndsWith);
    ASSERT_EQ(club.size(), 1);
    emit dirs->itemActivated(club[0]);
    auto *files = child<QListWidget>(window.get(), QStringLiteral("filFiles"));
    ASSERT_EQ(files->count(), 1); // the pattern matches either case, and nothing else
    open(QStringLiteral("junior.txt"));
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(tournament()->windowTitle(), path(QStringLiteral("club/junior.txt")));
}

TEST(FileChooserPaths, OneSeparatorAtARootAndBelowIt)
{
    EXPECT_EQ(joinPath(QStringLiteral("/"), QStringLiteral("A.TXT")), QStringLiteral("/A.TXT"));
    EXPECT_EQ(joinPath(QStringLiteral("/home/club"), QStringLiteral("A.TXT")),
              QStringLiteral("/home/club/A.TXT"));
    EXPECT_TRUE(fileNameProblem(QStringLiteral("Кубок 2026")).isEmpty());
    EXPECT_FALSE(fileNameProblem(QStringLiteral(".")).isEmpty());
    EXPECT_FALSE(fileNameProblem(QString(300, QLatin1Char('a'))).isEmpty());
}

TEST_F(MainWindowTest, ExitAsksAndEndsOnlyOnYes)
{
    create(QStringLiteral("ALPHA"));
    open(QStringLiteral("ALPHA.TXT"));
    auto *exitButton = child<QPushButton>(window.get(), QStringLiteral("cmdExit"));
    EXPECT_EQ(exitButton->text(), QStringLiteral("Выход"));
    {
        BoxAnswerer answerer(QMessageBox::No);
        click(exitButton);
        EXPECT_EQ(answerer.seen().text,
                  QStringLiteral("Вы действительно хотите выйти из программы?"));
        EXPECT_EQ(answerer.seen().title, QStringLiteral("Выход из программы"));
        EXPECT_EQ(answerer.seen().icon, QMessageBox::Question);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(tournament(), nullptr);
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        click(exitButton);
    }
    EXPECT_FALSE(window->isVisible());
}

// What «Открыть» does with a typed name: a file found in any case, with or without its
// extension, in the shown folder or along a typed path; a name that names no file is
// created, with the tournament extension, only on Yes.
struct TypedNameCase {
    std::string name;
    QString typed; // "@" stands for the test's folder
    QMessageBox::StandardButton answer;
    QString question; // the one box asked; empty: none
    QString opened;   // the file opened, in the test's folder; empty: none
};

void PrintTo(const TypedNameCase &c, std::ostream *out)
{
    *out << c.name;
}

class TypedNameTest : public MainWindowTest, public ::testing::WithParamInterface<TypedNameCase> {};

TEST_P(TypedNameTest, OpensCreatesOrLeavesAlone)
{
    const TypedNameCase &c = GetParam();
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("stick")));
    writeFile(QStringLiteral("stick/KUBOK.TXT"), kNewFile);
    const QStringList before = QDir(path(QStringLiteral("stick"))).entryList(QDir::Files);
    QString typed = c.typed;
    typed.replace(QLatin1Char('@'), QDir::currentPath());
    nameBox()->setText(typed);
    QString question = c.question;
    question.replace(QLatin1Char('@'), QDir::currentPath());
    {
        BoxAnswerer answerer(c.answer);
        click(child<QPushButton>(window.get(), QStringLiteral("cmdOK")));
        EXPECT_EQ(answerer.seen().count, c.question.isEmpty() ? 0 : 1);
        EXPECT_EQ(answerer.seen().text, question);
        if (c.answer != QMessageBox::Ok) {
            EXPECT_EQ(answerer.seen().buttons,
                      (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
        }
    }
    if (c.opened.isEmpty()) {
        EXPECT_EQ(tournament(), nullptr);
        EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("BASE.DAT")});
        EXPECT_EQ(QDir(path(QStringLiteral("stick"))).entryList(QDir::Files), before);
        return;
    }
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(tournament()->windowTitle(), path(c.opened));
    // A file created here is a new tournament; one found is left as it was.
    EXPECT_EQ(readFile(c.opened), kNewFile);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TypedNameTest,
    ::testing::Values(TypedNameCase{"MissingNameNo",
                                    QStringLiteral("NOVYI"),
                                    QMessageBox::No,
                                    QStringLiteral("Турнира NOVYI.TXT нет. Создать его?"),
                                    {}},
                      TypedNameCase{"MissingNameYes", QStringLiteral("NOVYI"), QMessageBox::Yes,
                                    QStringLiteral("Турнира NOVYI.TXT нет. Создать его?"),
                                    QStringLiteral("NOVYI.TXT")},
                      TypedNameCase{"MissingNameWithLowerExtension", QStringLiteral("novyi.txt"),
                                    QMessageBox::Yes,
                                    QStringLiteral("Турнира novyi.TXT нет. Создать его?"),
                                    QStringLiteral("novyi.TXT")},
                      TypedNameCase{"AbsolutePath",
                                    QStringLiteral("@/stick/KUBOK.TXT"),
                                    QMessageBox::Ok,
                                    {},
                                    QStringLiteral("stick/KUBOK.TXT")},
                      TypedNameCase{"AbsolutePathWithoutExtension",
                                    QStringLiteral("@/stick/kubok"),
                                    QMessageBox::Ok,
                                    {},
                                    QStringLiteral("stick/KUBOK.TXT")},
                      TypedNameCase{"RelativePath",
                                    QStringLiteral("stick/KUBOK.TXT"),
                                    QMessageBox::Ok,
                                    {},
                                    QStringLiteral("stick/KUBOK.TXT")},
                      TypedNameCase{"MissingFileAlongAPathYes", QStringLiteral("@/stick/LETO"),
                                    QMessageBox::Yes,
                                    QStringLiteral("Турнира LETO.TXT нет. Создать его?"),
                                    QStringLiteral("stick/LETO.TXT")},
                      TypedNameCase{"MissingFolder",
                                    QStringLiteral("@/nowhere/LETO"),
                                    QMessageBox::Ok,
                                    QStringLiteral("Папки @/nowhere нет."),
                                    {}}),
    [](const auto &info) { return info.param.name; });

TEST_F(MainWindowTest, CreateNeverDoublesTheExtension)
{
    create(QStringLiteral("ALPHA.TXT"));
    create(QStringLiteral("beta.txt"));
    EXPECT_EQ(QDir::current().entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("ALPHA.TXT"), QStringLiteral("BASE.DAT"),
                           QStringLiteral("beta.TXT")}));
}

TEST_F(InTempDir, AnUnusableBaseIsReportedAndTheProgramGoesOn)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("BASE.DAT")));
    BoxAnswerer answerer;
    MainWindow window;
    window.show();
    EXPECT_GE(answerer.seen().count, 1);
    EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("BASE.DAT")));
    EXPECT_NE(window.findChild<QWidget *>(QStringLiteral("frmOpenFile")), nullptr);
}

} // namespace
