#include "table/round_dates.h"

#include <chrono>
#include <cstdio>
#include <optional>

#include "table/event_details_file.h"

namespace krugovik {
namespace {

using Days = std::chrono::sys_days;

std::optional<Days> dayOf(const std::string &date)
{
    if (!isCalendarDate(date))
        return std::nullopt;
    const int year = std::stoi(date.substr(0, 4));
    const unsigned month = unsigned(std::stoi(date.substr(5, 2)));
    const unsigned day = unsigned(std::stoi(date.substr(8, 2)));
    return Days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
}

std::string isoOf(Days days)
{
    const std::chrono::year_month_day ymd{days};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()));
    return text;
}

} // namespace

std::vector<std::string> roundDatesContinued(std::vector<std::string> dates, int roundsBefore,
                                             int rounds)
{
    if (roundsBefore < 2 || rounds <= roundsBefore || int(dates.size()) < roundsBefore)
        return dates;
    std::vector<Days> days;
    for (int r = 0; r < roundsBefore; ++r) {
        const std::optional<Days> day = dayOf(dates[std::size_t(r)]);
        if (!day)
            return dates;
        days.push_back(*day);
    }
    const auto step = days[1] - days[0];
    for (std::size_t r = 1; r < days.size(); ++r) {
        if (days[r] - days[r - 1] != step || step.count() <= 0)
            return dates;
    }
    if (int(dates.size()) < rounds)
        dates.resize(std::size_t(rounds));
    for (int r = roundsBefore; r < rounds; ++r) {
        if (dates[std::size_t(r)].empty())
            dates[std::size_t(r)] = isoOf(days.back() + step * (r - roundsBefore + 1));
    }
    return dates;
}

} // namespace krugovik
