// Язык / Language: the choice between Russian and English. The texts of every window are
// made as the windows are built, so a new choice takes effect at the next start.
#include <QActionGroup>
#include <QMenuBar>

#include "app/club_folder.h"
#include "app/main_window.h"
#include "common/message_box.h"

using namespace krugovik;

void MainWindow::createLanguageMenu()
{
    // Both languages in the title, so that a director who does not read the one in force can
    // still find his way back.
    mnuLanguage = menuBar()->addMenu(tr("Язык / Language"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    auto *choice = new QActionGroup(mnuLanguage);
    mnuLanguageRussian = mnuLanguage->addAction(tr("Русский"));
    mnuLanguageRussian->setObjectName(QStringLiteral("mnuLanguageRussian"));
    mnuLanguageEnglish = mnuLanguage->addAction(tr("English"));
    mnuLanguageEnglish->setObjectName(QStringLiteral("mnuLanguageEnglish"));
    const Language chosen = savedLanguage(programSettingsFile()).value_or(m_language);
    for (QAction *action : {mnuLanguageRussian, mnuLanguageEnglish}) {
        action->setCheckable(true);
        choice->addAction(action);
    }
    (chosen == Language::English ? mnuLanguageEnglish : mnuLanguageRussian)->setChecked(true);
    connect(mnuLanguageRussian, &QAction::triggered, this,
            [this] { chooseLanguage(Language::Russian); });
    connect(mnuLanguageEnglish, &QAction::triggered, this,
            [this] { chooseLanguage(Language::English); });
}

void MainWindow::chooseLanguage(Language language)
{
    saveLanguage(programSettingsFile(), language);
    if (language == m_language)
        return;
    showMessage(this, language == Language::English
                          ? tr("Программа будет говорить по-английски со следующего запуска.")
                          : tr("Программа будет говорить по-русски со следующего запуска."));
}
