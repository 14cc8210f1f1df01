// The menu "Итоги": the final standings printed, and the tournament saved for the web,
// for spreadsheets and for other tournament programs.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/main_window.h"
#include "common/message_box.h"
#include "common/printer.h"
#include "common/save_file.h"
#include "export/csv_export.h"
#include "export/fide_sheets.h"
#include "export/html_export.h"
#include "export/tournament_snapshot.h"
#include "export/trf_export.h"
#include "standings/standings_print.h"
#include "table/event_rules.h"
#include "ui/norms_view.h"
#include "ui/standings_view.h"
#include "ui/tie_breaks_dialog.h"
#include "ui/tie_order_dialog.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

using namespace krugovik;

// How long the status bar names a file just saved.
constexpr int kSavedNoticeMs = 15000;

void MainWindow::createResultsMenu()
{
    mnuResults = menuBar()->addMenu(tr("Итоги"));
    mnuResults->setObjectName(QStringLiteral("mnuResults"));
    auto add = [this](const QString &text, const char *name, void (MainWindow::*slot)()) {
        QAction *action = mnuResults->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    mnuStandings = add(tr("Итоговая таблица"), "mnuStandings", &MainWindow::mnuStandings_Click);
    mnuStandingsView = add(tr("Места"), "mnuStandingsView", &MainWindow::mnuStandingsView_Click);
    mnuExportHtml =
        add(tr("Сохранить для сайта (HTML)…"), "mnuExportHtml", &MainWindow::mnuExportHtml_Click);
    mnuExportCsv =
        add(tr("Сохранить для таблиц (CSV)…"), "mnuExportCsv", &MainWindow::mnuExportCsv_Click);
    mnuExportTrf = add(tr("Сохранить отчёт TRF…"), "mnuExportTrf", &MainWindow::mnuExportTrf_Click);
    mnuResults->addSeparator();
    mnuTieBreaks =
        add(tr("Правила распределения мест…"), "mnuTieBreaks", &MainWindow::mnuTieBreaks_Click);
    mnuTieOrder = add(tr("Порядок при равенстве…"), "mnuTieOrder", &MainWindow::mnuTieOrder_Click);
    mnuResults->addSeparator();
    mnuNorms = add(tr("Нормы и рейтинг ФИДЕ"), "mnuNorms", &MainWindow::mnuNorms_Click);
    setResultsEnabled(false);
}

void MainWindow::setResultsEnabled(bool enabled)
{
    mnuResults->setEnabled(enabled);
    mnuResults->menuAction()->setEnabled(enabled);
}

TournamentWindow *MainWindow::openTournamentWindow() const
{
    return m_tournamentWindow ? qobject_cast<TournamentWindow *>(m_tournamentWindow->widget())
                              : nullptr;
}

void MainWindow::mnuStandings_Click()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    const TournamentSnapshot snapshot = tournament->snapshot();
    Printer printer(
        tr("Итоговая таблица"),
        QString::fromStdString(snapshot.name) + QLatin1Char('-') +
            tr("itogi",
               "file name of the standings' PDF after the tournament's; Latin letters only"),
        m_tourFilePath.isEmpty() ? QString() : QFileInfo(m_tourFilePath).absolutePath());
    printer.printSheet(standingsSheet(snapshot));
    reportPrintOutcome(printer.endDoc(this), this);
}

void MainWindow::mnuStandingsView_Click()
{
    TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    // One window per tournament; it closes with the tournament's window.
    if (!m_standingsView || m_standingsView->parent() != tournament) {
        delete m_standingsView;
        const QPointer<TournamentWindow> source(tournament);
        m_standingsView = new StandingsView(
            tournament->document(),
            [source] { return source ? source->snapshot() : TournamentSnapshot{}; }, tournament);
    }
    m_standingsView->refresh();
    m_standingsView->show();
    m_standingsView->raise();
    m_standingsView->activateWindow();
}

void MainWindow::mnuExportHtml_Click()
{
    exportResults(tr("Сохранить для сайта (HTML)"), QStringLiteral("html"),
                  tr("Веб-страница (*.html)"), &exportHtml);
}

void MainWindow::mnuExportCsv_Click()
{
    exportResults(tr("Сохранить для таблиц (CSV)"), QStringLiteral("csv"),
                  tr("Таблица CSV (*.csv)"), &exportCsv);
}

void MainWindow::mnuExportTrf_Click()
{
    exportResults(tr("Сохранить отчёт TRF"), QStringLiteral("trf"), tr("Отчёт TRF (*.trf)"),
                  &exportTrf);
}

