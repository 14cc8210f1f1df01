#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

#include "support/test_helpers.h"

using namespace testing_support;

namespace {

// Distinct colours of a picture, counted up to a bound: a blank or one-colour
// picture has a handful, a window with text and a table has hundreds.
int distinctColours(const QImage &image, int bound)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < bound; ++y) {
        for (int x = 0; x < image.width() && colours.size() < bound; ++x)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

// The tool's arguments before the folder: none for the Russian handbook, --english for the
// English one.
class ScreenshotsTest : public InTempDir, public ::testing::WithParamInterface<const char *> {};

TEST_P(ScreenshotsTest, EveryStepOfTheHandbookMakesAPictureWithContent)
{
    QStringList expected = {QStringLiteral("chooser"),
                            QStringLiteral("table-points"),
                            QStringLiteral("table-new-ratings"),
                            QStringLiteral("table-round"),
                            QStringLiteral("editor-categories"),
                            QStringLiteral("exit-question"),
                            QStringLiteral("tournament-in-progress"),
                            QStringLiteral("double-round-robin"),
                            QStringLiteral("standings"),
                            QStringLiteral("sheet-table"),
                            QStringLiteral("sheet-table-cycles"),
                            QStringLiteral("sheet-protocol"),
                            QStringLiteral("event-details"),
                            QStringLiteral("places-window"),
                            QStringLiteral("lists-import-done"),
                            QStringLiteral("lists-csv-columns"),
                            QStringLiteral("lists-find"),
                            QStringLiteral("hall-dialog")};

    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments =
        QString::fromLatin1(GetParam()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    arguments << path(QStringLiteral("pictures"));
    tool.start(QStringLiteral(KRUGOVIK_SCREENSHOTS_TOOL), arguments);
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(tool.readAll());
    ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit) << output.toStdString();
    ASSERT_EQ(tool.exitCode(), 0) << output.toStdString();

    QDir pictures(path(QStringLiteral("pictures")));
    QSet<QByteArray> contents;
    for (const QString &name : expected) {
        const QString file = pictures.filePath(name + QStringLiteral(".png"));
        const QImage image(file);
        ASSERT_FALSE(image.isNull()) << "no picture " << file.toStdString();
        EXPECT_GE(image.width(), 600) << name.toStdString();
        EXPECT_GE(image.height(), 450) << name.toStdString();
        EXPECT_GT(distinctColours(image, 100), 40) << name.toStdString() << " looks blank";
        QFile bytes(file);
        ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
        contents.insert(QCryptographicHash::hash(bytes.readAll(), QCryptographicHash::Sha1));
    }
    // Each step changed what is on screen.
    EXPECT_EQ(contents.size(), expected.size());
    // The tool left nothing else behind in the folder.
    EXPECT_EQ(pictures.entryList(QDir::Files).size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenshotsTest, ::testing::Values("", "--english"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(*info.param ? "English" : "Russian");
                         });

TEST(ScreenshotsUsage, AnUnknownOptionIsRefused)
{
    QProcess tool;
    tool.start(QStringLiteral(KRUGOVIK_SCREENSHOTS_TOOL),
               {QStringLiteral("--german"), QStringLiteral("x")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_FALSE(QDir(QStringLiteral("x")).exists());
}

} // namespace
