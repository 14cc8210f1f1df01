#pragma once

// A board line of the round display ("3 Иванов Пётр - Сидорова Анна") that is wider than
// its label is drawn in a smaller font, and if that is not enough, with the middle of the
// longer name left out. The label's caption itself never changes.

#include <functional>
#include <string>

namespace krugovik {

// What to draw.
struct BoardLineFit {
    std::u32string text; // the line, perhaps with "…" inside a name
    int fontStep = 0;    // 0 the label's own font; each step is one size smaller
};

// The width a text takes in the font of a step, in the label's units.
using TextWidth = std::function<int(const std::u32string &text, int fontStep)>;

// The first font step up to `smallestStep` in which the whole caption fits `width`;
// otherwise, in the smallest step, the caption with the longer name elided in the
// middle, a character at a time, until it fits (or no name has more than one
// character left). The caption is the board number, a blank, the first name, " - "
// and the second name; without " - " everything after the number is one name.
BoardLineFit fitBoardLine(const std::u32string &caption, int width, int smallestStep,
                          const TextWidth &widthOf);

} // namespace krugovik
