// Two programs in one folder, each adding players to the one base.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "common/printer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

// One main window, driven as its director would.
struct Director {
    explicit Director(const QString &fileName)
    {
        window.show();
        auto *files = child<QListWidget>(&window, QStringLiteral("filFiles"));
        child<QLineEdit>(&window, QStringLiteral("txtFileName"))->setText(fileName);
        files->clearSelection();
        // A name that has no file yet: the chooser asks to create it.
        BoxAnswerer answerer(QMessageBox::Yes);
        click(child<QPushButton>(&window, QStringLiteral("cmdOK")));
    }
    // Adds a player at the end of the base, as the third editor button does.
    void addPlayer(const QString &name, const QString &rating)
    {
        click(child<QToolButton>(&window, QStringLiteral("cmdNew")));
        child<QLineEdit>(&window, QStringLiteral("txtName"))->setText(name);
        child<QLineEdit>(&window, QStringLiteral("txtRate"))->setText(rating);
        // Leaving the record writes it.
        click(child<QToolButton>(&window, QStringLiteral("cmdPrevious")));
    }
    MainWindow window;
};

class SharedBaseTest : public TournamentTest {
  protected:
    QList<QByteArray> names()
    {
        const QByteArray base = readFile(QStringLiteral("BASE.DAT"));
        QList<QByteArray> found;
        for (qsizetype at = 0; at + 29 <= base.size(); at += 29)
            found << base.mid(at, 24).trimmed();
        return found;
    }
};

TEST_F(SharedBaseTest, TwoWindowsOnOneBaseEachAddingAPlayerKeepBoth)
{
    writeBase({{"Ivanov", "1500", ' '}, {"Petrova", "1600", ' '}});
    Director boys(QStringLiteral("BOYS.TXT"));
    Director girls(QStringLiteral("GIRLS.TXT"));
    // Both read two records at their load.
    boys.addPlayer(QStringLiteral("Sidorov"), QStringLiteral("1700"));
    girls.addPlayer(QStringLiteral("Kuznetsova"), QStringLiteral("1650"));
    boys.addPlayer(QStringLiteral("Smirnov"), QStringLiteral("1550"));
    EXPECT_EQ(names(),
              (QList<QByteArray>{"Ivanov", "Petrova", "Sidorov", "Kuznetsova", "Smirnov"}));
    // Leaving Smirnov, the boys' window shows the girls' player before him.
    EXPECT_EQ(child<QLineEdit>(&boys.window, QStringLiteral("txtName"))->text(),
              QStringLiteral("Kuznetsova"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("BASE.DAT.lock"))));
}

// How the second window leaves record 1, which it showed before the first window wrote
// new ratings into it.
enum class Leaving { Arrows, FindBox, PrintBase, Category, EditedNameThenArrows };

struct LeavingCase {
    const char *name;
    Leaving way;
};
void PrintTo(const LeavingCase &c, std::ostream *out)
{
    *out << c.name;
}

class StaleRecordTest : public SharedBaseTest, public ::testing::WithParamInterface<LeavingCase> {
  protected:
    void SetUp() override
    {
        SharedBaseTest::SetUp();
        krugovik::Printer::setRecorder([](const krugovik::PrintedDocument &) {});
    }
    void TearDown() override
    {
        krugovik::Printer::setRecorder(nullptr);
        SharedBaseTest::TearDown();
    }
};

TEST_P(StaleRecordTest, AnotherWindowsWriteBackSurvives)
{
    writeBase({{"Ivanov I.", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", ' '}});
    writeFile(QStringLiteral("KUBOK.TXT"), threePlayers());
    Director girls(QStringLiteral("GIRLS.TXT"));
    Director kubok(QStringLiteral("KUBOK.TXT"));
    QWidget *b = &girls.window;
    ASSERT_EQ(child<QLineEdit>(b, QStringLiteral("txtName"))->text(), QStringLiteral("Ivanov I."));

    {
        // The table's name for record 1 differs from the base's; the director keeps his.
        BoxAnswerer yes(QMessageBox::Yes);
        click(child<QToolButton>(&kubok.window, QStringLiteral("cmdZapisBase")));
    }
    const auto record1 = [this] {
        return QString::fromLatin1(readFile(QStringLiteral("BASE.DAT")).left(29));
    };
    const QString written = record1();
    ASSERT_TRUE(written.startsWith(QStringLiteral("Ivanov ")));
    ASSERT_NE(written.mid(24, 4), QStringLiteral("1500"));

    QString expected = written;
    switch (GetParam().way) {
    case Leaving::Arrows:
        click(child<QToolButton>(b, QStringLiteral("cmdNext")));
        break;
    case Leaving::FindBox: {
        auto *find = child<QLineEdit>(b, QStringLiteral("txtFind"));
        find->setFocus();
        typeText(find, QStringLiteral("Sidorov"));
        QTest::keyClick(find, Qt::Key_Return);
        EXPECT_EQ(child<QLineEdit>(b, QStringLiteral("txtName"))->text(),
                  QStringLiteral("Sidorov"));
        break;
    }
    case Leaving::PrintBase:
        click(child<QToolButton>(b, QStringLiteral("cmdPrintBase")));
        break;
    case Leaving::Category:
        // The director's category replaces rating and flag; the name stays the base's.
        click(child<QCheckBox>(b, QStringLiteral("chkRate")));
        click(child<QRadioButton>(b, QStringLiteral("optRanc1")));
        expected = written.left(24) + QStringLiteral("1000N");
        break;
    case Leaving::EditedNameThenArrows:
        child<QLineEdit>(b, QStringLiteral("txtName"))->setText(QStringLiteral("Ivanov Ilya"));
        click(child<QToolButton>(b, QStringLiteral("cmdNext")));
        expected = QStringLiteral("Ivanov Ilya").leftJustified(24) + written.mid(24);
        break;
    }
    EXPECT_EQ(record1(), expected);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("BASE.DAT.lock"))));
}

INSTANTIATE_TEST_SUITE_P(
    WaysOfLeaving, StaleRecordTest,
    ::testing::Values(LeavingCase{"Arrows", Leaving::Arrows},
                      LeavingCase{"FindBox", Leaving::FindBox},
                      LeavingCase{"PrintBase", Leaving::PrintBase},
                      LeavingCase{"Category", Leaving::Category},
                      LeavingCase{"EditedNameThenArrows", Leaving::EditedNameThenArrows}),
    [](const ::testing::TestParamInfo<LeavingCase> &info) { return info.param.name; });

} // namespace
