#include "hall/serve_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "common/texts.h"
#include "hall/hall_file.h"
#include "hall/hall_server.h"
#include "hall/stop_signals.h"

namespace krugovik {
namespace {

void say(std::FILE *stream, const std::string &line)
{
    std::fputs((line + '\n').c_str(), stream);
    std::fflush(stream);
}

int usage()
{
    say(stderr, translated("Hall", "Запуск: krugovik --serve ФАЙЛ [--port N] [--listen АДРЕС]"));
    return 2;
}

} // namespace

int runServeCommand(const QStringList &arguments)
{
    QString path;
    quint16 port = kHallPort;
    // Every IPv4 address of the machine: the command serves the hall from a second one.
    QHostAddress address(QHostAddress::AnyIPv4);
    for (qsizetype k = 2; k < arguments.size(); ++k) {
        const QString &argument = arguments[k];
        const bool hasValue = k + 1 < arguments.size();
        if (argument == QLatin1String("--port") && hasValue) {
            bool number = false;
            const uint value = arguments[++k].toUInt(&number);
            if (!number || value > 65535)
                return usage();
            port = quint16(value);
        } else if (argument == QLatin1String("--listen") && hasValue) {
            address = QHostAddress(arguments[++k]);
            if (address.isNull())
                return usage();
        } else if (path.isEmpty() && !argument.startsWith(QLatin1String("--"))) {
            path = argument;
        } else {
            return usage();
        }
    }
    if (path.isEmpty())
        return usage();

    HallFile file(path);
    if (!file.readNow()) {
        say(stderr, filled(translated("Hall", "krugovik: файл %1 не открывается как турнир: %2"),
                           {path.toStdString(), file.problem().toStdString()}));
        return 1;
    }
    HallServer server;
    server.publish(file.view());
    QObject::connect(&file, &HallFile::changed, &server,
                     [&server, &file] { server.publish(file.view()); });
    if (!server.listen(address, port)) {
        say(stderr, filled(translated("Hall", "krugovik: порт %1 не открывается: %2"),
                           {std::to_string(port), server.errorString().toStdString()}));
        return 1;
    }
    const QList<QHostAddress> shown = address == QHostAddress(QHostAddress::AnyIPv4)
                                          ? hallAddresses()
                                          : QList<QHostAddress>{address};
    for (const QHostAddress &where : shown)
        say(stdout, filled(translated("Hall", "Табло турнира %1: %2"),
                           {QFileInfo(path).fileName().toStdString(),
                            hallUrl(where, server.port()).toStdString()}));

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, qApp, [] { QCoreApplication::quit(); });
    const int status = QCoreApplication::exec();
    server.close();
    say(stdout, translated("Hall", "Табло остановлено."));
    return status;
}

} // namespace krugovik
