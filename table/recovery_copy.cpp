#include "table/recovery_copy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>

#include "common/save_file.h"
#include "table/recovery_rule.h"

namespace krugovik {
namespace {

// Far above any tournament; a larger file in the folder is not one of the copies.
constexpr qint64 kLargestCopy = 16 * 1024 * 1024;

std::int64_t modifiedMs(const QFileInfo &info)
{
    return info.lastModified().toMSecsSinceEpoch();
}

QString copiesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString lockPath(const QString &copyPath)
{
    return copyPath + QStringLiteral(".lock");
}

std::string absoluteOf(const QString &tournamentPath)
{
    return QDir::cleanPath(QFileInfo(tournamentPath).absoluteFilePath()).toStdString();
}

} // namespace

RecoveryCopy::RecoveryCopy(const QString &tournamentPath) : m_tournamentPath(tournamentPath)
{
    if (tournamentPath.isEmpty())
        return;
    QDir().mkpath(copiesFolder());
    const std::string absolute = absoluteOf(tournamentPath);
    const std::string fileName = QFileInfo(tournamentPath).fileName().toStdString();
    // The process and a random part: a window of its own in the same process, or a process
    // that got a dead one's number, still gets a copy of its own.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString owner = QStringLiteral("%1-%2")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QRandomGenerator::global()->generate(), 8, 16,
                                       QLatin1Char('0'));
        const QString path = QDir(copiesFolder())
                                 .filePath(QString::fromStdString(recoveryCopyName(
                                     absolute, fileName, owner.toStdString())));
        auto lock = std::make_unique<QLockFile>(lockPath(path));
        lock->setStaleLockTime(0);
        if (QFile::exists(path) || !lock->tryLock(0))
            continue;
        m_path = path;
        m_lock = std::move(lock);
        return;
    }
    // No lock to be had (a folder that takes no file): the copy goes unprotected, and its
    // write reports why when it fails too.
    m_path = QDir(copiesFolder())
                 .filePath(QString::fromStdString(recoveryCopyName(
                     absolute, fileName,
                     QString::number(QCoreApplication::applicationPid()).toStdString())));
}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::write(const QByteArray &bytes) const
{
    if (m_path.isEmpty())
        return {};
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return QCoreApplication::translate("RecoveryCopy", "не удалось создать папку %1")
            .arg(QFileInfo(m_path).absolutePath());
    return saveWholeFile(m_path, bytes);
}

void RecoveryCopy::remove() const
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

std::vector<FoundCopy> RecoveryCopy::leftCopies(const std::optional<QByteArray> &file) const
{
    std::vector<FoundCopy> found;
    if (m_tournamentPath.isEmpty())
        return found;
    const std::string absolute = absoluteOf(m_tournamentPath);
    const std::string fileName = QFileInfo(m_tournamentPath).fileName().toStdString();
    std::optional<SavedBytes> saved;
    if (file)
        saved = SavedBytes{file->toStdString(), modifiedMs(QFileInfo(m_tournamentPath))};
    const QDir folder(copiesFolder());
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        const QString path = folder.filePath(entry);
        // The lock a dead program left without a copy (it had nothing unsaved) goes: taken
        // over, then let go, it is removed.
        if (entry.endsWith(QStringLiteral(".lock")) && path != lockPath(m_path)) {
            const QString copyName = entry.chopped(5);
            if (!entries.contains(copyName) &&
                isRecoveryCopyName(copyName.toStdString(), absolute, fileName)) {
                QLockFile stale(path);
                stale.setStaleLockTime(0);
                stale.tryLock(0);
            }
            continue;
        }
        if (path == m_path || !isRecoveryCopyName(entry.toStdString(), absolute, fileName))
            continue;
        // A live program holds its copy's lock; a dead one's lock is stale and taken over.
        auto lock = std::make_shared<QLockFile>(lockPath(path));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        QFile copyFile(path);
        if (!copyFile.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = copyFile.read(kLargestCopy);
        copyFile.close();
        const QFileInfo info(path);
        const SavedBytes copy{bytes.toStdString(), modifiedMs(info)};
        if (offersRecovery(copy, saved)) {
            found.push_back({path, bytes, info.lastModified(), lock});
        } else if (saved && saved->bytes == copy.bytes) {
            QFile::remove(path);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const FoundCopy &a, const FoundCopy &b) { return a.written > b.written; });
    return found;
}

QString RecoveryCopy::adopt(const FoundCopy &copy) const
{
    if (m_path.isEmpty() || copy.path == m_path)
        return {};
    QFile::remove(m_path);
    // A rename keeps the copy's time, which is when its work was done.
    if (QFile::rename(copy.path, m_path))
        return {};
    return write(copy.bytes);
}

QStringList recoveryCopyPaths(const QString &tournamentPath)
{
    QStringList paths;
    if (tournamentPath.isEmpty())
        return paths;
    const std::string absolute = absoluteOf(tournamentPath);
    const std::string fileName = QFileInfo(tournamentPath).fileName().toStdString();
    const QDir folder(copiesFolder());
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden, QDir::Time)) {
        if (isRecoveryCopyName(entry.toStdString(), absolute, fileName))
            paths << folder.filePath(entry);
    }
    return paths;
}

void removeRecoveryCopy(const FoundCopy &copy)
{
    QFile::remove(copy.path);
}

} // namespace krugovik
