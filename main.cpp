#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/club_folder.h"
#include "app/main_window.h"
#include "app/smoke_check.h"
#include "trf/trf_command.h"

int main(int argc, char *argv[])
{
    // The checker and the generator need no display.
    if (const auto outcome = krugovik::runTrfCommand(
            std::vector<std::string>(argv + std::min(argc, 1), argv + argc))) {
        std::fputs(outcome->output.c_str(), stdout);
        std::fputs(outcome->errors.c_str(), stderr);
        return outcome->status;
    }
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
