#include "table/recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

} // namespace

QString recoveryCopyPath(const QString &tournamentPath)
{
    if (tournamentPath.isEmpty())
        return {};
    const QFileInfo info(tournamentPath);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::string name = recoveryCopyName(
        QDir::cleanPath(info.absoluteFilePath()).toStdString(), info.fileName().toStdString());
    return QDir(folder).filePath(QString::fromStdString(name));
}

std::optional<FoundCopy> findRecoveryCopy(const QString &tournamentPath,
                                          const std::optional<QByteArray> &file)
{
    const QString copyPath = recoveryCopyPath(tournamentPath);
    QFile copyFile(copyPath);
    if (copyPath.isEmpty() || !copyFile.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray copyBytes = copyFile.read(kLargestCopy);
    copyFile.close();
    const QFileInfo copyInfo(copyPath);
    const SavedBytes copy{copyBytes.toStdString(), modifiedMs(copyInfo)};
    std::optional<SavedBytes> saved;
    if (file)
        saved = SavedBytes{file->toStdString(), modifiedMs(QFileInfo(tournamentPath))};
    if (offersRecovery(copy, saved))
        return FoundCopy{copyBytes, copyInfo.lastModified()};
    if (saved && saved->bytes == copy.bytes)
        removeRecoveryCopy(copyPath);
    return std::nullopt;
}

QString writeRecoveryCopy(const QString &copyPath, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(copyPath).absolutePath()))
        return QStringLiteral("не удалось создать папку %1")
            .arg(QFileInfo(copyPath).absolutePath());
    return saveWholeFile(copyPath, bytes);
}

void removeRecoveryCopy(const QString &copyPath)
{
    if (!copyPath.isEmpty())
        QFile::remove(copyPath);
}

} // namespace krugovik
