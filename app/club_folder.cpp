#include "app/club_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "common/message_box.h"

namespace krugovik {
namespace {

const QString kFolderKey = QStringLiteral("folder");
const QString kBaseName = QStringLiteral("BASE.DAT");
// Marks the application object of a process that works in the club folder, as the current
// folder is the process's too.
constexpr char kClubProperty[] = "krugovikClubFolder";

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The installed samples wherever the package put them; in a build tree, the source's.
QString examplesFolder()
{
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/krugovik/examples")};
    candidates += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("krugovik/examples"),
                                            QStandardPaths::LocateDirectory);
#ifdef KRUGOVIK_SOURCE_EXAMPLES
    candidates += QStringLiteral(KRUGOVIK_SOURCE_EXAMPLES);
#endif
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate + QStringLiteral("/BASE.DAT")))
            return QDir::cleanPath(candidate);
    }
    return {};
}

// Copies the samples the folder does not hold yet; returns their names.
QStringList copySamples(const QString &examples, const QString &folder, QString *problem)
{
    QStringList copied;
    if (examples.isEmpty())
        return copied;
    const QDir source(examples);
    for (const QString &name : source.entryList(QDir::Files, QDir::Name)) {
        const QString target = QDir(folder).filePath(name);
        if (QFileInfo::exists(target))
            continue;
        QFile file(source.filePath(name));
        if (!file.copy(target)) {
            *problem = QCoreApplication::translate(
                           "ClubFolder", "Не удалось скопировать пример %1 в папку %2: %3.")
                           .arg(name, shown(folder), file.errorString());
            continue;
        }
        // The copy keeps the installed file's mode, which may forbid writing.
        QFile::setPermissions(target,
                              QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
        copied << name;
    }
    return copied;
}

} // namespace

QString programSettingsFile()
{
    // Spelt out rather than taken from the application's names, which are the process's.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Krugovik/krugovik.conf");
}

ClubPlaces installedClubPlaces()
{
    return {QDir::homePath(), examplesFolder(), programSettingsFile()};
}

bool clubFolderAsked()
{
    return QCoreApplication::instance()->property(kClubProperty).toBool();
}

ClubStart enterClubFolder(const ClubPlaces &places)
{
    ClubStart start;
    QSettings settings(places.settingsFile, QSettings::IniFormat);
    const QString remembered = settings.value(kFolderKey).toString();
    // Only a folder with the club's base: on a stick with tournaments alone, the base
    // would seem gone and an empty one would take its place.
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
        if (!QFileInfo(QDir(remembered).filePath(kBaseName)).isFile())
            start.passedOver = remembered;
        else if (QDir::setCurrent(remembered)) {
            start.folder = remembered;
            return start;
        }
    }
    start.firstTime = true;
    const QString folder = QDir::cleanPath(QDir(places.home).filePath(kClubFolderName));
    if (!QDir().mkpath(folder)) {
        start.problem =
            QFileInfo(folder).exists()
                ? QCoreApplication::translate(
                      "ClubFolder", "Не удалось создать папку %1: так уже называется файл.")
                      .arg(shown(folder))
                : QCoreApplication::translate("ClubFolder", "Не удалось создать папку %1.")
                      .arg(shown(folder));
        return start;
    }
    start.copied = copySamples(places.examples, folder, &start.problem);
    if (!QDir::setCurrent(folder)) {
        start.problem = QCoreApplication::translate("ClubFolder", "Не удалось перейти в папку %1.")
                            .arg(shown(folder));
        return start;
    }
    start.folder = folder;
    start.baseMissing = !QFileInfo(QDir(folder).filePath(kBaseName)).isFile();
    settings.setValue(kFolderKey, folder);
    return start;
}

ClubStart enterClubFolderIfAsked(const QStringList &arguments)
{
    const bool asked = arguments.contains(kClubOption);
    QCoreApplication::instance()->setProperty(kClubProperty, asked);
    return asked ? enterClubFolder(installedClubPlaces()) : ClubStart{};
}

void rememberTournamentFolder(const QString &tourFilePath)
{
    if (clubFolderAsked())
        rememberTournamentFolder(tourFilePath, programSettingsFile());
}

void rememberTournamentFolder(const QString &tourFilePath, const QString &settingsFile)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(kFolderKey, QFileInfo(tourFilePath).absolutePath());
}

QString clubStartMessage(const ClubStart &start)
{
    if (start.folder.isEmpty()) {
        if (start.problem.isEmpty())
            return {};
        return start.problem +
               QCoreApplication::translate("ClubFolder", " Программа работает в папке %1.")
                   .arg(shown(QDir::currentPath()));
    }
    if (!start.firstTime)
        return start.problem;
    // On a line of its own, so that the path is not broken where the box wraps.
    QString text;
    if (!start.passedOver.isEmpty())
        text = QCoreApplication::translate(
                   "ClubFolder", "В папке последнего турнира %1 нет базы игроков BASE.DAT, "
                                 "поэтому программа работает в папке клуба:\n\n%2\n\n")
                   .arg(shown(start.passedOver), shown(start.folder));
    else
        text =
            QCoreApplication::translate("ClubFolder", "Программа работает в папке клуба:\n\n%1\n\n")
                .arg(shown(start.folder));
    if (!start.copied.isEmpty())
        text += QCoreApplication::translate(
                    "ClubFolder", "В неё скопированы примеры базы игроков и турниров: %1. ")
                    .arg(start.copied.join(QStringLiteral(", ")));
    if (start.baseMissing)
        text += QCoreApplication::translate(
            "ClubFolder", "Базы игроков BASE.DAT в ней нет: программа начнёт новую, "
                          "пустую. ");
    else
        text += QCoreApplication::translate(
            "ClubFolder", "Базу игроков BASE.DAT программа берёт из этой папки. ");
    text += QCoreApplication::translate(
        "ClubFolder", "В следующий раз она откроется в папке последнего открытого "
                      "турнира, если там есть база игроков.");
    if (!start.problem.isEmpty())
        text += QStringLiteral("\n\n") + start.problem;
    return text;
}

void tellClubStart(QWidget *parent, const ClubStart &start)
{
    const QString text = clubStartMessage(start);
    if (text.isEmpty())
        return;
    const bool failed = !start.problem.isEmpty();
    showMessage(parent, text,
                failed ? QCoreApplication::translate("ClubFolder", "Ошибка")
                       : QCoreApplication::translate("ClubFolder", "Папка клуба"),
                failed ? QMessageBox::Warning : QMessageBox::Information);
}

} // namespace krugovik
