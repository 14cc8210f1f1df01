// Timings of the results menu for 22 players: each export to its file beside a plain
// write of as many bytes, each printout to its PDF beside an empty PDF page.
#include <QAbstractButton>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <benchmark/benchmark.h>

#include "common/codepage.h"
#include "common/printer.h"
#include "common/save_file.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/tournament_snapshot.h"
#include "export/trf_export.h"
#include "standings/standings_print.h"
#include "ui/tournament_window.h"

namespace {

QString name(int k)
{
    return QStringLiteral("Участник Номер %1").arg(k);
}

// A finished 22-player tournament file: the lower number wins, every fifth pair draws.
QByteArray tournament22()
{
    QByteArray bytes = " 22 \r\n";
    for (int i = 1; i <= 22; ++i) {
        bytes += krugovik::toCodePage(name(i)) + "\r\n " + QByteArray::number(i) + " \r\n" +
                 QByteArray::number(2100 - 35 * i) + "\r\n" + (i % 7 == 0 ? " 0 " : " 1000 ") +
                 "\r\n";
        for (int j = 1; j <= 22; ++j)
            if (j != i)
                bytes += QByteArray((i + j) % 5 == 0 ? "0.5" : i < j ? "1" : "0") + "\r\n";
    }
    return bytes;
}

// The tournament window on that file, as the director has it open.
std::unique_ptr<krugovik::TournamentWindow> openTournament22()
{
    QFile file(QStringLiteral("TURNIR22.TXT"));
    file.open(QIODevice::WriteOnly);
    file.write(tournament22());
    file.close();
    auto window =
        std::make_unique<krugovik::TournamentWindow>([] { return QStringLiteral("TURNIR22.TXT"); });
    window->Form_Load();
    window->show();
    return window;
}

using Writer = std::string (*)(const krugovik::TournamentSnapshot &);

void Export(benchmark::State &state, Writer writer)
{
    const auto window = openTournament22();
    for (auto _ : state) {
        const std::string bytes = writer(window->snapshot());
        krugovik::saveWholeFile(QStringLiteral("export.out"),
                                QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
}

void Export_Baseline(benchmark::State &state, Writer writer)
{
    const auto window = openTournament22();
    const QByteArray same(qsizetype(writer(window->snapshot()).size()), 'x');
    for (auto _ : state)
        krugovik::saveWholeFile(QStringLiteral("export.out"), same);
    state.counters["bytes"] = double(same.size());
}

void Print_Standings22(benchmark::State &state)
{
    const auto window = openTournament22();
    for (auto _ : state) {
        krugovik::PrintedDocument document;
        document.kind = QStringLiteral("Итоговая таблица");
        document.sheet = krugovik::standingsSheet(window->snapshot());
        krugovik::writePdf(document, QStringLiteral("standings.pdf"));
    }
}

void Print_Table22(benchmark::State &state)
{
    const auto window = openTournament22();
    auto *print = window->findChild<QAbstractButton *>(QStringLiteral("cmdPrint"));
    // The button's whole work, with the PDF written where endDoc would write it.
    krugovik::Printer::setRecorder([](const krugovik::PrintedDocument &document) {
        krugovik::writePdf(document, QStringLiteral("table.pdf"));
    });
    for (auto _ : state)
        print->click();
    krugovik::Printer::setRecorder(nullptr);
}

void Print_Baseline_EmptyPdfPage(benchmark::State &state)
{
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("empty.pdf"));
        QPainter painter(&printer);
        painter.end();
    }
}

} // namespace

BENCHMARK_CAPTURE(Export, Html22, &krugovik::exportHtml)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export_Baseline, HtmlBytes, &krugovik::exportHtml)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, Csv22, &krugovik::exportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export_Baseline, CsvBytes, &krugovik::exportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, Trf22, &krugovik::exportTrf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export_Baseline, TrfBytes, &krugovik::exportTrf)->Unit(benchmark::kMillisecond);
BENCHMARK(Print_Standings22)->Unit(benchmark::kMillisecond);
BENCHMARK(Print_Table22)->Unit(benchmark::kMillisecond);
BENCHMARK(Print_Baseline_EmptyPdfPage)->Unit(benchmark::kMillisecond);
