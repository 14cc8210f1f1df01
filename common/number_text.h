#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/fixed_point.h"

namespace krugovik {

// Reading follows one rule everywhere: the number spelled by the text's leading part,
// blanks skipped wherever they stand, an optional leading sign, a point as the decimal
// separator; reading stops at the first character that cannot continue the number, and
// no number gives 0. Texts are UTF-8; any non-ASCII character stops the reading.

// The number rounded to four decimals, halves to even.
Fixed readFixed(std::string_view text);
// The number rounded to an integer, halves to even.
std::int64_t readInteger(std::string_view text);

// Plain digits with a minus sign when negative: "1550", "-5".
std::string formatPlain(std::int64_t value);
// Display form: a blank (or a minus sign), no trailing zeros, no zero before the point:
// " 0", " 1.5", " .5", "-.25", " 30".
std::string formatDisplay(Fixed value);
std::string formatDisplay(std::int64_t value);

// A number for people to read, in the one form of each language: `separator` between the
// whole and the fraction (',' in Russian, '.' in English), a zero before it and no trailing
// zeros: "2,5", "0,5", "-0,25", "3". Files other programs read keep their own forms.
std::string decimalText(Fixed value, char separator);
// The separator of the program's language for such numbers: ',' in Russian, '.' with the
// English texts loaded.
char decimalSeparator();

// A count of players in words: "1 игрок", "3 игрока", "8 игроков", "22 игрока"; in the
// loaded translation's words when there is one ("8 players").
std::string playerCountText(int count);
// The same after «для» or «меньше»: "4 игроков", "21 игрока".
std::string playersForText(int count);
// The count with the Russian noun's form for it: 1 партия, 3 партии, 5 партий.
std::string countedNoun(int count, const char *one, const char *few, const char *many);

} // namespace krugovik
