// The handbook in the language the program speaks: the English chapters for an English
// program, the Russian ones otherwise; every Russian chapter translated, with the same
// pictures taken in English, and every link of the English handbook staying in it.
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "app/help_viewer.h"
#include "common/texts.h"
#include "support/test_helpers.h"

using namespace testing_support;

namespace {

const QString kDoc = QStringLiteral(KRUGOVIK_DOC_DIR);
const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}"));

// The text without what an English chapter may quote in Russian: the Russian program's
// language menu, as it reads there.
QString withoutQuotedRussian(QString text)
{
    return text.remove(QStringLiteral("Язык / Language")).remove(QStringLiteral("«Русский»"));
}

QString fileText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The targets of a chapter's Markdown links and pictures, ](target) or ](target "title"),
// outside addresses left out.
QStringList linkTargets(const QString &text)
{
    static const QRegularExpression link(QStringLiteral("\\]\\(([^)\\s]+)(?:\\s+\"[^\"]*\")?\\)"));
    QStringList targets;
    for (auto match = link.globalMatch(text); match.hasNext();) {
        const QString target = match.next().captured(1);
        if (!target.startsWith(QLatin1String("http://")) &&
            !target.startsWith(QLatin1String("https://")))
            targets << target;
    }
    return targets;
}

QStringList pictures(const QString &text)
{
    QStringList found = linkTargets(text).filter(QRegularExpression(QStringLiteral("\\.png$")));
    found.sort();
    found.removeDuplicates();
    return found;
}

QStringList chapters(const QString &folder)
{
    QStringList files = QDir(folder).entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    // The design note beside the chapters is for developers; the package leaves it out.
    files.removeAll(QStringLiteral("design.md"));
    return files;
}

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

// The pages a handbook window reaches from where it stands, following every link of every
// page in the starting page's folder as the director would click it.
QStringList followEveryLink(QTextBrowser *browser, const std::function<void()> &onPage)
{
    const QString folder = QFileInfo(browser->source().toLocalFile()).absolutePath();
    QStringList seen;
    QList<QUrl> waiting{browser->source()};
    while (!waiting.isEmpty()) {
        const QUrl page = waiting.takeFirst();
        if (seen.contains(page.toLocalFile()))
            continue;
        browser->setSource(page);
        seen << browser->source().toLocalFile();
        onPage();
        if (QFileInfo(seen.constLast()).absolutePath() != folder)
            continue;
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                const QString href = format.isAnchor() ? format.anchorHref() : QString();
                if (!href.isEmpty() && !href.startsWith(QLatin1String("http")))
                    waiting
                        << browser->source().resolved(QUrl(href)).adjusted(QUrl::RemoveFragment);
            }
        }
    }
    return seen;
}

TEST_F(EnglishHandbookTest, F1OpensTheEnglishChaptersInEnglishWords)
{
    ASSERT_EQ(krugovik::programLanguageCode(), "en");
    const QString english = QDir(kDoc + QStringLiteral("/en")).canonicalPath();
    EXPECT_EQ(krugovik::handbookFolder(), english);
    start();
    auto *help = mainWindow()->findChild<QAction *>(QStringLiteral("mnuHelp"));
    ASSERT_NE(help, nullptr);
    help->trigger();
    auto *viewer = mainWindow()->findChild<QDialog *>(QStringLiteral("dlgHelp"));
    ASSERT_NE(viewer, nullptr);
    auto *browser = child<QTextBrowser>(viewer, QStringLiteral("txtHelp"));
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(english + QStringLiteral("/index.md")));
    EXPECT_TRUE(
        browser->toPlainText().startsWith(QStringLiteral("Krugovik: the director's handbook")))
        << browser->toPlainText().left(80).toStdString();
    // The window's own words are English too.
    EXPECT_FALSE(viewer->windowTitle().contains(kCyrillic)) << viewer->windowTitle().toStdString();
    for (const QAbstractButton *button : viewer->findChildren<QAbstractButton *>()) {
        EXPECT_FALSE(button->text().isEmpty()) << button->objectName().toStdString();
        EXPECT_FALSE(button->text().contains(kCyrillic)) << button->text().toStdString();
    }

    // Every page the links lead to is an English chapter in English words, with its pictures
    // loaded: no link of the English handbook falls back to a Russian chapter.
    const QStringList seen = followEveryLink(browser, [browser, &english] {
        const QString page = browser->source().toLocalFile();
        EXPECT_TRUE(page.startsWith(english + QLatin1Char('/'))) << page.toStdString();
        EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString() << " is missing";
        EXPECT_FALSE(browser->toPlainText().trimmed().isEmpty()) << page.toStdString();
        const QString text = withoutQuotedRussian(browser->toPlainText());
        const QRegularExpressionMatch russian = kCyrillic.match(text);
        EXPECT_FALSE(russian.hasMatch())
            << page.toStdString() << ": "
            << text.mid(std::max(0, int(russian.capturedStart()) - 30), 60).toStdString();
        // As the window loads a picture: a wide one scaled, a narrow one as its file's bytes.
        for (const QString &picture : pictures(fileText(page))) {
            const QVariant resource = browser->loadResource(
                QTextDocument::ImageResource, browser->source().resolved(QUrl(picture)));
            QImage shown = resource.value<QImage>();
            if (shown.isNull())
                shown.loadFromData(resource.toByteArray());
            EXPECT_FALSE(shown.isNull()) << page.toStdString() << ": " << picture.toStdString();
        }
    });
    QStringList expected;
    for (const QString &chapter : chapters(kDoc))
        expected << english + QLatin1Char('/') + chapter;
    QStringList reached = seen;
    reached.sort();
    EXPECT_EQ(reached, expected);
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

