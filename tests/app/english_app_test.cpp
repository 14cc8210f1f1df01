// In English, the main window, the chooser, the base editor, the rating-list and event
// dialogs and the messages they build carry no Cyrillic letter; the catalogue of their
// texts is complete and keeps every placeholder.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

#include "app/club_folder.h"
#include "app/language.h"
#include "app/file_chooser.h"
#include "export/trf_export.h"
#include "support/catalogue.h"
#include "support/test_helpers.h"
#include "trf/random_tournament.h"
#include "ui/event_dialog.h"
#include "ui/import_list_dialog.h"

using namespace testing_support;
using namespace krugovik;

namespace {

const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}"));

// The texts a person can read on an object: its string properties, a combo's items and
// the captions of a view's headers. Each as "object: property = text".
QStringList readableTexts(const QObject *object)
{
    QStringList texts;
    const QString who = QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
                        object->objectName();
    for (const char *property : {"text", "toolTip", "statusTip", "whatsThis", "windowTitle",
                                 "placeholderText", "title", "specialValueText", "iconText"}) {
        const QVariant value = object->property(property);
        if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
            texts << who + QLatin1String(": ") + QLatin1String(property) + QLatin1String(" = ") +
                         value.toString();
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << who + QLatin1String(": item = ") + combo->itemText(i);
    }
    if (const auto *view = qobject_cast<const QAbstractItemView *>(object); view && view->model()) {
        const QAbstractItemModel *model = view->model();
        for (int c = 0; c < model->columnCount(); ++c)
            texts << who + QLatin1String(": column = ") +
                         model->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << who + QLatin1String(": row = ") +
                         model->headerData(r, Qt::Vertical).toString();
    }
    return texts;
}

// Every readable text of root and of all it holds, apart from what lies under `skipped`.
QStringList cyrillicTexts(const QObject *root, const QSet<const QObject *> &skipped = {})
{
    QStringList found;
    std::function<void(const QObject *)> walk = [&](const QObject *object) {
        if (skipped.contains(object))
            return;
        for (const QString &text : readableTexts(object))
            if (text.section(QLatin1String(" = "), 1).contains(kCyrillic))
                found << text;
        for (const QObject *child : object->children())
            walk(child);
    };
    walk(root);
    return found;
}

std::string shown(const QStringList &texts)
{
    return texts.join(QLatin1Char('\n')).toStdString();
}

// The program as a director who chose English starts it, with a settings folder of its own;
// the catalogue is also installed for the parts the tests build without a main window.
class InEnglish : public TournamentTest {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        krugovik::saveLanguage(krugovik::programSettingsFile(), krugovik::Language::English);
        ASSERT_TRUE(m_english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
        ASSERT_TRUE(QCoreApplication::installTranslator(&m_english));
    }
    void TearDown() override
    {
        TournamentTest::TearDown();
        QCoreApplication::removeTranslator(&m_english);
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
    }

    // The main window with everything in it, Qt's own menus of its child windows included.
    QStringList mainWindowCyrillic() const { return cyrillicTexts(mainWindow()); }

  private:
    QTranslator m_english;
    QTemporaryDir m_config;
    QByteArray m_previousConfig;
};

TEST_F(InEnglish, TheMainWindowItsMenusAndTheChooserSpeakEnglish)
{
    start();
    EXPECT_TRUE(mainWindowCyrillic().isEmpty()) << shown(mainWindowCyrillic());
    // The menus are there, in English, each with every command.
    QStringList menus;
    for (const QAction *menu : mainWindow()->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus,
              (QStringList{QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("Base"),
                           QStringLiteral("Results"), QStringLiteral("Language"),
                           QStringLiteral("Help")}));
    EXPECT_EQ(widget<QAction>(QStringLiteral("mnuTieOrder"))->text(),
              QStringLiteral("Order of tied players…"));
    EXPECT_EQ(widget<QWidget>(QStringLiteral("frmOpenFile"))->windowTitle(),
              QStringLiteral("Choose a tournament file"));
    EXPECT_EQ(mainWindow()->windowTitle(), QStringLiteral("Krugovik 1.0"));
}

