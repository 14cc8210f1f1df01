#include "common/escaped_field.h"

#include <charconv>

namespace krugovik {
namespace {

constexpr char kEscape = '%';

} // namespace

std::string escapedField(std::string_view field, char separator)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte > 0x7E || c == separator || c == kEscape) {
            out += kEscape;
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

bool unescapedField(std::string_view field, std::string &out)
{
    out.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != kEscape) {
            out += field[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= field.size())
            return false;
        const auto [end, error] =
            std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16);
        if (error != std::errc() || end != field.data() + i + 3)
            return false;
        out += char(value);
        i += 2;
    }
    return true;
}

} // namespace krugovik
