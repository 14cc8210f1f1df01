#include "ui/norms_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "export/fide_snapshot.h"
#include "export/tournament_snapshot.h"
#include "rating/event_category.h"
#include "rating/fide_report.h"
#include "ui/tournament_document.h"

namespace krugovik {
namespace {

QTableWidgetItem *item(const QString &text, Qt::Alignment alignment)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

NormsView::NormsView(const TournamentDocument *document,
                     std::function<TournamentSnapshot()> snapshot, QWidget *parent)
    : QDialog(parent, Qt::Window), m_document(document), m_snapshot(std::move(snapshot))
{
    setObjectName(QStringLiteral("dlgNorms"));
    setWindowTitle(tr("Нормы и рейтинг ФИДЕ"));
    setModal(false);
    lblNormsSummary = new QLabel(this);
    lblNormsSummary->setObjectName(QStringLiteral("lblNormsSummary"));
    lblNormsSummary->setWordWrap(true);
    tblNorms = new QTableWidget(this);
    tblNorms->setObjectName(QStringLiteral("tblNorms"));
    tblNorms->verticalHeader()->hide();
    tblNorms->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblNorms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNorms->setSelectionBehavior(QAbstractItemView::SelectRows);
    cmdNormCertificates = new QPushButton(tr("Сертификаты норм…"), this);
    cmdNormCertificates->setObjectName(QStringLiteral("cmdNormCertificates"));
    cmdRatingReport = new QPushButton(tr("Рейтинг-отчёт…"), this);
    cmdRatingReport->setObjectName(QStringLiteral("cmdRatingReport"));
    connect(cmdNormCertificates, &QPushButton::clicked, this, &NormsView::certificatesRequested);
    connect(cmdRatingReport, &QPushButton::clicked, this, &NormsView::ratingReportRequested);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdNormCertificates);
    buttons->addWidget(cmdRatingReport);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblNormsSummary);
    layout->addWidget(tblNorms);
    layout->addLayout(buttons);
    connect(document, &TournamentDocument::changed, this, &NormsView::refresh);
    refresh();
    resize(900, 480);
}

void NormsView::refresh()
{
    // The tournament is being closed: the window goes with it.
    if (!m_document)
        return;
    const FideEvent event = fideEventOf(m_snapshot());
    const int average = averageRating(event);
    const int category = eventCategory(average);
    QStringList summary;
    summary << (average > 0 ? tr("Средний рейтинг ФИДЕ: %1, категория: %2")
                                  .arg(average)
                                  .arg(category > 0 ? number(category) : tr("нет"))
                            : tr("Рейтинга ФИДЕ нет ни у кого."));
    if (canBeRated(event))
        summary << tr("Турнир может быть обсчитан ФИДЕ.");
    else if (tooFewForSeveralCycles(event))
        summary << tr("Турнир не может быть обсчитан ФИДЕ: в двухкруговом турнире с игроками "
                      "без рейтинга должно быть не меньше шести участников.");
    else
        summary << tr("Турнир не может быть обсчитан ФИДЕ: рейтинг должен быть хотя бы у "
                      "трети игроков, и не меньше чем у четырёх, если игроков меньше десяти.");
    summary << (canGiveNorms(event) ? tr("Турнир может дать нормы званий.")
                                    : tr("Норм званий в турнире выполнить нельзя."));
    lblNormsSummary->setText(summary.join(QLatin1Char('\n')));

    const QStringList titles = {tr("№", "column caption: start number"),
                                tr("Участник"),
                                tr("Звание"),
                                tr("Федерация"),
                                tr("Рейтинг ФИДЕ"),
                                tr("K"),
                                tr("Партий"),
                                tr("Очки"),
                                tr("Ожидалось"),
                                tr("Изменение"),
                                tr("Перфоманс"),
                                tr("Нормы")};
    const std::vector<FideReportLine> lines = fideReport(event);
    tblNorms->clear();
    tblNorms->setColumnCount(int(titles.size()));
    tblNorms->setRowCount(int(lines.size()));
    tblNorms->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < int(lines.size()); ++r) {
        const FideReportLine &line = lines[std::size_t(r)];
        const FidePlayer &player = event.players[std::size_t(r)];
        const bool rated = line.rating > 0;
        QString change;
        if (rated)
            change = QString::fromStdString(signedNumber(line.change));
        else if (line.firstRating)
            change = tr("первый рейтинг %1").arg(*line.firstRating);
        QStringList norms;
        for (const NormCheck &check : line.normChecks) {
            const std::string text = normStatusText(check);
            if (check.state == NormState::Made || check.state == NormState::Possible)
                norms << QString::fromStdString(text);
        }
        const std::vector<QTableWidgetItem *> cells = {
            item(number(line.number), Qt::AlignRight),
            item(QString::fromStdString(line.name), Qt::AlignLeft),
            item(QString::fromStdString(player.title), Qt::AlignCenter),
            item(QString::fromStdString(player.federation), Qt::AlignCenter),
            item(rated ? number(line.rating) : QString(), Qt::AlignRight),
            item(QString::fromStdString(kText(line)), Qt::AlignRight),
            item(number(line.games), Qt::AlignRight),
            item(QString::fromStdString(withDecimalSeparator(halvesWithPoint(line.halfPoints))),
                 Qt::AlignRight),
            item(rated ? QString::fromStdString(
                             withDecimalSeparator(hundredthsWithPoint(line.expectedHundredths)))
                       : QString(),
                 Qt::AlignRight),
            item(change, Qt::AlignRight),
            item(line.performance > 0 ? number(line.performance) : QString(), Qt::AlignRight),
            item(norms.join(QStringLiteral("; ")), Qt::AlignLeft)};
        for (int c = 0; c < int(cells.size()); ++c)
            tblNorms->setItem(r, c, cells[std::size_t(c)]);
    }
    tblNorms->resizeColumnsToContents();
}

} // namespace krugovik
