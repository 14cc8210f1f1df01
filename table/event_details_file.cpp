#include "table/event_details_file.h"

#include <array>
#include <charconv>

#include "common/texts.h"

namespace krugovik {
namespace {

// The fields in file order; ROUND stands for every round's line.
enum class Field {
    None,
    Title,
    Place,
    Federation,
    Organiser,
    Start,
    End,
    Round,
    Arbiter,
    Deputy,
    TimeControl,
    Kind
};

struct FieldName {
    Field field;
    std::string_view word;
};

constexpr std::array<FieldName, 11> kFields = {{
    {Field::Title, "TITLE"},
    {Field::Place, "PLACE"},
    {Field::Federation, "FEDERATION"},
    {Field::Organiser, "ORGANISER"},
    {Field::Start, "START"},
    {Field::End, "END"},
    {Field::Round, "ROUND"},
    {Field::Arbiter, "ARBITER"},
    {Field::Deputy, "DEPUTY"},
    {Field::TimeControl, "TIMECONTROL"},
    {Field::Kind, "KIND"},
}};

struct KindName {
    EventKind kind;
    std::string_view word;
};

constexpr std::array<KindName, 3> kKinds = {{
    {EventKind::Standard, "STANDARD"},
    {EventKind::Rapid, "RAPID"},
    {EventKind::Blitz, "BLITZ"},
}};

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool keptAsIs(unsigned char byte)
{
    return byte >= '!' && byte <= '~' && byte != '%';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing
// beyond U+10FFFF.
bool isUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++at;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (at + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        at += length;
    }
    return true;
}

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc() ||
        end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string_view wordOf(Field field)
{
    for (const FieldName &name : kFields) {
        if (name.field == field)
            return name.word;
    }
    return {};
}

} // namespace

std::string percentEncoded(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptAsIs(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> percentDecoded(std::string_view encoded)
{
    std::string out;
    for (std::size_t at = 0; at < encoded.size(); ++at) {
        const char c = encoded[at];
        if (c != '%') {
            if (!keptAsIs(static_cast<unsigned char>(c)))
                return std::nullopt;
            out += c;
            continue;
        }
        if (at + 2 >= encoded.size())
            return std::nullopt;
        const int high = hexValue(encoded[at + 1]);
        const int low = hexValue(encoded[at + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return out;
}

bool isCalendarDate(std::string_view date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    const std::optional<int> year = wholeNumber(date.substr(0, 4));
    const std::optional<int> month = wholeNumber(date.substr(5, 2));
    const std::optional<int> day = wholeNumber(date.substr(8, 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1)
        return false;
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    const int days = kDays[std::size_t(*month - 1)] + (*month == 2 && leap ? 1 : 0);
    return *day <= days;
}

bool isFederationCode(std::string_view code)
{
    if (code.size() != 3)
        return false;
    for (const char c : code) {
        if (c < 'A' || c > 'Z')
            return false;
    }
    return true;
}

std::vector<std::string> eventDetailsLines(const EventDetails &details, int roundLimit)
{
    std::vector<std::string> lines;
    const auto add = [&](Field field, const std::string &value) {
        if (!value.empty())
            lines.push_back(std::string(kEventSection) + ' ' + std::string(wordOf(field)) + ' ' +
                            value);
    };
    add(Field::Title, percentEncoded(details.title));
    add(Field::Place, percentEncoded(details.place));
    add(Field::Federation, details.federation);
    add(Field::Organiser, percentEncoded(details.organiser));
    add(Field::Start, details.startDate);
    add(Field::End, details.endDate);
    for (std::size_t r = 0; r < details.roundDates.size() && int(r) < roundLimit; ++r) {
        if (!details.roundDates[r].empty())
            add(Field::Round, std::to_string(r + 1) + ' ' + details.roundDates[r]);
    }
    add(Field::Arbiter, percentEncoded(details.chiefArbiter));
    add(Field::Deputy, percentEncoded(details.deputyArbiter));
    add(Field::TimeControl, percentEncoded(details.timeControl));
    for (const KindName &kind : kKinds) {
        if (kind.kind == details.kind)
            add(Field::Kind, std::string(kind.word));
    }
    return lines;
}

std::string EventDetailsReader::read(std::string_view argument, int roundLimit,
                                     EventDetails &details)
{
    const std::size_t blank = argument.find(' ');
    const std::string_view word = argument.substr(0, blank);
    const std::string_view value =
        blank == std::string_view::npos ? std::string_view() : argument.substr(blank + 1);
    const std::string line = std::string(kEventSection) + ' ' + std::string(argument);
    Field field = Field::None;
    for (const FieldName &name : kFields) {
        if (name.word == word)
            field = name.field;
    }
    if (field == Field::None)
        return filled(translated("TournamentFile", "неизвестное сведение о турнире в строке «%1»"),
                      {line});
    const bool again = field == Field::Round && m_lastField == int(Field::Round);
    if (int(field) < m_lastField || (int(field) == m_lastField && !again))
        return filled(translated("TournamentFile", "строка «%1» не на своём месте"), {line});
    m_lastField = int(field);
    const std::string bad =
        filled(translated("TournamentFile", "в строке «%1» неверное значение"), {line});
    if (value.empty())
        return bad;

    switch (field) {
    case Field::Title:
    case Field::Place:
    case Field::Organiser:
    case Field::Arbiter:
    case Field::Deputy:
    case Field::TimeControl: {
        const std::optional<std::string> text = percentDecoded(value);
        if (!text || text->empty() || !isUtf8(*text))
            return bad;
        std::string &target = field == Field::Title       ? details.title
                              : field == Field::Place     ? details.place
                              : field == Field::Organiser ? details.organiser
                              : field == Field::Arbiter   ? details.chiefArbiter
                              : field == Field::Deputy    ? details.deputyArbiter
                                                          : details.timeControl;
        target = *text;
        break;
    }
    case Field::Federation:
        if (!isFederationCode(value))
            return bad;
        details.federation = std::string(value);
        break;
    case Field::Start:
    case Field::End:
        if (!isCalendarDate(value))
            return bad;
        (field == Field::Start ? details.startDate : details.endDate) = std::string(value);
        break;
    case Field::Round: {
        const std::size_t gap = value.find(' ');
        const std::optional<int> round =
            gap == std::string_view::npos ? std::nullopt : wholeNumber(value.substr(0, gap));
        if (!round || *round < 1 || *round > roundLimit || *round <= m_lastRound ||
            !isCalendarDate(value.substr(gap + 1)))
            return bad;
        m_lastRound = *round;
        details.roundDates.resize(std::size_t(*round));
        details.roundDates.back() = std::string(value.substr(gap + 1));
        break;
    }
    case Field::Kind: {
        bool known = false;
        for (const KindName &kind : kKinds) {
            if (kind.word == value) {
                details.kind = kind.kind;
                known = true;
            }
        }
        if (!known)
            return bad;
        break;
    }
    case Field::None:
        break;
    }
    return {};
}

} // namespace krugovik
