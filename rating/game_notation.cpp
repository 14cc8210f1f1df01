#include "rating/game_notation.h"

#include <array>

namespace krugovik {
namespace {

// Everything the system knows of a game's state, in one place.
struct Notation {
    GameState state;
    std::string_view cell;      // crosstable cell text
    std::string_view caption;   // result box, this side named first
    GameState mirror;           // the opponent's side
    GameState next;             // the entry cycle
    bool rated;                 // counts for ratings and corrections
    std::int64_t ratedUnits;    // rated points, ten-thousandths
    std::int64_t standingUnits; // standings points, ten-thousandths
    int bergerHalves;           // share of the opponent's points, in halves
};

constexpr std::array<Notation, 6> kNotations = {{
    {GameState::None, "", "", GameState::None, GameState::Win, false, 0, 0, 0},
    {GameState::Win, "1", "1:0", GameState::Loss, GameState::Loss, true, 10000, 10000, 2},
    {GameState::Loss, "0", "0:1", GameState::Win, GameState::Draw, true, 0, 0, 0},
    {GameState::Draw, "0.5", "0,5-0,5", GameState::Draw, GameState::ForfeitWin, true, 5000, 5000, 1},
    {GameState::ForfeitWin, "+", "+ -", GameState::ForfeitLoss, GameState::ForfeitLoss, false, 0, 10000, 2},
    {GameState::ForfeitLoss, "-", "- +", GameState::ForfeitWin, GameState::None, false, 0, 0, 0},
}};

const Notation &notation(GameState state)
{
    return kNotations[static_cast<std::size_t>(state)];
}

} // namespace

std::string_view cellText(GameState state) { return notation(state).cell; }
GameState mirrored(GameState state) { return notation(state).mirror; }
std::string_view caption(GameState firstNamedSide) { return notation(firstNamedSide).caption; }
GameState nextInCycle(GameState state) { return notation(state).next; }
bool isRated(GameState state) { return notation(state).rated; }
Fixed ratedPoints(GameState state) { return Fixed::fromUnits(notation(state).ratedUnits); }
Fixed standingPoints(GameState state) { return Fixed::fromUnits(notation(state).standingUnits); }
int bergerHalves(GameState state) { return notation(state).bergerHalves; }

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
