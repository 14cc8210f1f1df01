#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace krugovik {

// The recovery copy of a tournament: the tournament as the window holds it, in the
// tournament file's own format, kept in the user's data folder (never beside the
// tournament) while there are changes not yet saved.

// Where the copy of the tournament file at path lives; empty for an empty path.
QString recoveryCopyPath(const QString &tournamentPath);

// A copy found when a tournament is opened.
struct FoundCopy {
    QByteArray bytes;
    QDateTime written;
};

// The copy, when it holds work the file lacks. file is the file's bytes, or nothing when
// the file is missing. A copy that holds nothing more than the file is removed.
std::optional<FoundCopy> findRecoveryCopy(const QString &tournamentPath,
                                          const std::optional<QByteArray> &file);

// Writes the copy whole or not at all; returns why it failed, or an empty text.
QString writeRecoveryCopy(const QString &copyPath, const QByteArray &bytes);
void removeRecoveryCopy(const QString &copyPath);

} // namespace krugovik
