#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace krugovik {

// How the bytes of a TRF were taken as text.
enum class TrfEncoding {
    Ascii,       // every byte below 0x80: the same in any of the others
    Utf8,        // valid UTF-8
    Utf8WithBom, // valid UTF-8 after a byte-order mark
    Windows1252, // not UTF-8: read as Western European (Latin-1 with Windows' additions)
};

// A TRF's bytes as UTF-8 text, and the encoding they were taken in.
struct TrfText {
    std::string utf8;
    TrfEncoding encoding = TrfEncoding::Ascii;
};

// Bytes to text, once, at the edge: a byte-order mark is dropped, UTF-8 is checked, and
// anything else is read as Windows-1252, which has a character for every byte.
TrfText decodeTrf(std::string_view bytes);

// The lines of a text, each without its end: CR LF, LF or a lone CR ends a line. A last
// line without an end is a line; an end at the very end opens none.
std::vector<std::string_view> trfLines(std::string_view text);

// The encoding in the director's words ("UTF-8", "Windows-1252 (Latin-1)").
std::string encodingName(TrfEncoding encoding);

// A line of UTF-8 text whose columns are characters, counted from 1 as the format counts.
class TrfColumns {
  public:
    explicit TrfColumns(std::string_view line);
    // How many characters the line has.
    std::size_t size() const { return m_starts.size(); }
    // The characters from `column`, `width` of them, with blanks for those past the end.
    std::string field(std::size_t column, std::size_t width) const;
    // The line with `width` characters from `column` replaced by `text` (as many
    // characters); blanks are added first where the line is shorter.
    std::string replaced(std::size_t column, std::size_t width, std::string_view text) const;

  private:
    std::string_view m_line;
    std::vector<std::size_t> m_starts; // byte offset of each character
};

} // namespace krugovik
