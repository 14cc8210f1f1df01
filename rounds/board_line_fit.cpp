#include "rounds/board_line_fit.h"

#include <array>

namespace krugovik {
namespace {

const std::u32string kSeparator = U" - ";
constexpr char32_t kEllipsis = U'…';

// The name with `cut` characters left out of its middle.
std::u32string elided(const std::u32string &name, std::size_t cut)
{
    if (cut == 0)
        return name;
    const std::size_t kept = name.size() - cut;
    const std::size_t left = (kept + 1) / 2;
    return name.substr(0, left) + kEllipsis + name.substr(name.size() - (kept - left));
}

} // namespace

BoardLineFit fitBoardLine(const std::u32string &caption, int width, int smallestStep,
                          const TextWidth &widthOf)
{
    for (int step = 0; step <= smallestStep; ++step) {
        if (widthOf(caption, step) <= width)
            return {caption, step};
    }
    const std::size_t blank = caption.find(U' ');
    const std::size_t namesStart = blank == std::u32string::npos ? caption.size() : blank + 1;
    const std::u32string prefix = caption.substr(0, namesStart);
    const std::u32string names = caption.substr(namesStart);
    const std::size_t separator = names.find(kSeparator);
    const bool twoNames = separator != std::u32string::npos;
    const std::array<std::u32string, 2> name = {
        twoNames ? names.substr(0, separator) : names,
        twoNames ? names.substr(separator + kSeparator.size()) : std::u32string()};
    std::array<std::size_t, 2> cut = {0, 0};

    BoardLineFit fit{caption, smallestStep};
    for (;;) {
        const std::size_t left0 = name[0].size() - cut[0];
        const std::size_t left1 = name[1].size() - cut[1];
        if (left0 <= 1 && left1 <= 1)
            return fit;
        // The longer name gives up a character; on a tie the first.
        ++cut[left1 > left0 ? 1 : 0];
        fit.text = prefix + elided(name[0], cut[0]) +
                   (twoNames ? kSeparator + elided(name[1], cut[1]) : std::u32string());
        if (widthOf(fit.text, smallestStep) <= width)
            return fit;
    }
}

} // namespace krugovik
