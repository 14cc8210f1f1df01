#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace krugovik {

// Field widths and offsets of a BASE.DAT record; texts are Windows-1251 bytes.
inline constexpr std::size_t kNameWidth = 24;
inline constexpr std::size_t kRateWidth = 4;
inline constexpr std::size_t kNrWidth = 1;
inline constexpr std::size_t kNameOffset = 0;
inline constexpr std::size_t kRateOffset = kNameOffset + kNameWidth;
inline constexpr std::size_t kNrOffset = kRateOffset + kRateWidth;
inline constexpr std::size_t kRecordLength = kNrOffset + kNrWidth; // 29

using RecordBytes = std::array<char, kRecordLength>;

// Pads with blanks or cuts to the width, keeping the leading bytes.
std::string storeFixedWidth(std::string_view text, std::size_t width);
// Without leading and trailing blanks.
std::string trimBlanks(std::string_view text);

// One player of the base; every field is always exactly its width.
struct PlayerRecord {
    std::string name = std::string(kNameWidth, ' '); // left-aligned, blank-padded
    std::string rate = std::string(kRateWidth, ' '); // rating digits, blanks when none
    std::string nr = std::string(kNrWidth, ' ');     // "N" for an initial estimate

    void setName(std::string_view text) { name = storeFixedWidth(text, kNameWidth); }
    void setRate(std::string_view text) { rate = storeFixedWidth(text, kRateWidth); }
    void setNr(std::string_view text) { nr = storeFixedWidth(text, kNrWidth); }
};

// The fields of a record the director changed in the editor.
struct ChangedFields {
    bool name = false;
    bool rate = false;
    bool nr = false;
    bool any() const { return name || rate || nr; }
};

// What differs between the record as shown and as the editor holds it now. A changed
// rating takes its flag along: only together do they say what the rating is.
ChangedFields changedFields(const PlayerRecord &shown, const PlayerRecord &edited);
// The record to write over the one the file holds now: the changed fields from edited,
// every other field as stored.
PlayerRecord mergeRecord(const PlayerRecord &stored, const PlayerRecord &edited,
                         ChangedFields changed);

RecordBytes encodeRecord(const PlayerRecord &record);
// Missing bytes (a record cut by the end of the file) read as blanks.
PlayerRecord decodeRecord(std::string_view bytes);

// The number of records the editor browses for a file length: the nearest whole
// number of records, at least 1.
std::int64_t recordCountForLength(std::int64_t fileLength);

} // namespace krugovik
