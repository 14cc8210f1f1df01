#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "base/base_file.h"
#include "support/test_helpers.h"

using namespace krugovik;
using testing_support::cp1251;

class BaseFileTest : public testing_support::InTempDir {};

TEST_F(BaseFileTest, AMissingBaseIsCreatedEmpty)
{
    BaseFile base;
    ASSERT_TRUE(base.open());
    EXPECT_TRUE(QFile::exists(QStringLiteral("BASE.DAT")));
    EXPECT_EQ(base.length(), 0);
    EXPECT_EQ(base.read(1).name, std::string(24, ' '));
}

TEST_F(BaseFileTest, EachWriteReachesTheFileAtOnce)
{
    BaseFile base;
    ASSERT_TRUE(base.open());
    PlayerRecord record;
    record.setName(cp1251(QStringLiteral("Абрамов")).toStdString());
    record.setRate("1550");
    ASSERT_TRUE(base.write(1, record));
    // Read through a second handle while the base is still open.
    const QByteArray bytes = readFile(QStringLiteral("BASE.DAT"));
    ASSERT_EQ(bytes.size(), 29);
    EXPECT_EQ(quint8(bytes[0]), 0xC0);
    EXPECT_EQ(bytes.mid(24), QByteArray("1550 "));
}

TEST_F(BaseFileTest, WritingNeverDamagesEarlierRecords)
{
    // 44 bytes: a whole record and 15 bytes of a second one.
    const QByteArray first = QByteArray("Petrov") + QByteArray(18, ' ') + "1700 ";
    writeFile(QStringLiteral("BASE.DAT"), first + QByteArray("Sidorov        "));
    BaseFile base;
    ASSERT_TRUE(base.open());
    EXPECT_EQ(base.read(2).name, "Sidorov" + std::string(17, ' '));
    PlayerRecord third;
    third.setName("New");
    ASSERT_TRUE(base.write(3, third));
    const QByteArray bytes = readFile(QStringLiteral("BASE.DAT"));
    ASSERT_EQ(bytes.size(), 87);
    EXPECT_EQ(bytes.left(29), first);
    EXPECT_EQ(bytes.mid(29, 29), QByteArray("Sidorov") + QByteArray(22, ' '));
    EXPECT_EQ(bytes.mid(58, 3), QByteArray("New"));
}

TEST_F(BaseFileTest, ADirectoryInThePlaceOfTheBaseIsReported)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("BASE.DAT")));
    BaseFile base;
    EXPECT_FALSE(base.open());
    EXPECT_FALSE(base.errorText().isEmpty());
    EXPECT_FALSE(base.write(1, PlayerRecord{}));
    EXPECT_EQ(base.read(1).rate, "    ");
}

TEST_F(BaseFileTest, TwoOpenBasesAppendAtTheEndTheFileHasNow)
{
    BaseFile first;
    BaseFile second;
    ASSERT_TRUE(first.open());
    ASSERT_TRUE(second.open());
    PlayerRecord record;
    record.setName("One");
    EXPECT_EQ(first.append(record), 1);
    record.setName("Two");
    EXPECT_EQ(second.append(record), 2);
    record.setName("Three");
    EXPECT_EQ(first.append(record), 3);
    // Each reads what the other wrote, not an old buffer.
    EXPECT_EQ(first.read(2).name.substr(0, 3), "Two");
    EXPECT_EQ(second.read(3).name.substr(0, 5), "Three");
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")).size(), 87);
    EXPECT_FALSE(QFile::exists(QStringLiteral("BASE.DAT.lock")));
}

TEST_F(BaseFileTest, AppendingAfterACutRecordKeepsItsBytes)
{
    // A 15-byte tail counts as a record and is completed; a 14-byte one is written over.
    writeFile(QStringLiteral("BASE.DAT"), QByteArray(29, 'a') + QByteArray(15, 'b'));
    BaseFile base;
    ASSERT_TRUE(base.open());
    PlayerRecord record;
    record.setName("New");
    EXPECT_EQ(base.append(record), 3);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")).mid(29, 29),
              QByteArray(15, 'b') + QByteArray(14, ' '));
    writeFile(QStringLiteral("BASE.DAT"), QByteArray(29, 'a') + QByteArray(14, 'b'));
    ASSERT_TRUE(base.open());
    EXPECT_EQ(base.append(record), 2);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")).size(), 58);
}

TEST_F(BaseFileTest, ABaseThatMayNotBeWrittenIsOpenedForReading)
{
    const QByteArray bytes = QByteArray("Petrov") + QByteArray(18, ' ') + "1700 ";
    writeFile(QStringLiteral("BASE.DAT"), bytes);
    BaseFile base;
    ASSERT_TRUE(base.open(BaseFile::kFileName, QStringLiteral("no permission")));
    EXPECT_TRUE(base.isReadOnly());
    EXPECT_EQ(base.readOnlyReason(), QStringLiteral("no permission"));
    PlayerRecord record = base.read(1);
    EXPECT_EQ(record.rate, "1700");
    // Leaving a record as it was is no change; anything else is refused and said why.
    EXPECT_TRUE(base.write(1, record));
    record.setRate("1800");
    EXPECT_FALSE(base.write(1, record));
    EXPECT_TRUE(base.errorText().contains(QStringLiteral("no permission")));
    EXPECT_FALSE(base.write(2, PlayerRecord{}));
    EXPECT_EQ(base.append(record), 0);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), bytes);
}

TEST_F(BaseFileTest, AMissingBaseThatMayNotBeWrittenCannotBeOpened)
{
    BaseFile base;
    EXPECT_FALSE(base.open(BaseFile::kFileName, QStringLiteral("no permission")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("BASE.DAT")));
    EXPECT_EQ(base.errorText(), QStringLiteral("no permission"));
}
