#pragma once

#include <string>
#include <string_view>

namespace krugovik {

// A field of a line of the tournament file's extension, which is ASCII and splits its
// fields by a separator: bytes outside '!'..'~', the separator and '%' are written as %XX.
std::string escapedField(std::string_view field, char separator);
// Reads such a field back; false when a %XX is cut short or no hex number.
bool unescapedField(std::string_view field, std::string &out);

} // namespace krugovik