TEST_F(InEnglish, TheChoosersMessagesAreEnglish)
{
    start();
    auto *name = widget<QLineEdit>(QStringLiteral("txtFileName"));
    auto *create = widget<QPushButton>(QStringLiteral("cmdCreate"));
    auto *open = widget<QPushButton>(QStringLiteral("cmdOK"));
    const struct {
        QString typed;
        QPushButton *button;
        QString contains;
    } cases[] = {
        {QString(), create, QStringLiteral("without a name")},
        {QString(), open, QStringLiteral("No file chosen")},
        {QStringLiteral("."), create, QStringLiteral("reserved")},
        {QStringLiteral("  "), create, QStringLiteral("spaces")},
        {QString(300, QLatin1Char('a')), create, QStringLiteral("too long")},
        {QStringLiteral("NEW"), open, QStringLiteral("Create it?")},
    };
    for (const auto &c : cases) {
        BoxAnswerer no(QMessageBox::No);
        name->setEnabled(true);
        name->setText(c.typed);
        c.button->click();
        EXPECT_EQ(no.seen().count, 1) << c.typed.toStdString();
        EXPECT_TRUE(no.seen().text.contains(c.contains)) << no.seen().text.toStdString();
        EXPECT_FALSE(no.seen().text.contains(kCyrillic)) << no.seen().text.toStdString();
        EXPECT_FALSE(no.seen().title.contains(kCyrillic)) << no.seen().title.toStdString();
    }
    for (const QString &bad : {QStringLiteral(" "), QStringLiteral("."), QStringLiteral("a/b"),
                               QStringLiteral("a\tb"), QString(300, QLatin1Char('a'))}) {
        const QString problem = fileNameProblem(bad);
        EXPECT_FALSE(problem.isEmpty()) << bad.toStdString();
        EXPECT_FALSE(problem.contains(kCyrillic)) << problem.toStdString();
    }
}

TEST_F(InEnglish, TheBaseEditorSpeaksEnglish)
{
    writeBase(
        {{QStringLiteral("Smith John"), "1500", ' '}, {QStringLiteral("Brown Anna"), "1600", ' '}});
    openTournament();
    const QStringList names = {
        "lblName",      "txtName",      "lblNameNote", "txtRate",    "txtNR",      "chkRate",
        "cmdPrevious",  "cmdNext",      "cmdNew",      "lblParring", "lblM",       "lblD",
        "cmdZapisBase", "cmdPrintBase", "txtFind",     "lblRecord",  "lblIdentity"};
    auto check = [&] {
        QStringList found;
        QStringList all = names;
        for (int k = 1; k <= 13; ++k)
            all << QStringLiteral("optRanc%1").arg(k);
        for (const QString &name : all)
            found += cyrillicTexts(widget<QWidget>(name));
        return found;
    };
    EXPECT_TRUE(check().isEmpty()) << shown(check());
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblRecord"))->text(), QStringLiteral("Record 1 of 2"));
    // Without a rating: the categories and the box's other caption.
    auto *rated = widget<QCheckBox>(QStringLiteral("chkRate"));
    rated->setChecked(false);
    EXPECT_EQ(rated->text(), QStringLiteral("No rating"));
    EXPECT_EQ(widget<QRadioButton>(QStringLiteral("optRanc1"))->text(), QStringLiteral("No grade"));
    EXPECT_TRUE(check().isEmpty()) << shown(check());
    rated->setChecked(true);
    // A name that is nowhere: the find box says so.
    auto *find = widget<QLineEdit>(QStringLiteral("txtFind"));
    ASSERT_TRUE(find->isEnabled());
    find->setText(QStringLiteral("Nobody"));
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(find->toolTip(), QStringLiteral("Not found"));
    find->setText(QStringLiteral("Nobod"));
    EXPECT_FALSE(find->toolTip().contains(kCyrillic)) << find->toolTip().toStdString();
    EXPECT_NE(find->toolTip(), QStringLiteral("Not found"));
}

TEST_F(InEnglish, TheMenusStayEnglishWithATournamentOpen)
{
    openTournament();
    QStringList found;
    for (const QAction *menu : mainWindow()->menuBar()->actions())
        found += cyrillicTexts(menu->menu());
    EXPECT_TRUE(found.isEmpty()) << shown(found);
    EXPECT_EQ(widget<QAction>(QStringLiteral("actUndo"))->text(), QStringLiteral("Undo"));
}

