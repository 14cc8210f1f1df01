#include "base/list_readers.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace krugovik {
namespace {

constexpr std::array<std::string_view, 8> kKnownTitles = {"GM",  "IM",  "FM",  "CM",
                                                          "WGM", "WIM", "WFM", "WCM"};

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

// Digits only, or nothing for 0; false for anything else.
template <typename Int> bool readCount(std::string_view text, Int &value)
{
    value = 0;
    text = trimmed(text);
    if (text.empty())
        return true;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

// A year in a cell: "1990", or the year of a date "1990-05-01", "01.05.1990"; 0 for an
// empty cell or FIDE's "0" and "0000"; false when no year stands there.
bool readYear(std::string_view text, int &year)
{
    year = 0;
    text = trimmed(text);
    // FIDE writes 0 or 0000 for a year it does not know.
    if (text.find_first_not_of('0') == std::string_view::npos)
        return true;
    for (std::size_t i = 0; i + 4 <= text.size(); ++i) {
        const std::string_view run = text.substr(i, 4);
        const bool digits =
            std::all_of(run.begin(), run.end(), [](char c) { return c >= '0' && c <= '9'; });
        const bool alone = (i == 0 || text[i - 1] < '0' || text[i - 1] > '9') &&
                           (i + 4 == text.size() || text[i + 4] < '0' || text[i + 4] > '9');
        if (digits && alone) {
            std::from_chars(run.data(), run.data() + 4, year);
            return true;
        }
    }
    return false;
}

bool isMonthHeading(std::string_view heading)
{
    // The standard, rapid and blitz lists name their rating column after the month:
    // "DEC26", "Mar11", "sep09".
    static constexpr std::array<std::string_view, 12> kMonths = {
        "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const std::string text = upper(heading);
    return text.size() == 5 &&
           std::find(kMonths.begin(), kMonths.end(), std::string_view(text).substr(0, 3)) !=
               kMonths.end() &&
           std::all_of(text.begin() + 3, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Every heading FIDE's TXT lists have had, in capitals, those read and those passed over;
// the lists before 2012 run some together ("TitlFed", "GamesBorn").
constexpr std::array<std::string_view, 27> kHeadings = {
    "ID",    "NAME",  "FED",  "SEX",    "TIT",   "TITL", "TITLE", "WTIT", "OTIT",
    "FOA",   "SRTNG", "RTNG", "RATING", "SGM",   "SK",   "RRTNG", "RGM",  "RK",
    "BRTNG", "BGM",   "BK",   "GMS",    "GAMES", "K",    "B-DAY", "BORN", "FLAG"};

bool isHeading(std::string_view word)
{
    const std::string text = upper(word);
    return isMonthHeading(text) ||
           std::find(kHeadings.begin(), kHeadings.end(), text) != kHeadings.end();
}

// The headings a word of the header line is made of, as lengths: the word itself when it is
// one, else the known headings it runs together; nothing when it is neither.
std::vector<std::size_t> headingsIn(std::string_view word)
{
    if (isHeading(word))
        return {word.size()};
    for (std::size_t length = word.size() - 1; length > 0; --length) {
        if (!isHeading(word.substr(0, length)))
            continue;
        std::vector<std::size_t> rest = headingsIn(word.substr(length));
        if (rest.empty())
            continue;
        rest.insert(rest.begin(), length);
        return rest;
    }
    return {};
}

// A title of the lists before 2012: "g", "wg", "m", "wm", "f", "wf", "c", "wc".
std::string oldTitle(std::string_view code)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kCodes = {{
        {"g", "GM"},
        {"wg", "WGM"},
        {"m", "IM"},
        {"wm", "WIM"},
        {"f", "FM"},
        {"wf", "WFM"},
        {"c", "CM"},
        {"wc", "WCM"},
    }};
    for (const auto &[old, title] : kCodes)
        if (code == old)
            return std::string(title);
    return std::string(code);
}

bool validUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t more = 0;
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + more >= bytes.size() && more > 0)
            return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += more + 1;
    }
    return true;
}

// Spellings of one Russian sound brought to one form, longest first, in both the list's
// Latin and the transliterated Cyrillic.
struct Respelling {
    std::string_view from;
    std::string_view to;
};
constexpr std::array<Respelling, 19> kRespellings = {{{"shch", "s"},
                                                      {"zh", "z"},
                                                      {"kh", "h"},
                                                      {"ts", "c"},
                                                      {"ch", "c"},
                                                      {"sh", "s"},
                                                      {"yu", "u"},
                                                      {"iu", "u"},
                                                      {"ju", "u"},
                                                      {"ya", "a"},
                                                      {"ia", "a"},
                                                      {"ja", "a"},
                                                      {"yo", "e"},
                                                      {"ye", "e"},
                                                      {"x", "ks"},
                                                      {"w", "v"},
                                                      {"y", "i"},
                                                      {"j", "i"},
                                                      {"ii", "i"}}};

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string respell(std::string_view word)
{
    std::string out;
    out.reserve(word.size() + 2);
    std::size_t i = 0;
    while (i < word.size()) {
        bool done = false;
        for (const Respelling &r : kRespellings) {
            if (word.substr(i, r.from.size()) == r.from) {
                out += r.to;
                i += r.from.size();
                done = true;
                break;
            }
        }
        if (!done)
            out += word[i++];
        // "ii" may arise only now, from "y" or "j" after "i".
        if (out.size() >= 2 && out[out.size() - 1] == 'i' && out[out.size() - 2] == 'i')
            out.pop_back();
    }
    return out;
}

std::string latinLower(std::string_view utf8)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        // Most of FIDE's 1.6 million names: what the transliterator would give, at once.
        std::string out(utf8);
        for (char &c : out)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        return out;
    }
    // A transliterator is costly to build: one per thread, kept.
    thread_local std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            "Any-Latin; Latin-ASCII; Lower", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    icu::UnicodeString text =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), std::int32_t(utf8.size())));
    text.findAndReplace(icu::UnicodeString(u"ё"), icu::UnicodeString(u"е"));
    text.findAndReplace(icu::UnicodeString(u"Ё"), icu::UnicodeString(u"Е"));
    if (transliterator)
        transliterator->transliterate(text);
    std::string out;
    text.toUTF8String(out);
    return out;
}

} // namespace

