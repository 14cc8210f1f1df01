#include "base/player_record.h"

#include <algorithm>

namespace krugovik {

std::string storeFixedWidth(std::string_view text, std::size_t width)
{
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

std::string trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

ChangedFields changedFields(const PlayerRecord &shown, const PlayerRecord &edited)
{
    ChangedFields changed;
    changed.name = shown.name != edited.name;
    changed.rate = shown.rate != edited.rate;
    changed.nr = changed.rate || shown.nr != edited.nr;
    return changed;
}

PlayerRecord mergeRecord(const PlayerRecord &stored, const PlayerRecord &edited,
                         ChangedFields changed)
{
    PlayerRecord merged = stored;
    if (changed.name)
        merged.name = edited.name;
    if (changed.rate)
        merged.rate = edited.rate;
    if (changed.nr)
        merged.nr = edited.nr;
    return merged;
}

RecordBytes encodeRecord(const PlayerRecord &record)
{
    RecordBytes bytes;
    bytes.fill(' ');
    const std::string name = storeFixedWidth(record.name, kNameWidth);
    const std::string rate = storeFixedWidth(record.rate, kRateWidth);
    const std::string nr = storeFixedWidth(record.nr, kNrWidth);
    std::copy(name.begin(), name.end(), bytes.begin() + kNameOffset);
    std::copy(rate.begin(), rate.end(), bytes.begin() + kRateOffset);
    std::copy(nr.begin(), nr.end(), bytes.begin() + kNrOffset);
    return bytes;
}

PlayerRecord decodeRecord(std::string_view bytes)
{
    const std::string full = storeFixedWidth(bytes, kRecordLength);
    PlayerRecord record;
    record.setName(std::string_view(full).substr(kNameOffset, kNameWidth));
    record.setRate(std::string_view(full).substr(kRateOffset, kRateWidth));
    record.setNr(std::string_view(full).substr(kNrOffset, kNrWidth));
    return record;
}

std::int64_t recordCountForLength(std::int64_t fileLength)
{
    // 29 is odd, so a length never lies exactly halfway between two counts.
    const std::int64_t length = static_cast<std::int64_t>(kRecordLength);
    // Divided first, so that no length can overflow the rounding.
    const std::int64_t count = fileLength / length + (fileLength % length > length / 2 ? 1 : 0);
    return std::max<std::int64_t>(count, 1);
}

} // namespace krugovik
