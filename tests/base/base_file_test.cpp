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
