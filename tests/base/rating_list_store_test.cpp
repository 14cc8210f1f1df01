// Importing rating lists into the store, as files, inside FIDE's .zip, and what a failed
// or cancelled import leaves.
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <zip.h>

#include <csignal>
#include <fstream>
#include <thread>

#include "base/list_readers.h"
#include "base/rating_list_store.h"
#include "tools/fide_list_generator.h"

using namespace krugovik;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(KRUGOVIK_LISTS_DIR "/") + QString::fromLatin1(name);
}

// FIDE's way: the list alone in a .zip.
QString zipped(const QTemporaryDir &dir, const char *name)
{
    const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".zip"));
    int error = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    EXPECT_NE(archive, nullptr);
    zip_source_t *source =
        zip_source_file(archive, QFile::encodeName(fixture(name)).constData(), 0, -1);
    EXPECT_GE(zip_file_add(archive, name, source, ZIP_FL_OVERWRITE), 0);
    EXPECT_EQ(zip_close(archive), 0);
    return path;
}

struct Imported {
    ImportResult result;
    std::vector<int> progress;
};

Imported import(const QString &folder, ListKind kind, const QString &path,
                const CsvColumns &columns = {}, bool cancelAtOnce = false)
{
    Imported imported;
    std::atomic_bool cancel{cancelAtOnce};
    imported.result = importList(
        folder, kind, kind == ListKind::Fide ? QStringLiteral("ФИДЕ") : QStringLiteral("ФШР"), path,
        columns, [&](int permille) { imported.progress.push_back(permille); }, cancel);
    return imported;
}

CsvColumns federationColumns()
{
    CsvColumns columns;
    columns[CsvField::Name] = 0;
    columns[CsvField::Rating] = 1;
    columns[CsvField::NationalId] = 2;
    columns[CsvField::FideId] = 3;
    columns[CsvField::Sex] = 4;
    columns[CsvField::BirthYear] = 5;
    columns[CsvField::Title] = 6;
    return columns;
}

// Another program importing into the same folder (tests/base/list_import_child.cpp).
class OtherProgram {
  public:
    explicit OtherProgram(const QStringList &arguments)
    {
        m_process.start(QStringLiteral(KRUGOVIK_LIST_IMPORT_CHILD), arguments);
    }
    ~OtherProgram() { kill(); }
    // The next line it printed, or "" when none comes.
    QByteArray line()
    {
        if (!m_process.canReadLine())
            m_process.waitForReadyRead(30000);
        return m_process.readLine().trimmed();
    }
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
    }

  private:
    QProcess m_process;
};

// The files the folder of the lists holds.
QStringList filesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Polls until done() or ten seconds have passed.
bool eventually(const std::function<bool()> &done)
{
    for (int i = 0; i < 1000 && !done(); ++i)
        QThread::msleep(10);
    return done();
}

std::vector<std::string> names(const std::vector<ListMatch> &matches)
{
    std::vector<std::string> out;
    for (const ListMatch &m : matches)
        out.push_back(m.player.name);
    return out;
}

} // namespace

TEST(RatingListImport, EveryFormatGivesTheSamePlayersAndCountsTheMalformed)
{
    QTemporaryDir dir;
    struct Case {
        const char *what;
        QString path;
        qint64 players;
        qint64 skipped;
        qint64 firstSkippedLine;
    };
    const std::vector<Case> cases = {
        {"TXT", fixture("players_list_foa.txt"), 8, 3, 8},
        {"TXT in a zip", zipped(dir, "players_list_foa.txt"), 8, 3, 8},
        {"XML", fixture("players_list_xml_foa.xml"), 4, 1, 39},
        {"XML in a zip", zipped(dir, "players_list_xml_foa.xml"), 4, 1, 39},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = dir.filePath(QString::fromLatin1(c.what));
        const Imported imported = import(folder, ListKind::Fide, c.path);
        ASSERT_TRUE(imported.result.replaced) << imported.result.error.toStdString();
        EXPECT_EQ(imported.result.read.players, c.players);
        EXPECT_EQ(imported.result.read.skipped, c.skipped);
        EXPECT_EQ(imported.result.read.firstSkippedLine, c.firstSkippedLine);
        ASSERT_FALSE(imported.progress.empty());
        EXPECT_EQ(imported.progress.back(), 1000);

        RatingListStore store(folder);
        ASSERT_TRUE(store.info(ListKind::Fide));
        EXPECT_EQ(store.info(ListKind::Fide)->players, c.players);
        EXPECT_EQ(store.info(ListKind::Fide)->name, QStringLiteral("ФИДЕ"));
        EXPECT_FALSE(store.info(ListKind::National));
        const std::optional<ListMatch> carlsen = store.findById(QStringLiteral("1503014"));
        ASSERT_TRUE(carlsen);
        EXPECT_EQ(carlsen->player.name, "Carlsen, Magnus");
        EXPECT_EQ(carlsen->player.rating, 2839);
        EXPECT_EQ(carlsen->player.k, 10);
        EXPECT_EQ(carlsen->player.title, "GM");
        EXPECT_EQ(carlsen->listName, QStringLiteral("ФИДЕ"));
        const std::vector<ListMatch> longName = store.findByName(QStringLiteral("Рахманов"), 5);
        ASSERT_EQ(longName.size(), 1u);
        EXPECT_EQ(longName[0].player.name, "Rahmanov-Abdusattorov-Khodjaev, Nodirbekjon Ali");
        const std::vector<ListMatch> young = store.findByName(QStringLiteral("Щербакова"), 5);
        EXPECT_EQ(names(young), std::vector<std::string>{"Shcherbakova, Yekaterina"});
        ASSERT_EQ(young.size(), 1u);
        EXPECT_EQ(young[0].player.k, 40);
    }
}

