#include "common/windows1251.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace krugovik {
namespace {
constexpr const char *kCodePage = "windows-1251";
}

// The toolkit's codec behind a plain interface, so that the model needs no Qt types.
std::string fromWindows1251(std::string_view bytes)
{
    QStringDecoder decoder(kCodePage);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return text.toStdString();
}

std::string toWindows1251(std::string_view utf8)
{
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    return bytes.toStdString();
}

} // namespace krugovik
