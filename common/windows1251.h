#pragma once

#include <string>
#include <string_view>

namespace krugovik {

// The files of the system hold Windows-1251 bytes; the tournament model holds UTF-8. Both
// conversions are the toolkit's codec, in which every byte has a character (0x98 is
// U+0098), so bytes read are written back unchanged.

// UTF-8 text from Windows-1251 bytes.
std::string fromWindows1251(std::string_view bytes);
// Windows-1251 bytes from UTF-8 text; a character the code page lacks, or a broken
// sequence, becomes the substitute byte 0x1A.
std::string toWindows1251(std::string_view utf8);

} // namespace krugovik
