#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/club_folder.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/smoke_check.h"
#include "hall/serve_command.h"
#include "hall/stop_signals.h"
#include "export/report_command.h"
#include "trf/trf_command.h"

int main(int argc, char *argv[])
{
    // The checker, the generator and the report need no display; they speak the program's language.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (!arguments.empty() &&
        (arguments.front() == "--check" || arguments.front() == "--generate" ||
         arguments.front() == "--report")) {
        QCoreApplication commandLine(argc, argv);
        krugovik::useLanguage(&commandLine,
                              krugovik::startLanguage(krugovik::programSettingsFile()));
        auto outcome = krugovik::runTrfCommand(arguments);
        if (!outcome)
            outcome = krugovik::runReportCommand(arguments, QDate::currentDate().year());
        if (outcome) {
            std::fputs(outcome->output.c_str(), stdout);
            std::fputs(outcome->errors.c_str(), stderr);
            return outcome->status;
        }
    }
    // The hall's pages of a tournament file, without a window, until Ctrl+C or SIGTERM.
    if (!arguments.empty() && arguments.front() == "--serve") {
        krugovik::blockStopSignals();
        QCoreApplication serving(argc, argv);
        krugovik::useLanguage(&serving, krugovik::startLanguage(krugovik::programSettingsFile()));
        return krugovik::runServeCommand(serving.arguments());
    }
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
    // Before the club folder's messages are made; the window then speaks the same language.
    krugovik::useLanguage(&app, krugovik::startLanguage(krugovik::programSettingsFile()));
    const krugovik::ClubStart club = krugovik::enterClubFolderIfAsked(app.arguments());
    MainWindow window;
    window.show();
    krugovik::tellClubStart(&window, club);
    return app.exec();
}
