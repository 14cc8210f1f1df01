#include "ui/table_texts.h"

#include "common/number_text.h"
#include "common/texts.h"
#include "rounds/berger_schedule.h"
#include "rounds/round_names.h"

namespace krugovik {
namespace {

std::string playerText(int row, const std::string &name)
{
    return name.empty() ? std::to_string(row) : std::to_string(row) + ' ' + name;
}

} // namespace

std::string headerCaption(const TablePicture &picture, int column)
{
    switch (column) {
    case 0:
        return translated("TableTexts", "№", "crosstable caption: the row number");
    case 1:
        return translated("TableTexts", "Участники", "crosstable caption: the names");
    case 2:
        return "R";
    case 3:
        return picture.correctionHeader()
                   ? translated("TableTexts", "Корр.", "crosstable caption: rating correction")
                   : translated("TableTexts", "R нов.", "crosstable caption: new rating");
    case 4:
        switch (picture.resultHeader()) {
        case ResultHeader::Points:
            return translated("TableTexts", "Очков", "crosstable caption: points");
        case ResultHeader::Berger:
            return translated("TableTexts", "Бергер", "crosstable caption: Berger coefficient");
        case ResultHeader::Result:
            break;
        }
        return translated("TableTexts", "Результат", "crosstable caption: the result");
    default:
        return {};
    }
}

std::string nameCellText(const Tournament &t, int row)
{
    const std::string &name = t.name(row);
    if (row < 1 || row > t.playerCount() || t.withdrawnAfter(row) == 0)
        return name;
    // A form that suits both sexes.
    return name.empty() ? translated("TableTexts", "(выб.)", "mark of a withdrawn player")
                        : filled(translated("TableTexts", "%1 (выб.)",
                                            "a withdrawn player's name with its mark"),
                                 {name});
}

std::string notCountedReason(const Tournament &t, const GameKey &key)
{
    for (const int p : {key.player, key.opponent}) {
        if (t.gamesVoided(p))
            return filled(translated("TableTexts",
                                     "Партия не учитывается: игрок %1 выбыл после тура %2, "
                                     "сыграв меньше половины партий"),
                          {playerText(p, t.name(p)), std::to_string(t.withdrawnAfter(p))});
    }
    return {};
}

std::string removalQuestion(const std::vector<Tournament::RemovedPlayer> &removed)
{
    std::string text;
    for (const Tournament::RemovedPlayer &p : removed) {
        const std::string results =
            countedText(translated("TableTexts", "%n результатов", nullptr, p.results), p.results,
                        "результат", "результата", "результатов");
        // The first player begins the sentence, the others follow in the same list; a
        // player without results is named alone.
        if (p.results == 0)
            text += filled(text.empty() ? translated("TableTexts", "Игрок %1")
                                        : translated("TableTexts", "; игрок %1",
                                                     "a further player in the same list"),
                           {playerText(p.row, p.name)});
        else
            text += filled(text.empty() ? translated("TableTexts", "Игрок %1 и его %2")
                                        : translated("TableTexts", "; игрок %1 и его %2",
                                                     "a further player in the same list"),
                           {playerText(p.row, p.name), results});
    }
    return filled(translated("TableTexts", "%1 будут убраны из турнира. Продолжить?",
                             "%1 lists the players and their results"),
                  {text});
}

std::string lowestCountText(int count)
{
    return filled(translated("TableTexts", "Меньше %1 нельзя: столько было в файле при открытии."),
                  {playersForText(count)});
}

std::string withdrawalOutsideText(const Tournament &t, int row, int count, int cycles)
{
    return filled(
        translated("TableTexts", "Игрок %1 выбыл после тура %2, а в турнире из %3 игроков (циклов: "
                                 "%4) будет всего %5 туров. Сначала верните игрока в турнир "
                                 "(«Вернуть в турнир») или назначьте более ранний тур."),
        {playerText(row, t.name(row)), std::to_string(t.withdrawnAfter(row)), std::to_string(count),
         std::to_string(cycles), std::to_string(roundCount(count) * cycles)});
}

std::string roundTitle(const TablePicture &picture)
{
    if (picture.roundNo() == 0)
        return translated("TableTexts", "Жеребьёвка", "title of the round display");
    // Two blanks before the number: the second is where a minus sign would stand.
    return filled(translated("TableTexts", "Жеребьёвка %1 тур.",
                             "%1 is the round number with a blank before it"),
                  {formatDisplay(std::int64_t(picture.roundNo()))});
}

std::string freePlayerText(const TablePicture &picture)
{
    return picture.freePlayer() == 0
               ? std::string()
               : filled(translated("TableTexts", "Отдыхает: %1", "the player who has a bye"),
                        {picture.event().name(picture.freePlayer())});
}

std::string headerRoundTip(const TableGeometry &grid, int column)
{
    if (!grid.isGameColumn(column) || roundCount(grid.players) == 0)
        return {};
    const int round = grid.roundOfHeader(column);
    if (grid.cycles > 1 && round == 0)
        return filled(translated("Rounds", "%1-й цикл: тура с этим номером нет"),
                      {std::to_string(grid.cycleOf(column) + 1)});
    // The empty round of an even count: its header shows a round without games.
    if (grid.cycles == 1 && round > roundCount(grid.players))
        return filled(translated("Rounds", "Тур %1: в расписании нет партий"),
                      {std::to_string(round)});
    return roundName(grid.players, grid.cycles, round);
}

} // namespace krugovik
