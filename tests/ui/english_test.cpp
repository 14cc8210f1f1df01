// The tournament window in English: with the English catalogue loaded, no text the director
// reads in the window, its grid, its menus, its dialogs and the messages it builds holds a
// Cyrillic letter. The players have Latin names, so any Cyrillic letter is the program's own.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/printer.h"
#include "common/save_file.h"
#include "export/tournament_snapshot.h"
#include "support/test_helpers.h"
#include "table/tournament.h"
#include "table/tournament_store.h"
#include "ui/cross_table.h"
#include "ui/standings_view.h"
#include "ui/table_texts.h"
#include "ui/tie_breaks_dialog.h"
#include "ui/tie_order_dialog.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

using namespace testing_support;

namespace {

const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}"));

const QStringList kLatinNames = {QStringLiteral("Adams Alan"), QStringLiteral("Brown Beth"),
                                 QStringLiteral("Clark Colin"), QStringLiteral("Dixon Dora"),
                                 QStringLiteral("Evans Emil")};

// Five players, two cycles: rounds 1 and 2 of both cycles played, the lower number winning;
// player 5 left after round 1, so that his games do not count. Written by the model itself.
QByteArray latinTournament()
{
    krugovik::Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(5);
    t.setCycles(2, true);
    for (int i = 1; i <= 5; ++i) {
        krugovik::PlayerEntry player;
        player.name = kLatinNames[i - 1].toStdString();
        player.rating = std::to_string(1500 + 10 * i);
        player.baseRecordNo = i;
        t.enterPlayer(i, player);
    }
    for (int c = 0; c < 2; ++c)
        for (int i = 1; i <= 5; ++i)
            for (int j = i + 1; j <= 5; ++j)
                if (t.roundOf({c, i, j}) <= 2)
                    t.setResult({c, i, j}, krugovik::GameState::Win);
    t.withdraw(5, 1);
    return QByteArray::fromStdString(t.fileBytes());
}

class English : public InTempDir {
  protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        ASSERT_TRUE(m_english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }
    void TearDown() override
    {
        krugovik::Printer::setRecorder({});
        m_window.reset();
        QCoreApplication::removeTranslator(&m_english);
        InTempDir::TearDown();
    }