TEST(RatingListImport, AListImportedBeforeKWasKeptStillReads)
{
    QTemporaryDir dir;
    RatingListStore store(dir.path());
    {
        // The file as the program wrote it before the K column.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "old-list");
        db.setDatabaseName(store.fileOf(ListKind::Fide));
        ASSERT_TRUE(db.open());
        QSqlQuery sql(db);
        for (const char *statement : {
                 "CREATE TABLE about (key TEXT PRIMARY KEY, value TEXT)",
                 "CREATE TABLE player (fold TEXT, name TEXT, fide_id INTEGER, national_id TEXT, "
                 "federation TEXT, title TEXT, sex TEXT, birth_year INTEGER, rating INTEGER)",
             })
            ASSERT_TRUE(sql.exec(QString::fromLatin1(statement))) << statement;
        sql.prepare(QStringLiteral("INSERT INTO player VALUES (?, 'Carlsen, Magnus', 1503014, "
                                   "'', 'NOR', 'GM', 'M', 1990, 2839)"));
        sql.addBindValue(QString::fromStdString(listSearchKey("Carlsen, Magnus")));
        ASSERT_TRUE(sql.exec());
        sql.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old-list"));
    const std::optional<ListMatch> carlsen = store.findById(QStringLiteral("1503014"));
    ASSERT_TRUE(carlsen);
    EXPECT_EQ(carlsen->player.rating, 2839);
    EXPECT_EQ(carlsen->player.k, 0);
    EXPECT_EQ(names(store.findByName(QStringLiteral("Carlsen"), 5)),
              std::vector<std::string>{"Carlsen, Magnus"});
}

TEST(RatingListImport, FindsByTransliteratedPrefixAndById)
{
    QTemporaryDir dir;
    ASSERT_TRUE(
        import(dir.path(), ListKind::Fide, fixture("players_list_foa.txt")).result.replaced);
    const Imported national =
        import(dir.path(), ListKind::National, fixture("federation.csv"), federationColumns());
    ASSERT_TRUE(national.result.replaced) << national.result.error.toStdString();
    EXPECT_EQ(national.result.read.players, 4);
    EXPECT_EQ(national.result.read.skipped, 2);
    EXPECT_EQ(national.result.read.firstSkippedLine, 5);

    RatingListStore store(dir.path());
    // FIDE's list first, then the federation's.
    const std::vector<ListMatch> ivanov = store.findByName(QStringLiteral("Иванов"), 10);
    ASSERT_EQ(ivanov.size(), 2u);
    EXPECT_EQ(ivanov[0].player.name, "Ivanov, Ivan");
    EXPECT_EQ(ivanov[0].kind, ListKind::Fide);
    EXPECT_EQ(ivanov[1].player.name, "Иванов; Иван");
    EXPECT_EQ(ivanov[1].listName, QStringLiteral("ФШР"));
    EXPECT_EQ(names(store.findByName(QStringLiteral("zhuk"), 10)),
              std::vector<std::string>{"Zhukov, Dmitry"});
    EXPECT_EQ(names(store.findByName(QStringLiteral("петров"), 10)),
              std::vector<std::string>{"Петров, Пётр"});
    EXPECT_EQ(names(store.findByName(QStringLiteral("Елкин"), 10)),
              std::vector<std::string>{"Ёлкин Семён"});
    EXPECT_EQ(store.findByName(QStringLiteral("Иванов"), 1).size(), 1u);
    EXPECT_TRUE(store.findByName(QStringLiteral("Nobody"), 10).empty());
    EXPECT_TRUE(store.findByName(QStringLiteral(" , "), 10).empty());

    ASSERT_TRUE(store.findById(QStringLiteral("12346")));
    EXPECT_EQ(store.findById(QStringLiteral("12346"))->player.name, "Сидорова Анна");
    EXPECT_EQ(store.findById(QStringLiteral("34100001"))->player.name, "Сидорова Анна");
    EXPECT_EQ(store.findById(QStringLiteral(" 4168119 "))->kind, ListKind::Fide);
    EXPECT_FALSE(store.findById(QStringLiteral("999")));
}

TEST(RatingListImport, AFailedOrCancelledImportLeavesThePreviousList)
{
    QTemporaryDir dir;
    ASSERT_TRUE(
        import(dir.path(), ListKind::Fide, fixture("players_list_foa.txt")).result.replaced);
    RatingListStore store(dir.path());
    ASSERT_EQ(store.info(ListKind::Fide)->players, 8);

    const QString brokenXml = dir.filePath(QStringLiteral("broken.xml"));
    QFile broken(brokenXml);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<playerslist><player><fideid>1</fideid><name>A, B</name></player><player>");
    broken.close();
    const QString noHeader = dir.filePath(QStringLiteral("no-header.txt"));
    QFile plain(noHeader);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("4100018        Karpov, Anatoly\n");
    plain.close();

    struct Case {
        const char *what;
        QString path;
        bool cancel;
    };
    for (const Case &c :
         {Case{"cancelled", fixture("players_list_xml_foa.xml"), true},
          Case{"XML cut short", brokenXml, false}, Case{"TXT without its header", noHeader, false},
          Case{"missing file", dir.filePath(QStringLiteral("none.txt")), false},
          Case{"not a list", fixture("../list_readers_test.cpp"), false}}) {
        SCOPED_TRACE(c.what);
        const Imported imported = import(dir.path(), ListKind::Fide, c.path, {}, c.cancel);
        EXPECT_FALSE(imported.result.replaced);
        EXPECT_EQ(imported.result.read.cancelled, c.cancel);
        if (!c.cancel) {
            EXPECT_FALSE(imported.result.error.isEmpty());
        }
        EXPECT_EQ(store.info(ListKind::Fide)->players, 8);
        EXPECT_TRUE(store.findById(QStringLiteral("4100018")));
        EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.new")}).isEmpty());
    }
}

TEST(RatingListImport, AnOpenStoreSeesTheNextImport)
{
    QTemporaryDir dir;
    ASSERT_TRUE(
        import(dir.path(), ListKind::Fide, fixture("players_list_foa.txt")).result.replaced);
    RatingListStore store(dir.path());
    ASSERT_TRUE(store.findById(QStringLiteral("4168119")));
    ASSERT_TRUE(
        import(dir.path(), ListKind::Fide, fixture("players_list_xml_foa.xml")).result.replaced);
    // Ivanov is only in the TXT list.
    EXPECT_FALSE(store.findById(QStringLiteral("4168119")));
    EXPECT_EQ(store.info(ListKind::Fide)->players, 4);
}

TEST(RatingListImport, TheBenchmarksGeneratedListReadsWhole)
{
    // The same layout as FIDE's file, at the size of a test.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("players_list_foa.txt"));
    {
        std::ofstream out(QFile::encodeName(file).toStdString(), std::ios::binary);
        tools::writeFideList(out, 300);
    }
    const Imported imported = import(dir.path(), ListKind::Fide, file);
    ASSERT_TRUE(imported.result.replaced) << imported.result.error.toStdString();
    EXPECT_EQ(imported.result.read.players, 300);
    EXPECT_EQ(imported.result.read.skipped, 0);
    RatingListStore store(dir.path());
    const std::optional<ListMatch> first = store.findById(QStringLiteral("100000"));
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->player.name.empty());
    EXPECT_EQ(first->player.federation.size(), 3u);
    EXPECT_TRUE(store.findById(QStringLiteral("102093"))); // the last: 100000 + 299 * 7
    EXPECT_FALSE(store.findById(QStringLiteral("102100")));
}

