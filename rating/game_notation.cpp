#include "rating/game_notation.h"

#include <array>
#include <cstddef>

namespace krugovik {
namespace {

// Everything the system knows of a game's state, in one place.
struct Notation {
    GameState state;            // the state this row describes
    std::string_view cell;      // crosstable cell text
    std::string_view caption;   // result box, this side named first
    GameState mirror;           // the opponent's side
    GameState next;             // the entry cycle
    bool rated;                 // counts for ratings and corrections
    std::int64_t ratedUnits;    // rated points, ten-thousandths
    std::int64_t standingUnits; // standings points, ten-thousandths
    int bergerHalves;           // share of the opponent's points, in halves
};

using enum GameState;

// Rows in the order of the enumeration, so that a state is its own index.
constexpr std::array<Notation, 6> kNotations = {{
    {None, "", "", None, Win, false, 0, 0, 0},
    {Win, "1", "1:0", Loss, Loss, true, 10000, 10000, 2},
    {Loss, "0", "0:1", Win, Draw, true, 0, 0, 0},
    {Draw, "0.5", "0,5-0,5", Draw, ForfeitWin, true, 5000, 5000, 1},
    {ForfeitWin, "+", "+ -", ForfeitLoss, ForfeitLoss, false, 0, 10000, 2},
    {ForfeitLoss, "-", "- +", ForfeitWin, None, false, 0, 0, 0},
}};

constexpr bool rowsFollowTheEnumeration()
{
    for (std::size_t i = 0; i < kNotations.size(); ++i) {
        if (static_cast<std::size_t>(kNotations[i].state) != i)
            return false;
    }
    return true;
}
static_assert(rowsFollowTheEnumeration());

const Notation &notation(GameState state)
{
    const auto index = static_cast<std::size_t>(state);
    // A value cast from outside the enumeration reads as an empty cell.
    return index < kNotations.size() ? kNotations[index] : kNotations[0];
}

} // namespace

std::string_view cellText(GameState state)
{
    return notation(state).cell;
}
GameState mirrored(GameState state)
{
    return notation(state).mirror;
}
std::string_view caption(GameState firstNamedSide)
{
    return notation(firstNamedSide).caption;
}
GameState nextInCycle(GameState state)
{
    return notation(state).next;
}
bool isRated(GameState state)
{
    return notation(state).rated;
}
Fixed ratedPoints(GameState state)
{
    return Fixed::fromUnits(notation(state).ratedUnits);
}
Fixed standingPoints(GameState state)
{
    return Fixed::fromUnits(notation(state).standingUnits);
}
int bergerHalves(GameState state)
{
    return notation(state).bergerHalves;
}

std::optional<GameState> stateFromCellText(std::string_view text)
{
    for (const Notation &n : kNotations) {
        if (n.cell == text)
            return n.state;
    }
    return std::nullopt;
}

std::optional<GameState> stateFromCaption(std::string_view caption)
{
    for (const Notation &n : kNotations) {
        if (n.caption == caption)
            return n.state;
    }
    return std::nullopt;
}

} // namespace krugovik
