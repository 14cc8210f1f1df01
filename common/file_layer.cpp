#include "common/file_layer.h"
#include "common/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace krugovik {
namespace {

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

FileLayer::FileLayer(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("fileLayer"));
}

FileLayer::Reading FileLayer::read(const QString &path, qint64 limit) const
{
    Reading reading;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return reading;
    reading.outcome = Reading::Outcome::Unreadable;
    if (info.isDir()) {
        reading.reason = QCoreApplication::translate("FileErrors", "это папка");
        return reading;
    }
    if (const auto refused = m_unreadable.constFind(absolute(path));
        refused != m_unreadable.cend()) {
        reading.reason = *refused;
        return reading;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.reason = file.errorString();
        return reading;
    }
    reading.bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        reading.reason = file.errorString();
        reading.bytes.clear();
        return reading;
    }
    reading.outcome = Reading::Outcome::Read;
    return reading;
}

QString FileLayer::replace(const QString &path, const QByteArray &bytes) const
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("FileErrors", "так называется папка");
    if (const QString refusal = writeRefusal(path); !refusal.isEmpty())
        return refusal;
    if (!folderTakesNewFiles(info.absolutePath())) {
        if (!info.exists())
            return QCoreApplication::translate("FileErrors", "в папке %1 нельзя создавать файлы")
                .arg(QDir::toNativeSeparators(info.absolutePath()));
        return writeInPlace(path, bytes);
    }
    // Should the file system itself refuse the temporary file, the file is written in
    // place instead.
    return saveWholeFile(path, bytes, true);
}

QString FileLayer::writeRefusal(const QString &path) const
{
    return m_unwritable.value(absolute(path));
}

bool FileLayer::firstTime(const QString &key)
{
    if (m_told.contains(key))
        return false;
    m_told.insert(key);
    return true;
}

void FileLayer::refuseReading(const QString &path, const QString &reason)
{
    m_unreadable.insert(absolute(path), reason);
}

void FileLayer::refuseNewFilesIn(const QString &folder)
{
    m_closedFolders.insert(QDir(folder).absolutePath());
}

void FileLayer::refuseWriting(const QString &path, const QString &reason)
{
    m_unwritable.insert(absolute(path), reason);
}

bool FileLayer::folderTakesNewFiles(const QString &folder) const
{
    return !m_closedFolders.contains(QDir(folder).absolutePath());
}

} // namespace krugovik
