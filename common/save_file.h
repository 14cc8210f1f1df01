#pragma once

#include <QByteArray>
#include <QString>

namespace krugovik {

// Writes the whole file or nothing: an old file stays until the new one is complete.
// With directWriteFallback, a folder that takes no temporary file gets an existing file
// written in place instead. Returns why it failed, naming the system's reason, or an
// empty text.
QString saveWholeFile(const QString &path, const QByteArray &bytes,
                      bool directWriteFallback = false);

// Writes an existing file over in place. Should that fail part-way, the old bytes are
// put back. Returns why it failed, or an empty text.
QString writeInPlace(const QString &path, const QByteArray &bytes);

} // namespace krugovik