TEST_F(InEnglish, TheEventDialogSpeaksEnglish)
{
    EventDetails details;
    details.federation = "RU";
    EventDialog dialog(details, {QStringLiteral("Round 1"), QStringLiteral("Round 2")});
    EXPECT_TRUE(cyrillicTexts(&dialog).isEmpty()) << shown(cyrillicTexts(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Event details"));
    EXPECT_EQ(child<QTableWidget>(&dialog, QStringLiteral("tblRoundDates"))
                  ->horizontalHeaderItem(0)
                  ->text(),
              QStringLiteral("Round date"));
    // Its refusals: a federation code of two letters, then an end before the start.
    BoxAnswerer ok;
    dialog.accept();
    EXPECT_EQ(ok.seen().count, 1);
    EXPECT_TRUE(ok.seen().text.contains(QStringLiteral("three Latin letters")))
        << ok.seen().text.toStdString();
    child<QLineEdit>(&dialog, QStringLiteral("txtEventFederation"))->setText(QStringLiteral("RUS"));
    child<QDateEdit>(&dialog, QStringLiteral("dteEventStart"))->setDate(QDate(2026, 5, 2));
    child<QDateEdit>(&dialog, QStringLiteral("dteEventEnd"))->setDate(QDate(2026, 5, 1));
    dialog.accept();
    EXPECT_EQ(ok.seen().count, 2);
    EXPECT_FALSE(ok.seen().text.contains(kCyrillic)) << ok.seen().text.toStdString();
    EXPECT_FALSE(ok.seen().title.contains(kCyrillic)) << ok.seen().title.toStdString();
}

TEST_F(InEnglish, TheRatingListDialogsAndReportsSpeakEnglish)
{
    CsvColumns columns;
    columns.column[0] = 0;
    const QString settings = path(QStringLiteral("settings.conf"));
    CsvColumnsDialog csv(nullptr, QStringLiteral("Name;Rating;ID"), columns, QStringLiteral("ABC"));
    EXPECT_TRUE(cyrillicTexts(&csv).isEmpty()) << shown(cyrillicTexts(&csv));
    ImportListDialog progress(nullptr, path(QStringLiteral("lists")), ListKind::Fide,
                              QStringLiteral("ФИДЕ"), path(QStringLiteral("players_list.txt")),
                              columns);
    EXPECT_TRUE(cyrillicTexts(&progress).isEmpty()) << shown(cyrillicTexts(&progress));
    EXPECT_EQ(shownListName(QStringLiteral("ФИДЕ")), QStringLiteral("FIDE"));
    // A federation's list keeps the name the director gave it.
    EXPECT_EQ(shownListName(QStringLiteral("Мой список")), QStringLiteral("Мой список"));

    ImportResult done;
    done.replaced = true;
    done.read.players = 1;
    EXPECT_EQ(importReport(done, QStringLiteral("ФИДЕ")),
              QStringLiteral("List “FIDE” loaded: 1 player."));
    done.read.players = 8;
    done.read.skipped = 2;
    done.read.firstSkippedLine = 5;
    EXPECT_EQ(importReport(done, QStringLiteral("ФИДЕ")),
              QStringLiteral("List “FIDE” loaded: 8 players.\n"
                             "2 lines with errors skipped (the first is line 5)."));
    ImportResult failed;
    failed.error = QStringLiteral("disk full");
    ImportResult cancelled;
    cancelled.read.cancelled = true;
    for (const ImportResult &result : {failed, cancelled}) {
        const QString report = importReport(result, QStringLiteral("ФИДЕ"));
        EXPECT_FALSE(report.contains(kCyrillic)) << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("FIDE"))) << report.toStdString();
    }
}

