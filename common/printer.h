#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "common/sheet.h"

class QPagedPaintDevice;
class QWidget;

namespace krugovik {

// One printout: text lines in one font, or a sheet the printer lays out on its pages.
struct PrintedDocument {
    QString kind;     // what is printed: "Таблица турнира"
    QString fileStem; // the name of its PDF without extension: "KUBOK-tablica"
    QString folder;   // where its PDF goes without a printer: the tournament's folder
    QString fontName; // face of the text lines
    qreal fontPoints = 0;
    QStringList lines; // each line's items already placed side by side
    std::optional<Sheet> sheet;
};

// How a printout ended.
struct PrintOutcome {
    bool printed = false;   // it reached a printer or a file
    bool noPrinter = false; // no printer is installed: it could only go to a file
    QString pdfPath;        // where it was written, whole, when it went to a PDF
    QString error;          // why it failed; empty with nothing printed: the director cancelled
};

// A printout goes through Qt's print preview, with the choice of printer, the page set-up
// and a PDF. Without an installed printer the preview prints into a PDF in the given folder
// named after the tournament and the printout ("KUBOK-tablica.pdf"), with a number when
// that file exists already ("KUBOK-tablica-2.pdf").
class Printer {
  public:
    Printer(QString kind, QString fileStem, QString folder = QString())
    {
        m_document.kind = std::move(kind);
        m_document.fileStem = std::move(fileStem);
        m_document.folder = std::move(folder);
    }

    void setFont(const QString &name, qreal points);
    void printLine(const QString &line = QString());
    void printSheet(Sheet sheet);
    // Ends the document and shows it in the preview (`dlgPrintPreview`), modal to `parent`,
    // from which the director prints it or not.
    PrintOutcome endDoc(QWidget *parent = nullptr);

    // Tests receive the documents here instead of the preview.
    using Recorder = std::function<void(const PrintedDocument &)>;
    static void setRecorder(Recorder recorder);

  private:
    PrintedDocument m_document;
};

// The pages printouts start from: A4 with margins of 10 mm, upright.
QPageLayout defaultPageLayout();

// Lays the document out on the device's pages; false when the device refused.
bool renderDocument(const PrintedDocument &document, QPagedPaintDevice &device);

// Lays the document out in a PDF file on pages of `layout` (by default A4, landscape where
// a sheet is printed larger so), written whole or not at all; false when it could not be
// written, with the reason given where asked for.
bool writePdf(const PrintedDocument &document, const QString &path, QString *reason = nullptr,
              std::optional<QPageLayout> layout = std::nullopt);

// The first free name of a PDF in `folder` (the current one when empty): stem.pdf,
// stem-2.pdf, ...
QString freePdfPath(const QString &folder, const QString &stem);

// Tells the director where a PDF went or why printing failed; nothing when it printed or
// was cancelled.
void reportPrintOutcome(const PrintOutcome &outcome, QWidget *parent);

} // namespace krugovik