std::string knownTitle(std::string_view titles)
{
    std::size_t start = 0;
    while (start < titles.size()) {
        const std::size_t end = std::min(titles.find_first_of(" ,;/", start), titles.size());
        const std::string word = upper(titles.substr(start, end - start));
        for (std::string_view title : kKnownTitles)
            if (word == title)
                return word;
        start = end + 1;
    }
    return {};
}

char readSex(std::string_view text)
{
    text = trimmed(text);
    if (text == "M" || text == "m" || text == "М" || text == "м")
        return 'M';
    if (text == "F" || text == "f" || text == "W" || text == "w" || text == "Ж" || text == "ж")
        return 'F';
    return 0;
}

std::string asUtf8(std::string_view bytes)
{
    if (validUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (byte >> 6));
            out += char(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string listSearchKey(std::string_view utf8)
{
    const std::string latin = latinLower(utf8);
    std::string key;
    key.reserve(latin.size());
    std::size_t i = 0;
    while (i < latin.size()) {
        while (i < latin.size() && !isAsciiAlnum(latin[i]))
            ++i;
        std::size_t end = i;
        while (end < latin.size() && isAsciiAlnum(latin[end]))
            ++end;
        if (end > i) {
            if (!key.empty())
                key += ' ';
            key += respell(std::string_view(latin).substr(i, end - i));
        }
        i = end;
    }
    return key;
}

std::optional<FideTxtLayout> FideTxtLayout::fromHeader(std::string_view header,
                                                       std::vector<std::string> *missing)
{
    struct Heading {
        std::string_view text;
        std::size_t begin;
    };
    std::vector<Heading> headings;
    std::size_t i = 0;
    while (i < header.size()) {
        while (i < header.size() && (header[i] == ' ' || header[i] == '\r' || header[i] == '\t'))
            ++i;
        std::size_t end = i;
        while (end < header.size() && header[end] != ' ' && header[end] != '\r' &&
               header[end] != '\t')
            ++end;
        if (end > i) {
            const std::string_view word = header.substr(i, end - i);
            // "ID Number" is one heading of two words.
            if (upper(word) == "NUMBER" && !headings.empty() &&
                upper(headings.back().text) == "ID") {
                headings.back().text =
                    header.substr(headings.back().begin, end - headings.back().begin);
            } else {
                std::size_t at = i;
                const std::vector<std::size_t> parts = headingsIn(word);
                for (std::size_t length : parts) {
                    headings.push_back({header.substr(at, length), at});
                    at += length;
                }
                if (parts.empty())
                    headings.push_back({word, i});
            }
        }
        i = end;
    }
    FideTxtLayout layout;
    for (std::size_t h = 0; h < headings.size(); ++h) {
        const std::string heading = upper(headings[h].text);
        int field = -1;
        if (heading == "ID NUMBER" || heading == "ID")
            field = Id;
        else if (heading == "NAME")
            field = Name;
        else if (heading == "FED")
            field = Fed;
        else if (heading == "SEX")
            field = Sex;
        else if (heading == "TIT" || heading == "TITL" || heading == "TITLE")
            field = Title;
        else if (heading == "WTIT")
            field = WomanTitle;
        else if (heading == "SRTNG" || heading == "RTNG" || heading == "RATING" ||
                 isMonthHeading(heading))
            field = Rating;
        else if (heading == "B-DAY" || heading == "BDAY" || heading == "BORN")
            field = BirthYear;
        else if (heading == "FLAG")
            field = Flag;
        else if (heading == "SK" || heading == "K")
            field = KFactor;
        if (field < 0 || layout.m_columns[std::size_t(field)].begin != std::string_view::npos)
            continue;
        layout.m_columns[std::size_t(field)] = {headings[h].begin, h + 1 < headings.size()
                                                                       ? headings[h + 1].begin
                                                                       : std::string_view::npos};
    }
    // Every layout FIDE has used has these: a list without one of them is read wrong.
    static constexpr std::array<std::pair<Field, std::string_view>, 6> kNeeded = {{
        {Id, "ID Number"},
        {Name, "Name"},
        {Fed, "Fed"},
        {Title, "Tit"},
        {Rating, "SRtng"},
        {BirthYear, "B-day"},
    }};
    bool complete = true;
    for (const auto &[field, shown] : kNeeded) {
        if (layout.m_columns[field].begin != std::string_view::npos)
            continue;
        complete = false;
        if (missing)
            missing->emplace_back(shown);
    }
    if (!complete)
        return std::nullopt;
    return layout;
}

std::optional<ListPlayer> FideTxtLayout::read(std::string_view line) const
{
    const auto field = [&](Field f) -> std::string_view {
        const Column &c = m_columns[f];
        if (c.begin == std::string_view::npos || c.begin >= line.size())
            return {};
        return trimmed(
            line.substr(c.begin, c.end == std::string_view::npos ? c.end : c.end - c.begin));
    };
    ListPlayer player;
    const std::string_view id = field(Id);
    if (id.empty() || !readCount(id, player.fideId) || player.fideId == 0)
        return std::nullopt;
    player.name = asUtf8(field(Name));
    if (player.name.empty())
        return std::nullopt;
    if (!readCount(field(Rating), player.rating) || !readYear(field(BirthYear), player.birthYear))
        return std::nullopt;
    // A K that is no number tells nothing; the player is read without it.
    if (!readCount(field(KFactor), player.k))
        player.k = 0;
    player.federation = upper(field(Fed));
    player.sex = readSex(field(Sex));
    // Before 2012 the flag told a woman ("w", "wi"); every other player is a man.
    if (m_columns[Sex].begin == std::string_view::npos &&
        m_columns[Flag].begin != std::string_view::npos)
        player.sex = field(Flag).find('w') != std::string_view::npos ? 'F' : 'M';
    // An open title first; a woman's title when she has none. Unknown ones are left out.
    player.title = knownTitle(oldTitle(field(Title)) + ' ' + std::string(field(WomanTitle)));
    return player;
}

char guessCsvSeparator(std::string_view firstLine)
{
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> separators = {';', ',', '\t'};
    bool quoted = false;
    for (char c : firstLine) {
        if (c == '"')
            quoted = !quoted;
        for (std::size_t s = 0; s < separators.size(); ++s)
            if (!quoted && c == separators[s])
                ++counts[s];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ';' : separators[std::size_t(most - counts.begin())];
}

std::vector<std::string> splitCsvLine(std::string_view line, char separator)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    for (std::string &cell : cells)
        cell = std::string(trimmed(cell));
    return cells;
}

CsvColumns guessCsvColumns(const std::vector<std::string> &header, char separator)
{
    CsvColumns columns;
    columns.separator = separator;
    struct Name {
        CsvField field;
        std::string_view text;
    };
    static constexpr std::array<Name, 24> names = {{
        {CsvField::Name, "name"},
        {CsvField::Name, "фио"},
        {CsvField::Name, "имя"},
        {CsvField::Name, "фамилия имя"},
        {CsvField::Rating, "rating"},
        {CsvField::Rating, "рейтинг"},
        {CsvField::Rating, "rtng"},
        {CsvField::FideId, "fide id"},
        {CsvField::FideId, "fideid"},
        {CsvField::FideId, "fide"},
        {CsvField::NationalId, "id"},
        {CsvField::NationalId, "national id"},
        {CsvField::NationalId, "код"},
        {CsvField::NationalId, "id фшр"},
        {CsvField::Federation, "fed"},
        {CsvField::Federation, "federation"},
        {CsvField::Federation, "федерация"},
        {CsvField::Title, "title"},
        {CsvField::Title, "звание"},
        {CsvField::Sex, "sex"},
        {CsvField::Sex, "пол"},
        {CsvField::BirthYear, "birth year"},
        {CsvField::BirthYear, "год рождения"},
        {CsvField::BirthYear, "born"},
    }};
    for (std::size_t c = 0; c < header.size(); ++c) {
        std::string cell;
        icu::UnicodeString::fromUTF8(header[c]).toLower().toUTF8String(cell);
        for (const Name &name : names)
            if (cell == name.text && columns[name.field] < 0)
                columns[name.field] = int(c);
    }
    return columns;
}

std::optional<ListPlayer> readCsvPlayer(const std::vector<std::string> &cells,
                                        const CsvColumns &columns)
{
    const auto cell = [&](CsvField field) -> std::string_view {
        const int c = columns[field];
        return c >= 0 && std::size_t(c) < cells.size() ? std::string_view(cells[std::size_t(c)])
                                                       : std::string_view();
    };
    ListPlayer player;
    player.name = asUtf8(cell(CsvField::Name));
    if (player.name.empty() || !readCount(cell(CsvField::Rating), player.rating) ||
        !readCount(cell(CsvField::FideId), player.fideId) ||
        !readYear(cell(CsvField::BirthYear), player.birthYear))
        return std::nullopt;
    player.nationalId = asUtf8(cell(CsvField::NationalId));
    player.federation = upper(cell(CsvField::Federation));
    player.title = knownTitle(cell(CsvField::Title));
    player.sex = readSex(cell(CsvField::Sex));
    return player;
}

} // namespace krugovik
