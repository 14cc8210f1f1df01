#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "table/recovery_copy.h"
#include "table/tournament_file.h"

namespace krugovik {

class FileLayer;
class Tournament;

// Why the bytes a save is about to write would not open as the tournament they came from;
// empty when they would. They are read back as an open reads them, in one reading: judged
// as a file, loaded into a tournament of their own, and written again, which must give the
// same bytes.
std::string readBackProblem(const std::string &bytes);

// The tournament file of one window and its recovery copy: what is read at load, what a
// save writes and what it must ask first. It holds no widget; the window asks the
// questions and shows the messages.
class TournamentStore {
  public:
    explicit TournamentStore(FileLayer *files);

    // What the load found in the file.
    struct Opening {
        enum class State {
            Missing,    // no file: the empty table, silently
            Read,       // bytes is the tournament
            Unreadable, // the file exists but could not be read; reason says why
            Foreign,    // the file is no tournament; reason says why
            Broken,     // the file's extension does not read; reason says why
        };
        State state = State::Missing;
        std::string bytes;
        FileDescription file; // the bytes read once: what the table is built from
        QString reason;
    };
    // Reads the file at path; from now on saves go there and the recovery copy is this
    // tournament's.
    Opening open(const QString &path);
    QString path() const { return m_path; }

    // Copies dead programs left of the file just opened, newest first.
    std::vector<FoundCopy> leftCopies(const Opening &opening) const;
    // A left copy read once: the table it gives, or why its bytes do not open.
    struct CopyReading {
        FileDescription file;
        QString problem; // empty when it opens
    };
    static CopyReading readCopy(const FoundCopy &copy);
    // A copy restored: it is this program's copy now.
    void adopt(const FoundCopy &copy);

    // What a save must ask before it replaces the file.
    struct SaveCheck {
        QString unreadable;    // the file could not be read, at load or now: why
        QString foreign;       // the file is no tournament: why
        bool changed = false;  // another program changed the file since it was read or saved
    };
    SaveCheck checkSave() const;
    // The director agreed to replace the unreadable file.
    void acceptReplacing() { m_unreadAtLoad = false; }

    // What a save did.
    struct Saved {
        bool written = false;
        QString ownFault; // the bytes did not read back: nothing was written
        QString failure;  // the system refused the write
    };
    // Writes bytes in the file's place, after reading them back; the file stays as it was
    // unless they read back whole and the system took them.
    Saved save(const std::string &bytes);

    // «Создать»: a new tournament file at path, the empty three-player table, replacing
    // whatever is there (the chooser has asked); its bytes are read back first like a
    // save's. Returns why it failed.
    static QString createNew(const QString &path);

    // This program's recovery copy of the tournament.
    QString writeRecoveryCopy(const std::string &bytes) const;
    void removeRecoveryCopy() const;
    QString recoveryCopyPath() const { return m_copy ? m_copy->path() : QString(); }

  private:
    // What the file held when it was read or written last: nothing when it was missing.
    struct Stamp {
        bool known = false; // false: the file could not be read, so nothing can be compared
        bool exists = false;
        qint64 size = 0;
        QByteArray hash;
    };
    static Stamp stampOf(const QByteArray &bytes);

    FileLayer *m_files;
    QString m_path;
    bool m_unreadAtLoad = false; // the file existed but did not read; a save asks first
    Stamp m_stamp;
    std::unique_ptr<RecoveryCopy> m_copy;
};

} // namespace krugovik