    // Opens the Latin tournament in a tournament window of its own.
    krugovik::TournamentWindow *open(const QByteArray &bytes = latinTournament())
    {
        writeFile(QStringLiteral("ALPHA.TXT"), bytes);
        const QString file = path(QStringLiteral("ALPHA.TXT"));
        m_window = std::make_unique<krugovik::TournamentWindow>([file] { return file; });
        m_window->Form_Load();
        m_window->show();
        return m_window.get();
    }
    template <typename T = QWidget> T *named(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Notes a text that holds a Cyrillic letter, with where it was seen.
    void check(const QString &where, const QString &text)
    {
        ++m_checked;
        if (text.contains(kCyrillic))
            m_found << where + QStringLiteral(": ") + text;
    }
    void checkStd(const QString &where, const std::string &text)
    {
        check(where, QString::fromStdString(text));
    }

    // Every text the widget and its children show: captions, tooltips, items, headers.
    void walk(QWidget *root)
    {
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        widgets.prepend(root);
        for (QWidget *w : widgets) {
            const QString where = w->objectName().isEmpty()
                                      ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName();
            if (w->isWindow())
                check(where + QStringLiteral(" title"), w->windowTitle());
            check(where + QStringLiteral(" tooltip"), w->toolTip());
            check(where + QStringLiteral(" status tip"), w->statusTip());
            check(where + QStringLiteral(" what's this"), w->whatsThis());
            if (auto *label = qobject_cast<QLabel *>(w))
                check(where, label->text());
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                check(where, button->text());
            if (auto *edit = qobject_cast<QLineEdit *>(w)) {
                check(where, edit->text());
                check(where + QStringLiteral(" placeholder"), edit->placeholderText());
            }
            if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
                check(where + QStringLiteral(" special"), spin->specialValueText());
            if (auto *combo = qobject_cast<QComboBox *>(w)) {
                check(where + QStringLiteral(" placeholder"), combo->placeholderText());
                for (int i = 0; i < combo->count(); ++i)
                    check(where + QStringLiteral(" item"), combo->itemText(i));
            }
            if (auto *list = qobject_cast<QListWidget *>(w))
                for (int i = 0; i < list->count(); ++i)
                    check(where + QStringLiteral(" item"), list->item(i)->text());
            if (auto *table = qobject_cast<QTableWidget *>(w)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    if (table->horizontalHeaderItem(c))
                        check(where + QStringLiteral(" header"),
                              table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < table->rowCount(); ++r)
                    for (int c = 0; c < table->columnCount(); ++c)
                        if (table->item(r, c))
                            check(where + QStringLiteral(" cell"), table->item(r, c)->text());
            }
        }
        for (QAction *action : root->findChildren<QAction *>()) {
            check(action->objectName(), action->text());
            check(action->objectName() + QStringLiteral(" tooltip"), action->toolTip());
            check(action->objectName() + QStringLiteral(" status tip"), action->statusTip());
        }
    }

    // The next message box: its title, text and buttons, then the answer.
    void checkNextBox(QMessageBox::StandardButton answer)
    {
        whenShown<QMessageBox>([this, answer](QMessageBox *box) {
            walk(box);
            ++m_boxes;
            box->done(answer);
        });
    }
    void waitForBoxes(int count)
    {
        for (int k = 0; k < 200 && m_boxes < count; ++k)
            QTest::qWait(5);
        ASSERT_EQ(m_boxes, count);
    }

    QTranslator m_english;
    std::unique_ptr<krugovik::TournamentWindow> m_window;
    QStringList m_found;
    int m_checked = 0;
    int m_boxes = 0;
};

TEST_F(English, TheWindowItsGridAndItsRoundDisplaySpeakEnglish)
{
    krugovik::TournamentWindow *window = open();
    // A round chosen: its title, boards and bye are on show.
    auto *rounds = named<QComboBox>(QStringLiteral("cmbRound"));
    ASSERT_GT(rounds->count(), 0);
    emit rounds->activated(0);
    QApplication::processEvents();
    walk(window);

    // The grid: its header row and column are captions, the rest names and results.
    QAbstractItemModel *model = named<krugovik::CrossTable>(QStringLiteral("grdTable"))->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        for (int c = 0; c < model->columnCount(); ++c) {
            const QString at = QStringLiteral("cell %1,%2").arg(r).arg(c);
            check(at, model->index(r, c).data(Qt::DisplayRole).toString());
            check(at + QStringLiteral(" tooltip"),
                  model->index(r, c).data(Qt::ToolTipRole).toString());
        }
    }
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("Players"));
    EXPECT_EQ(model->index(5, 1).data().toString(), kLatinNames[4] + QStringLiteral(" (wd)"));
    EXPECT_TRUE(model->index(1, 4 + 5)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral(
                        "The game does not count: player 5 Evans Emil withdrew after round 1")));
    EXPECT_EQ(named<QLabel>(QStringLiteral("lblParing_0"))->text(),
              QStringLiteral("Round 1 pairings"));
    EXPECT_TRUE(
        named<QLabel>(QStringLiteral("lblFree"))->text().startsWith(QStringLiteral("Bye: ")));
    EXPECT_GT(m_checked, 100);
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(English, TheCaptionsOfEveryKindOfTableAndTheBuiltMessages)
{
    krugovik::Tournament t;
    krugovik::TablePicture picture(t);
    const std::string bytes = latinTournament().toStdString();
    picture.load(bytes);
    // Column 4's header steps through its three captions.
    QStringList captions;
    for (int k = 0; k < 3; ++k) {
        for (int c = 0; c < 5; ++c)
            captions << QString::fromStdString(krugovik::headerCaption(picture, c));
        picture.stepResultHeader();
    }
    for (const QString &caption : captions)
        check(QStringLiteral("caption"), caption);
    EXPECT_TRUE(captions.contains(QStringLiteral("Points")));
    EXPECT_TRUE(captions.contains(QStringLiteral("SB")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Result")));
    checkStd(QStringLiteral("round title"), krugovik::roundTitle(picture));
    checkStd(QStringLiteral("removal"),
             krugovik::removalQuestion({{4, "Dixon Dora", 1}, {5, "", 3}}));
    checkStd(QStringLiteral("withdrawal outside"), krugovik::withdrawalOutsideText(t, 5, 3, 1));
    EXPECT_EQ(krugovik::removalQuestion({{4, "Dixon Dora", 1}, {5, "", 3}}),
              "Player 4 Dixon Dora with 1 result; player 5 with 3 results will be removed from "
              "the tournament. Continue?");
    EXPECT_EQ(krugovik::removalQuestion({{4, "Dixon Dora", 0}, {5, "", 2}}),
              "Player 4 Dixon Dora; player 5 with 2 results will be removed from the "
              "tournament. Continue?");
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(English, TheRowMenuTheWithdrawalDialogAndTheStepsOfTheHistory)
{
    krugovik::TournamentWindow *window = open();
    auto *grid = named<krugovik::CrossTable>(QStringLiteral("grdTable"));
    QStringList shown;
    whenShown<QMenu>([this, &shown](QMenu *menu) {
        EXPECT_EQ(menu->objectName(), QStringLiteral("mnuPlayerRow"));
        for (QAction *action : menu->actions()) {
            check(QStringLiteral("menu"), action->text());
            shown << action->objectName();
        }
        menu->close();
    });
    emit grid->customContextMenuRequested(grid->visualRect(grid->model()->index(5, 1)).center());
    QApplication::processEvents();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("actWithdraw"), QStringLiteral("actReinstate")}));

    // «Withdrew after round…» for player 4: the dialog is read, then taken.
    grid->setCurrentIndex(grid->model()->index(4, 1));
    bool asked = false;
    whenShown<QInputDialog>([this, &asked](QInputDialog *dialog) {
        walk(dialog);
        asked = true;
        dialog->setIntValue(1);
        dialog->accept();
    });
    named<QAction>(QStringLiteral("actWithdraw"))->trigger();
    EXPECT_TRUE(asked);
    // More steps: a result, a reinstatement, the cycles.
    grid->setCurrentIndex(grid->model()->index(5, 1));
    named<QAction>(QStringLiteral("actReinstate"))->trigger();
    window->document()->key(3, 4 + 4, krugovik::GameState::Draw);
    named<QSpinBox>(QStringLiteral("spnCycles"))->setValue(3);
    QUndoStack *history = window->undoStack();
    ASSERT_GE(history->count(), 4);
    for (int i = 0; i < history->count(); ++i)
        check(QStringLiteral("step %1").arg(i), history->text(i));
    EXPECT_EQ(history->text(0), QStringLiteral("withdrawal of player 4"));
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(English, TheQuestionsAndRefusalsOfTheWindow)
{
    krugovik::TournamentWindow *window = open();
    // Cycle 2 holds results: it cannot go.
    checkNextBox(QMessageBox::Ok);
    named<QSpinBox>(QStringLiteral("spnCycles"))->setValue(1);
    waitForBoxes(1);
    // With nothing changed the exit is asked about, and refused here.
    checkNextBox(QMessageBox::No);
    click(named(QStringLiteral("cmdExit")));
    waitForBoxes(2);
    // A change: leaving asks about saving it, with its own button for discarding.
    window->document()->key(3, 4 + 4, krugovik::GameState::Draw);
    checkNextBox(QMessageBox::Cancel);
    EXPECT_FALSE(window->ConfirmLeaving());
    waitForBoxes(3);
    // Printing: what is printed is named in English, and so are its outcomes.
    QStringList kinds;
    krugovik::Printer::setRecorder(
        [&kinds](const krugovik::PrintedDocument &document) { kinds << document.kind; });
    click(named(QStringLiteral("cmdPrint")));
    click(named(QStringLiteral("cmdPrintParing")));
    EXPECT_EQ(kinds,
              (QStringList{QStringLiteral("Crosstable"), QStringLiteral("Round result sheet")}));
    checkNextBox(QMessageBox::Ok);
    krugovik::PrintOutcome failed;
    failed.error = QStringLiteral("x");
    krugovik::reportPrintOutcome(failed, window);
    waitForBoxes(4);
    checkNextBox(QMessageBox::Ok);
    krugovik::PrintOutcome toFile;
    toFile.printed = true;
    toFile.noPrinter = true;
    toFile.pdfPath = path(QStringLiteral("ALPHA-tablica.pdf"));
    krugovik::reportPrintOutcome(toFile, window);
    waitForBoxes(5);
    for (const QString &kind : kinds)
        check(QStringLiteral("printout"), kind);
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(English, TheListOfTheBaseIsPrintedWithAnEnglishHeading)
{
    writeFile(QStringLiteral("BASE.DAT"), cp1251(kLatinNames[0]).leftJustified(24, ' ') + "1510 " +
                                              cp1251(kLatinNames[1]).leftJustified(24, ' ') +
                                              "1520 ");
    open();
    QList<krugovik::PrintedDocument> printed;
    krugovik::Printer::setRecorder(
        [&printed](const krugovik::PrintedDocument &document) { printed << document; });
    click(named(QStringLiteral("cmdPrintBase")));
    ASSERT_EQ(printed.size(), 1);
    check(QStringLiteral("base list"), printed[0].kind);
    ASSERT_TRUE(printed[0].sheet.has_value());
    const krugovik::Sheet &list = *printed[0].sheet;
    for (const std::string &line : list.heading)
        check(QStringLiteral("base list heading"), QString::fromStdString(line));
    for (const krugovik::SheetColumn &column : list.columns)
        check(QStringLiteral("base list column"), QString::fromStdString(column.title));
    EXPECT_EQ(list.subtitle, "LIST OF PLAYERS AND THEIR RATINGS");
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

// A file that is no tournament: the message around the reason is English (the reason is the
// reader's, translated where the file is read).
TEST_F(English, TheMessageAboutAFileThatIsNoTournament)
{
    const QByteArray foreign = "<html>not a tournament</html>\r\n";
    writeFile(QStringLiteral("ALPHA.TXT"), foreign);
    krugovik::FileLayer files;
    const QString reason =
        krugovik::TournamentStore(&files).open(path(QStringLiteral("ALPHA.TXT"))).reason;
    ASSERT_FALSE(reason.isEmpty());
    QString text, title;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        text = box->text();
        title = box->windowTitle();
        box->done(QMessageBox::Ok);
    });
    open(foreign);
    ASSERT_TRUE(text.contains(reason)) << text.toStdString();
    check(QStringLiteral("foreign file"), QString(text).remove(reason));
    check(QStringLiteral("foreign file title"), title);
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("The file "))) << text.toStdString();
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(English, TheTieBreakDialogsAndTheStandings)
{
    krugovik::TournamentWindow *window = open();
    {
        krugovik::TieBreaksDialog dialog(window->document()->tournament().tieBreaks(), window);
        auto *preset = dialog.findChild<QComboBox *>(QStringLiteral("cmbTieBreakPreset"));
        ASSERT_NE(preset, nullptr);
        for (int i = 0; i < preset->count(); ++i) {
            preset->setCurrentIndex(i);
            walk(&dialog);
        }
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tie-break rules"));
    }
    {
        krugovik::TieOrderDialog dialog(window->snapshot(), window);
        walk(&dialog);
        EXPECT_EQ(dialog.objectName(), QStringLiteral("dlgTieOrder"));
    }
    {
        krugovik::StandingsView view(
            window->document(), [window] { return window->snapshot(); }, window);
        walk(&view);
        // The first four columns are the view's own; the tie-breaks' and the cells the
        // standings' code gives.
        auto *table = view.findChild<QTableWidget *>(QStringLiteral("tblStandings"));
        ASSERT_NE(table, nullptr);
        ASSERT_GE(table->columnCount(), 4);
        QStringList own;
        for (int c = 0; c < 4; ++c)
            own << table->horizontalHeaderItem(c)->text();
        for (const QString &caption : own)
            check(QStringLiteral("standings caption"), caption);
        EXPECT_EQ(own, (QStringList{QStringLiteral("Place"), QStringLiteral("No."),
                                    QStringLiteral("Player"), QStringLiteral("Points")}));
        EXPECT_EQ(view.windowTitle(), QStringLiteral("Standings"));
    }
    EXPECT_GT(m_checked, 50);
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(English, TheReasonsOfTheFileLayerThePrinterAndTheCodePage)
{
    QDir(path(QString())).mkdir(QStringLiteral("folder"));
    const QString folder = path(QStringLiteral("folder"));
    krugovik::FileLayer files;
    const QStringList reasons = {files.read(folder, 100).reason, files.replace(folder, "x"),
                                 krugovik::saveWholeFile(folder, "x")};
    QString pdfReason;
    krugovik::PrintedDocument document;
    document.lines = {QStringLiteral("x")};
    EXPECT_FALSE(krugovik::writePdf(document, folder, &pdfReason));
    for (const QString &reason : reasons + QStringList{pdfReason}) {
        EXPECT_FALSE(reason.isEmpty());
        check(QStringLiteral("reason"), reason);
    }
    // A box of the code page: a letter replaced, a sign refused, the end of a paste cut.
    QLineEdit box;
    box.setMaxLength(6);
    krugovik::CodePageValidator validator(&box);
    QStringList notes;
    validator.setNoteReceiver([&notes](const QString &note) { notes << note; });
    box.setValidator(&validator);
    box.insert(QStringLiteral("Ö€ab"));
    QApplication::clipboard()->setText(QStringLiteral("cdefgh"));
    box.paste();
    ASSERT_FALSE(notes.isEmpty());
    check(QStringLiteral("note"), notes.last());
    EXPECT_TRUE(notes.last().startsWith(QStringLiteral("Replaced: ")))
        << notes.last().toStdString();
    EXPECT_TRUE(m_found.isEmpty()) << m_found.join(QLatin1Char('\n')).toStdString();
}

} // namespace

