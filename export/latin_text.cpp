#include "export/latin_text.h"

#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace krugovik {
namespace {

// Leaves ASCII as it is; anything else, one '?' per character.
std::string onlyAscii(const std::string &utf8)
{
    std::string out;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else if (byte >= 0xC0) // the lead byte of a character, its continuations dropped
            out += '?';
    }
    return out;
}

} // namespace

std::vector<std::string> asciiLatin(const std::vector<std::string> &texts)
{
    UErrorCode status = U_ZERO_ERROR;
    // Made once per call: a transliterator is not to be shared between threads.
    const std::unique_ptr<icu::Transliterator> transform(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8(kLatinTransform), UTRANS_FORWARD, status));
    std::vector<std::string> out;
    out.reserve(texts.size());
    for (const std::string &text : texts) {
        std::string latin;
        if (U_SUCCESS(status) && transform) {
            icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
            transform->transliterate(unicode);
            unicode.toUTF8String(latin);
        } else {
            latin = text;
        }
        out.push_back(onlyAscii(latin));
    }
    return out;
}

} // namespace krugovik
