#include "export/event_lines.h"

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
        return "классический";
    case EventKind::Rapid:
        return "быстрый";
    case EventKind::Blitz:
        return "блиц";
    case EventKind::Unknown:
        break;
    }
    return {};
}

std::vector<EventLine> eventLines(const EventDetails &details)
{
    std::vector<EventLine> lines;
    const auto add = [&](const char *label, const std::string &value) {
        if (!value.empty())
            lines.push_back({label, value});
    };
    add("Место проведения", details.place);
    add("Федерация", details.federation);
    add("Организатор", details.organiser);
    const std::string start = displayDate(details.startDate);
    const std::string end = displayDate(details.endDate);
    if (!start.empty() && !end.empty() && start != end)
        add("Сроки", start + " – " + end);
    else
        add("Сроки", start.empty() ? end : start);
    add("Главный судья", details.chiefArbiter);
    add("Заместитель главного судьи", details.deputyArbiter);
    add("Контроль времени", details.timeControl);
    add("Вид турнира", kindName(details.kind));
    return lines;
}

} // namespace krugovik
