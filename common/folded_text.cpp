#include "common/folded_text.h"

#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include "common/windows1251.h"

namespace krugovik {
namespace {

constexpr const char *kFoldTransform = "NFD; [:Nonspacing Mark:] Remove; NFC; Latin-ASCII";
constexpr char kSubstitute = '\x1A';

bool fits(const std::string &utf8)
{
    if (utf8.empty())
        return false;
    const std::string bytes = toWindows1251(utf8);
    return bytes.find(kSubstitute) == std::string::npos ||
           utf8.find(kSubstitute) != std::string::npos;
}

} // namespace

FoldedText foldToCodePage(std::string_view utf8)
{
    FoldedText folded;
    const icu::UnicodeString text =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), int32_t(utf8.size())));
    UErrorCode status = U_ZERO_ERROR;
    // Made on first need: most names hold nothing to fold.
    std::unique_ptr<icu::Transliterator> transform;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const icu::UnicodeString one(text.char32At(i));
        std::string character;
        one.toUTF8String(character);
        if (fits(character)) {
            folded.text += character;
            continue;
        }
        if (!transform && U_SUCCESS(status))
            transform.reset(icu::Transliterator::createInstance(
                icu::UnicodeString::fromUTF8(kFoldTransform), UTRANS_FORWARD, status));
        std::string base;
        if (transform && U_SUCCESS(status)) {
            icu::UnicodeString changed = one;
            transform->transliterate(changed);
            changed.toUTF8String(base);
        }
        if (fits(base)) {
            folded.text += base;
            folded.replaced.push_back({character, base});
        } else {
            folded.refused.push_back(character);
        }
    }
    return folded;
}

} // namespace krugovik
