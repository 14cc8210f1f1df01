#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "hall/hall_pages.h"

class QFileSystemWatcher;
class QTimer;

namespace krugovik {

// The event of a tournament file's bytes as the hall shows it; nothing for bytes that are
// plainly no tournament. name is the file's name without its extension.
std::optional<TournamentSnapshot> tournamentOfFile(const std::string &bytes,
                                                   const std::string &name);

// Follows a tournament file on disk: told by the system when it changes, and, where the
// system's notice fails (a shared folder, a file replaced whole), by a look every half
// second. Only reads.
class HallFile : public QObject {
    Q_OBJECT
  public:
    explicit HallFile(const QString &path, QObject *parent = nullptr);

    // Reads the file now; false when it cannot be read or is no tournament.
    bool readNow();
    const HallView &view() const { return m_view; }
    QString problem() const { return m_problem; }

  signals:
    // The file changed and read as a tournament: view() shows it.
    void changed();

  private:
    void look();
    void watch();

    QString m_path;
    QFileSystemWatcher *m_watcher;
    QTimer *m_poll;
    HallView m_view;
    QString m_problem;
    // What the file was when read last: a save that keeps size and time still differs in
    // its bytes, so the bytes decide.
    QDateTime m_modified;
    qint64 m_size = -1;
    std::string m_bytes;
    qint64 m_stampBase;
    int m_reads = 0;
};

// "09.12.2026 14:05:31", as the pages print the time of a change.
std::string hallTime(const QDateTime &time);
// A stamp no other view of this run or of another run is likely to have.
std::string hallStamp(qint64 base, int count);

} // namespace krugovik
