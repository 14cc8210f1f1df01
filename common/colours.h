#pragma once

#include <QColor>
#include <cstdint>

namespace krugovik {

// Colours are kept as &HBBGGRR values: red in the low byte. The value with the top
// bit set stands for the system's window background.
using ColourCode = std::uint32_t;

inline constexpr ColourCode kWindowBackground = 0x80000005; // ordinary cells
inline constexpr ColourCode kEstimateColour = 0xC0FFFF;     // rating that is an initial estimate
inline constexpr ColourCode kDiagonalGrey = 0x808080;       // a player's game against himself
inline constexpr ColourCode kFirstNamedMark = 0xFFFFC0;     // first-named side of a shown game
inline constexpr ColourCode kSecondNamedMark = 0xC0C000;    // second-named side of a shown game
inline constexpr ColourCode kNotCountedGrey = 0xD8D8D8;     // a game FIDE's rule does not count

// The screen colour of a code; the system colour comes from the application palette.
QColor toQColor(ColourCode code);

} // namespace krugovik
