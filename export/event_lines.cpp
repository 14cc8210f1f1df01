#include "export/event_lines.h"

#include <utility>

#include "common/texts.h"

namespace krugovik {

std::string sheetTitle(const TournamentSnapshot &snapshot)
{
    return snapshot.event.title.empty() ? snapshot.name : snapshot.event.title;
}

std::string displayDate(std::string_view isoDate)
{
    if (isoDate.size() != 10 || isoDate[4] != '-' || isoDate[7] != '-')
        return std::string(isoDate);
    return std::string(isoDate.substr(8, 2)) + '.' + std::string(isoDate.substr(5, 2)) + '.' +
           std::string(isoDate.substr(0, 4));
}

std::string kindName(EventKind kind)
{
    switch (kind) {
    case EventKind::Standard:
        return translated("EventLines", "классический", "rate of play");
    case EventKind::Rapid:
        return translated("EventLines", "быстрый", "rate of play");
    case EventKind::Blitz:
        return translated("EventLines", "блиц", "rate of play");
    case EventKind::Unknown:
        break;
    }
    return {};
}

std::vector<EventLine> eventLines(const EventDetails &details)
{
    std::vector<EventLine> lines;
    const auto add = [&](std::string label, const std::string &value) {
        if (!value.empty())
            lines.push_back({std::move(label), value});
    };
    add(translated("EventLines", "Место проведения"), details.place);
    add(translated("EventLines", "Федерация"), details.federation);
    add(translated("EventLines", "Организатор"), details.organiser);
    const std::string start = displayDate(details.startDate);
    const std::string end = displayDate(details.endDate);
    const std::string dates = translated("EventLines", "Сроки", "the event's first and last day");
    if (!start.empty() && !end.empty() && start != end)
        add(dates, start + " – " + end);
    else
        add(dates, start.empty() ? end : start);
    add(translated("EventLines", "Главный судья"), details.chiefArbiter);
    add(translated("EventLines", "Заместитель главного судьи"), details.deputyArbiter);
    add(translated("EventLines", "Контроль времени"), details.timeControl);
    add(translated("EventLines", "Вид турнира"), kindName(details.kind));
    return lines;
}

} // namespace krugovik
