#pragma once

#include <QByteArray>
#include <QString>
#include <QValidator>

namespace krugovik {

// Every file of the system holds single-byte Windows-1251 text.

// False when this build of Qt cannot convert Windows-1251.
bool codePageAvailable();
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);
// True when every character of the text has a byte in the code page.
bool fitsCodePage(const QString &text);

// Refuses, as it is typed, text that the code page cannot store.
class CodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

} // namespace krugovik
