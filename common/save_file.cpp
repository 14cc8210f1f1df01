#include "common/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace krugovik {

QString saveWholeFile(const QString &path, const QByteArray &bytes, bool directWriteFallback)
{
    if (QFileInfo(path).isDir())
        return QStringLiteral("так называется папка");
    QSaveFile file(path);
    file.setDirectWriteFallback(directWriteFallback);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace krugovik
