#pragma once

#include <QColor>
#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QApplication>
#include <QTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <tuple>

#include "app/main_window.h"

namespace krugovik {
class CrossTable;
}

namespace testing_support {

// Cell colours as the director sees them, written out rather than taken from the code.
inline const QColor kGreyCell(128, 128, 128);       // a player's game against himself
inline const QColor kEstimateCell(255, 255, 192);   // a rating that is an initial estimate
inline const QColor kFirstNamedCell(192, 255, 255); // first-named side of a shown game
inline const QColor kSecondNamedCell(0, 192, 192);  // second-named side of a shown game

// Twenty-two juniors, each name unique in the table.
inline const QStringList kJuniorNames = {
    QStringLiteral("Абрамов Артём"), QStringLiteral("Белова Дарья"),
    QStringLiteral("Васильев Глеб"), QStringLiteral("Григорьева Ева"),
    QStringLiteral("Давыдов Егор"),  QStringLiteral("Ершова Жанна"),
    QStringLiteral("Жуков Захар"),   QStringLiteral("Зайцева Инна"),
    QStringLiteral("Ильин Кирилл"),  QStringLiteral("Козлова Лада"),
    QStringLiteral("Лебедев Марк"),  QStringLiteral("Морозова Нина"),
    QStringLiteral("Никитин Олег"),  QStringLiteral("Орлова Полина"),
    QStringLiteral("Павлов Роман"),  QStringLiteral("Романова Софья"),
    QStringLiteral("Соколов Тимур"), QStringLiteral("Тихонова Ульяна"),
    QStringLiteral("Уваров Фёдор"),  QStringLiteral("Фролова Христина"),
    QStringLiteral("Хохлов Цезарь"), QStringLiteral("Чернова Шура; \"Ш\""),
};

// Runs `act` on the next visible top-level widget of type T (a menu, a dialog) once it is
// shown: the test goes on to the call that opens it and blocks.
template <typename T> void whenShown(std::function<void(T *)> act)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, poll] {
        T *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<T *>(w); candidate && candidate->isVisible())
                shown = candidate;
        if (!shown) {
            QTimer::singleShot(5, *poll);
            return;
        }
        act(shown);
        *poll = nullptr;
    };
    QTimer::singleShot(5, *poll);
}

// What a message box showed before the test answered it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    int count = 0; // how many boxes were answered
};

// Answers every modal message box that opens from now on with `answer`, as a person
// would: reads it and presses the button. Stops when the object is destroyed.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~BoxAnswerer();
    const SeenBox &seen() const { return *m_seen; }

  private:
    std::shared_ptr<SeenBox> m_seen;
    std::shared_ptr<bool> m_alive;
};

// What the print preview showed before the test answered it.
struct SeenPreview {
    QString title;
    QString objectName;
    bool modal = false;
    int pages = 0; // pages of the preview
    bool landscape = false;
    QString outputFile; // where the printer writes without a printer installed
    int count = 0;      // how many previews were answered
};

// Answers every print preview that opens from now on: prints it, as the preview's print
// button and its dialog do, or closes it. Stops when the object is destroyed.
class PreviewAnswerer {
  public:
    explicit PreviewAnswerer(bool print = true);
    ~PreviewAnswerer();
    const SeenPreview &seen() const { return *m_seen; }

  private:
    std::shared_ptr<SeenPreview> m_seen;
    std::shared_ptr<bool> m_alive;
};

// The text of a PDF as pdftotext lays it out.
QString pdfText(const QString &pdf);

// Each test runs in an empty directory of its own that is the current directory.
class InTempDir : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray readFile(const QString &name) const;
    void writeFile(const QString &name, const QByteArray &bytes) const;

  private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A tournament opened through the chooser, as a director opens one.
class TournamentTest : public InTempDir {
  protected:
    void TearDown() override;
    // Writes the tournament file (a new, empty one by default) and opens it.
    void openTournament(const QByteArray &content = newTournamentFile(),
                        const QString &fileName = QStringLiteral("ALPHA.TXT"));
    // Starts the program without opening anything.
    void start();
    static QByteArray newTournamentFile();

    QWidget *tournament() const;
    krugovik::CrossTable *grid() const;
    template <typename T = QWidget> T *widget(const QString &name) const
    {
        T *found = m_window ? m_window->findChild<T *>(name) : nullptr;
        EXPECT_NE(found, nullptr) << "no widget " << name.toStdString();
        return found;
    }
    QString cell(int row, int column) const;
    QColor cellColour(int row, int column) const;
    // BASE.DAT of players given as (name, rating, flag) before the program starts.
    void writeBase(const QList<std::tuple<QString, QByteArray, char>> &players);
    // Three rated players (the third an estimate) and one without a rating, then an empty
    // tournament opened: the usual start of the entry tests.
    void openWithFourPlayerBase();
    // Steps the spin up to count players, arrow by arrow as a director does.
    void setPlayerCount(int count);
    // Presses the save button of the tournament window.
    void save();
    // Enters base records 1..count into table rows 1..count through the editor.
    void enterPlayers(int count);
    // Clicks a game cell as often as needed to make it show `text`.
    void setResult(int row, int opponent, const QString &text);
    MainWindow *mainWindow() const { return m_window.get(); }

  private:
    std::unique_ptr<MainWindow> m_window;
};

template <typename T = QWidget> T *child(QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << "no widget " << name.toStdString();
    return found;
}

// A left click on the centre of a widget.
void click(QWidget *widget);
// Types text into a widget key by key, any script.
void typeText(QWidget *widget, const QString &text);
// A left click on a cell of the crosstable.
void clickCell(krugovik::CrossTable *table, int row, int column);

// Bytes of Windows-1251 text written as UTF-8 source.
QByteArray cp1251(const QString &text);

// Windows still alive once deferred deletions are done, tool tips aside (Qt keeps one).
QList<QWidget *> survivingTopLevelWidgets();

// A tournament file's text: one item per line, each ended by CR LF.
inline QByteArray lines(const QList<QByteArray> &items)
{
    QByteArray text;
    for (const QByteArray &item : items)
        text += item + "\r\n";
    return text;
}

// Three established players: 1 beat 2 and drew with 3; 2 against 3 not played.
inline QByteArray threePlayers(const QByteArray &name1 = "Ivanov")
{
    return lines({" 3 ", name1, " 1 ", "1500", " 1000 ", "1", "0.5", "Petrov", " 2 ", "1600",
                  " 1000 ", "0", "", "Sidorov", " 3 ", "1700", " 1000 ", "0.5", ""});
}

} // namespace testing_support

// Readable strings in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
