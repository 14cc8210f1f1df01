#include "base/rating_list_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <QVariant>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

namespace krugovik {
namespace {

const QString kDriver = QStringLiteral("QSQLITE");

// How often a waiting import looks whether the other one has ended, or it was cancelled.
constexpr int kLockPollMs = 100;

// Players handed from the reading thread to the writing one at a time.
constexpr std::size_t kBatchSize = 8192;

struct KeyedPlayer {
    ListPlayer player;
    std::string key; // listSearchKey of the name
};

// Batches from the reader to the writer; the reader waits while a few are pending, so
// that a slow disk never lets the whole list pile up in memory.
class BatchQueue {
  public:
    void push(std::vector<KeyedPlayer> batch)
    {
        std::unique_lock lock(m_mutex);
        m_space.wait(lock, [this] { return m_batches.size() < kMaxPending; });
        m_batches.push_back(std::move(batch));
        m_ready.notify_one();
    }
    void close()
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_ready.notify_one();
    }
    // The next batch; false once the reader closed and everything was taken.
    bool pop(std::vector<KeyedPlayer> &batch)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_batches.empty() || m_closed; });
        if (m_batches.empty())
            return false;
        batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_space.notify_one();
        return true;
    }

  private:
    static constexpr std::size_t kMaxPending = 8;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_space;
    std::deque<std::vector<KeyedPlayer>> m_batches;
    bool m_closed = false;
};

QString kindFileName(ListKind kind)
{
    return kind == ListKind::Fide ? QStringLiteral("fide-list.sqlite")
                                  : QStringLiteral("federation-list.sqlite");
}

constexpr std::array<ListKind, 2> kKinds = {ListKind::Fide, ListKind::National};

ListPlayer playerOf(const QSqlQuery &query)
{
    ListPlayer player;
    player.name = query.value(0).toString().toStdString();
    player.fideId = query.value(1).toLongLong();
    player.nationalId = query.value(2).toString().toStdString();
    player.federation = query.value(3).toString().toStdString();
    player.title = query.value(4).toString().toStdString();
    const QString sex = query.value(5).toString();
    player.sex = sex.isEmpty() ? 0 : char(sex.at(0).toLatin1());
    player.birthYear = query.value(6).toInt();
    player.rating = query.value(7).toInt();
    player.k = query.value(8).toInt();
    return player;
}

// The first key after every key that begins with prefix.
QString pastPrefix(const std::string &prefix)
{
    std::string past = prefix;
    past.back() = char(past.back() + 1);
    return QString::fromStdString(past);
}

// Closes and forgets a connection once nothing uses it.
void dropConnection(const QString &name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

RatingListStore::RatingListStore(const QString &folder) : m_folder(folder)
{
    for (ListKind kind : kKinds)
        m_connections[std::size_t(kind)].name =
            QStringLiteral("krugovik-list-%1-%2")
                .arg(quintptr(this), 0, 16)
                .arg(kind == ListKind::Fide ? "fide" : "national");
}

RatingListStore::~RatingListStore()
{
    for (ListKind kind : kKinds)
        close(kind);
}

QString RatingListStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString RatingListStore::fileOf(ListKind kind) const
{
    return QDir(m_folder).filePath(kindFileName(kind));
}

void RatingListStore::close(ListKind kind)
{
    Connection &c = m_connections[std::size_t(kind)];
    if (c.open)
        dropConnection(c.name);
    c.open = false;
}

bool RatingListStore::ensureOpen(ListKind kind)
{
    Connection &c = m_connections[std::size_t(kind)];
    const QString path = fileOf(kind);
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        close(kind);
        return false;
    }
    const qint64 time = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    // An import elsewhere puts a new file in place: the open one is the old list.
    if (c.open && quint64(status.st_ino) == c.fileId && time == c.fileTime &&
        qint64(status.st_size) == c.fileSize)
        return true;
    close(kind);
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, c.name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(c.name);
        return false;
    }
    c.open = true;
    c.fileId = quint64(status.st_ino);
    c.fileTime = time;
    c.fileSize = qint64(status.st_size);
    QSqlQuery columns(db);
    c.hasK = false;
    if (columns.exec(QStringLiteral("PRAGMA table_info(player)"))) {
        while (columns.next())
            c.hasK = c.hasK || columns.value(1).toString() == QLatin1String("k");
    }
    return true;
}

