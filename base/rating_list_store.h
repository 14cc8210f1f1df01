#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "base/list_file_reader.h"
#include "base/list_player.h"

namespace krugovik {

// What is known of an imported list.
struct ListInfo {
    QString name;       // shown beside its players in the find list, «ФИДЕ»
    QString source;     // the file it was imported from
    QDateTime imported; // when
    qint64 players = 0;
};

// A player found in an imported list.
struct ListMatch {
    ListKind kind = ListKind::Fide;
    QString listName;
    ListPlayer player;
};

// The imported rating lists: one SQLite file per kind in the user's data folder, each with
// a folded-name key indexed for search. A list stays until the next import of its kind;
// an import builds a new file and puts it in place only when it succeeded.
class RatingListStore {
  public:
    // folder: where the lists live; by default the program's data folder.
    explicit RatingListStore(const QString &folder = defaultFolder());
    ~RatingListStore();
    Q_DISABLE_COPY(RatingListStore)

    static QString defaultFolder();
    QString fileOf(ListKind kind) const;

    std::optional<ListInfo> info(ListKind kind);
    // Players whose name begins like the query (in any spelling the search key joins),
    // FIDE's list first; at most limit.
    std::vector<ListMatch> findByName(const QString &query, std::size_t limit);
    // The player of a FIDE ID or a federation's ID.
    std::optional<ListMatch> findById(const QString &id);

  private:
    struct Connection {
        QString name;         // Qt's connection name, unique to this store
        quint64 fileId = 0;   // the file as it was when opened: an import puts a new
        qint64 fileTime = 0;  // file (inode) in place, so its number tells it apart even
        qint64 fileSize = -1; // when size and time are the same
        bool open = false;
        bool hasK = false; // a list imported before K was kept has no column for it
    };
    // The columns a query reads, playerOf's order.
    QString columnsOf(ListKind kind) const;
    // The list's open connection; opened again when an import replaced the file.
    bool ensureOpen(ListKind kind);
    void close(ListKind kind);

    QString m_folder;
    std::array<Connection, 2> m_connections;
};

// What an import did.
struct ImportResult {
    ListReadResult read;
    bool replaced = false; // the new list is in place
    QString error;         // why not, when it is not and it was not cancelled
};

// Imports the list file of the given kind into the folder, replacing the previous list of
// that kind only when the whole file was read. Runs on any thread; progress is called on
// that thread. One import at a time writes into a folder: while another program's import
// holds the folder's lock, this one waits until it ends or cancel is set; waiting is called
// with true when the wait begins and with false when it is over and the import begins.
ImportResult importList(const QString &folder, ListKind kind, const QString &listName,
                        const QString &path, const CsvColumns &csvColumns,
                        const std::function<void(int permille)> &progress,
                        const std::atomic_bool &cancel,
                        const std::function<void(bool waits)> &waiting = {});

// The lock an import holds in the folder of the lists.
QString importLockPath(const QString &folder);

} // namespace krugovik
