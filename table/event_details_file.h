#pragma once

// The event's details in the tournament file's extension: one line per field the director
// filled, after the other sections, each beginning with the word EVENT:
//
//     EVENT TITLE text        the event's title
//     EVENT PLACE text        the town or the hall
//     EVENT FEDERATION RUS    three capital Latin letters
//     EVENT ORGANISER text
//     EVENT START 2026-12-01  the first day
//     EVENT END 2026-12-07    the last day
//     EVENT ROUND r date      the day of round r of the whole event, one line per round
//     EVENT ARBITER text      the chief arbiter
//     EVENT DEPUTY text       his deputy
//     EVENT TIMECONTROL text  as the director writes it
//     EVENT KIND STANDARD|RAPID|BLITZ
//
// Fields come in this order, each at most once (ROUND once per round, rounds rising). A
// text is its UTF-8 bytes with every byte outside '!'..'~', and '%' itself, written as
// '%' and two capital hex digits, so that the file stays ASCII, a blank at either end
// survives the reader's trimming, and any text reads back exactly.

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/event_details.h"

namespace krugovik {

inline constexpr std::string_view kEventSection = "EVENT";

// Text as the extension writes it, and back; nothing when an escape is broken or a byte
// stands unescaped that the writer escapes.
std::string percentEncoded(std::string_view text);
std::optional<std::string> percentDecoded(std::string_view encoded);

// "YYYY-MM-DD" naming a day of the calendar.
bool isCalendarDate(std::string_view date);
// Three capital Latin letters, as FIDE codes a federation.
bool isFederationCode(std::string_view code);

// The EVENT lines of the details, without line ends; none for empty details. Round dates
// beyond roundLimit are left out: the reader refuses them.
std::vector<std::string> eventDetailsLines(const EventDetails &details,
                                           int roundLimit = std::numeric_limits<int>::max());

// Reads the EVENT lines of one file in order.
class EventDetailsReader {
  public:
    // One line's text after "EVENT ", into details; the director's reason when it does not
    // read, empty otherwise. roundLimit is the event's last round.
    std::string read(std::string_view argument, int roundLimit, EventDetails &details);

  private:
    int m_lastField = 0; // the field read last, in the order above
    int m_lastRound = 0; // the round of the last ROUND line
};

} // namespace krugovik
