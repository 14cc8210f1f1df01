#pragma once

#include <QByteArray>
#include <QString>
#include <QValidator>
#include <functional>

namespace krugovik {

// Every file of the system holds single-byte Windows-1251 text.

// False when this build of Qt cannot convert Windows-1251.
bool codePageAvailable();
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);
// True when every character of the text has a byte in the code page.
bool fitsCodePage(const QString &text);

// Makes typed or pasted text fit the code page and its box's maxLength: letters lose their
// diacritics, other characters are refused, and each change is told in one line.
class CodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;
    // Receives, after each edit, the line that says what was changed; empty when nothing.
    void setNoteReceiver(std::function<void(const QString &)> receiver);
    State validate(QString &input, int &position) const override;

  private:
    std::function<void(const QString &)> m_receiver;
    mutable QString m_last; // the text last let through, to tell an edit from a re-check
};

} // namespace krugovik