TEST_F(InEnglish, TheClubFolderMessagesAreEnglish)
{
    ClubStart start;
    start.folder = path(QStringLiteral("Krugovik"));
    start.firstTime = true;
    start.copied = {QStringLiteral("BASE.DAT"), QStringLiteral("KUBOK.TXT")};
    ClubStart passedOver = start;
    passedOver.passedOver = path(QStringLiteral("stick"));
    passedOver.baseMissing = true;
    passedOver.copied.clear();
    // Where the club folder should be there is a file: a problem, and the folder stays.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("home"))));
    writeFile(QStringLiteral("home/Krugovik"), "not a folder");
    const ClubStart blocked = enterClubFolder(
        {path(QStringLiteral("home")), QString(), path(QStringLiteral("krugovik.conf"))});
    ASSERT_FALSE(blocked.problem.isEmpty());
    for (const ClubStart &c : {start, passedOver, blocked}) {
        const QString message = clubStartMessage(c);
        EXPECT_FALSE(message.isEmpty());
        EXPECT_FALSE(message.contains(kCyrillic)) << message.toStdString();
    }
}

TEST_F(InEnglish, OpeningATrfAsksAndRefusesInEnglish)
{
    RandomTournamentOptions options;
    options.players = 6;
    options.seed = 9;
    writeFile(QStringLiteral("event.trf"),
              QByteArray::fromStdString(exportTrf(randomTournament(options))));
    writeFile(QStringLiteral("huge.trf"), QByteArray(5 * 1024 * 1024, ' '));
    writeBase({{QStringLiteral("Player 02"), "2000", ' '}});
    start();
    auto openThroughMenu = [this](const QString &trf, const QString &saveAs) {
        whenShown<QFileDialog>([this, trf, saveAs](QFileDialog *dialog) {
            EXPECT_FALSE(dialog->windowTitle().contains(kCyrillic));
            EXPECT_FALSE(dialog->nameFilters().join(u' ').contains(kCyrillic));
            dialog->selectFile(path(trf));
            if (!saveAs.isEmpty())
                whenShown<QFileDialog>([this, saveAs](QFileDialog *save) {
                    EXPECT_EQ(save->windowTitle(), QStringLiteral("Save the tournament"));
                    EXPECT_FALSE(save->nameFilters().join(u' ').contains(kCyrillic));
                    save->selectFile(path(saveAs));
                    static_cast<QDialog *>(save)->accept();
                });
            static_cast<QDialog *>(dialog)->accept();
        });
        widget<QAction>(QStringLiteral("mnuImportTrf"))->trigger();
    };
    {
        BoxAnswerer ok;
        openThroughMenu(QStringLiteral("huge.trf"), {});
        EXPECT_EQ(ok.seen().count, 1);
        EXPECT_FALSE(ok.seen().text.contains(kCyrillic)) << ok.seen().text.toStdString();
        EXPECT_EQ(ok.seen().title, QStringLiteral("Error"));
    }
    BoxAnswerer no(QMessageBox::No);
    openThroughMenu(QStringLiteral("event.trf"), QStringLiteral("EVENT.TXT"));
    EXPECT_EQ(no.seen().count, 1);
    EXPECT_TRUE(no.seen().text.startsWith(QStringLiteral("5 players of the file")))
        << no.seen().text.toStdString();
    EXPECT_FALSE(no.seen().text.contains(kCyrillic)) << no.seen().text.toStdString();
}

// The catalogue itself: every message of these windows translated, with the same
// placeholders as its Russian text, and none left over from texts the sources dropped.
TEST(EnglishCatalogue, EveryMessageOfTheShellIsTranslatedWithItsPlaceholders)
{
    const QSet<QString> contexts = {
        QStringLiteral("MainWindow"),
        QStringLiteral("krugovik::FileChooser"),
        QStringLiteral("FileChooser"),
        QStringLiteral("ClubFolder"),
        QStringLiteral("krugovik::BaseEditor"),
        QStringLiteral("krugovik::CsvColumnsDialog"),
        QStringLiteral("krugovik::ImportListDialog"),
        QStringLiteral("krugovik::EventDialog"),
        QStringLiteral("Program"),
    };
    int messages = 0;
    const QStringList problems =
        catalogueProblems(QStringLiteral(KRUGOVIK_TS_FILE), contexts, &messages);
    EXPECT_GT(messages, 150);
    EXPECT_TRUE(problems.isEmpty()) << shown(problems);
}

} // namespace
