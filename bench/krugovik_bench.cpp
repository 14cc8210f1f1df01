// Timings of what a director waits for, each beside a baseline of bare Qt doing the same.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/main_window.h"
#include "common/printer.h"
#include "ui/cross_table.h"
#include "ui/tournament_window.h"

namespace {

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QByteArray base(int records)
{
    QByteArray bytes;
    bytes.reserve(records * 29);
    for (int k = 1; k <= records; ++k)
        bytes += QByteArray("Player " + QByteArray::number(k)).leftJustified(24, ' ') +
                 QByteArray::number(1000 + (k * 7919) % 2000) + ' ';
    return bytes;
}

void clickCell(krugovik::CrossTable *table, int row, int column)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(row, column)).center());
}

// A tournament window opened on ALPHA.TXT with `players` players entered from the base.
std::unique_ptr<MainWindow> openTournament(int players)
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    window->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    window->findChild<QLineEdit *>(QStringLiteral("txtFileName"))
        ->setText(QStringLiteral("ALPHA.TXT"));
    window->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    auto *spin = window->findChild<QScrollBar *>(QStringLiteral("vscPlayer"));
    while (spin->value() < players)
        spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    auto *grid = window->findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
    auto *next = window->findChild<QAbstractButton *>(QStringLiteral("cmdNext"));
    for (int k = 1; k <= players; ++k) {
        clickCell(grid, k, 0);
        next->click();
    }
    return window;
}

std::unique_ptr<MainWindow> openTwentyTwo()
{
    return openTournament(22);
}

void StartUp_ChooserShown(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.findChild<QWidget *>(QStringLiteral("frmOpenFile")));
    }
}

void StartUp_Baseline_BareMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.resize(1024, 720);
        window.show();
        QApplication::processEvents();
    }
}

// Unsaved work of one benchmark must not be offered to the next one's load.
void forgetRecoveryCopies()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

// The recovery copy stays active: every click arms its timer; the event loop does not
// turn here, so the copy's write is measured on its own below.
void Click_GameCell22(benchmark::State &state)
{
    auto window = openTwentyTwo();
    auto *grid = window->findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
    for (auto _ : state)
        clickCell(grid, 5, 17);
    window.reset();
    forgetRecoveryCopies();
}

// A double round-robin's worst small case: 8 players in 4 cycles, a game of the last block.
void Click_GameCell8In4Cycles(benchmark::State &state)
{
    auto window = openTournament(8);
    window->findChild<QSpinBox *>(QStringLiteral("spnCycles"))->setValue(4);
    auto *grid = window->findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
    const int column = 4 + 3 * 8 + 7;
    grid->scrollTo(grid->model()->index(5, column));
    for (auto _ : state)
        clickCell(grid, 5, column);
    window.reset();
    forgetRecoveryCopies();
}

// The worst case: the recovery copy written after every click, where the timer writes it
// at most once in half a second.
void Click_GameCell22_CopyWrittenEachTime(benchmark::State &state)
{
    auto window = openTwentyTwo();
    auto *grid = window->findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
    auto *tournament = window->findChild<krugovik::TournamentWindow *>();
    for (auto _ : state) {
        clickCell(grid, 5, 17);
        tournament->WritePendingRecoveryCopy();
    }
    window.reset();
    forgetRecoveryCopies();
}

// Writing a 22-player tournament's bytes whole through QSaveFile, as the copy is written.
void Click_Baseline_SaveFile22(benchmark::State &state)
{
    const QByteArray bytes(22 * 25 * 8, 'x');
    for (auto _ : state) {
        QSaveFile file(QStringLiteral("baseline.txt"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
    }
}

void Click_Baseline_BareTableWidget(benchmark::State &state)
{
    QTableWidget table(23, 27);
    table.resize(1000, 600);
    table.show();
    QObject::connect(&table, &QTableWidget::cellClicked, [&table](int r, int c) {
        table.setItem(r, c, new QTableWidgetItem(QStringLiteral("1")));
    });
    for (auto _ : state)
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                          table.visualRect(table.model()->index(5, 17)).center());
}

void Tournament_Whole22(benchmark::State &state)
{
    const auto window = openTwentyTwo();
    auto *grid = window->findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
    auto *save = window->findChild<QAbstractButton *>(QStringLiteral("cmdSave"));
    for (auto _ : state) {
        for (int i = 1; i <= 22; ++i)
            for (int j = i + 1; j <= 22; ++j)
                clickCell(grid, i, j + 4);
        clickCell(grid, 0, 3);
        save->click();
        // Load again: the menu closes the window, the chooser opens the file anew.
        window->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
        window->findChild<QLineEdit *>(QStringLiteral("txtFileName"))
            ->setText(QStringLiteral("ALPHA.TXT"));
        window->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        grid = window->findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
        save = window->findChild<QAbstractButton *>(QStringLiteral("cmdSave"));
    }
}

void Tournament_Baseline_231BareClicks(benchmark::State &state)
{
    QTableWidget table(23, 27);
    table.resize(1000, 600);
    table.show();
    for (auto _ : state)
        for (int i = 1; i <= 22; ++i)
            for (int j = i + 1; j <= 22; ++j)
                QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                                  table.visualRect(table.model()->index(i, j + 4)).center());
}

