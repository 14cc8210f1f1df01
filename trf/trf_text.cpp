#include "trf/trf_text.h"

#include <algorithm>

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include "common/texts.h"

namespace krugovik {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

TrfText decodeTrf(std::string_view bytes)
{
    TrfText out;
    const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (marked)
        bytes.remove_prefix(kByteOrderMark.size());
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        out.utf8 = std::string(bytes);
        out.encoding = marked ? TrfEncoding::Utf8WithBom : TrfEncoding::Ascii;
        return out;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(view);
    if (!utf8.hasError()) {
        out.utf8 = std::string(bytes);
        out.encoding = marked ? TrfEncoding::Utf8WithBom : TrfEncoding::Utf8;
        return out;
    }
    QStringDecoder western("windows-1252");
    out.utf8 = QString(western.decode(view)).toStdString();
    out.encoding = TrfEncoding::Windows1252;
    return out;
}

std::vector<std::string_view> trfLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string encodingName(TrfEncoding encoding)
{
    switch (encoding) {
    case TrfEncoding::Ascii:
        return translated("Trf", "ASCII", "an encoding of a TRF");
    case TrfEncoding::Utf8:
        return translated("Trf", "UTF-8", "an encoding of a TRF");
    case TrfEncoding::Utf8WithBom:
        return translated("Trf", "UTF-8 с меткой порядка байтов (BOM)", "an encoding of a TRF");
    case TrfEncoding::Windows1252:
        return translated("Trf", "Windows-1252 (Latin-1), так как файл — не UTF-8",
                          "an encoding of a TRF");
    }
    return {};
}

TrfColumns::TrfColumns(std::string_view line) : m_line(line)
{
    for (std::size_t k = 0; k < line.size(); ++k) {
        if (!isContinuation(line[k]))
            m_starts.push_back(k);
    }
}

std::string TrfColumns::field(std::size_t column, std::size_t width) const
{
    std::string text;
    for (std::size_t k = column - 1; k < column - 1 + width; ++k) {
        if (k >= m_starts.size()) {
            text.push_back(' ');
            continue;
        }
        const std::size_t end = k + 1 < m_starts.size() ? m_starts[k + 1] : m_line.size();
        text.append(m_line.substr(m_starts[k], end - m_starts[k]));
    }
    return text;
}

std::string TrfColumns::replaced(std::size_t column, std::size_t width, std::string_view text) const
{
    const std::size_t chars = std::max(m_starts.size(), column - 1 + width);
    std::string out = field(1, column - 1);
    out += text;
    if (chars > column - 1 + width)
        out += field(column + width, chars - (column - 1 + width));
    return out;
}

} // namespace krugovik
