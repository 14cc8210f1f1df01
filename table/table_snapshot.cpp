#include "table/table_snapshot.h"

#include <tuple>

namespace krugovik {
namespace {

bool sameGames(const GameRecords &a, const GameRecords &b)
{
    return a.results == b.results && a.points == b.points && a.played == b.played &&
           a.opponentRating == b.opponentRating;
}

auto fields(const TableSnapshot &s)
{
    return std::tie(s.rows, s.columns, s.cells, s.baseRecordNo, s.correctionMark,
                    s.ratingCorrection, s.missingRatingNote, s.roundNo, s.boardLines, s.resultBoxes,
                    s.freePlayer, s.saveEnabled, s.writeBackEnabled, s.gridRow, s.gridCol,
                    s.cellText);
}

} // namespace

bool TableSnapshot::operator==(const TableSnapshot &other) const
{
    return fields(*this) == fields(other) && sameGames(games, other.games);
}

} // namespace krugovik
