#include "rounds/sitting_out.h"

#include <vector>

#include "rounds/berger_schedule.h"

namespace krugovik {

int sittingOut(int playerCount, int round)
{
    if (playerCount % 2 == 0 || round < 1 || round > roundCount(playerCount))
        return 0;
    std::vector<bool> plays(std::size_t(playerCount) + 1, false);
    for (const ScheduledGame &game : bergerSchedule(playerCount)) {
        if (game.round == round) {
            plays[std::size_t(game.firstNamed)] = true;
            plays[std::size_t(game.secondNamed)] = true;
        }
    }
    for (int player = 1; player <= playerCount; ++player) {
        if (!plays[std::size_t(player)])
            return player;
    }
    return 0;
}

} // namespace krugovik
