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

    const PlayerIdentity karpov{4100018, "", "RUS", "GM", 'M', 1951, 2617, {}, 0};
    ASSERT_EQ(base.appendWithIdentity(record("Karpov, Anatoly", "2617"), karpov), 2);
    const QByteArray after = readFile(QStringLiteral("BASE.DAT"));
    ASSERT_EQ(after.size(), 58);
    EXPECT_EQ(after.left(29), before);
    EXPECT_EQ(after.mid(29), QByteArray("Karpov, Anatoly         2617 "));
    EXPECT_EQ(readFile(QStringLiteral("BASE.ID")),
              QByteArray("KRUGOVIK-ID 2\n2\tKarpov, Anatoly\t4100018\t\tRUS\tGM\tM\t1951\t2617\n"));

    EXPECT_EQ(base.identity(2), karpov);
    EXPECT_TRUE(base.identity(1).empty());
    EXPECT_EQ(base.findIdentity(4100018, ""), 2);
    EXPECT_EQ(base.findIdentity(0, "777"), 0);
    const PlayerIdentity petrov{0, "777", "RUS", "", 'M', 2009, 0, {}, 0};
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
    ASSERT_EQ(base.appendWithIdentity(record("Petrov", "1700"), {0, "777", "", "", 0, 0, 0, {}, 0}),
              1);
    const QByteArray dat = readFile(QStringLiteral("BASE.DAT"));
    const QByteArray id = readFile(QStringLiteral("BASE.ID"));
    QLockFile other(QStringLiteral("BASE.DAT") + BaseFile::kLockSuffix);
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_FALSE(base.writeIdentity(1, {4100018, "", "", "", 0, 0, 0, {}, 0}));
    EXPECT_EQ(
        base.appendWithIdentity(record("Karpov", "2617"), {4100018, "", "", "", 0, 0, 0, {}, 0}),
        0);
    EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), dat);
    EXPECT_EQ(readFile(QStringLiteral("BASE.ID")), id);
}

TEST_F(BaseIdentityTest, AnOlderCopyOfTheBaseGivesNoIdentityToTheNextPlayer)
{
    BaseFile base;
    ASSERT_TRUE(base.open());
    ASSERT_EQ(base.append(record("Petrov", "1700")), 1);
    const QByteArray older = readFile(QStringLiteral("BASE.DAT"));
    const PlayerIdentity carlsen{1503014, "", "NOR", "GM", 'M', 1990, 2830, {}, 0};
    ASSERT_EQ(base.appendWithIdentity(record("Carlsen, Magnus", "2830"), carlsen), 2);
    ASSERT_EQ(base.identity(2), carlsen);

    // The director puts back yesterday's copy of the base and adds a player.
    writeFile(QStringLiteral("BASE.DAT"), older);
    EXPECT_TRUE(base.identity(2).empty());
    ASSERT_EQ(base.append(record("Ivanov, Ivan", "1600")), 2);
    EXPECT_TRUE(base.identity(2).empty());
    EXPECT_TRUE(base.identities().empty());
    EXPECT_EQ(base.findIdentity(1503014, ""), 0);
    // Carlsen's line goes at the next write.
    ASSERT_TRUE(base.writeIdentity(1, {0, "777", "RUS", "", 'M', 2009, 0, {}, 0}));
    EXPECT_EQ(readFile(QStringLiteral("BASE.ID")),
              QByteArray("KRUGOVIK-ID 2\n1\tPetrov\t\t777\tRUS\t\tM\t2009\t\n"));

    // A name typed over a record parts it from its identity too.
    ASSERT_TRUE(base.write(1, record("Sidorov", "1700")));
    EXPECT_TRUE(base.identity(1).empty());
    EXPECT_EQ(base.findIdentity(0, "777"), 0);
}

TEST_F(BaseIdentityTest, AFileOfTheFirstFormatIsNamedAtTheFirstOpening)
{
    // Written by the program before identities kept their names: Karpov at record 2, and a
    // line for a record the base does not hold.
    writeFile(QStringLiteral("BASE.DAT"),
              "Petrov                  1700 Karpov, Anatoly         2617 ");
    writeFile(QStringLiteral("BASE.ID"), "KRUGOVIK-ID 1\n"
                                         "2\t4100018\t\tRUS\tGM\tM\t1951\t2617\n"
                                         "5\t1503014\t\tNOR\tGM\tM\t1990\t2830\n");
    const PlayerIdentity karpov{4100018, "", "RUS", "GM", 'M', 1951, 2617, {}, 0};
    {
        // Read only: taken as it is, the file left alone.
        BaseFile readOnly;
        ASSERT_TRUE(readOnly.open(QStringLiteral("BASE.DAT"), QStringLiteral("no")));
        EXPECT_EQ(readOnly.identity(2), karpov);
        EXPECT_TRUE(readFile(QStringLiteral("BASE.ID")).startsWith("KRUGOVIK-ID 1\n"));
    }
    BaseFile base;
    ASSERT_TRUE(base.open());
    EXPECT_EQ(readFile(QStringLiteral("BASE.ID")),
              QByteArray("KRUGOVIK-ID 2\n2\tKarpov, Anatoly\t4100018\t\tRUS\tGM\tM\t1951\t2617\n"));
    EXPECT_EQ(base.identity(2), karpov);
    // From now on the identity is Karpov's alone.
    writeFile(QStringLiteral("BASE.DAT"),
              "Petrov                  1700 Ivanov, Ivan            1600 ");
    EXPECT_TRUE(base.identity(2).empty());
}
