#include "base/rating_list_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>
#include <cstdio>

namespace krugovik {
namespace {

const QString kDriver = QStringLiteral("QSQLITE");

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
    return player;
}

const QString kColumns = QStringLiteral(
    "name, fide_id, national_id, federation, title, sex, birth_year, rating");

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
    const QFileInfo file(fileOf(kind));
    if (!file.exists()) {
        close(kind);
        return false;
    }
    // An import elsewhere puts a new file in place: the open one is the old list.
    if (c.open && file.lastModified() == c.fileTime && file.size() == c.fileSize)
        return true;
    close(kind);
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, c.name);
    db.setDatabaseName(file.filePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(c.name);
        return false;
    }
    c.open = true;
    c.fileTime = file.lastModified();
    c.fileSize = file.size();
    return true;
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
                          .arg(kColumns));
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
                              .arg(kColumns));
            query.addBindValue(number);
        } else {
            query.prepare(QStringLiteral("SELECT %1 FROM player WHERE national_id = ? "
                                         "OR fide_id = ? LIMIT 1")
                              .arg(kColumns));
            query.addBindValue(id);
            query.addBindValue(digits ? number : -1);
        }
        if (query.exec() && query.next())
            return ListMatch{kind, info(kind).value_or(ListInfo{}).name, playerOf(query)};
    }
    return std::nullopt;
}

ImportResult importList(const QString &folder, ListKind kind, const QString &listName,
                        const QString &path, const CsvColumns &csvColumns,
                        const std::function<void(int permille)> &progress,
                        const std::atomic_bool &cancel)
{
    ImportResult result;
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("не удалось создать папку %1").arg(folder);
        return result;
    }
    const QString final = QDir(folder).filePath(kindFileName(kind));
    // Built beside the list in use, which stays as it is until the new one is complete.
    const QString building = final + QStringLiteral(".new");
    QFile::remove(building);
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
                  "PRAGMA cache_size = -65536",
                  "CREATE TABLE about (key TEXT PRIMARY KEY, value TEXT)",
                  "CREATE TABLE player (fold TEXT, name TEXT, fide_id INTEGER, "
                  "national_id TEXT, federation TEXT, title TEXT, sex TEXT, "
                  "birth_year INTEGER, rating INTEGER)"})
                if (!sql.exec(QString::fromLatin1(statement)))
                    result.error = sql.lastError().text();
            db.transaction();
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO player VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            QString insertError;
            const auto sink = [&](const ListPlayer &player) {
                insert.bindValue(0, QString::fromStdString(listSearchKey(player.name)));
                insert.bindValue(1, QString::fromStdString(player.name));
                insert.bindValue(2, player.fideId > 0 ? QVariant(qlonglong(player.fideId))
                                                      : QVariant());
                insert.bindValue(3, QString::fromStdString(player.nationalId));
                insert.bindValue(4, QString::fromStdString(player.federation));
                insert.bindValue(5, QString::fromStdString(player.title));
                insert.bindValue(6, player.sex ? QString(QChar::fromLatin1(player.sex))
                                               : QString());
                insert.bindValue(7, player.birthYear);
                insert.bindValue(8, player.rating);
                if (!insert.exec() && insertError.isEmpty())
                    insertError = insert.lastError().text();
            };
            if (result.error.isEmpty())
                result.read = readListFile(path, csvColumns, sink, progress, cancel);
            if (result.error.isEmpty() && !insertError.isEmpty())
                result.error = insertError;
            if (result.error.isEmpty() && result.read.ok && !result.read.cancelled) {
                if (result.read.players == 0)
                    result.error = QStringLiteral("в файле не найдено ни одного игрока");
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
                for (const char *statement :
                     {"CREATE INDEX player_fold ON player (fold)",
                      "CREATE INDEX player_fide_id ON player (fide_id)",
                      "CREATE INDEX player_national_id ON player (national_id)"})
                    if (result.error.isEmpty() && !sql.exec(QString::fromLatin1(statement)))
                        result.error = sql.lastError().text();
                built = result.error.isEmpty();
            } else {
                db.rollback();
                if (result.error.isEmpty())
                    result.error = result.read.error;
            }
            insert.finish();
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
        result.error = QStringLiteral("не удалось заменить список %1").arg(final);
        QFile::remove(building);
        return result;
    }
    result.replaced = true;
    return result;
}

} // namespace krugovik
