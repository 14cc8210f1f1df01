// The program's language: how it is chosen, and that the start-up loads it.
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include "app/club_folder.h"
#include "app/language.h"
#include "common/message_box.h"
#include "common/texts.h"
#include "support/test_helpers.h"

using namespace krugovik;
using testing_support::BoxAnswerer;

namespace {

TEST(Language, SystemLocaleDecides)
{
    const struct {
        const char *locale;
        QStringList languages;
        Language expected;
    } cases[] = {
        // No language named at all: the program's own.
        {"", {}, Language::Russian},
        {"C", {QStringLiteral("C")}, Language::Russian},
        {"C.UTF-8", {QStringLiteral("C")}, Language::Russian},
        {"POSIX", {QStringLiteral("C")}, Language::Russian},
        // A list of languages counts only beside a locale that names one, as in gettext.
        {"C.UTF-8", {QStringLiteral("en"), QStringLiteral("en-US")}, Language::Russian},
        {"ru_RU.UTF-8", {QStringLiteral("ru-RU"), QStringLiteral("ru")}, Language::Russian},
        {"ru_UA.UTF-8", {QStringLiteral("ru-UA")}, Language::Russian},
        {"en_US.UTF-8", {QStringLiteral("en-US")}, Language::English},
        {"de_DE.UTF-8", {QStringLiteral("de-DE")}, Language::English},
        {"uk_UA.UTF-8", {QStringLiteral("uk-UA")}, Language::English},
        // The first language preferred wins.
        {"en_GB.UTF-8", {QStringLiteral("ru"), QStringLiteral("en-GB")}, Language::Russian},
        {"ru_RU.UTF-8", {QStringLiteral("en"), QStringLiteral("ru-RU")}, Language::English},
    };
    for (const auto &c : cases)
        EXPECT_EQ(systemLanguage(QString::fromLatin1(c.locale), c.languages), c.expected)
            << c.locale << " " << c.languages.join(QLatin1Char(',')).toStdString();
}

TEST(Language, TheChoiceIsRememberedAndComesBeforeTheSystem)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("krugovik.conf"));
    EXPECT_EQ(savedLanguage(settings), std::nullopt);
    // Tests run in the C locale.
    EXPECT_EQ(startLanguage(settings), Language::Russian);
    saveLanguage(settings, Language::English);
    EXPECT_EQ(savedLanguage(settings), Language::English);
    EXPECT_EQ(startLanguage(settings), Language::English);
    saveLanguage(settings, Language::Russian);
    EXPECT_EQ(startLanguage(settings), Language::Russian);
    // What another program wrote there is no choice.
    QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("Language"), QStringLiteral("fr"));
    EXPECT_EQ(savedLanguage(settings), std::nullopt);
}

TEST(Language, TheTranslatorsServeEveryWindowAndGoWithTheLast)
{
    const QString russian = QStringLiteral("Круговик");
    ASSERT_EQ(programName(), russian);
    auto first = std::make_unique<QObject>();
    auto second = std::make_unique<QObject>();
    EXPECT_EQ(useLanguage(first.get(), Language::English), Language::English);
    EXPECT_EQ(programName(), QStringLiteral("Krugovik"));
    EXPECT_EQ(programLanguageCode(), "en");
    // A second window speaks the language already loaded.
    EXPECT_EQ(useLanguage(second.get(), Language::Russian), Language::English);
    first.reset();
    EXPECT_EQ(programName(), QStringLiteral("Krugovik"));
    second.reset();
    EXPECT_EQ(programName(), russian);
    EXPECT_EQ(programLanguageCode(), "ru");
    // Then Russian, with Qt's own texts in Russian where the system has them.
    auto third = std::make_unique<QObject>();
    EXPECT_EQ(useLanguage(third.get(), Language::Russian), Language::Russian);
    EXPECT_EQ(programName(), russian);
}

// The program started as a director whose system speaks English starts it, with a settings
// folder of its own.
class InEnglish : public testing_support::TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        saveLanguage(programSettingsFile(), Language::English);
    }
    void TearDown() override
    {
        TournamentTest::TearDown();
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
    }
    // Three players with Latin names, some games played: names aside, nothing is Russian.
    static QByteArray latinTournament()
    {
        return QByteArrayLiteral(" 3 \r\nAdams John\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n0.5\r\n"
                                 "Brown Mary\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n\r\n"
                                 "Clark Paul\r\n 3 \r\n1700\r\n 1000 \r\n0.5\r\n\r\n");
    }

  private:
    QTemporaryDir m_config;
    QByteArray m_previousConfig;
};

// The start-up alone loads the language: no translator installed by the test.
TEST_F(InEnglish, TheStartUpLoadsTheProgramsTextsAndQtsOwn)
{
    start();
    EXPECT_EQ(programName(), QStringLiteral("Krugovik"));
    EXPECT_EQ(mainWindow()->windowTitle(), QStringLiteral("Krugovik 1.0"));
    // Qt's own words are its English ones, not its Russian catalogue's.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    openTournament(latinTournament());
    ASSERT_NE(tournament(), nullptr);
    EXPECT_EQ(cell(0, 1), QStringLiteral("Players"));
}

TEST_F(InEnglish, TheLanguageMenuSaysWhenTheChoiceTakesEffect)
{
    start();
    auto *russian = widget<QAction>(QStringLiteral("mnuLanguageRussian"));
    auto *english = widget<QAction>(QStringLiteral("mnuLanguageEnglish"));
    ASSERT_TRUE(russian && english);
    EXPECT_EQ(widget<QMenu>(QStringLiteral("mnuLanguage"))->title(), QStringLiteral("Language"));
    EXPECT_TRUE(english->isChecked());
    {
        BoxAnswerer answer;
        russian->trigger();
        EXPECT_EQ(answer.seen().count, 1);
        EXPECT_EQ(answer.seen().text, QStringLiteral("The program will speak Russian from its next start."));
    }
    EXPECT_EQ(savedLanguage(programSettingsFile()), Language::Russian);
    EXPECT_TRUE(russian->isChecked());
    // Back to the language in force: nothing to wait for, nothing said.
    {
        BoxAnswerer answer;
        english->trigger();
        EXPECT_EQ(answer.seen().count, 0);
    }
    EXPECT_EQ(savedLanguage(programSettingsFile()), Language::English);
}

// In Russian the menu names both languages, so that either reader finds it.
TEST_F(InEnglish, InRussianTheMenuNamesBothLanguages)
{
    saveLanguage(programSettingsFile(), Language::Russian);
    start();
    EXPECT_EQ(programName(), QStringLiteral("Круговик"));
    // Qt's own words in Russian too (the build installs Qt's Russian catalogue).
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    EXPECT_EQ(widget<QMenu>(QStringLiteral("mnuLanguage"))->title(), QStringLiteral("Язык / Language"));
    BoxAnswerer answer;
    widget<QAction>(QStringLiteral("mnuLanguageEnglish"))->trigger();
    EXPECT_EQ(answer.seen().text,
              QStringLiteral("Программа будет говорить по-английски со следующего запуска."));
    EXPECT_EQ(savedLanguage(programSettingsFile()), Language::English);
}

} // namespace