TEST(RatingListImport, ADamagedArchiveIsAFailureNotAShortList)
{
    QTemporaryDir dir;
    const QString good = zipped(dir, "players_list_foa.txt");
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    // The compressed data lies after the 30-byte local header and the member's name.
    const int data = 30 + int(qstrlen("players_list_foa.txt"));
    for (int i = data + 40; i < data + 80 && i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ 0x5A);
    const QString damaged = dir.filePath(QStringLiteral("damaged.zip"));
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    ASSERT_TRUE(
        import(dir.path(), ListKind::Fide, fixture("players_list_xml_foa.xml")).result.replaced);
    const Imported imported = import(dir.path(), ListKind::Fide, damaged);
    EXPECT_FALSE(imported.result.replaced);
    // libzip's own words on the damage, after what the program says.
    EXPECT_TRUE(imported.result.error.startsWith(QStringLiteral("файл не дочитан")))
        << imported.result.error.toStdString();
    RatingListStore store(dir.path());
    EXPECT_EQ(store.info(ListKind::Fide)->players, 4);
}

TEST(RatingListImport, TwoProgramsImportingIntoOneFolderOneAfterTheOtherKeepBothLists)
{
    QTemporaryDir dir;
    // A third program's import holds the folder: both imports below wait for it.
    QLockFile busy(importLockPath(dir.path()));
    busy.setStaleLockTime(0);
    ASSERT_TRUE(busy.tryLock(0));
    OtherProgram other({dir.path(), QStringLiteral("import"), fixture("players_list_foa.txt")});
    EXPECT_EQ(other.line(), "waiting");
    std::atomic_bool waits{false};
    ImportResult national;
    std::thread here([&] {
        std::atomic_bool cancel{false};
        national = importList(dir.path(), ListKind::National, QStringLiteral("ФШР"),
                              fixture("federation.csv"), federationColumns(), {}, cancel,
                              [&](bool now) { waits = now; });
    });
    EXPECT_TRUE(eventually([&] { return waits.load(); }));
    // Nothing of theirs is written while they wait.
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("import.lock")});
    busy.unlock();
    here.join();
    EXPECT_EQ(other.line(), "replaced 8");
    EXPECT_TRUE(national.replaced) << national.error.toStdString();
    EXPECT_EQ(national.read.players, 4);
    EXPECT_FALSE(waits);
    RatingListStore store(dir.path());
    EXPECT_EQ(store.info(ListKind::Fide).value_or(ListInfo{}).players, 8);
    EXPECT_EQ(store.info(ListKind::National).value_or(ListInfo{}).players, 4);
    // Neither left a file behind.
    EXPECT_EQ(filesIn(dir), (QStringList{QStringLiteral("federation-list.sqlite"),
                                         QStringLiteral("fide-list.sqlite")}));
}

