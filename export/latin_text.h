#pragma once

#include <string>
#include <vector>

namespace krugovik {

// ICU's transform from Cyrillic (and any other script) to plain Latin letters.
inline constexpr const char *kLatinTransform = "Russian-Latin/BGN; Any-Latin; Latin-ASCII";

// Each UTF-8 text in Latin letters, every byte ASCII: "Иванов Пётр" → "Ivanov Petr".
// A character the transform leaves outside ASCII becomes '?'.
std::vector<std::string> asciiLatin(const std::vector<std::string> &texts);

} // namespace krugovik
