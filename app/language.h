#pragma once

#include <QString>
#include <optional>

class QObject;

namespace krugovik {

// The languages the program speaks. Russian is the language of its sources; English is a
// translation loaded beside it.
enum class Language { Russian, English };

// The language the director chose in the menu, if he chose one.
std::optional<Language> savedLanguage(const QString &settingsFile);
void saveLanguage(const QString &settingsFile, Language language);

// The language of the system's locale: Russian when it names Russian, or no language at all
// (the C and POSIX locales, which is how a bare system or a test harness runs), and English
// for every other language. localeName is the messages' locale as the environment sets it
// (LC_ALL, LC_MESSAGES or LANG); languages is the locale's list, first preferred.
Language systemLanguage(const QString &localeName, const QStringList &languages);
// The same for this process's environment.
Language systemLanguage();

// The language a main window starts in: the director's choice, else the system's.
Language startLanguage(const QString &settingsFile);

// Loads the program's texts and Qt's own (standard buttons, context menus) in the language
// for as long as user lives, and returns the language now in force. The translators belong to
// the application and serve every main window of the process: a window made while another
// lives speaks the language the first one loaded. The last window to go removes them.
Language useLanguage(QObject *user, Language wanted);

} // namespace krugovik
