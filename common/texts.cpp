#include "common/texts.h"

#include <QCoreApplication>

#include "common/number_text.h"

namespace krugovik {

std::string translated(const char *context, const char *source, const char *comment, int n)
{
    return QCoreApplication::translate(context, source, comment, n).toStdString();
}

std::string programLanguageCode()
{
    return translated("Language", "ru", "ISO 639-1 code of the language of this translation");
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = std::size_t(next - '1');
        // Only the markers that have an argument; the arguments are not scanned again.
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            text += *(arguments.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string countedText(const std::string &translation, int count, const char *one,
                        const char *few, const char *many)
{
    // Untranslated, the lookup gives back the Russian key with the count put in.
    if (translation == std::to_string(count) + ' ' + many)
        return countedNoun(count, one, few, many);
    return translation;
}

} // namespace krugovik
