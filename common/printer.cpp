#include "common/printer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "common/message_box.h"

namespace krugovik {
namespace {

Printer::Recorder &recorder()
{
    static Printer::Recorder instance;
    return instance;
}

QString pdfName(const QString &kind)
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QString name = kind + QLatin1Char(' ') + stamp + QStringLiteral(".pdf");
    // Two printouts of the same kind in one second keep both files.
    for (int n = 2; QFileInfo::exists(QDir::current().filePath(name)); ++n)
        name = kind + QLatin1Char(' ') + stamp + QStringLiteral(" (%1).pdf").arg(n);
    return QDir::current().absoluteFilePath(name);
}

// Lays the document out on the printer's pages; false when the printer refused.
bool render(const PrintedDocument &document, QPrinter &printer)
{
    printer.setDocName(document.kind);
    // A picture wider than tall goes on a landscape page.
    const QRect picture = document.picture.boundingRect();
    if (!document.picture.isNull() && picture.width() > picture.height())
        printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    if (!document.picture.isNull()) {
        // The picture was drawn at screen resolution from the origin, and playing it on
        // the printer enlarges it to the printer's resolution.
        const QRectF frame = document.picture.boundingRect();
        const qreal toPrinter = qreal(printer.logicalDpiX()) / document.picture.logicalDpiX();
        const qreal fit = std::min(area.width() / (frame.width() * toPrinter),
                                   area.height() / (frame.height() * toPrinter));
        painter.save();
        painter.scale(fit, fit);
        painter.drawPicture(QPointF(0, 0), document.picture);
        painter.restore();
    }
    QFont font(document.fontName);
    font.setPointSizeF(document.fontPoints > 0 ? document.fontPoints : 12);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    qreal y = 0;
    for (const QString &line : document.lines) {
        if (y + metrics.height() > area.height()) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), line);
        y += metrics.height();
    }
    return painter.end();
}

} // namespace

bool writePdf(const PrintedDocument &document, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return render(document, printer);
}

void Printer::setFont(const QString &name, qreal points)
{
    m_document.fontName = name;
    m_document.fontPoints = points;
}

void Printer::printLine(const QString &line)
{
    m_document.lines.append(line);
}

void Printer::printPicture(const QPicture &picture)
{
    m_document.picture = picture;
}

void Printer::setRecorder(Recorder recorder)
{
    krugovik::recorder() = std::move(recorder);
}

PrintOutcome Printer::endDoc()
{
    PrintOutcome outcome;
    if (recorder()) {
        recorder()(m_document);
        outcome.printed = true;
        return outcome;
    }
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    bool rendered = false;
    if (installed.isNull()) {
        outcome.pdfPath = pdfName(m_document.kind);
        rendered = writePdf(m_document, outcome.pdfPath);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(installed.printerName());
        rendered = render(m_document, printer);
    }
    if (!rendered) {
        outcome.error =
            outcome.pdfPath.isEmpty()
                ? QStringLiteral("принтер %1 не принял документ").arg(installed.printerName())
                : QStringLiteral("не удалось записать файл %1").arg(outcome.pdfPath);
        return outcome;
    }
    outcome.printed = true;
    return outcome;
}

void reportPrintOutcome(const PrintOutcome &outcome, QWidget *parent)
{
    if (!outcome.printed)
        showMessage(parent, QStringLiteral("Печать не удалась: %1.").arg(outcome.error),
                    QStringLiteral("Ошибка"), QMessageBox::Warning);
    else if (!outcome.pdfPath.isEmpty())
        showMessage(parent, QStringLiteral("Принтер не установлен. Документ сохранён в файл %1")
                                .arg(outcome.pdfPath));
}

} // namespace krugovik
