// The handbook in the language the program speaks: the English chapters for an English
// program, the Russian ones otherwise, and every link and picture of the English chapters
// leading somewhere.
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTranslator>
#include <QUrl>
#include <gtest/gtest.h>

#include "app/help_viewer.h"
#include "common/texts.h"
#include "support/test_helpers.h"

using namespace testing_support;

namespace {

const QString kDoc = QStringLiteral(KRUGOVIK_DOC_DIR);
const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}"));

// The program speaking English for the length of one test.
class EnglishHandbookTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        ASSERT_TRUE(m_english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }
    void TearDown() override
    {
        TournamentTest::TearDown();
        QCoreApplication::removeTranslator(&m_english);
    }

  private:
    QTranslator m_english;
};

TEST_F(EnglishHandbookTest, F1OpensTheEnglishChaptersInEnglishWords)
{
    ASSERT_EQ(krugovik::programLanguageCode(), "en");
    EXPECT_EQ(krugovik::handbookFolder(), QDir(kDoc + QStringLiteral("/en")).canonicalPath());
    start();
    auto *help = mainWindow()->findChild<QAction *>(QStringLiteral("mnuHelp"));
    ASSERT_NE(help, nullptr);
    help->trigger();
    auto *viewer = mainWindow()->findChild<QDialog *>(QStringLiteral("dlgHelp"));
    ASSERT_NE(viewer, nullptr);
    auto *browser = child<QTextBrowser>(viewer, QStringLiteral("txtHelp"));
    EXPECT_EQ(browser->source(),
              QUrl::fromLocalFile(QDir(kDoc + QStringLiteral("/en")).canonicalPath() +
                                  QStringLiteral("/index.md")));
    EXPECT_TRUE(
        browser->toPlainText().startsWith(QStringLiteral("Krugovik: the director's handbook")))
        << browser->toPlainText().left(80).toStdString();
    // The window's own words are English too.
    EXPECT_FALSE(viewer->windowTitle().contains(kCyrillic)) << viewer->windowTitle().toStdString();
    for (const QAbstractButton *button : viewer->findChildren<QAbstractButton *>()) {
        EXPECT_FALSE(button->text().isEmpty()) << button->objectName().toStdString();
        EXPECT_FALSE(button->text().contains(kCyrillic)) << button->text().toStdString();
    }
    // An English chapter, and from it a chapter that is Russian only, open inside it.
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("05-results-mouse.md"))));
    EXPECT_TRUE(
        browser->toPlainText().startsWith(QStringLiteral("Entering results with the mouse")))
        << browser->toPlainText().left(80).toStdString();
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("../08-rounds.md"))));
    EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("Туры и протокол")));
    viewer->close();
}

TEST_F(EnglishHandbookTest, TheMissingHandbookIsExplainedInEnglish)
{
    krugovik::HelpViewer viewer(QString{});
    EXPECT_FALSE(viewer.browser()->toPlainText().isEmpty());
    EXPECT_FALSE(viewer.browser()->toPlainText().contains(kCyrillic))
        << viewer.browser()->toPlainText().toStdString();
}

TEST(RussianHandbook, WithoutATranslationTheRussianChaptersOpen)
{
    ASSERT_EQ(krugovik::programLanguageCode(), "ru");
    EXPECT_EQ(krugovik::handbookFolder(), QDir(kDoc).canonicalPath());
}

// Each English chapter: its title, and that the index lists it.
struct Chapter {
    const char *file;
    const char *title;
};

void PrintTo(const Chapter &chapter, std::ostream *out)
{
    *out << chapter.file;
}

class EnglishChapter : public ::testing::TestWithParam<Chapter> {};

