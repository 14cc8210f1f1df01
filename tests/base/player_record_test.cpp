#include <gtest/gtest.h>

#include "base/player_record.h"

using namespace krugovik;

TEST(PlayerRecord, FieldsArePaddedOrCutToTheirWidth)
{
    PlayerRecord record;
    record.setName("123456789012345678901234567890");
    record.setRate("1550");
    record.setNr("N");
    const RecordBytes bytes = encodeRecord(record);
    EXPECT_EQ(std::string(bytes.data(), bytes.size()),
              std::string("123456789012345678901234") + "1550" + "N");

    record.setName("");
    record.setRate("15");
    record.setNr("");
    const RecordBytes blanks = encodeRecord(record);
    EXPECT_EQ(std::string(blanks.data(), blanks.size()), std::string(24, ' ') + "15  " + " ");
}

TEST(PlayerRecord, DecodingACutRecordFillsBlanks)
{
    const PlayerRecord record = decodeRecord("Ivanov");
    EXPECT_EQ(record.name, "Ivanov" + std::string(18, ' '));
    EXPECT_EQ(record.rate, "    ");
    EXPECT_EQ(record.nr, " ");
    EXPECT_EQ(decodeRecord(std::string(24, 'x') + "2000N").rate, "2000");
}

TEST(PlayerRecord, TrimRemovesOnlyOuterBlanks)
{
    EXPECT_EQ(trimBlanks("  Ivanov Ivan   "), "Ivanov Ivan");
    EXPECT_EQ(trimBlanks("    "), "");
}

TEST(PlayerRecord, RecordCountIsTheNearestWholeNumberAndAtLeastOne)
{
    EXPECT_EQ(recordCountForLength(0), 1);
    EXPECT_EQ(recordCountForLength(14), 1);
    EXPECT_EQ(recordCountForLength(29), 1);
    EXPECT_EQ(recordCountForLength(43), 1);
    EXPECT_EQ(recordCountForLength(44), 2);
    EXPECT_EQ(recordCountForLength(58), 2);
    EXPECT_EQ(recordCountForLength(29 * 100000), 100000);
}
