#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QValidator>
#include <functional>

namespace krugovik {

// Every file of the system holds single-byte Windows-1251 text.

// False when this build of Qt cannot convert Windows-1251.
bool codePageAvailable();
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// Makes typed or pasted text fit the code page and its box's maxLength: letters lose their
// diacritics, other characters are refused, and the changes are told in one line.
class CodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;
    // Receives, after each edit, the line that says what was changed; empty when nothing.
    void setNoteReceiver(std::function<void(const QString &)> receiver);
    // Starts the note anew, as for a text that is no longer the one the director typed.
    void forgetChanges() const;
    State validate(QString &input, int &position) const override;

  private:
    QString note() const;

    std::function<void(const QString &)> m_receiver;
    // The note stays while the director goes on typing the same text; the validator is
    // asked again about unchanged text too, hence mutable.
    mutable QString m_last;         // the text last let through, to tell an edit from a re-check
    mutable QStringList m_replaced; // "Ö→O" pairs made since the box was last emptied
    mutable QStringList m_refused;  // characters left out since then
    mutable QString m_lost;         // the end of the last paste beyond the box's length
    mutable int m_limit = 0;        // the box's maxLength
};

} // namespace krugovik
