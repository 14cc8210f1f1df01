// Two programs in one folder, each adding players to the one base.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/test_helpers.h"

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

} // namespace