// Every link of the chapter leads to a file of the handbook (an English chapter, a Russian
// one under ../, or a picture that loads), its text is English throughout, and the index
// links to it.
TEST_P(EnglishChapter, LinksResolveAndTheTextIsEnglish)
{
    const QDir english(kDoc + QStringLiteral("/en"));
    QFile file(english.filePath(QString::fromLatin1(GetParam().file)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().file;
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("# ") + QString::fromUtf8(GetParam().title) +
                                QLatin1Char('\n')))
        << text.left(80).toStdString();
    // The Russian program's language menu is quoted as it reads there.
    const QString checked =
        QString(text).remove(QStringLiteral("Язык / Language")).remove(QStringLiteral("«Русский»"));
    const QRegularExpressionMatch russian = kCyrillic.match(checked);
    EXPECT_FALSE(russian.hasMatch())
        << GetParam().file << ": " << checked.mid(russian.capturedStart() - 30, 60).toStdString();

    // Markdown links and pictures: ](target) or ](target "title").
    static const QRegularExpression link(QStringLiteral("\\]\\(([^)\\s]+)(?:\\s+\"[^\"]*\")?\\)"));
    int links = 0;
    for (auto match = link.globalMatch(text); match.hasNext();) {
        const QString target = match.next().captured(1);
        if (target.startsWith(QLatin1String("http://")) ||
            target.startsWith(QLatin1String("https://")))
            continue;
        ++links;
        const QString path =
            QDir::cleanPath(english.filePath(target.section(QLatin1Char('#'), 0, 0)));
        EXPECT_TRUE(QFileInfo(path).isFile())
            << GetParam().file << " links to " << target.toStdString();
        EXPECT_TRUE(path.startsWith(QDir(kDoc).absolutePath() + QLatin1Char('/')))
            << target.toStdString() << " leaves the handbook";
        if (target.endsWith(QLatin1String(".png"))) {
            // English pictures only: the Russian ones show Russian words.
            EXPECT_TRUE(target.startsWith(QLatin1String("images/"))) << target.toStdString();
            EXPECT_FALSE(QImage(path).isNull()) << target.toStdString() << " is no picture";
        }
    }
    EXPECT_GT(links, 0) << GetParam().file << " links nowhere";

    if (QString::fromLatin1(GetParam().file) != QLatin1String("index.md")) {
        QFile index(english.filePath(QStringLiteral("index.md")));
        ASSERT_TRUE(index.open(QIODevice::ReadOnly));
        EXPECT_TRUE(
            QString::fromUtf8(index.readAll())
                .contains(QStringLiteral("](%1)").arg(QString::fromLatin1(GetParam().file))))
            << "the index does not list " << GetParam().file;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handbook, EnglishChapter,
    ::testing::Values(Chapter{"index.md", "Krugovik: the director's handbook"},
                      Chapter{"01-start.md", "Getting started"},
                      Chapter{"03-tournament.md", "Creating and opening a tournament"},
                      Chapter{"05-results-mouse.md", "Entering results with the mouse"},
                      Chapter{"06-results-keyboard.md", "Entering results from the keyboard"},
                      Chapter{"11-places-ratings.md", "Places and new ratings"},
                      Chapter{"17-hall.md", "The hall's board on the network"},
                      Chapter{"18-norms.md", "FIDE norms and ratings"}),
    [](const ::testing::TestParamInfo<Chapter> &info) {
        QString name = QString::fromLatin1(info.param.file).section(QLatin1Char('.'), 0, 0);
        return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

// The English folder holds exactly the chapters above and the pictures they show.
TEST(EnglishHandbookFiles, EveryEnglishChapterIsChecked)
{
    const QDir english(kDoc + QStringLiteral("/en"));
    QStringList expected;
    for (const char *file : {"index.md", "01-start.md", "03-tournament.md", "05-results-mouse.md",
                             "06-results-keyboard.md", "11-places-ratings.md", "17-hall.md",
                             "18-norms.md"})
        expected << QString::fromLatin1(file);
    expected.sort();
    EXPECT_EQ(english.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name), expected);
    // An English chapter has the name of the Russian chapter it translates.
    for (const QString &file : expected)
        EXPECT_TRUE(QFileInfo::exists(QDir(kDoc).filePath(file))) << file.toStdString();
}

} // namespace
