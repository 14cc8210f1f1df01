// Started from the desktop entry, the program works in the club folder; from a shell, where
// it was started. The home folder and the settings are the test's own.
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "app/club_folder.h"
#include "app/file_chooser.h"
#include "support/test_helpers.h"

using namespace krugovik;
using namespace testing_support;

namespace {

using ClubFolderTest = InTempDir;

struct StartCase {
    const char *name;
    QString remembered;   // the folder of the last tournament; empty: none
    QStringList existing; // files in the home folder before the start
    QString folder;       // where the program works then
    QStringList copied;   // samples copied; any at all: the director is told where
    QString passedOver;   // the remembered folder left aside for want of a base; empty: none
};

TEST_F(ClubFolderTest, TheStartGoesToTheRememberedFolderOrMakesTheClubFolder)
{
    const QString home = QDir::currentPath();
    const ClubPlaces places{home, KRUGOVIK_EXAMPLES_DIR, path("config/krugovik.conf")};
    const QStringList samples{"BASE.DAT", "KUBOK.TXT", "PERVENSTVO.TXT"};
    const StartCase cases[] = {
        {"first start", {}, {}, "Krugovik", samples},
        {"second start", "Krugovik", {"Krugovik/BASE.DAT"}, "Krugovik", {}},
        {"last tournament elsewhere", "club", {"club/A.TXT", "club/BASE.DAT"}, "club", {}},
        {"last tournament on a stick without a base",
         "stick",
         {"stick/A.TXT", "Krugovik/BASE.DAT"},
         "Krugovik",
         {"KUBOK.TXT", "PERVENSTVO.TXT"},
         "stick"},
        {"stick without a base, first start", "stick", {"stick/A.TXT"}, "Krugovik", samples,
         "stick"},
        {"remembered folder gone", "gone", {}, "Krugovik", samples},
        {"own files kept",
         {},
         {"Krugovik/BASE.DAT", "Krugovik/KUBOK.TXT"},
         "Krugovik",
         {"PERVENSTVO.TXT"}},
    };
    for (const StartCase &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        QDir::setCurrent(home);
        for (const QString &file : c.existing) {
            QDir().mkpath(QFileInfo(path(file)).path());
            writeFile(file, "mine");
        }
        if (!c.remembered.isEmpty())
            rememberTournamentFolder(path(c.remembered + "/X.TXT"), places.settingsFile);

        const ClubStart start = enterClubFolder(places);
        EXPECT_EQ(QDir::currentPath(), path(c.folder));
        EXPECT_EQ(start.copied, c.copied);
        EXPECT_EQ(start.problem, QString());
        for (const QString &file : c.existing)
            EXPECT_EQ(readFile(file), "mine") << file.toStdString();
        EXPECT_EQ(clubStartMessage(start).contains(path(c.folder)), !c.copied.isEmpty());
        // The folder left aside is named, and gets no empty base.
        EXPECT_EQ(start.passedOver, c.passedOver.isEmpty() ? QString() : path(c.passedOver));
        if (!c.passedOver.isEmpty()) {
            EXPECT_TRUE(clubStartMessage(start).contains(
                QStringLiteral("В папке последнего турнира %1 нет базы игроков BASE.DAT")
                    .arg(path(c.passedOver))));
            EXPECT_FALSE(QFileInfo::exists(path(c.passedOver + "/BASE.DAT")));
        }
        EXPECT_FALSE(start.baseMissing);
    }
}

TEST_F(ClubFolderTest, OnlyTheDesktopEntryMovesTheProgramAndRemembersTournaments)
{
    const QString home = QDir::currentPath();
    const auto restore = qScopeGuard([saved = qgetenv("HOME")] {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("HOME", saved);
        enterClubFolderIfAsked({});
    });
    qputenv("HOME", home.toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QDir().mkpath(path("club"));
    writeFile("club/A.TXT", " 3 \r\n");
    writeFile("club/BASE.DAT", QByteArray("Ivanov").leftJustified(24, ' ') + "1500 ");
    for (const bool desktop : {false, true}) {
        SCOPED_TRACE(desktop ? "desktop entry" : "shell");
        QStringList arguments{"krugovik"};
        if (desktop)
            arguments << kClubOption;
        QDir::setCurrent(home);
        EXPECT_EQ(enterClubFolderIfAsked(arguments).folder, desktop ? path("Krugovik") : QString());
        EXPECT_EQ(QDir::currentPath(), desktop ? path("Krugovik") : home);

        QDir::setCurrent(path("club"));
        FileChooser chooser;
        chooser.findChild<QLineEdit *>("txtFileName")->setText("A.TXT");
        click(chooser.findChild<QPushButton *>("cmdOK"));
        QDir::setCurrent(home);
        EXPECT_EQ(enterClubFolderIfAsked(arguments).folder, desktop ? path("club") : QString());
    }
    // A build tree finds the samples too.
    EXPECT_TRUE(QFileInfo::exists(installedClubPlaces().examples + "/BASE.DAT"));
}

} // namespace
