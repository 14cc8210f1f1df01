#pragma once

#include <QPicture>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace krugovik {

// One printout: text lines in one font, or a vector drawing.
struct PrintedDocument {
    QString kind;     // what is printed, for the name of a PDF: "Таблица турнира"
    QString fontName; // face of the text lines
    qreal fontPoints = 0;
    QStringList lines; // each line's items already placed side by side
    // Vector drawing in screen pixels from the origin; its bounding rectangle is scaled to
    // the page's width (or height, if tighter), on a landscape page when wider than tall.
    QPicture picture;
};

// How a printout ended.
struct PrintOutcome {
    bool printed = false; // it reached a printer or a file
    QString pdfPath;      // where it was written, whole, when no printer is installed
    QString error;        // why it failed
};

// The printer of the whole program: the default printer, or without one a PDF in the
// current directory named after the kind of printout, the date and the time.
class Printer {
  public:
    explicit Printer(QString kind) { m_document.kind = std::move(kind); }

    void setFont(const QString &name, qreal points);
    void printLine(const QString &line = QString());
    void printPicture(const QPicture &picture);
    // Ends the document and sends it out.
    PrintOutcome endDoc();

    // Tests receive the documents here instead of a printer.
    using Recorder = std::function<void(const PrintedDocument &)>;
    static void setRecorder(Recorder recorder);

  private:
    PrintedDocument m_document;
};

// Lays the document out in a PDF file, written whole or not at all; false when it could
// not be written, with the reason given where asked for.
bool writePdf(const PrintedDocument &document, const QString &path, QString *reason = nullptr);

// Tells the director where a PDF went or why printing failed; nothing when it printed.
void reportPrintOutcome(const PrintOutcome &outcome, QWidget *parent);

} // namespace krugovik
