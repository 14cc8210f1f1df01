// A really full file system: a small tmpfs mounted over the test's folder and filled up.
// Whatever is written there fails whole: the old file keeps its bytes, no empty or partial
// file is left, and the director is told the file and the system's reason.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QTimer>
#include <cerrno>
#include <gtest/gtest.h>

#include "common/file_layer.h"
#include "common/printer.h"
#include "common/save_file.h"
#include "support/test_helpers.h"

using namespace testing_support;
using krugovik::Printer;

namespace {

// The system's reason as the program shows it, in Russian once a main window has set Qt's
// translation up.
QString noSpace()
{
    return qt_error_string(ENOSPC);
}
const QByteArray kThreePlayers = threePlayers();

// Mounts a small tmpfs over the folder; empty when mounted, otherwise why not.
QString mountTmpfs(const QString &folder)
{
    QProcess mount;
    mount.setProcessChannelMode(QProcess::MergedChannels);
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=64k,nr_inodes=64"), QStringLiteral("tmpfs"), folder});
    if (!mount.waitForFinished(10000))
        return mount.errorString();
    if (mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
        return QString::fromLocal8Bit(mount.readAll()).trimmed();
    return {};
}

class FullDiskTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        m_folder = QDir::currentPath();
        if (const QString refused = mountTmpfs(m_folder); !refused.isEmpty())
            GTEST_SKIP() << "no tmpfs could be mounted here: " << refused.toStdString();
        m_mounted = true;
        // The working directory still points beneath the mount.
        ASSERT_TRUE(QDir::setCurrent(m_folder));
    }
    void TearDown() override
    {
        Printer::setRecorder(nullptr);
        TournamentTest::TearDown();
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_folder});
    }
    // Takes every free block, and with inodes every free inode too.
    void fillDisk(bool inodes = false)
    {
        QFile filler(path(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        for (int n = 0; inodes; ++n) {
            ASSERT_LT(n, 100) << "the inodes never ran out";
            QFile empty(path(QStringLiteral("inode%1").arg(n)));
            inodes = empty.open(QIODevice::WriteOnly);
        }
    }
    // Every file of the folder with its bytes.
    QMap<QString, QByteArray> contents() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &name : QDir::current().entryList(QDir::Files | QDir::Hidden))
            all.insert(name, readFile(name));
        return all;
    }

    QString m_folder;
    bool m_mounted = false;
};

// How the one writer is reached, and what the folder allows.
struct WriterCase {
    const char *name;
    bool oldFile;   // ALPHA.TXT exists before the write
    bool noInodes;  // the folder takes no new file at all
    bool fileLayer; // through the file layer, its folder refused by the seam
};

class WholeFileWriter : public FullDiskTest, public ::testing::WithParamInterface<WriterCase> {};

TEST_P(WholeFileWriter, LeavesTheOldFileOrNoneAndSaysWhy)
{
    const WriterCase &c = GetParam();
    const QString target = path(QStringLiteral("ALPHA.TXT"));
    if (c.oldFile)
        writeFile(QStringLiteral("ALPHA.TXT"), kThreePlayers);
    fillDisk(c.noInodes);
    const auto before = contents();
    // Longer than the block the old file holds, so that writing it in place runs out too.
    const QByteArray bytes(5000, 'n');
    QString failure;
    if (c.fileLayer) {
        krugovik::FileLayer layer;
        layer.refuseNewFilesIn(m_folder);
        failure = layer.replace(target, bytes);
    } else {
        failure = krugovik::saveWholeFile(target, bytes, c.noInodes);
    }
    EXPECT_TRUE(failure.contains(noSpace())) << failure.toStdString();
    EXPECT_EQ(contents(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeFileWriter,
                         ::testing::Values(WriterCase{"ReplacingAFile", true, false, false},
                                           WriterCase{"ANewFile", false, false, false},
                                           WriterCase{"InPlaceWithoutInodes", true, true, false},
                                           WriterCase{"InPlaceThroughTheSeam", true, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

// The director's ways of writing a file, each with the name its failure must give.
enum class Writing { Save, Create, CreateOver, CsvExport, Printout };
struct WindowCase {
    const char *name;
    Writing writing;
    QString file;
};

class WritingFromTheWindow : public FullDiskTest,
                             public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WritingFromTheWindow, KeepsEveryFileAndTellsTheFileAndTheReason)
{
    Printer::setRecorder(nullptr);
    openTournament(kThreePlayers);
    setResult(2, 3, QStringLiteral("1"));
    writeFile(QStringLiteral("OLD.TXT"), kThreePlayers);
    writeFile(QStringLiteral("ALPHA.csv"), "old;export\r\n");
    fillDisk();
    const auto before = contents();
    BoxAnswerer answerer(QMessageBox::Yes); // a question to replace a file is answered Yes
    switch (GetParam().writing) {
    case Writing::Save:
        save();
        break;
    case Writing::Create:
    case Writing::CreateOver:
        click(widget(QStringLiteral("cmdClear"))); // the chooser stays beside the tournament
        widget<QLineEdit>(QStringLiteral("txtFileName"))
            ->setText(GetParam().writing == Writing::Create ? "NEW" : "OLD");
        click(widget(QStringLiteral("cmdCreate")));
        break;
    case Writing::CsvExport:
        QTimer::singleShot(5, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(path(QStringLiteral("ALPHA.csv")));
            static_cast<QDialog *>(dialog)->accept();
        });
        mainWindow()->findChild<QAction *>(QStringLiteral("mnuExportCsv"))->trigger();
        break;
    case Writing::Printout: {
        PreviewAnswerer preview; // printed from the preview
        mainWindow()->findChild<QAction *>(QStringLiteral("mnuStandings"))->trigger();
        EXPECT_EQ(preview.seen().count, 1);
        break;
    }
    }
    EXPECT_EQ(contents(), before);
    // The last box tells of the failure; a printout's success would have no icon.
    EXPECT_GE(answerer.seen().count, 1);
    EXPECT_EQ(answerer.seen().icon, QMessageBox::Warning);
    EXPECT_TRUE(answerer.seen().text.contains(GetParam().file) &&
                answerer.seen().text.contains(noSpace()))
        << answerer.seen().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WritingFromTheWindow,
    ::testing::Values(WindowCase{"Save", Writing::Save, QStringLiteral("/ALPHA.TXT")},
                      WindowCase{"Create", Writing::Create, QStringLiteral("/NEW.TXT")},
                      WindowCase{"CreateOver", Writing::CreateOver, QStringLiteral("/OLD.TXT")},
                      WindowCase{"CsvExport", Writing::CsvExport, QStringLiteral("/ALPHA.csv")},
                      WindowCase{"Printout", Writing::Printout,
                                 QStringLiteral("/ALPHA-itogi.pdf")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
