#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace krugovik {

// Given by the desktop entry alone: the program then works in the club folder instead of
// the folder it was started in, which is the home folder there.
inline const QString kClubOption = QStringLiteral("--club");
// The club folder made in the home folder on the first start from the desktop entry.
inline const QString kClubFolderName = QStringLiteral("Krugovik");

// Where a start from the desktop entry looks; a test gives folders of its own.
struct ClubPlaces {
    QString home;         // the folder the club folder is made in
    QString examples;     // the sample base and tournaments; empty when none were found
    QString settingsFile; // where the folder of the last tournament opened is remembered
};

// What a start in the club folder did; the caller tells the director.
struct ClubStart {
    QString folder;         // the folder the program works in now; empty: it stayed where it was
    bool firstTime = false; // nothing usable was remembered: the director is told where it is
    QStringList copied;     // the samples copied into the folder now
    QString problem;        // what went wrong, in the director's words; empty when nothing did
    QString passedOver;     // the last tournament's folder, left aside for want of a base
    bool baseMissing = false; // the folder has no base: the program starts an empty one
};

// The installed samples, the home folder and the program's own settings file.
ClubPlaces installedClubPlaces();
// Whether this process was started with the club option.
bool clubFolderAsked();

// Makes the remembered folder of the last tournament the current one when it holds the
// base; without it (or when it is gone, or has no base), the club folder in the home folder, made and given the samples that are not
// there yet. Never overwrites a file. Remembers the folder it chose.
ClubStart enterClubFolder(const ClubPlaces &places);
// Started with the club option, as the desktop entry starts it, the process enters the club
// folder and remembers tournaments from then on; without it nothing changes and the program
// works in the folder it was started in.
ClubStart enterClubFolderIfAsked(const QStringList &arguments);

// Remembers the folder of a tournament just opened, for the next start from the desktop
// entry. A process started without the club option remembers nothing.
void rememberTournamentFolder(const QString &tourFilePath);
void rememberTournamentFolder(const QString &tourFilePath, const QString &settingsFile);

// What the director is told after the start; empty when there is nothing to tell.
QString clubStartMessage(const ClubStart &start);
// Shows that message in a modal box, if there is one.
void tellClubStart(QWidget *parent, const ClubStart &start);

} // namespace krugovik
