#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace testing_support {

// What is wrong with the English of the given contexts in a Qt translation file: a message
// unfinished (or left from a text the sources dropped), an empty form, a Cyrillic letter, or
// %1…/%n markers other than its Russian source's. `messages` counts those read, so that a
// renamed context shows as reading nothing.
QStringList catalogueProblems(const QString &tsFile, const QSet<QString> &contexts,
                              int *messages);

} // namespace testing_support
