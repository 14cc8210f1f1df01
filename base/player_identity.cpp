#include "base/player_identity.h"

#include <charconv>
#include <vector>

#include "base/player_record.h"
#include "common/windows1251.h"

namespace krugovik {
namespace {

constexpr char kSeparator = '\t';
constexpr std::size_t kFieldCount = 7;

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(kSeparator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

// A field of digits, or an empty one for 0; false for anything else.
template <typename Int> bool readNumber(std::string_view text, Int &value)
{
    value = 0;
    if (text.empty())
        return true;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

// Tabs and line ends would break the line the field stands in.
std::string cleanField(std::string text)
{
    for (char &c : text)
        if (c == kSeparator || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

std::string numberField(std::int64_t value)
{
    return value == 0 ? std::string() : std::to_string(value);
}

} // namespace

bool isBirthDay(std::string_view text)
{
    auto digits = [&](std::size_t at, int &value) {
        return std::from_chars(text.data() + at, text.data() + at + 2, value).ptr ==
               text.data() + at + 2;
    };
    int month = 0;
    int day = 0;
    return text.size() == 5 && text[2] == '/' && digits(0, month) && digits(3, day) &&
           month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

PlayerIdentity identityFromList(const ListPlayer &player, ListKind kind)
{
    PlayerIdentity identity;
    identity.fideId = player.fideId;
    identity.nationalId = player.nationalId;
    identity.federation = player.federation;
    identity.title = knownTitle(player.title);
    identity.sex = player.sex;
    identity.birthYear = player.birthYear;
    // A federation's rating is no FIDE rating, whatever its size.
    identity.fideRating = kind == ListKind::Fide ? player.rating : 0;
    identity.listK = identity.fideRating > 0 ? player.k : 0;
    return identity;
}

std::string identityFields(const PlayerIdentity &identity)
{
    std::string line = numberField(identity.fideId);
    line.append(1, kSeparator).append(cleanField(identity.nationalId));
    line.append(1, kSeparator).append(cleanField(identity.federation));
    line.append(1, kSeparator).append(cleanField(identity.title));
    line.append(1, kSeparator).append(identity.sex ? std::string(1, identity.sex) : "");
    line.append(1, kSeparator).append(numberField(identity.birthYear));
    line.append(1, kSeparator).append(numberField(identity.fideRating));
    // Only a whole date or a K adds a field, so that identities without them stay as they were.
    if (!identity.birthDay.empty() || identity.listK > 0)
        line.append(1, kSeparator).append(cleanField(identity.birthDay));
    if (identity.listK > 0)
        line.append(1, kSeparator).append(numberField(identity.listK));
    return line;
}

bool readIdentityFields(std::string_view text, PlayerIdentity &identity)
{
    const std::vector<std::string_view> fields = splitFields(text);
    if (fields.size() < kFieldCount || fields.size() > kFieldCount + 2)
        return false;
    PlayerIdentity read;
    if (fields.size() > kFieldCount) {
        // The birth day stands empty only to make room for a K after it.
        const std::string_view day = fields[kFieldCount];
        if (day.empty() ? fields.size() == kFieldCount + 1 : !isBirthDay(day))
            return false;
        read.birthDay = day;
    }
    if (fields.size() > kFieldCount + 1 &&
        (!readNumber(fields[kFieldCount + 1], read.listK) || read.listK == 0))
        return false;
    if (!readNumber(fields[0], read.fideId) || !readNumber(fields[5], read.birthYear) ||
        !readNumber(fields[6], read.fideRating))
        return false;
    read.nationalId = fields[1];
    read.federation = fields[2];
    read.title = fields[3];
    if (fields[4] == "M" || fields[4] == "F")
        read.sex = fields[4][0];
    else if (!fields[4].empty())
        return false;
    identity = read;
    return true;
}

std::string writeIdentityTable(const NamedIdentities &table)
{
    std::string out(kIdentityFileHeader);
    out += '\n';
    for (const auto &[recordNo, entry] : table) {
        if (entry.identity.empty())
            continue;
        out += std::to_string(recordNo) + kSeparator + cleanField(entry.name) + kSeparator +
               identityFields(entry.identity) + '\n';
    }
    return out;
}

NamedIdentities readIdentityTable(std::string_view bytes, bool *unnamed)
{
    NamedIdentities table;
    std::size_t start = 0;
    bool first = true;
    bool named = true;
    if (unnamed)
        *unnamed = false;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            if (line == kUnnamedIdentityFileHeader)
                named = false;
            else if (line != kIdentityFileHeader)
                return {};
            if (unnamed)
                *unnamed = !named;
            first = false;
            continue;
        }
        std::size_t tab = line.find(kSeparator);
        std::int64_t recordNo = 0;
        if (tab == std::string_view::npos || !readNumber(line.substr(0, tab), recordNo) ||
            recordNo < 1)
            continue;
        NamedIdentity entry;
        if (named) {
            const std::size_t nameEnd = line.find(kSeparator, tab + 1);
            if (nameEnd == std::string_view::npos)
                continue;
            entry.name = line.substr(tab + 1, nameEnd - tab - 1);
            // A name is what made the entry usable: one without it belongs to nobody.
            if (entry.name.empty())
                continue;
            tab = nameEnd;
        }
        if (!readIdentityFields(line.substr(tab + 1), entry.identity))
            continue;
        table[recordNo] = entry;
    }
    return table;
}

std::string identityName(std::string_view recordName)
{
    return cleanField(fromWindows1251(trimBlanks(recordName)));
}

NamedIdentities belongingIdentities(const NamedIdentities &stored, std::string_view base)
{
    NamedIdentities belonging;
    for (const auto &[recordNo, entry] : stored) {
        const auto offset = std::uint64_t(recordNo - 1) * kRecordLength;
        if (offset >= base.size() || entry.identity.empty())
            continue;
        const std::string name =
            identityName(decodeRecord(base.substr(std::size_t(offset), kRecordLength)).name);
        if (name.empty() || (!entry.name.empty() && entry.name != name))
            continue;
        belonging[recordNo] = {name, entry.identity};
    }
    return belonging;
}

IdentityTable identityTable(const NamedIdentities &named)
{
    IdentityTable table;
    for (const auto &[recordNo, entry] : named)
        table[recordNo] = entry.identity;
    return table;
}

} // namespace krugovik
