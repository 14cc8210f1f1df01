// Qt's own texts are Russian whatever the locale (the tests run under LC_ALL=C.UTF-8).
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/test_helpers.h"

using namespace testing_support;

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The texts of Qt's standard Yes and No buttons as QMessageBox shows them.
QString standardYes()
{
    return withoutMnemonic(QCoreApplication::translate("QPlatformTheme", "&Yes"));
}

class RussianTextsTest : public TournamentTest {};

TEST_F(RussianTextsTest, TheExitQuestionAnswersDaOrNet)
{
    openTournament();
    QStringList captions;
    auto *exitButton = widget<QPushButton>(QStringLiteral("cmdExit"));
    QTimer::singleShot(0, [&captions] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (const auto button : {QMessageBox::Yes, QMessageBox::No})
            captions << withoutMnemonic(box->button(button)->text());
        box->button(QMessageBox::No)->click();
    });
    click(exitButton);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
    EXPECT_TRUE(mainWindow()->isVisible());
}

TEST_F(RussianTextsTest, TheContextMenuOfATextBoxIsRussian)
{
    start();
    auto *name = widget<QLineEdit>(QStringLiteral("txtFileName"));
    std::unique_ptr<QMenu> menu(name->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << withoutMnemonic(action->text()).section(QLatin1Char('\t'), 0, 0);
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Вставить"))) << texts.join(u',').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Paste")));
}

TEST_F(InTempDir, TheTranslationLastsWhileAnyMainWindowLives)
{
    auto first = std::make_unique<MainWindow>();
    auto second = std::make_unique<MainWindow>();
    EXPECT_EQ(standardYes(), QStringLiteral("Да"));
    first.reset();
    EXPECT_EQ(standardYes(), QStringLiteral("Да"));
    second.reset();
    EXPECT_EQ(standardYes(), QStringLiteral("Yes"));
    MainWindow third;
    EXPECT_EQ(standardYes(), QStringLiteral("Да"));
}

} // namespace
