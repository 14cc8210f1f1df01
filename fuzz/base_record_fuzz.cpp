// Any bytes as a base record: fields always keep their widths and a record written
// from what was read is the bytes read, blank-padded to a whole record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/player_record.h"

using namespace krugovik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const PlayerRecord record = decodeRecord(bytes);
    if (record.name.size() != kNameWidth || record.rate.size() != kRateWidth ||
        record.nr.size() != kNrWidth)
        std::abort();
    const RecordBytes encoded = encodeRecord(record);
    const std::string expected = storeFixedWidth(bytes, kRecordLength);
    if (std::string(encoded.data(), encoded.size()) != expected)
        std::abort();
    if (recordCountForLength(std::int64_t(size)) < 1)
        std::abort();
    (void)trimBlanks(bytes);
    return 0;
}
