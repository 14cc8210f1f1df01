#pragma once

#include <QByteArray>
#include <QString>

namespace krugovik {

// Writes the whole file or nothing: an old file stays until the new one is complete.
// With directWriteFallback, a folder that takes no temporary file gets the file written
// in place instead. Returns why it failed, or an empty text.
QString saveWholeFile(const QString &path, const QByteArray &bytes,
                      bool directWriteFallback = false);

} // namespace krugovik
