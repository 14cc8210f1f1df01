#include "ui/table_texts.h"

#include "common/number_text.h"
#include "rounds/berger_schedule.h"

namespace krugovik {
namespace {

std::string playerText(int row, const std::string &name)
{
    return name.empty() ? std::to_string(row) : std::to_string(row) + ' ' + name;
}

} // namespace

std::string headerCaption(const Tournament &t, int column)
{
    switch (column) {
    case 0:
        return "№";
    case 1:
        return "Участники";
    case 2:
        return "R";
    case 3:
        return t.correctionHeader() ? "Корр." : "R нов.";
    case 4:
        switch (t.resultHeader()) {
        case ResultHeader::Points:
            return "Очков";
        case ResultHeader::Berger:
            return "Бергер";
        case ResultHeader::Result:
            break;
        }
        return "Результат";
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
    return name.empty() ? std::string("(выб.)") : name + " (выб.)";
}

std::string notCountedReason(const Tournament &t, const GameKey &key)
{
    for (const int p : {key.player, key.opponent}) {
        if (t.gamesVoided(p))
            return "Партия не учитывается: игрок " + playerText(p, t.name(p)) +
                   " выбыл после тура " + std::to_string(t.withdrawnAfter(p)) +
                   ", сыграв меньше половины партий";
    }
    return {};
}

std::string removalQuestion(const std::vector<Tournament::RemovedPlayer> &removed)
{
    std::string text;
    for (const Tournament::RemovedPlayer &p : removed) {
        text += text.empty() ? "Игрок " : "; игрок ";
        text += playerText(p.row, p.name) + " и его " +
                countedNoun(p.results, "результат", "результата", "результатов");
    }
    return text + " будут убраны из турнира. Продолжить?";
}

std::string withdrawalOutsideText(const Tournament &t, int row, int count, int cycles)
{
    return "Игрок " + playerText(row, t.name(row)) + " выбыл после тура " +
           std::to_string(t.withdrawnAfter(row)) + ", а в турнире из " + std::to_string(count) +
           " игроков (циклов: " + std::to_string(cycles) + ") будет всего " +
           std::to_string(roundCount(count) * cycles) +
           " туров. Сначала верните игрока в турнир («Вернуть в турнир») или назначьте "
           "более ранний тур.";
}

std::string roundTitle(const Tournament &t)
{
    if (t.roundNo() == 0)
        return "Жеребьёвка";
    // Two blanks before the number: the second is where a minus sign would stand.
    return "Жеребьёвка " + formatDisplay(std::int64_t(t.roundNo())) + " тур.";
}

std::string freePlayerText(const Tournament &t)
{
    return t.freePlayer() == 0 ? std::string() : "Отдыхает: " + t.name(t.freePlayer());
}

} // namespace krugovik
