#include "rating/game_records.h"

namespace krugovik {
namespace {
bool isPlayer(int n)
{
    return n >= 1 && n <= kMaxTablePlayers;
}
} // namespace

GameState GameRecords::state(int i, int j) const
{
    if (!isPlayer(i) || !isPlayer(j))
        return GameState::None;
    return stateFromCellText(results[i][j]).value_or(GameState::None);
}

void GameRecords::clear()
{
    *this = GameRecords{};
}

void recordGame(GameRecords &records, int p, int q, GameState stateOfP, std::int64_t ratingOfQ,
                std::int64_t ratingOfP)
{
    if (!isPlayer(p) || !isPlayer(q) || p == q)
        return;
    const GameState stateOfQ = mirrored(stateOfP);
    const bool rated = isRated(stateOfP);
    records.points[p][q] = ratedPoints(stateOfP);
    records.points[q][p] = ratedPoints(stateOfQ);
    records.played[p][q] = records.played[q][p] = rated ? 1 : 0;
    records.opponentRating[p][q] = rated ? ratingOfQ : 0;
    records.opponentRating[q][p] = rated ? ratingOfP : 0;
    records.results[p][q] = std::string(cellText(stateOfP));
    records.results[q][p] = std::string(cellText(stateOfQ));
}

} // namespace krugovik