QString RatingListStore::columnsOf(ListKind kind) const
{
    return QStringLiteral("name, fide_id, national_id, federation, title, sex, birth_year, "
                          "rating, ") +
           (m_connections[std::size_t(kind)].hasK ? QStringLiteral("k") : QStringLiteral("0"));
}

std::optional<ListInfo> RatingListStore::info(ListKind kind)
{
    if (!ensureOpen(kind))
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connections[std::size_t(kind)].name, false));
    if (!query.exec(QStringLiteral("SELECT key, value FROM about")))
        return std::nullopt;
    ListInfo info;
    while (query.next()) {
        const QString key = query.value(0).toString();
        const QString value = query.value(1).toString();
        if (key == QLatin1String("name"))
            info.name = value;
        else if (key == QLatin1String("source"))
            info.source = value;
        else if (key == QLatin1String("imported"))
            info.imported = QDateTime::fromString(value, Qt::ISODate);
        else if (key == QLatin1String("players"))
            info.players = value.toLongLong();
    }
    return info;
}

std::vector<ListMatch> RatingListStore::findByName(const QString &text, std::size_t limit)
{
    std::vector<ListMatch> found;
    const std::string key = listSearchKey(text.toStdString());
    if (key.empty() || limit == 0)
        return found;
    for (ListKind kind : kKinds) {
        if (found.size() >= limit || !ensureOpen(kind))
            continue;
        const QString listName = info(kind).value_or(ListInfo{}).name;
        QSqlQuery query(QSqlDatabase::database(m_connections[std::size_t(kind)].name, false));
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT %1 FROM player WHERE fold >= ? AND fold < ? "
                                     "ORDER BY fold LIMIT ?")
                          .arg(columnsOf(kind)));
        query.addBindValue(QString::fromStdString(key));
        query.addBindValue(pastPrefix(key));
        query.addBindValue(qlonglong(limit - found.size()));
        if (!query.exec())
            continue;
        while (query.next())
            found.push_back({kind, listName, playerOf(query)});
    }
    return found;
}

std::optional<ListMatch> RatingListStore::findById(const QString &text)
{
    const QString id = text.trimmed();
    if (id.isEmpty())
        return std::nullopt;
    bool digits = false;
    const qlonglong number = id.toLongLong(&digits);
    for (ListKind kind : kKinds) {
        if (!ensureOpen(kind))
            continue;
        QSqlQuery query(QSqlDatabase::database(m_connections[std::size_t(kind)].name, false));
        query.setForwardOnly(true);
        if (kind == ListKind::Fide) {
            if (!digits)
                continue;
            query.prepare(QStringLiteral("SELECT %1 FROM player WHERE fide_id = ? LIMIT 1")
                              .arg(columnsOf(kind)));
            query.addBindValue(number);
        } else {
            query.prepare(QStringLiteral("SELECT %1 FROM player WHERE national_id = ? "
                                         "OR fide_id = ? LIMIT 1")
                              .arg(columnsOf(kind)));
            query.addBindValue(id);
            query.addBindValue(digits ? number : -1);
        }
        if (query.exec() && query.next())
            return ListMatch{kind, info(kind).value_or(ListInfo{}).name, playerOf(query)};
    }
    return std::nullopt;
}

QString importLockPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("import.lock"));
}

