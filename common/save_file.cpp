#include "common/save_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace krugovik {
namespace {

// Writes every byte to an unbuffered file. A short write is tried again, so that a
// full disk ends with the system's own reason rather than an unknown error.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return file.flush() && file.error() == QFileDevice::NoError;
}

} // namespace

QString saveWholeFile(const QString &path, const QByteArray &bytes, bool directWriteFallback)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("FileErrors", "так называется папка");
    // Qt's own fallback would empty the file before writing it.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (directWriteFallback && info.isFile())
            return writeInPlace(path, bytes);
        return file.errorString();
    }
    // commit() flushes too, but renames the file even when that flush fails.
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    // Written from the start over the old bytes and only then cut, so that the blocks the
    // old file holds stay its own until the new bytes are all down.
    if (file.seek(0) && writeAll(file, bytes) && file.resize(bytes.size()))
        return {};
    const QString reason = file.errorString();
    file.close();
    QFile again(path);
    if (!again.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !writeAll(again, old) ||
        !again.resize(old.size()))
        return QCoreApplication::translate(
                   "FileErrors", "%1; прежнее содержимое файла восстановить не удалось: %2")
            .arg(reason, again.errorString());
    return reason;
}

} // namespace krugovik
