// Identities beside the base: BASE.DAT keeps its records byte for byte.
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

#include "base/base_file.h"
#include "support/test_helpers.h"

using namespace krugovik;

class BaseIdentityTest : public testing_support::InTempDir {};

namespace {

PlayerRecord record(const char *name, const char *rate)
{
    PlayerRecord r;
    r.setName(name);
    r.setRate(rate);
    return r;
}

} // namespace

TEST_F(BaseIdentityTest, BaseDatStaysByteForByteAndTheIdentityLivesBeside)
{
    BaseFile base;
    ASSERT_TRUE(base.open());
    ASSERT_EQ(base.append(record("Petrov", "1700")), 1);
    const QByteArray before = readFile(QStringLiteral("BASE.DAT"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("BASE.ID")));

    const PlayerIdentity karpov{4100018, "", "RUS", "GM", 'M', 1951, 2617};
    ASSERT_EQ(base.appendWithIdentity(record("Karpov, Anatoly", "2617"), karpov), 2);
    const QByteArray after = readFile(QStringLiteral("BASE.DAT"));
    ASSERT_EQ(after.size(), 58);
    EXPECT_EQ(after.left(29), before);
    EXPECT_EQ(after.mid(29), QByteArray("Karpov, Anatoly         2617 "));
    EXPECT_EQ(readFile(QStringLiteral("BASE.ID")),
              QByteArray("KRUGOVIK-ID 1\n2\t4100018\t\tRUS\tGM\tM\t1951\t2617\n"));

    EXPECT_EQ(base.identity(2), karpov);
    EXPECT_TRUE(base.identity(1).empty());
    EXPECT_EQ(base.findIdentity(4100018, ""), 2);
    EXPECT_EQ(base.findIdentity(0, "777"), 0);
    const PlayerIdentity petrov{0, "777", "RUS", "", 'M', 2009, 0};
    ASSERT_TRUE(base.writeIdentity(1, petrov));
    EXPECT_EQ(base.findIdentity(0, "777"), 1);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), after);
    // Taking an identity away removes its line.
    ASSERT_TRUE(base.writeIdentity(2, {}));
    EXPECT_EQ(base.identities().size(), 1u);
}

TEST_F(BaseIdentityTest, AnotherProgramsLockLeavesBothFilesAsTheyWere)
{
    BaseFile base;
    ASSERT_TRUE(base.open());
    ASSERT_EQ(base.appendWithIdentity(record("Petrov", "1700"), {0, "777", "", "", 0, 0, 0}), 1);
    const QByteArray dat = readFile(QStringLiteral("BASE.DAT"));
    const QByteArray id = readFile(QStringLiteral("BASE.ID"));
    QLockFile other(QStringLiteral("BASE.DAT") + BaseFile::kLockSuffix);
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_FALSE(base.writeIdentity(1, {4100018, "", "", "", 0, 0, 0}));
    EXPECT_EQ(base.appendWithIdentity(record("Karpov", "2617"), {4100018, "", "", "", 0, 0, 0}), 0);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), dat);
    EXPECT_EQ(readFile(QStringLiteral("BASE.ID")), id);
}
