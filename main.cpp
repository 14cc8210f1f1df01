#include <QApplication>
#include <cstdio>

#include "app/club_folder.h"
#include "app/main_window.h"
#include "app/smoke_check.h"

int main(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("krugovik: no display found; start it on a desktop, or without one as "
                   "`xvfb-run ./krugovik`.\n",
                   stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    // Lets the desktop match the window with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.krugovik.Krugovik"));
    if (qEnvironmentVariableIsSet(krugovik::kSmokeCheckVariable))
        return krugovik::runSmokeCheck();
    const krugovik::ClubStart club = krugovik::enterClubFolderIfAsked(app.arguments());
    MainWindow window;
    window.show();
    krugovik::tellClubStart(&window, club);
    return app.exec();
}
