#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace krugovik {

// The recovery copy of a tournament: the tournament as the window holds it, in the
// tournament file's own format, kept in the user's data folder (never beside the
// tournament) while there are changes not yet saved. Every open tournament has a copy of
// its own, locked while its program runs: two programs, or two windows, on one tournament
// never write, offer or delete each other's copy, and the copy of a program that died is
// found by the next one to open the tournament.

// A copy left by a program that is no longer running. It stays locked by this program
// while the object lives, so that no other program offers it meanwhile.
struct FoundCopy {
    QString path;
    QByteArray bytes;
    QDateTime written;
    std::shared_ptr<QLockFile> lock;
};

// This program's copy of one tournament.
class RecoveryCopy {
  public:
    // No copy at all for an empty path.
    explicit RecoveryCopy(const QString &tournamentPath = {});
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy &) = delete;
    RecoveryCopy &operator=(const RecoveryCopy &) = delete;

    QString path() const { return m_path; }
    // Writes the copy whole or not at all; returns why it failed, or an empty text.
    QString write(const QByteArray &bytes) const;
    void remove() const;

    // The copies dead programs left of the tournament that hold work the file lacks, the
    // newest first. file is the file's bytes, or nothing when they are not known. Copies
    // that hold nothing more than the file are removed.
    std::vector<FoundCopy> leftCopies(const std::optional<QByteArray> &file) const;
    // A left copy becomes this program's own, as unsaved work of its own would be.
    QString adopt(const FoundCopy &copy) const;

  private:
    QString m_tournamentPath;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// Every copy of the tournament on disk, of any program: for whoever looks from outside.
QStringList recoveryCopyPaths(const QString &tournamentPath);

// Removes a copy and its lock.
void removeRecoveryCopy(const FoundCopy &copy);

} // namespace krugovik