const Chapter kChapters[] = {
    {"index.md", "Krugovik: the director's handbook"},
    {"01-start.md", "Getting started"},
    {"02-base.md", "The player base and grades"},
    {"03-tournament.md", "Creating and opening a tournament"},
    {"04-players.md", "Entering the players"},
    {"05-results-mouse.md", "Entering results with the mouse"},
    {"06-results-keyboard.md", "Entering results from the keyboard"},
    {"07-undo.md", "Taking back a mistake"},
    {"08-rounds.md", "Rounds and the round result sheet"},
    {"09-points.md", "Points"},
    {"10-berger.md", "The Sonneborn-Berger coefficient"},
    {"11-places-ratings.md", "Places and new ratings"},
    {"12-saving.md", "Saving the tournament"},
    {"13-write-back.md", "Writing the ratings into the base"},
    {"14-printing.md", "Printing and exporting"},
    {"15-cycles.md", "Several cycles"},
    {"16-rating-lists.md", "FIDE and federation rating lists"},
    {"17-hall.md", "The hall's board on the network"},
    {"18-norms.md", "FIDE norms and ratings"},
};

class EnglishChapter : public ::testing::TestWithParam<Chapter> {};

// Every link of the chapter leads to a file of the English handbook (a chapter, or a picture
// that loads), its text is English throughout, and the index links to it.
TEST_P(EnglishChapter, LinksResolveAndTheTextIsEnglish)
{
    const QDir english(kDoc + QStringLiteral("/en"));
    const QString file = QString::fromLatin1(GetParam().file);
    const QString text = fileText(english.filePath(file));
    ASSERT_FALSE(text.isEmpty()) << GetParam().file;
    EXPECT_TRUE(text.startsWith(QStringLiteral("# ") + QString::fromUtf8(GetParam().title) +
                                QLatin1Char('\n')))
        << text.left(80).toStdString();
    const QString checked = withoutQuotedRussian(text);
    const QRegularExpressionMatch russian = kCyrillic.match(checked);
    EXPECT_FALSE(russian.hasMatch())
        << GetParam().file << ": "
        << checked.mid(std::max(0, int(russian.capturedStart()) - 30), 60).toStdString();

    const QStringList targets = linkTargets(text);
    for (const QString &target : targets) {
        const QString path =
            QDir::cleanPath(english.filePath(target.section(QLatin1Char('#'), 0, 0)));
        EXPECT_TRUE(QFileInfo(path).isFile())
            << GetParam().file << " links to " << target.toStdString();
        // Neither a Russian chapter nor a Russian picture: those show Russian words.
        EXPECT_TRUE(path.startsWith(english.absolutePath() + QLatin1Char('/')))
            << GetParam().file << " links to " << target.toStdString()
            << " outside the English handbook";
        if (target.endsWith(QLatin1String(".png"))) {
            EXPECT_TRUE(target.startsWith(QLatin1String("images/"))) << target.toStdString();
            EXPECT_FALSE(QImage(path).isNull()) << target.toStdString() << " is no picture";
        }
    }
    // What the Russian chapter links to, the English one does too.
    if (!linkTargets(fileText(QDir(kDoc).filePath(file))).isEmpty()) {
        EXPECT_FALSE(targets.isEmpty()) << GetParam().file << " links nowhere";
    }
    if (file != QLatin1String("index.md")) {
        EXPECT_TRUE(fileText(english.filePath(QStringLiteral("index.md")))
                        .contains(QStringLiteral("](%1)").arg(file)))
            << "the index does not list " << GetParam().file;
    }
}

// The translation shows what its Russian chapter shows, each picture taken anew in English.
TEST_P(EnglishChapter, ShowsThePicturesOfItsRussianChapter)
{
    const QString file = QString::fromLatin1(GetParam().file);
    const QString russian = fileText(QDir(kDoc).filePath(file));
    ASSERT_FALSE(russian.isEmpty()) << GetParam().file << " translates no Russian chapter";
    const QStringList shown = pictures(fileText(QDir(kDoc + QStringLiteral("/en")).filePath(file)));
    EXPECT_EQ(shown, pictures(russian)) << GetParam().file;
    for (const QString &picture : shown)
        EXPECT_TRUE(QFileInfo(QDir(kDoc + QStringLiteral("/en")).filePath(picture)).isFile())
            << picture.toStdString() << " has not been taken in English";
}

INSTANTIATE_TEST_SUITE_P(
    Handbook, EnglishChapter, ::testing::ValuesIn(kChapters),
    [](const ::testing::TestParamInfo<Chapter> &info) {
        QString name = QString::fromLatin1(info.param.file).section(QLatin1Char('.'), 0, 0);
        return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

// Every Russian chapter has its English one under the same name, and the chapters above are
// all the English ones: a chapter added in Russian fails here until it is translated.
TEST(EnglishHandbookFiles, EveryRussianChapterIsTranslatedAndChecked)
{
    const QStringList russian = chapters(kDoc);
    EXPECT_GE(russian.size(), 19); // the index and its 18 chapters
    EXPECT_EQ(chapters(kDoc + QStringLiteral("/en")), russian);
    QStringList checked;
    for (const Chapter &chapter : kChapters)
        checked << QString::fromLatin1(chapter.file);
    checked.sort();
    EXPECT_EQ(checked, russian);
}

} // namespace
