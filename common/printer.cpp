#include "common/printer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include "common/message_box.h"
#include "common/save_file.h"
#include "common/sheet_painter.h"

namespace krugovik {
namespace {

Printer::Recorder &recorder()
{
    static Printer::Recorder instance;
    return instance;
}

constexpr qreal kMarginMillimetres = 10;

// Text lines one under the other, on as many pages as they need.
bool renderLines(const PrintedDocument &document, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiY());
    QFont font(document.fontName);
    font.setPointSizeF(document.fontPoints > 0 ? document.fontPoints : 12);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    qreal y = 0;
    for (const QString &line : document.lines) {
        if (y + metrics.height() > page.height()) {
            if (!device.newPage())
                return false;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), line);
        y += metrics.height();
    }
    return painter.end();
}

} // namespace

QPageLayout defaultPageLayout()
{
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

bool renderDocument(const PrintedDocument &document, QPagedPaintDevice &device)
{
    return document.sheet ? paintSheet(*document.sheet, device) : renderLines(document, device);
}

QString freePdfPath(const QString &folder, const QString &stem)
{
    // An earlier printout is never overwritten.
    const QDir dir = folder.isEmpty() ? QDir::current() : QDir(folder);
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(dir.filePath(name)); ++n)
        name = stem + QStringLiteral("-%1.pdf").arg(n);
    return dir.absoluteFilePath(name);
}

bool writePdf(const PrintedDocument &document, const QString &path, QString *reason,
              std::optional<QPageLayout> layout)
{
    // Laid out in memory first: the file is then written whole or not at all.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool rendered = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(document.kind);
        QPageLayout page = layout.value_or(defaultPageLayout());
        if (!layout && document.sheet)
            page.setOrientation(bestOrientation(*document.sheet, page, pdf));
        pdf.setPageLayout(page);
        rendered = renderDocument(document, pdf);
    }
    QString failure;
    // A PDF ends with its trailer; without it the document is cut short.
    if (!rendered || !buffer.data().trimmed().endsWith("%%EOF"))
        failure = QCoreApplication::translate("Printing", "документ не удалось составить");
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

void Printer::printSheet(Sheet sheet)
{
    m_document.sheet = std::move(sheet);
}

void Printer::setRecorder(Recorder recorder)
{
    krugovik::recorder() = std::move(recorder);
}

PrintOutcome Printer::endDoc(QWidget *parent)
{
    PrintOutcome outcome;
    if (recorder()) {
        recorder()(m_document);
        outcome.printed = true;
        return outcome;
    }
    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    outcome.noPrinter = installed.isNull();
    if (outcome.noPrinter) {
        // The preview's print dialog then offers the PDF, named and placed already.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(freePdfPath(m_document.folder, m_document.fileStem));
        printer.setPageLayout(defaultPageLayout());
    } else {
        printer.setPrinterName(installed.printerName());
        printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                         kMarginMillimetres),
                               QPageLayout::Millimeter);
    }
    printer.setDocName(m_document.kind);
    if (m_document.sheet)
        printer.setPageOrientation(
            bestOrientation(*m_document.sheet, printer.pageLayout(), printer));

    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    preview.setWindowTitle(m_document.kind);
    preview.setWindowModality(Qt::ApplicationModal);
    // Large enough to read a page and to show the whole tool bar, its print button included.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        preview.resize(screen->availableGeometry().size() * 0.9);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview,
        [this, &outcome](QPrinter *target) {
            // The preview draws its pages in pictures of its own.
            if (target->paintEngine() && target->paintEngine()->type() == QPaintEngine::Picture) {
                renderDocument(m_document, *target);
                return;
            }
            if (target->outputFormat() == QPrinter::PdfFormat) {
                // Written whole or not at all, on the pages chosen.
                const QString path = target->outputFileName();
                QString reason;
                if (writePdf(m_document, path, &reason, target->pageLayout())) {
                    outcome.printed = true;
                    outcome.pdfPath = path;
                } else {
                    outcome.error =
                        QCoreApplication::translate("Printing", "не удалось записать файл %1: %2")
                            .arg(path, reason);
                }
                return;
            }
            if (renderDocument(m_document, *target))
                outcome.printed = true;
            else
                outcome.error =
                    QCoreApplication::translate("Printing", "принтер %1 не принял документ")
                        .arg(target->printerName());
        });
    preview.exec();
    return outcome;
}

void reportPrintOutcome(const PrintOutcome &outcome, QWidget *parent)
{
    if (!outcome.error.isEmpty())
        showMessage(
            parent,
            QCoreApplication::translate("Printing", "Печать не удалась: %1.").arg(outcome.error),
            QCoreApplication::translate("Printing", "Ошибка"), QMessageBox::Warning);
    else if (outcome.printed && !outcome.pdfPath.isEmpty())
        showMessage(parent,
                    outcome.noPrinter
                        ? QCoreApplication::translate(
                              "Printing", "Принтер не установлен. Документ сохранён в файл %1")
                              .arg(outcome.pdfPath)
                        : QCoreApplication::translate("Printing", "Документ сохранён в файл %1")
                              .arg(outcome.pdfPath));
}

} // namespace krugovik
