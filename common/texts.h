#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The program's own words for code that must not depend on Qt. Each is looked up in the
// translation the program loaded, under a context and the Russian text as the key; with no
// translation loaded (Russian, or no application at all) the Russian text itself comes back.
// The translation tools find these calls as they find QCoreApplication::translate.

// Marks a text for the translation tools where it is stored before it is shown, as in a
// table of captions; translated() looks it up when it is used.
#define KRUGOVIK_NOOP(context, source) source

namespace krugovik {

// UTF-8. n >= 0 picks the translation's plural form for n and puts n for %n.
std::string translated(const char *context, const char *source, const char *comment = nullptr,
                       int n = -1);

// The language of the texts the program shows: "ru", or the code the loaded translation gives
// ("en"). Written into the exports that carry it and used to pick the handbook.
std::string programLanguageCode();

// The pattern with %1, %2, ... replaced by the arguments in order; a missing argument
// leaves its marker as it is.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// A count with its noun: the translation's form when one is loaded, otherwise the Russian
// noun's form for the count (1 игрок, 3 игрока, 8 игроков). Called as
//   countedText(translated("Counts", "%n игроков", nullptr, n), n, "игрок", "игрока", "игроков")
// so that the tools see the text; the Russian key is always "%n " followed by the last form.
std::string countedText(const std::string &translation, int count, const char *one,
                        const char *few, const char *many);

} // namespace krugovik
