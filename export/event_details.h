#pragma once

#include <string>
#include <vector>

namespace krugovik {

// The kind of play the time control makes the event.
enum class EventKind { Unknown, Standard, Rapid, Blitz };

// What the director tells of the event. Every field may be empty: sheets then fall back to
// the tournament file's name. Texts are UTF-8; dates are "YYYY-MM-DD" or empty.
struct EventDetails {
    std::string title;
    std::string place;
    std::string federation; // three letters, FIDE's code
    std::string organiser;
    std::string startDate;
    std::string endDate;
    std::vector<std::string> roundDates; // per round, counted through all cycles
    std::string chiefArbiter;
    std::string deputyArbiter;
    std::string timeControl; // as the director writes it, "90 мин + 30 сек"
    EventKind kind = EventKind::Unknown;

    bool empty() const { return *this == EventDetails{}; }
    bool operator==(const EventDetails &) const = default;
};

} // namespace krugovik
