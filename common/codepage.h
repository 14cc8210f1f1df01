#pragma once

#include <QByteArray>
#include <QString>

namespace krugovik {

// Every file of the system holds single-byte Windows-1251 text.

// False when this build of Qt cannot convert Windows-1251.
bool codePageAvailable();
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);
// True when every character of the text has a byte in the code page.
bool fitsCodePage(const QString &text);

} // namespace krugovik
