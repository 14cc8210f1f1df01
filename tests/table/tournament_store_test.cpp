// The store of one tournament file: what a save reads back before it writes, what it must
// ask first, and the names of the recovery copies.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "common/file_layer.h"
#include "support/test_helpers.h"
#include "table/recovery_rule.h"
#include "table/tournament.h"
#include "table/tournament_store.h"

using namespace krugovik;
using namespace testing_support;

namespace {

const QByteArray kAlpha = threePlayers();
// A withdrawal after round 8 of a three-player, three-round event.
const QByteArray kWithdrawnPastTheEnd =
    threePlayers() + lines({"*KRUGOVIK 2", "WITHDRAWN 2 8", "*END 1"});

struct ReadBackCase {
    const char *name;
    QByteArray bytes;
    bool reads; // the bytes open as the tournament they came from
};

TEST(ReadBackTest, OnlyBytesThatOpenAsTheyWereWrittenPass)
{
    Tournament written;
    written.load(std::string_view(kAlpha.toStdString()));
    const ReadBackCase cases[] = {
        {"an empty table", QByteArray::fromStdString(Tournament().fileBytes()), true},
        {"a tournament as the program writes it", QByteArray::fromStdString(written.fileBytes()),
         true},
        {"not a tournament", "<html>hello</html>", false},
        {"a withdrawal past the end", kWithdrawnPastTheEnd, false},
        {"a count the rows do not fill", lines({" 4 ", "Ivanov", " 1 ", "1500"}), false},
    };
    for (const ReadBackCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readBackProblem(c.bytes.toStdString()).empty(), c.reads)
            << readBackProblem(c.bytes.toStdString());
    }
}

class StoreTest : public InTempDir {
  protected:
    FileLayer files;
    TournamentStore store{&files};
};

TEST_F(StoreTest, BytesThatDoNotReadBackAreRefusedAndTheFileAndTheCopyStay)
{
    writeFile(QStringLiteral("ALPHA.TXT"), kAlpha);
    ASSERT_EQ(store.open(path(QStringLiteral("ALPHA.TXT"))).state,
              TournamentStore::Opening::State::Read);
    ASSERT_EQ(store.writeRecoveryCopy(kAlpha.toStdString() + "work"), QString());
    const TournamentStore::Saved saved = store.save(kWithdrawnPastTheEnd.toStdString());
    EXPECT_FALSE(saved.written);
    EXPECT_FALSE(saved.ownFault.isEmpty());
    EXPECT_TRUE(saved.failure.isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), kAlpha);
    QFile copy(store.recoveryCopyPath());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), kAlpha + "work");
    // Good bytes are written, and the copy goes with the work saved.
    Tournament t;
    t.load(std::string_view(kAlpha.toStdString()));
    EXPECT_TRUE(store.save(t.fileBytes()).written);
    EXPECT_EQ(readFile(QStringLiteral("ALPHA.TXT")), QByteArray::fromStdString(t.fileBytes()));
    EXPECT_FALSE(QFile::exists(store.recoveryCopyPath()));
}

struct OnDiskCase {
    const char *name;
    bool existsAtOpen;
    std::function<void(const QString &)> meanwhile; // what another program does
    bool changed;
};

TEST_F(StoreTest, ASaveKnowsWhenAnotherProgramChangedTheFile)
{
    const auto write = [](const QByteArray &bytes) {
        return [bytes](const QString &file) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
    };
    const OnDiskCase cases[] = {
        {"nothing", true, [](const QString &) {}, false},
        {"the same bytes again", true, write(kAlpha), false},
        {"other bytes", true, write(threePlayers("Betov")), true},
        {"one byte more", true, write(kAlpha + " "), true},
        {"deleted", true, [](const QString &file) { QFile::remove(file); }, false},
        {"created where there was none", false, write(kAlpha), true},
    };
    for (const OnDiskCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(QStringLiteral("ALPHA.TXT"));
        QFile::remove(file);
        if (c.existsAtOpen)
            writeFile(QStringLiteral("ALPHA.TXT"), kAlpha);
        store.open(file);
        EXPECT_FALSE(store.checkSave().changed);
        c.meanwhile(file);
        EXPECT_EQ(store.checkSave().changed, c.changed);
        // What this program saved is what it compares with from then on.
        Tournament t;
        t.load(std::string_view(kAlpha.toStdString()));
        ASSERT_TRUE(store.save(t.fileBytes()).written);
        EXPECT_FALSE(store.checkSave().changed);
    }
}

struct CopyNameCase {
    std::string entry;
    bool ofTheTournament;
};

TEST(RecoveryCopyNameTest, EveryProgramsCopyIsKnownAndNoOtherFile)
{
    const std::string path = "/home/club/KUBOK.TXT";
    const std::string own = recoveryCopyName(path, "KUBOK.TXT", "4242-0a1b2c3d");
    const std::string old = recoveryCopyName(path, "KUBOK.TXT");
    EXPECT_NE(own, old);
    EXPECT_EQ(own.substr(0, 17), old.substr(0, 17)); // the path's hash first
    const std::string hash = old.substr(0, 16);
    const CopyNameCase cases[] = {
        {own, true},
        {old, true},
        {(hash + "-17-KUBOK.TXT"), true},
        {(own + ".lock"), false},
        {(hash + "-17-XKUBOK.TXT"), false},
        {(hash + "-17 KUBOK.TXT"), false},
        {(hash + "-A-KUBOK.TXT"), false},
        {recoveryCopyName("/home/stick/KUBOK.TXT", "KUBOK.TXT", "17"), false},
        {"KUBOK.TXT", false},
    };
    for (const CopyNameCase &c : cases)
        EXPECT_EQ(isRecoveryCopyName(c.entry, path, "KUBOK.TXT"), c.ofTheTournament) << c.entry;
}

} // namespace
