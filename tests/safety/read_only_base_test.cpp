// A base that can only be read. Tests run as root, whom permission bits do not stop, so
// the base is made read-only through the file layer's seam, as the test names say.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "common/file_layer.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class ReadOnlyBaseTest : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        writeBase({{"Ivanov", "1500", ' '}, {"Petrov", "1600", ' '}, {"Sidorov", "1700", 'N'}});
        m_base = readFile(QStringLiteral("BASE.DAT"));
        start();
        mainWindow()
            ->findChild<krugovik::FileLayer *>(QStringLiteral("fileLayer"))
            ->refuseWriting(QStringLiteral("BASE.DAT"), QStringLiteral("Отказано в доступе"));
    }
    QLineEdit *name() { return widget<QLineEdit>(QStringLiteral("txtName")); }
    QToolButton *button(const char *objectName)
    {
        return widget<QToolButton>(QString::fromLatin1(objectName));
    }
    void expectBaseUnchanged() { EXPECT_EQ(readFile(QStringLiteral("BASE.DAT")), m_base); }

    QByteArray m_base;
};

TEST_F(ReadOnlyBaseTest, AReadOnlyBaseThroughTheFileSeamIsToldOnceAndCanBeBrowsedAndEntered)
{
    {
        BoxAnswerer answerer;
        openTournament();
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("BASE.DAT")));
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("Отказано в доступе")));
    }
    BoxAnswerer silent(QMessageBox::Discard);
    EXPECT_EQ(name()->text(), QStringLiteral("Ivanov"));
    click(button("cmdNext"));
    click(button("cmdNext"));
    EXPECT_EQ(name()->text(), QStringLiteral("Sidorov"));
    click(button("cmdPrevious"));
    EXPECT_EQ(name()->text(), QStringLiteral("Petrov"));
    enterPlayers(3);
    EXPECT_EQ(cell(1, 1), QStringLiteral("Ivanov"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("1700"));
    EXPECT_EQ(cellColour(3, 2), kEstimateCell);
    // Opening another tournament opens the base again, and asks only about the players
    // entered.
    openTournament(TournamentTest::newTournamentFile(), QStringLiteral("BETA.TXT"));
    EXPECT_EQ(silent.seen().count, 1);
    EXPECT_EQ(silent.seen().text, QStringLiteral("Сохранить изменения в турнире ALPHA.TXT?"));
    expectBaseUnchanged();
}

TEST_F(ReadOnlyBaseTest, EveryChangeToAReadOnlyBaseThroughTheFileSeamIsReported)
{
    {
        BoxAnswerer answerer;
        openTournament();
    }
    {
        BoxAnswerer answerer;
        name()->setText(QStringLiteral("Ivanova"));
        click(button("cmdNext"));
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("BASE.DAT")));
    }
    {
        BoxAnswerer answerer;
        click(button("cmdNew"));
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("только для чтения")));
    }
    {
        BoxAnswerer answerer;
        enterPlayers(3);
        setResult(1, 2, QStringLiteral("1"));
        click(button("cmdZapisBase"));
        EXPECT_EQ(answerer.seen().count, 1);
        EXPECT_TRUE(answerer.seen().text.contains(QStringLiteral("не записаны")));
    }
    expectBaseUnchanged();
}

TEST_F(ReadOnlyBaseTest, TheListOfAReadOnlyBaseThroughTheFileSeamIsPrinted)
{
    {
        BoxAnswerer answerer;
        openTournament();
    }
    BoxAnswerer answerer;
    PreviewAnswerer preview;
    click(button("cmdPrintBase"));
    const QStringList pdfs = QDir::current().entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_TRUE(readFile(pdfs[0]).startsWith("%PDF"));
    EXPECT_EQ(answerer.seen().count, 1); // where the printout went, nothing about the base
    EXPECT_TRUE(answerer.seen().text.contains(pdfs[0]));
    expectBaseUnchanged();
}

} // namespace
