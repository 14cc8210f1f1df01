#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace krugovik {
namespace {

const char *const kHolderName = "krugovikLanguage";
const char *const kLanguageProperty = "krugovikLanguage";
const char *const kUsersProperty = "krugovikUsers";
const char *const kLanguageKey = "Language";

QString code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

bool namesNoLanguage(const QString &localeName)
{
    const QString name = localeName.section(QLatin1Char('.'), 0, 0);
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// Adds a translator to the holder and the application; false when its file is missing.
bool install(QObject *holder, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(holder);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

std::optional<Language> savedLanguage(const QString &settingsFile)
{
    const QString saved = QSettings(settingsFile, QSettings::IniFormat).value(kLanguageKey).toString();
    if (saved == code(Language::English))
        return Language::English;
    if (saved == code(Language::Russian))
        return Language::Russian;
    return std::nullopt;
}

void saveLanguage(const QString &settingsFile, Language language)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(kLanguageKey, code(language));
}

Language systemLanguage(const QString &localeName, const QStringList &languages)
{
    // As gettext does: a C locale names no language, whatever else the environment says.
    if (namesNoLanguage(localeName))
        return Language::Russian;
    const QString first = languages.isEmpty() ? localeName : languages.first();
    if (namesNoLanguage(first) || first.startsWith(QLatin1String("ru")))
        return Language::Russian;
    return Language::English;
}

Language systemLanguage()
{
    // The messages' locale, as the C library would choose it.
    QString name;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            break;
    }
    return systemLanguage(name, QLocale::system().uiLanguages());
}

Language startLanguage(const QString &settingsFile)
{
    return savedLanguage(settingsFile).value_or(systemLanguage());
}

Language useLanguage(QObject *user, Language wanted)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return Language::Russian;
    auto *holder = application->findChild<QObject *>(QString::fromLatin1(kHolderName),
                                                     Qt::FindDirectChildrenOnly);
    if (!holder) {
        holder = new QObject(application);
        holder->setObjectName(QString::fromLatin1(kHolderName));
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (wanted == Language::English) {
            // Qt's own texts are English already. Without the program's catalogue, which
            // is built into it, it stays Russian rather than half translated.
            if (!install(holder, QStringLiteral(":/i18n/krugovik_en.qm"), QString()))
                wanted = Language::Russian;
        }
        // Without Qt's Russian catalogue its own texts stay English.
        if (wanted == Language::Russian)
            install(holder, QStringLiteral("qtbase_ru"), qtFolder);
        holder->setProperty(kLanguageProperty, int(wanted));
        // The change reaches the widgets that exist now, before the windows are built: the
        // widgets built later take the texts as they are made, rather than each being
        // translated anew at the first turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    holder->setProperty(kUsersProperty, holder->property(kUsersProperty).toInt() + 1);
    QObject::connect(user, &QObject::destroyed, holder, [holder] {
        const int users = holder->property(kUsersProperty).toInt() - 1;
        holder->setProperty(kUsersProperty, users);
        // The translators' destructors take them off the application.
        if (users == 0)
            delete holder;
    });
    return Language(holder->property(kLanguageProperty).toInt());
}

} // namespace krugovik
