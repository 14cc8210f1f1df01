#include "common/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

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

bool fitsCodePage(const QString &text)
{
    QStringEncoder encoder(kCodePage);
    // The encoder converts lazily: only the finished bytes tell whether it failed.
    const QByteArray bytes = encoder.encode(text);
    Q_UNUSED(bytes);
    return !encoder.hasError();
}

QValidator::State CodePageValidator::validate(QString &input, int &position) const
{
    Q_UNUSED(position);
    return fitsCodePage(input) ? Acceptable : Invalid;
}

} // namespace krugovik
