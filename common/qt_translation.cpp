#include "common/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace krugovik {
namespace {

const char *const kTranslatorName = "krugovikQtTexts";
const char *const kUsersProperty = "krugovikUsers";

} // namespace

void useRussianQtTexts(QObject *user)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    auto *texts = application->findChild<QTranslator *>(QString::fromLatin1(kTranslatorName),
                                                        Qt::FindDirectChildrenOnly);
    if (!texts) {
        texts = new QTranslator(application);
        texts->setObjectName(QString::fromLatin1(kTranslatorName));
        if (!texts->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete texts;
            return;
        }
        QCoreApplication::installTranslator(texts);
        // The change reaches the widgets that exist now, before the windows are built: the
        // widgets built later take Qt's Russian texts as they are made, rather than each
        // being translated anew at the first turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    texts->setProperty(kUsersProperty, texts->property(kUsersProperty).toInt() + 1);
    QObject::connect(user, &QObject::destroyed, texts, [texts] {
        const int users = texts->property(kUsersProperty).toInt() - 1;
        texts->setProperty(kUsersProperty, users);
        // Its destructor takes it off the application.
        if (users == 0)
            delete texts;
    });
}

} // namespace krugovik