TEST(RatingListImport, AWaitingImportCanBeCancelledAndAVanishedProgramsLockIsNoHindrance)
{
    QTemporaryDir dir;
    ASSERT_TRUE(
        import(dir.path(), ListKind::Fide, fixture("players_list_foa.txt")).result.replaced);
    OtherProgram holder({dir.path(), QStringLiteral("hold")});
    ASSERT_EQ(holder.line(), "locked");
    // Cancelled while it waits: the list stays as it was.
    std::atomic_bool cancel{false};
    bool waited = false;
    const ImportResult cancelled =
        importList(dir.path(), ListKind::Fide, QStringLiteral("ФИДЕ"),
                   fixture("players_list_xml_foa.xml"), {}, {}, cancel, [&](bool waits) {
                       waited = waited || waits;
                       cancel = true;
                   });
    EXPECT_TRUE(waited);
    EXPECT_TRUE(cancelled.read.cancelled);
    EXPECT_FALSE(cancelled.replaced);
    RatingListStore store(dir.path());
    EXPECT_EQ(store.info(ListKind::Fide).value_or(ListInfo{}).players, 8);
    // The program that held the lock is gone: the next import does not wait for it.
    holder.kill();
    waited = false;
    cancel = false;
    const ImportResult after = importList(dir.path(), ListKind::Fide, QStringLiteral("ФИДЕ"),
                                          fixture("players_list_xml_foa.xml"), {}, {}, cancel,
                                          [&](bool waits) { waited = waited || waits; });
    EXPECT_TRUE(after.replaced) << after.error.toStdString();
    EXPECT_FALSE(waited);
    EXPECT_EQ(store.info(ListKind::Fide).value_or(ListInfo{}).players, 4);
}
