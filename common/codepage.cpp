#include "common/codepage.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>

#include "common/folded_text.h"

namespace krugovik {
namespace {
constexpr const char *kCodePage = "windows-1251";
}

bool codePageAvailable()
{
    return QStringEncoder(kCodePage).isValid() && QStringDecoder(kCodePage).isValid();
}

QByteArray toCodePage(const QString &text)
{
    QStringEncoder encoder(kCodePage);
    return encoder.encode(text);
}

QString fromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

namespace {

QString folded(const QString &text)
{
    return QString::fromStdString(foldToCodePage(text.toStdString()).text);
}

// What an edit put into the text: the part of the new text between what it kept.
QString insertedPart(const QString &before, const QString &after)
{
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return after.mid(head, after.size() - head - tail);
}

// The end of a paste that the box's length cut off before the text was checked.
QString pastedBeyondLimit(const QString &inserted)
{
    if (inserted.isEmpty() || !QGuiApplication::clipboard())
        return {};
    for (const auto mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        const QString pasted = QGuiApplication::clipboard()->text(mode);
        if (pasted.size() > inserted.size() && pasted.startsWith(inserted))
            return pasted.mid(inserted.size());
    }
    return {};
}

} // namespace

void CodePageValidator::setNoteReceiver(std::function<void(const QString &)> receiver)
{
    m_receiver = std::move(receiver);
}

void CodePageValidator::forgetChanges() const
{
    m_replaced.clear();
    m_refused.clear();
    m_lost.clear();
}

QString CodePageValidator::note() const
{
    QStringList parts;
    if (!m_replaced.isEmpty())
        parts << QCoreApplication::translate("CodePage", "Заменено: %1")
                     .arg(m_replaced.join(QStringLiteral(", ")));
    if (!m_refused.isEmpty())
        parts << QCoreApplication::translate("CodePage", "Не поддерживается: %1")
                     .arg(m_refused.join(QStringLiteral(" ")));
    if (!m_lost.isEmpty())
        parts << QCoreApplication::translate("CodePage", "Не длиннее %1 знаков, не вошло: «%2»")
                     .arg(m_limit)
                     .arg(m_lost);
    return parts.join(QStringLiteral("; "));
}

QValidator::State CodePageValidator::validate(QString &input, int &position) const
{
    if (input == m_last)
        return Acceptable;
    const auto *box = qobject_cast<const QLineEdit *>(parent());
    m_limit = box ? box->maxLength() : std::numeric_limits<int>::max();
    const QString inserted = insertedPart(m_last, input);
    // A text typed anew: what was changed in the old one is no longer there.
    if (inserted == input)
        forgetChanges();
    // The box drops what a paste brings beyond its length before it asks here.
    QString lost = input.size() >= m_limit ? pastedBeyondLimit(inserted) : QString();
    const FoldedText fold = foldToCodePage(input.toStdString());
    QString text = QString::fromStdString(fold.text);
    if (text.size() > m_limit) {
        lost.prepend(text.mid(m_limit));
        text.truncate(m_limit);
    }
    for (const auto &[from, to] : fold.replaced) {
        const QString pair =
            QString::fromStdString(from) + QStringLiteral("→") + QString::fromStdString(to);
        if (!m_replaced.contains(pair))
            m_replaced << pair;
    }
    for (const std::string &character : fold.refused)
        if (!m_refused.contains(QString::fromStdString(character)))
            m_refused << QString::fromStdString(character);
    if (!lost.isEmpty())
        m_lost = lost;
    position = int(std::min(folded(input.left(position)).size(), text.size()));
    input = text;
    m_last = text;
    if (m_receiver)
        m_receiver(note());
    return Acceptable;
}

} // namespace krugovik
