#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/club_folder.h"
#include "app/main_window.h"
#include "app/smoke_check.h"

int main(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        // The program's own full path, so that the command works from any folder.
        std::error_code unknown;
        const std::string self = std::filesystem::read_symlink("/proc/self/exe", unknown).string();
        std::fprintf(stderr,
                     "krugovik: no display found; start it on a desktop, or without one as "
                     "`xvfb-run -a %s --club`.\n",
                     self.empty() ? "krugovik" : self.c_str());
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
