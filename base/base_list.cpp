#include "base/base_list.h"

#include <algorithm>
#include <numeric>

#include "common/texts.h"

namespace krugovik {

std::vector<std::size_t> printOrder(const std::vector<std::int64_t> &ratings)
{
    std::vector<std::size_t> order(ratings.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Stable, as exchanging only strictly smaller neighbours keeps equal ones in place.
    std::stable_sort(order.begin(), order.end(),
                     [&ratings](std::size_t a, std::size_t b) { return ratings[a] > ratings[b]; });
    return order;
}

Sheet playerListSheet(const PlayerListHeading &heading, const std::vector<ListedPlayer> &players)
{
    Sheet sheet;
    sheet.title = heading.club;
    // The list's old title line, without the blanks that centred it on a line printer.
    std::string subtitle = translated("WriteBack", "           CПИСОК ИГРОКОВ И ИХ РЕЙТИНГИ");
    subtitle.erase(0, subtitle.find_first_not_of(' '));
    sheet.subtitle = subtitle;
    if (!heading.tournament.empty())
        sheet.heading.push_back(filled(translated("WriteBack", "Только участники турнира %1",
                                                  "%1: the tournament file's name"),
                                       {heading.tournament}));
    if (!heading.date.empty())
        sheet.heading.push_back(filled(
            translated("Sheets", "По состоянию на %1", "%1: the day printed"), {heading.date}));
    sheet.columns = {{translated("Sheets", "№"), SheetAlign::Right},
                     {translated("Sheets", "Участник"), SheetAlign::Left},
                     {translated("Sheets", "Рейтинг"), SheetAlign::Right}};
    sheet.largestPoints = 12;
    sheet.rowFactor = 1.3;
    std::vector<std::int64_t> ratings;
    for (const ListedPlayer &player : players)
        ratings.push_back(player.rating);
    const std::vector<std::size_t> order = printOrder(ratings);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const ListedPlayer &player = players[order[k]];
        sheet.rows.push_back({std::to_string(k + 1), player.name, std::to_string(player.rating)});
    }
    return sheet;
}

} // namespace krugovik
