#pragma once

// The director's words for what the tournament holds: the marks and tooltips of the
// crosstable and the questions and refusals about the number of players.

#include <string>
#include <vector>

#include "table/tournament.h"
#include "ui/table_geometry.h"
#include "ui/table_picture.h"

namespace krugovik {

// The caption of a header cell of columns 0 to 4: «№», «Участники», «R», «R нов.» or
// «Корр.», «Результат», «Очков» or «Бергер».
std::string headerCaption(const TablePicture &picture, int column);
// The name cell: the name, and «(выб.)» after it for a player who left.
std::string nameCellText(const Tournament &t, int row);
// Why a game cell does not count, or empty when it does.
std::string notCountedReason(const Tournament &t, const GameKey &key);
// The tooltip of a game column's header: the round it selects and its cycle.
std::string headerRoundTip(const TableGeometry &grid, int column);
// The round display's title: «Жеребьёвка» before a round is chosen, then «Жеребьёвка  N тур.».
std::string roundTitle(const TablePicture &picture);
// «Отдыхает: NAME» under the boards, or empty when nobody sits out the shown round.
std::string freePlayerText(const TablePicture &picture);
// The question before a lower count removes players that hold a name or a result.
std::string removalQuestion(const std::vector<Tournament::RemovedPlayer> &removed);
// Why the count arrows stop above three: the count the file held when it was opened.
std::string lowestCountText(int count);
// Why a change to `count` players and `cycles` cycles is refused: the row's withdrawal
// round would lie outside the event.
std::string withdrawalOutsideText(const Tournament &t, int row, int count, int cycles);

} // namespace krugovik