ImportResult importList(const QString &folder, ListKind kind, const QString &listName,
                        const QString &path, const CsvColumns &csvColumns,
                        const std::function<void(int permille)> &progress,
                        const std::atomic_bool &cancel, const std::function<void(bool)> &waiting)
{
    ImportResult result;
    if (!QDir().mkpath(folder)) {
        result.error =
            QCoreApplication::translate("RatingList", "не удалось создать папку %1").arg(folder);
        return result;
    }
    // Another program's import into this folder ends before this one begins, so that neither
    // loses its list. An import takes minutes: only the lock of a program that is gone is
    // stale.
    QLockFile lock(importLockPath(folder));
    lock.setStaleLockTime(0);
    bool told = false;
    while (!lock.tryLock(kLockPollMs)) {
        if (lock.error() != QLockFile::LockFailedError) {
            result.error = QCoreApplication::translate(
                               "RatingList", "в папке %1 нельзя создать файл блокировки %2")
                               .arg(folder, QFileInfo(lock.fileName()).fileName());
            return result;
        }
        if (cancel.load()) {
            result.read.cancelled = true;
            return result;
        }
        if (!told && waiting)
            waiting(true);
        told = true;
    }
    if (told && waiting)
        waiting(false);
    const QString final = QDir(folder).filePath(kindFileName(kind));
    // What an import that was stopped short left behind: no other import runs now.
    const QString pattern = kindFileName(kind) + QStringLiteral(".*.new");
    for (const QString &left :
         QDir(folder).entryList({pattern, kindFileName(kind) + ".new"}, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(folder).filePath(left));
    // Built beside the list in use, which stays as it is until the new one is complete, under
    // a name of its own.
    QString building;
    {
        QTemporaryFile file(final + QStringLiteral(".XXXXXX.new"));
        file.setAutoRemove(false);
        if (!file.open()) {
            result.error =
                QCoreApplication::translate("RatingList", "в папке %1 не создаётся файл: %2")
                    .arg(folder, file.errorString());
            return result;
        }
        building = file.fileName();
    }
    const QString connection =
        QStringLiteral("krugovik-import-%1").arg(quintptr(QThread::currentThreadId()), 0, 16);
    bool built = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection);
        db.setDatabaseName(building);
        if (!db.open()) {
            result.error = db.lastError().text();
        } else {
            QSqlQuery sql(db);
            // The file is thrown away unless finished: no journal needed while it is built.
            for (const char *statement :
                 {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF",
                  "PRAGMA cache_size = -65536", "PRAGMA temp_store = MEMORY",
                  "PRAGMA locking_mode = EXCLUSIVE",
                  "CREATE TABLE about (key TEXT PRIMARY KEY, value TEXT)",
                  "CREATE TABLE player (fold TEXT, name TEXT, fide_id INTEGER, "
                  "national_id TEXT, federation TEXT, title TEXT, sex TEXT, "
                  "birth_year INTEGER, rating INTEGER, k INTEGER)"})
                if (!sql.exec(QString::fromLatin1(statement)))
                    result.error = sql.lastError().text();
            db.transaction();
            // Qt SQL opened the file; the rows go straight to SQLite's own statement, which
            // saves converting each field to a QVariant and back for 1.6 million players.
            sqlite3 *handle = nullptr;
            const QVariant driverHandle = db.driver()->handle();
            if (driverHandle.isValid() && qstrcmp(driverHandle.typeName(), "sqlite3*") == 0)
                handle = *static_cast<sqlite3 *const *>(driverHandle.data());
            sqlite3_stmt *insert = nullptr;
            if (!handle || sqlite3_prepare_v2(
                               handle, "INSERT INTO player VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                               -1, &insert, nullptr) != SQLITE_OK)
                result.error = QCoreApplication::translate("RatingList", "SQLite недоступен");
            QString insertError;
            const auto text = [&](int column, const std::string &value) {
                sqlite3_bind_text(insert, column, value.data(), int(value.size()), SQLITE_STATIC);
            };
            const auto insertOne = [&](const KeyedPlayer &keyed) {
                const ListPlayer &player = keyed.player;
                text(1, keyed.key);
                text(2, player.name);
                if (player.fideId > 0)
                    sqlite3_bind_int64(insert, 3, player.fideId);
                else
                    sqlite3_bind_null(insert, 3);
                text(4, player.nationalId);
                text(5, player.federation);
                text(6, player.title);
                const char sex[1] = {player.sex};
                sqlite3_bind_text(insert, 7, sex, player.sex ? 1 : 0, SQLITE_TRANSIENT);
                sqlite3_bind_int(insert, 8, player.birthYear);
                sqlite3_bind_int(insert, 9, player.rating);
                sqlite3_bind_int(insert, 10, player.k);
                if (sqlite3_step(insert) != SQLITE_DONE && insertError.isEmpty())
                    insertError = QString::fromUtf8(sqlite3_errmsg(handle));
                sqlite3_reset(insert);
            };
            // The file is read and the keys made on a thread of their own while this one
            // writes what came before: the two halves of the work overlap.
            if (result.error.isEmpty()) {
                BatchQueue queue;
                std::thread reader([&] {
                    std::vector<KeyedPlayer> batch;
                    batch.reserve(kBatchSize);
                    result.read = readListFile(
                        path, csvColumns,
                        [&](const ListPlayer &player) {
                            batch.push_back({player, listSearchKey(player.name)});
                            if (batch.size() == kBatchSize) {
                                queue.push(std::move(batch));
                                batch.clear();
                                batch.reserve(kBatchSize);
                            }
                        },
                        progress, cancel);
                    queue.push(std::move(batch));
                    queue.close();
                });
                std::vector<KeyedPlayer> batch;
                while (queue.pop(batch))
                    for (const KeyedPlayer &keyed : batch)
                        insertOne(keyed);
                reader.join();
            }
            if (result.error.isEmpty() && !insertError.isEmpty())
                result.error = insertError;
            if (result.error.isEmpty() && result.read.ok && !result.read.cancelled) {
                if (result.read.players == 0)
                    result.error = QCoreApplication::translate(
                        "RatingList", "в файле не найдено ни одного игрока");
                QSqlQuery about(db);
                about.prepare(QStringLiteral("INSERT INTO about VALUES (?, ?)"));
                const std::array<std::pair<QString, QString>, 4> facts = {{
                    {QStringLiteral("name"), listName},
                    {QStringLiteral("source"), QFileInfo(path).fileName()},
                    {QStringLiteral("imported"),
                     QDateTime::currentDateTime().toString(Qt::ISODate)},
                    {QStringLiteral("players"), QString::number(result.read.players)},
                }};
                for (const auto &[key, value] : facts) {
                    about.addBindValue(key);
                    about.addBindValue(value);
                    about.exec();
                }
                if (!db.commit())
                    result.error = db.lastError().text();
                std::vector<const char *> indexes = {
                    "CREATE INDEX player_fold ON player (fold)",
                    "CREATE INDEX player_fide_id ON player (fide_id)"};
                // FIDE's list has no national IDs to look up.
                if (kind == ListKind::National)
                    indexes.push_back("CREATE INDEX player_national_id ON player (national_id)");
                for (const char *statement : indexes)
                    if (result.error.isEmpty() && !sql.exec(QString::fromLatin1(statement)))
                        result.error = sql.lastError().text();
                built = result.error.isEmpty();
            } else {
                db.rollback();
                if (result.error.isEmpty())
                    result.error = result.read.error;
            }
            sqlite3_finalize(insert);
            sql.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!built) {
        QFile::remove(building);
        return result;
    }
    // rename() puts the new file in place at once: a reader sees the old list or the new.
    if (std::rename(QFile::encodeName(building).constData(),
                    QFile::encodeName(final).constData()) != 0) {
        result.error =
            QCoreApplication::translate("RatingList", "не удалось заменить список %1").arg(final);
        QFile::remove(building);
        return result;
    }
    result.replaced = true;
    return result;
}

} // namespace krugovik
