// The rating lists at the size of FIDE's monthly list, 1.6 million players in its TXT
// layout: the import, a find keystroke, opening the list at start-up and the memory it
// takes, each beside a baseline of the same run.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <sqlite3.h>

#include "base/rating_list_store.h"
#include "tools/fide_list_generator.h"
#include "ui/tournament_window.h"

namespace {

constexpr std::int64_t kFidePlayers = 1600000;

// The generated list, once per run, and a folder the import goes to.
struct BigList {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("players_list_foa.txt"));
    QString lists = dir.filePath(QStringLiteral("lists"));
    bool imported = false;

    BigList()
    {
        std::ofstream out(QFile::encodeName(file).toStdString(), std::ios::binary);
        krugovik::tools::writeFideList(out, kFidePlayers);
    }
    void importOnce()
    {
        if (imported)
            return;
        std::atomic_bool cancel{false};
        imported = krugovik::importList(lists, krugovik::ListKind::Fide, QStringLiteral("ФИДЕ"),
                                        file, {}, {}, cancel)
                       .replaced;
    }
};

BigList &bigList()
{
    static BigList list;
    return list;
}

// Resident memory of this process, in kB.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void Lists_Import1600k(benchmark::State &state)
{
    BigList &list = bigList();
    for (auto _ : state) {
        std::atomic_bool cancel{false};
        const krugovik::ImportResult result =
            krugovik::importList(list.lists, krugovik::ListKind::Fide, QStringLiteral("ФИДЕ"),
                                 list.file, {}, {}, cancel);
        list.imported = result.replaced;
        state.counters["players"] = double(result.read.players);
        state.counters["skipped"] = double(result.read.skipped);
    }
    state.counters["MB"] = double(QFile(list.file).size()) / 1e6;
}

// Reading the same file once, line by line, with the system's own tool.
void Lists_Baseline_WcL1600k(benchmark::State &state)
{
    const QString file = bigList().file;
    for (auto _ : state) {
        QProcess wc;
        wc.start(QStringLiteral("wc"), {QStringLiteral("-l"), file});
        wc.waitForFinished(-1);
        benchmark::DoNotOptimize(wc.readAllStandardOutput().size());
    }
}

// One keystroke after another as a surname is typed, in Cyrillic: the list searched by
// the folded key's prefix, the first 20 matches read.
void Lists_FindKeystroke1600k(benchmark::State &state)
{
    bigList().importOnce();
    krugovik::RatingListStore store(bigList().lists);
    const QString surname = QStringLiteral("Щербаков12");
    int typed = 0;
    for (auto _ : state) {
        typed = typed % surname.size() + 1;
        benchmark::DoNotOptimize(store.findByName(surname.left(typed), 20).size());
    }
}

// The same store asked for one player by an indexed ID: what a query costs at least.
void Lists_Baseline_FindById1600k(benchmark::State &state)
{
    bigList().importOnce();
    krugovik::RatingListStore store(bigList().lists);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.findById(QStringLiteral("100007")).has_value());
}

// What the first keystroke after start-up pays: the list opened and searched once.
void Lists_OpenAtStartUp1600k(benchmark::State &state)
{
    bigList().importOnce();
    for (auto _ : state) {
        krugovik::RatingListStore store(bigList().lists);
        benchmark::DoNotOptimize(store.findByName(QStringLiteral("Иванов"), 20).size());
    }
}

// An empty SQLite file opened through Qt SQL and asked one query.
void Lists_Baseline_OpenEmptyDatabase(benchmark::State &state)
{
    const QString file = bigList().dir.filePath(QStringLiteral("empty.sqlite"));
    for (auto _ : state) {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-empty"));
            db.setDatabaseName(file);
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("SELECT 1"));
            benchmark::DoNotOptimize(query.next());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-empty"));
    }
}

// The process's memory with the list open and searched a thousand times, against the
// same process before.
void Lists_MemoryWithListOpen(benchmark::State &state)
{
    bigList().importOnce();
    for (auto _ : state) {
        const long before = residentKb();
        sqlite3_memory_highwater(1); // from here on
        krugovik::RatingListStore store(bigList().lists);
        const QStringList prefixes = {QStringLiteral("a"), QStringLiteral("Иван"),
                                      QStringLiteral("z"), QStringLiteral("Smith1")};
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(store.findByName(prefixes[i % prefixes.size()], 20).size());
        state.counters["MB_more"] = double(residentKb() - before) / 1024.0;
        // What SQLite itself held at most meanwhile: the list's page cache and statements.
        state.counters["sqlite_MB_peak"] = double(sqlite3_memory_highwater(0)) / 1e6;
        state.counters["MB_before"] = double(before) / 1024.0;
    }
}

void typeKey(QWidget *widget, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// The find box of a tournament window on the 40-player sample base, as the director types:
// one letter more, one less, the pop-up filled each time from the base and, with the list
// in place, from the list.
void findInTheWindow(benchmark::State &state, bool withList)
{
    const QString lists = krugovik::RatingListStore::defaultFolder();
    QDir(lists).removeRecursively();
    if (withList) {
        bigList().importOnce();
        QDir().mkpath(lists);
        QFile::link(QDir(bigList().lists).filePath(QStringLiteral("fide-list.sqlite")),
                    krugovik::RatingListStore(lists).fileOf(krugovik::ListKind::Fide));
    }
    QFile::remove(QStringLiteral("BASE.DAT"));
    QFile::copy(QStringLiteral(KRUGOVIK_EXAMPLES_DIR "/BASE.DAT"), QStringLiteral("BASE.DAT"));
    {
        auto window = std::make_unique<krugovik::TournamentWindow>([] { return QString(); });
        window->Form_Load();
        window->show();
        auto *find = window->findChild<QLineEdit *>(QStringLiteral("txtFind"));
        find->setText(QStringLiteral("Щербако"));
        bool longer = false;
        for (auto _ : state) {
            if (longer)
                typeKey(find, Qt::Key_Backspace, QString());
            else
                typeKey(find, Qt::Key_unknown, QStringLiteral("в"));
            longer = !longer;
        }
    }
    QDir(lists).removeRecursively();
}

void Lists_FindKeystrokeInTheWindow1600k(benchmark::State &state)
{
    findInTheWindow(state, true);
}

void Lists_Baseline_FindKeystrokeInTheWindowWithoutList(benchmark::State &state)
{
    findInTheWindow(state, false);
}

} // namespace

BENCHMARK(Lists_FindKeystrokeInTheWindow1600k)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lists_Baseline_FindKeystrokeInTheWindowWithoutList)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lists_Import1600k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Lists_Baseline_WcL1600k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Lists_FindKeystroke1600k)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lists_Baseline_FindById1600k)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lists_OpenAtStartUp1600k)->Unit(benchmark::kMillisecond);
BENCHMARK(Lists_Baseline_OpenEmptyDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(Lists_MemoryWithListOpen)->Unit(benchmark::kMillisecond)->Iterations(1);
