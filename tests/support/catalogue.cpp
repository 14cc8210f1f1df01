#include "support/catalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace testing_support {
namespace {

QStringList markersOf(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:\\d+|n)"));
    QStringList found;
    for (auto m = marker.globalMatch(text); m.hasNext();)
        found << m.next().captured();
    found.sort();
    return found;
}

} // namespace

QStringList catalogueProblems(const QString &tsFile, const QSet<QString> &contexts,
                              int *messages)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    *messages = 0;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsFile};
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    bool numerus = false;
    QStringList problems;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        if (!contexts.contains(context))
            continue;
        if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            ++*messages;
        } else if (xml.name() == QLatin1String("translation")) {
            const QString what = context + QStringLiteral(": ") + source;
            if (const QString type = xml.attributes().value(QLatin1String("type")).toString();
                !type.isEmpty()) {
                problems << what + QStringLiteral(" (") + type + QLatin1Char(')');
                continue;
            }
            QStringList forms;
            if (numerus) {
                while (xml.readNextStartElement())
                    forms << xml.readElementText();
            } else {
                forms << xml.readElementText();
            }
            for (const QString &form : forms) {
                if (form.trimmed().isEmpty() || form.contains(cyrillic) ||
                    markersOf(form) != markersOf(source))
                    problems << what + QStringLiteral(" -> ") + form;
            }
        }
    }
    if (xml.hasError())
        problems << xml.errorString();
    return problems;
}

} // namespace testing_support
