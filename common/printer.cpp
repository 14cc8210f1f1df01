#include "common/printer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "common/message_box.h"
#include "common/save_file.h"

namespace krugovik {
namespace {

Printer::Recorder &recorder()
{
    static Printer::Recorder instance;
    return instance;
}

// Lays the document out on the pages of a printer or a PDF at `resolution` dots per inch;
// false when the device refused.
bool render(const PrintedDocument &document, QPagedPaintDevice &printer, int resolution)
{
    // A picture wider than tall goes on a landscape page.
    const QRect picture = document.picture.boundingRect();
    if (!document.picture.isNull() && picture.width() > picture.height())
        printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(resolution);
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

QString freePdfPath(const QString &stem)
{
    // An earlier printout is never overwritten.
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(QDir::current().filePath(name)); ++n)
        name = stem + QStringLiteral("-%1.pdf").arg(n);
    return QDir::current().absoluteFilePath(name);
}

bool writePdf(const PrintedDocument &document, const QString &path, QString *reason)
{
    // Laid out in memory first: the file is then written whole or not at all.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool rendered = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(document.kind);
        rendered = render(document, pdf, pdf.resolution());
    }
    QString failure;
    // A PDF ends with its trailer; without it the document is cut short.
    if (!rendered || !buffer.data().trimmed().endsWith("%%EOF"))
        failure = QStringLiteral("документ не удалось составить");
    else
        failure = saveWholeFile(path, buffer.data());
    if (reason)
        *reason = failure;
    return failure.isEmpty();
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
    if (installed.isNull()) {
        const QString path = freePdfPath(m_document.fileStem);
        QString reason;
        if (!writePdf(m_document, path, &reason)) {
            outcome.error = QStringLiteral("не удалось записать файл %1: %2").arg(path, reason);
            return outcome;
        }
        outcome.pdfPath = path;
        outcome.printed = true;
        return outcome;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(installed.printerName());
    printer.setDocName(m_document.kind);
    if (!render(m_document, printer, printer.resolution())) {
        outcome.error =
            QStringLiteral("принтер %1 не принял документ").arg(installed.printerName());
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