void Base_Open100k(benchmark::State &state)
{
    writeFile(QStringLiteral("BASE.DAT"), base(100000));
    for (auto _ : state) {
        krugovik::TournamentWindow window([] { return QString(); });
        window.Form_Load();
    }
}

void Base_Baseline_OpenEmpty(benchmark::State &state)
{
    writeFile(QStringLiteral("BASE.DAT"), {});
    for (auto _ : state) {
        krugovik::TournamentWindow window([] { return QString(); });
        window.Form_Load();
    }
}

void Base_PrintoutLines100k(benchmark::State &state)
{
    writeFile(QStringLiteral("BASE.DAT"), base(100000));
    krugovik::Printer::setRecorder(
        [](const krugovik::PrintedDocument &d) { benchmark::DoNotOptimize(d.lines.size()); });
    krugovik::TournamentWindow window([] { return QString(); });
    window.Form_Load();
    auto *print = window.findChild<QAbstractButton *>(QStringLiteral("cmdPrintBase"));
    for (auto _ : state)
        print->click();
    krugovik::Printer::setRecorder(nullptr);
}

void Base_Baseline_ReadFile100k(benchmark::State &state)
{
    writeFile(QStringLiteral("BASE.DAT"), base(100000));
    for (auto _ : state) {
        QFile file(QStringLiteral("BASE.DAT"));
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}

// The find box on a 100,000-record base: a window with the base open and record 1 shown.
std::unique_ptr<krugovik::TournamentWindow> windowOn100k()
{
    writeFile(QStringLiteral("BASE.DAT"), base(100000));
    auto window = std::make_unique<krugovik::TournamentWindow>([] { return QString(); });
    window->Form_Load();
    window->show();
    return window;
}

void typeKey(QWidget *widget, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Each keystroke reads the base and searches it whole: the text matches no name, so the
// search cannot stop early.
void Find_Keystroke100k(benchmark::State &state)
{
    const auto window = windowOn100k();
    auto *find = window->findChild<QLineEdit *>(QStringLiteral("txtFind"));
    find->setText(QStringLiteral("zz"));
    bool longer = false;
    for (auto _ : state) {
        if (longer)
            typeKey(find, Qt::Key_Backspace, QString());
        else
            typeKey(find, Qt::Key_Z, QStringLiteral("z"));
        longer = !longer;
    }
}

// Enter with a text only the last record matches: the whole base searched, record 1 or
// the last saved, the last shown.
void Find_Enter100k(benchmark::State &state)
{
    const auto window = windowOn100k();
    auto *find = window->findChild<QLineEdit *>(QStringLiteral("txtFind"));
    find->setText(QStringLiteral("Player 100000"));
    for (auto _ : state)
        typeKey(find, Qt::Key_Return, QStringLiteral("\r"));
}

void Find_Baseline_ReadBase100k(benchmark::State &state)
{
    writeFile(QStringLiteral("BASE.DAT"), base(100000));
    for (auto _ : state) {
        QFile file(QStringLiteral("BASE.DAT"));
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}

} // namespace

BENCHMARK(StartUp_ChooserShown)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUp_Baseline_BareMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(Click_GameCell22)->Unit(benchmark::kMicrosecond);
BENCHMARK(Click_GameCell8In4Cycles)->Unit(benchmark::kMicrosecond);
BENCHMARK(Click_Baseline_BareTableWidget)->Unit(benchmark::kMicrosecond);
BENCHMARK(Click_GameCell22_CopyWrittenEachTime)->Unit(benchmark::kMicrosecond);
BENCHMARK(Click_Baseline_SaveFile22)->Unit(benchmark::kMicrosecond);
BENCHMARK(Tournament_Whole22)->Unit(benchmark::kMillisecond);
BENCHMARK(Tournament_Baseline_231BareClicks)->Unit(benchmark::kMillisecond);
BENCHMARK(Base_Open100k)->Unit(benchmark::kMillisecond);
BENCHMARK(Base_Baseline_OpenEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(Base_PrintoutLines100k)->Unit(benchmark::kMillisecond);
BENCHMARK(Base_Baseline_ReadFile100k)->Unit(benchmark::kMillisecond);
BENCHMARK(Find_Keystroke100k)->Unit(benchmark::kMillisecond);
BENCHMARK(Find_Enter100k)->Unit(benchmark::kMillisecond);
BENCHMARK(Find_Baseline_ReadBase100k)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    // Recovery copies go to the run's own data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    writeFile(QStringLiteral("BASE.DAT"), base(22));
    writeFile(QStringLiteral("ALPHA.TXT"), QByteArray(" 3 \r\n"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