namespace {

// Without a translation the texts built from whole sentences read as they always have.
class Russian : public InTempDir {};

TEST_F(Russian, TheBuiltTextsOfTheTableReadAsBefore)
{
    krugovik::Tournament t;
    const krugovik::TablePicture picture(t);
    const std::string bytes = latinTournament().toStdString();
    t.load(bytes);
    const krugovik::GameKey voided{0, 1, 5};
    const std::pair<std::string, std::string> cases[] = {
        {krugovik::notCountedReason(t, voided),
         "Партия не учитывается: игрок 5 Evans Emil выбыл после тура 1, сыграв меньше "
         "половины партий"},
        {krugovik::withdrawalOutsideText(t, 5, 3, 1),
         "Игрок 5 Evans Emil выбыл после тура 1, а в турнире из 3 игроков (циклов: 1) будет "
         "всего 3 туров. Сначала верните игрока в турнир («Вернуть в турнир») или назначьте "
         "более ранний тур."},
        {krugovik::removalQuestion({{4, "Dixon Dora", 1}, {5, "", 22}}),
         "Игрок 4 Dixon Dora и его 1 результат; игрок 5 и его 22 результата будут убраны из "
         "турнира. Продолжить?"},
        {krugovik::roundTitle(picture), "Жеребьёвка"},
        {krugovik::nameCellText(t, 5), "Evans Emil (выб.)"},
        {krugovik::headerCaption(picture, 1), "Участники"},
    };
    for (const auto &[built, expected] : cases)
        EXPECT_EQ(built, expected);
}

// The messages about a file the table cannot show: one sentence for each reason.
TEST_F(Russian, TheMessagesAboutAFileTheTableCannotShow)
{
    const QString file = path(QStringLiteral("ALPHA.TXT"));
    const auto shown = [&file] {
        QString text;
        whenShown<QMessageBox>([&text](QMessageBox *box) {
            text = box->text();
            box->done(QMessageBox::Ok);
        });
        krugovik::TournamentWindow window([file] { return file; });
        window.Form_Load();
        return text;
    };
    const QString tail = QStringLiteral(". Таблица показана пустой; прежде чем сохранение заменит "
                                        "этот файл, программа спросит об этом.");
    QDir(path(QString())).mkdir(QStringLiteral("ALPHA.TXT"));
    EXPECT_EQ(shown(), QStringLiteral("Файл ") + file +
                           QStringLiteral(" не удалось прочитать: это папка") + tail);
    QDir(path(QString())).rmdir(QStringLiteral("ALPHA.TXT"));
    writeFile(QStringLiteral("ALPHA.TXT"), "<html>not a tournament</html>\r\n");
    krugovik::FileLayer files;
    const QString reason = krugovik::TournamentStore(&files).open(file).reason;
    EXPECT_EQ(shown(), QStringLiteral("Файл ") + file +
                           QStringLiteral(" не похож на файл турнира: ") + reason + tail);
}

} // namespace
