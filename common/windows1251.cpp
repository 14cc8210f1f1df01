#include "common/windows1251.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace krugovik {
namespace {

// The characters of bytes 0x80 to 0xFF; the bytes below are ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};
// 0xC0 to 0xFF are А..я, U+0410 to U+044F, in order; they are filled in by the lookup.
constexpr char16_t kCapitalA = 0x0410;
constexpr unsigned char kFirstLetter = 0xC0;
constexpr char kSubstitute = '\x1A';

char16_t characterOf(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= kFirstLetter)
        return char16_t(kCapitalA + (byte - kFirstLetter));
    return kUpperHalf[byte - 0x80];
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

char byteOf(char32_t c)
{
    if (c < 0x80)
        return char(c);
    if (c >= kCapitalA && c < kCapitalA + 64)
        return char(kFirstLetter + (c - kCapitalA));
    for (std::size_t k = 0; k < kUpperHalf.size(); ++k) {
        if (kUpperHalf[k] == c)
            return char(0x80 + k);
    }
    return kSubstitute;
}

// The next character of UTF-8 text, or nothing for a broken sequence, which is skipped
// one byte at a time.
bool nextCharacter(std::string_view text, std::size_t &at, char32_t &c)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 1;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        length = 3;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        length = 4;
    } else {
        ++at;
        return false;
    }
    if (at + std::size_t(length) > text.size()) {
        ++at;
        return false;
    }
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + std::size_t(k)]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return false;
        }
        c = (c << 6) | (next & 0x3F);
    }
    at += std::size_t(length);
    return true;
}

} // namespace

std::string fromWindows1251(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char b : bytes)
        appendUtf8(text, characterOf(static_cast<unsigned char>(b)));
    return text;
}

std::string toWindows1251(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t c = 0;
        bytes += nextCharacter(utf8, at, c) ? byteOf(c) : kSubstitute;
    }
    return bytes;
}

} // namespace krugovik
