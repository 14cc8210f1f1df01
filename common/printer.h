#pragma once

#include <QPicture>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace krugovik {

// One printout: text lines in one font, or a vector drawing.
struct PrintedDocument {
    QString kind;     // what is printed: "Таблица турнира"
    QString fileStem; // the name of its PDF without extension: "KUBOK-tablica"
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
// current directory named after the tournament and the printout ("KUBOK-tablica.pdf"),
// with a number when that file exists already ("KUBOK-tablica-2.pdf").
class Printer {
  public:
    Printer(QString kind, QString fileStem)
    {
        m_document.kind = std::move(kind);
        m_document.fileStem = std::move(fileStem);
    }

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

// The first free name of a PDF in the current directory: stem.pdf, stem-2.pdf, ...
QString freePdfPath(const QString &stem);

// Tells the director where a PDF went or why printing failed; nothing when it printed.
void reportPrintOutcome(const PrintOutcome &outcome, QWidget *parent);

} // namespace krugovik