void MainWindow::mnuTieBreaks_Click()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    TournamentDocument *document = tournament->document();
    const std::vector<TieBreak> before = document->tournament().tieBreaks();
    TieBreaksDialog dialog(before, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<TieBreak> after = dialog.tieBreaks();
    // Once a result is in, a change is asked for first; the event records it.
    if (document->tournament().ruleChangeRound(after) > 0 &&
        !askYesNo(this, tr("Турнир уже идёт. Изменить правила распределения мест?")))
        return;
    document->setTieBreaks(after);
}

void MainWindow::exportResults(const QString &title, const QString &extension,
                               const QString &filter, ResultsWriter writer)
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    const TournamentSnapshot snapshot = tournament->snapshot();
    // Beside the tournament file, under its name: KUBOK.TXT gives KUBOK.html.
    const QDir folder =
        m_tourFilePath.isEmpty() ? QDir::current() : QFileInfo(m_tourFilePath).absoluteDir();
    const QString proposed =
        folder.filePath(QString::fromStdString(snapshot.name) + QLatin1Char('.') + extension);

    QFileDialog dialog(this, title, proposed, filter);
    dialog.setObjectName(QStringLiteral("dlgExport"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(proposed);
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const std::string bytes = writer(snapshot);
    const QString failure = saveWholeFile(path, QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (!failure.isEmpty())
        showMessage(this, tr("Файл %1 не сохранён: %2.").arg(path, failure), tr("Ошибка"),
                    QMessageBox::Warning);
    else
        statusBar()->showMessage(tr("Файл сохранён: %1").arg(QDir::toNativeSeparators(path)),
                                 kSavedNoticeMs);
}

void MainWindow::mnuTieOrder_Click()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    TournamentDocument *document = tournament->document();
    TieOrderDialog dialog(tournament->snapshot(), this);
    if (!dialog.hasTies()) {
        showMessage(this, tr("Равенства нет: правила развели всех игроков."));
        return;
    }
    if (dialog.exec() == QDialog::Accepted)
        document->setTieBreaks(withOrderByHand(document->tournament().tieBreaks(), dialog.order()));
}

void MainWindow::mnuNorms_Click()
{
    TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    // One window per tournament; it closes with the tournament's window.
    if (!m_normsView || m_normsView->parent() != tournament) {
        delete m_normsView;
        const QPointer<TournamentWindow> source(tournament);
        m_normsView = new NormsView(
            tournament->document(),
            [source] { return source ? source->snapshot() : TournamentSnapshot{}; }, tournament);
        connect(m_normsView, &NormsView::certificatesRequested, this,
                &MainWindow::printNormCertificates);
        connect(m_normsView, &NormsView::ratingReportRequested, this,
                &MainWindow::printRatingReport);
    }
    m_normsView->refresh();
    m_normsView->show();
    m_normsView->raise();
    m_normsView->activateWindow();
}

void MainWindow::printNormCertificates()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    const TournamentSnapshot snapshot = tournament->snapshot();
    const std::vector<Sheet> sheets = normCertificateSheets(snapshot);
    if (sheets.empty()) {
        showMessage(m_normsView ? static_cast<QWidget *>(m_normsView) : this,
                    tr("Норм званий в турнире пока никто не выполнил."));
        return;
    }
    const QString folder =
        m_tourFilePath.isEmpty() ? QString() : QFileInfo(m_tourFilePath).absolutePath();
    // One certificate per norm, each through its own preview.
    for (std::size_t k = 0; k < sheets.size(); ++k) {
        Printer printer(tr("Сертификат нормы"),
                        QString::fromStdString(snapshot.name) + QLatin1Char('-') +
                            tr("norma", "file name of a norm certificate's PDF after the "
                                        "tournament's; Latin letters only") +
                            QLatin1Char('-') + QString::number(k + 1),
                        folder);
        printer.printSheet(sheets[k]);
        const PrintOutcome outcome = printer.endDoc(this);
        reportPrintOutcome(outcome, this);
        if (!outcome.printed)
            break;
    }
}

void MainWindow::printRatingReport()
{
    const TournamentWindow *tournament = openTournamentWindow();
    if (!tournament)
        return;
    const TournamentSnapshot snapshot = tournament->snapshot();
    Printer printer(
        tr("Рейтинг-отчёт ФИДЕ"),
        QString::fromStdString(snapshot.name) + QLatin1Char('-') +
            tr("reiting", "file name of the rating report's PDF after the tournament's; Latin "
                          "letters only"),
        m_tourFilePath.isEmpty() ? QString() : QFileInfo(m_tourFilePath).absolutePath());
    printer.printSheet(ratingReportSheet(snapshot));
    reportPrintOutcome(printer.endDoc(this), this);
}
