#include "rating/fide_event.h"

namespace krugovik {

std::vector<FideSide> sidesOf(const FideEvent &event, int p)
{
    std::vector<FideSide> sides;
    for (const FideGame &game : event.games) {
        if (game.first == p)
            sides.push_back({game.second, game.kind, game.firstHalfPoints});
        else if (game.second == p)
            sides.push_back(
                {game.first, game.kind,
                 game.kind == FideGameKind::OverTheBoard ? 2 - game.firstHalfPoints : 0});
    }
    return sides;
}

} // namespace krugovik
