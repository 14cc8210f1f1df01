// A base record from any bytes, back to bytes; records with fields of any length; the
// record count for any file length.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/player_record.h"

using namespace krugovik;

namespace {

// Lengths a file can have; far beyond any base.
constexpr std::int64_t kLongestFile = std::int64_t(1) << 62;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkWidths(const PlayerRecord &record)
{
    check(record.name.size() == kNameWidth);
    check(record.rate.size() == kRateWidth);
    check(record.nr.size() == kNrWidth);
}

std::string_view asText(const RecordBytes &bytes)
{
    return std::string_view(bytes.data(), bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // Decoding then encoding gives the record's bytes back; a cut record reads as blanks.
    const PlayerRecord decoded = decodeRecord(bytes);
    checkWidths(decoded);
    const RecordBytes encoded = encodeRecord(decoded);
    check(asText(encoded) == storeFixedWidth(bytes, kRecordLength));
    const PlayerRecord again = decodeRecord(asText(encoded));
    check(again.name == decoded.name && again.rate == decoded.rate && again.nr == decoded.nr);

    FuzzedDataProvider input(data, size);
    // Fields set directly, of any length, are cut or padded when the record is written.
    PlayerRecord loose;
    loose.name = input.ConsumeRandomLengthString(2 * kNameWidth);
    loose.rate = input.ConsumeRandomLengthString(2 * kRateWidth);
    loose.nr = input.ConsumeRandomLengthString(2 * kNrWidth);
    const RecordBytes looseBytes = encodeRecord(loose);
    check(asText(looseBytes) == storeFixedWidth(loose.name, kNameWidth) +
                                    storeFixedWidth(loose.rate, kRateWidth) +
                                    storeFixedWidth(loose.nr, kNrWidth));
    PlayerRecord stored;
    stored.setName(loose.name);
    stored.setRate(loose.rate);
    stored.setNr(loose.nr);
    checkWidths(stored);
    check(encodeRecord(stored) == looseBytes);

    // The nearest whole number of records, at least one.
    const std::int64_t length = input.ConsumeIntegralInRange<std::int64_t>(0, kLongestFile);
    const std::int64_t records = recordCountForLength(length);
    const auto recordLength = static_cast<std::int64_t>(kRecordLength);
    const std::int64_t nearest =
        length / recordLength + (length % recordLength > recordLength / 2 ? 1 : 0);
    check(records == std::max<std::int64_t>(nearest, 1));
    return 0;
}
