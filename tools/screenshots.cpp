// Makes the handbook's pictures: krugovik_screenshots [--english] DIR. Opens the samples in a
// scratch folder offscreen, works through them as a director would (chooser, clicks on the
// crosstable, the editor, the menus) and saves one PNG of the main window per step, and one
// of the first page of each printout. With --english the program speaks English, for the
// English handbook's pictures.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>

#include "app/language.h"
#include "app/main_window.h"
#include "ui/cross_table.h"

namespace {

// A step that cannot be taken as the director would take it.
struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Director {
  public:
    Director(MainWindow &window, QDir out) : m_window(window), m_out(std::move(out)) {}

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *found = m_window.findChild<T *>(name);
        if (!found)
            throw StepFailed("no " + name.toStdString() + " on screen");
        return found;
    }

    void settle() const
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // Picks a file in the chooser's list and presses "Открыть".
    void pickFile(const QString &name, bool open)
    {
        auto *files = find<QListWidget>(QStringLiteral("filFiles"));
        const auto items = files->findItems(name, Qt::MatchExactly);
        if (items.size() != 1)
            throw StepFailed("the chooser does not list " + name.toStdString());
        files->setCurrentItem(items[0]);
        emit files->itemClicked(items[0]);
        if (open)
            find<QAbstractButton>(QStringLiteral("cmdOK"))->click();
        settle();
    }

    void clickLabel(const QString &name)
    {
        auto *label = find<QWidget>(name);
        const QPointF at = label->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &release);
        settle();
    }

    void clickCell(int row, int column)
    {
        auto *grid = find<krugovik::CrossTable>(QStringLiteral("grdTable"));
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        if (!cell.isValid())
            throw StepFailed("the crosstable does not show its cell " + std::to_string(row) + "," +
                             std::to_string(column));
        const QPointF at = cell.center();
        QMouseEvent press(QEvent::MouseButtonPress, at, grid->viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, grid->viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &release);
        settle();
    }

    QString cell(int row, int column)
    {
        auto *grid = find<krugovik::CrossTable>(QStringLiteral("grdTable"));
        return grid->model()->index(row, column).data().toString();
    }

    void press(const QString &button)
    {
        auto *widget = find<QAbstractButton>(button);
        if (!widget->isEnabled())
            throw StepFailed(button.toStdString() + " is disabled");
        widget->click();
        settle();
    }

    // The main window as the director sees it, sized to show the open window whole.
    // Where the picture `name` goes, without ".png".
    QString output(const QString &name) const { return m_out.filePath(name); }
    void shoot(const QString &name)
    {
        settle();
        const QImage picture = m_window.grab().toImage();
        const QString path = m_out.filePath(name + QStringLiteral(".png"));
        if (picture.isNull() || !picture.save(path))
            throw StepFailed("cannot write " + path.toStdString());
        std::printf("%s\n", qPrintable(path));
    }

    // Presses a button that asks a question, shows the window with the question over it
    // (a title bar drawn above the box, as a window manager would) and answers No.
    void shootQuestion(const QString &button, const QString &name)
    {
        QString problem = QStringLiteral("no question came up");
        QTimer::singleShot(50, [this, name, &problem] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QImage picture = m_window.grab().toImage();
            const QImage face = box->grab().toImage();
            const int bar = QFontMetrics(box->font()).height() + 10;
            const QRect frame((picture.width() - face.width()) / 2,
                              (picture.height() - face.height() - bar) / 2, face.width() + 2,
                              face.height() + bar + 1);
            QPainter painter(&picture);
            painter.fillRect(frame, box->palette().color(QPalette::Highlight));
            painter.setPen(box->palette().color(QPalette::HighlightedText));
            painter.drawText(QRect(frame.left(), frame.top(), frame.width(), bar), Qt::AlignCenter,
                             box->windowTitle());
            painter.drawImage(frame.left() + 1, frame.top() + bar, face);
            painter.end();
            const QString path = m_out.filePath(name + QStringLiteral(".png"));
            problem = picture.save(path) ? QString() : QStringLiteral("cannot write ") + path;
            if (problem.isEmpty())
                std::printf("%s\n", qPrintable(path));
            box->button(QMessageBox::No)->click();
        });
        press(button);
        if (!problem.isEmpty())
            throw StepFailed(problem.toStdString());
    }

    // The main window with another window drawn over it: a dialog centred under a title
    // bar, as a window manager would frame it, or a pop-up list where it stands.
    void shootWith(QWidget *top, const QString &name, bool framed)
    {
        QImage picture = m_window.grab().toImage();
        const QImage face = top->grab().toImage();
        QPainter painter(&picture);
        if (framed) {
            const int bar = QFontMetrics(top->font()).height() + 10;
            const QRect frame((picture.width() - face.width()) / 2,
                              (picture.height() - face.height() - bar) / 2, face.width() + 2,
                              face.height() + bar + 1);
            painter.fillRect(frame, top->palette().color(QPalette::Highlight));
            painter.setPen(top->palette().color(QPalette::HighlightedText));
            painter.drawText(QRect(frame.left(), frame.top(), frame.width(), bar), Qt::AlignCenter,
                             top->windowTitle());
            painter.drawImage(frame.left() + 1, frame.top() + bar, face);
        } else {
            const QPoint at = top->mapToGlobal(QPoint()) - m_window.mapToGlobal(QPoint());
            painter.drawImage(at, face);
            painter.setPen(Qt::darkGray);
            painter.drawRect(QRect(at, face.size()).adjusted(0, 0, -1, -1));
        }
        painter.end();
        const QString path = m_out.filePath(name + QStringLiteral(".png"));
        if (!picture.save(path))
            throw StepFailed("cannot write " + path.toStdString());
        std::printf("%s\n", qPrintable(path));
    }

    void fitWindow()
    {
        // Room first: the open window shrinks to the frame's area, and only with room
        // enough does it take its own size.
        m_window.resize(1600, 1100);
        settle();
        int width = 0;
        int height = 0;
        for (QMdiSubWindow *sub : m_window.findChildren<QMdiSubWindow *>()) {
            if (sub->isVisible()) {
                width = std::max(width, sub->frameGeometry().right() + 1);
                height = std::max(height, sub->frameGeometry().bottom() + 1);
            }
        }
        const QSize chrome = m_window.size() - m_window.centralWidget()->size();
        m_window.resize(std::max(width + chrome.width(), 640),
                        std::max(height + chrome.height(), 480));
        settle();
    }

  private:
    MainWindow &m_window;
    QDir m_out;
};

// Presses the default button of every modal message box that opens while it lives, and
// prints every print preview, as its print button and dialog do.
class BoxAnswerer {
  public:
    BoxAnswerer() : m_alive(std::make_shared<bool>(true)) { poll(m_alive); }
    ~BoxAnswerer() { *m_alive = false; }

  private:
    static void poll(std::shared_ptr<bool> alive)
    {
        QTimer::singleShot(10, [alive] {
            if (!*alive)
                return;
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                QAbstractButton *button = box->defaultButton();
                if (!button)
                    button = box->buttons().value(0);
                if (button)
                    button->click();
            } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
                if (auto *pages = preview->findChild<QPrintPreviewWidget *>())
                    pages->print();
                preview->accept();
            }
            poll(alive);
        });
    }
    std::shared_ptr<bool> m_alive;
};

// Answers the modal windows of one command in turn: each answer gets the next modal window
// that is not the one answered before.
void answerModals(std::vector<std::function<void(QWidget *)>> answers)
{
    auto left = std::make_shared<std::vector<std::function<void(QWidget *)>>>(std::move(answers));
    auto last = std::make_shared<QPointer<QWidget>>();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [left, last, poll] {
        QWidget *modal = QApplication::activeModalWidget();
        // The import's progress closes by itself.
        if (modal && modal->objectName() == QLatin1String("dlgImportList"))
            modal = nullptr;
        if (!left->empty() && modal && modal != last->data() && modal->isVisible()) {
            *last = modal;
            const auto answer = left->front();
            left->erase(left->begin());
            answer(modal);
        }
        if (left->empty()) {
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(20, *poll);
}

// A few players in the exact layout of FIDE's TXT list, one line of them malformed.
QByteArray sampleFideList()
{
    const auto line = [](std::initializer_list<std::pair<int, const char *>> fields) {
        QByteArray text;
        for (const auto &[at, value] : fields) {
            text = text.leftJustified(at, ' ');
            text += value;
        }
        return text + "\r\n";
    };
    QByteArray list = line({{0, "ID Number"},
                            {15, "Name"},
                            {76, "Fed"},
                            {80, "Sex"},
                            {84, "Tit"},
                            {89, "WTit"},
                            {94, "OTit"},
                            {109, "FOA"},
                            {113, "SRtng"},
                            {119, "SGm"},
                            {123, "SK"},
                            {152, "B-day"},
                            {158, "Flag"}});
    struct Player {
        const char *id, *name, *fed, *sex, *title, *rating, *born;
    };
    for (const Player &p :
         {Player{"4126025", "Shcherbakov, Alexander", "RUS", "M", "FM", "2312", "1989"},
          Player{"34187765", "Shcherbakova, Yekaterina", "RUS", "F", "", "1650", "2011"},
          Player{"24176257", "Shcherbakov, Ruslan", "RUS", "M", "", "1987", "2012"},
          Player{"4100018", "Karpov, Anatoly", "RUS", "M", "GM", "2617", "1951"},
          Player{"41A6819", "Broken, Line", "RUS", "M", "", "1500", "2010"},
          Player{"1503014", "Carlsen, Magnus", "NOR", "M", "GM", "2839", "1990"}})
        list += line({{0, p.id},
                      {15, p.name},
                      {76, p.fed},
                      {80, p.sex},
                      {84, p.title},
                      {113, p.rating},
                      {119, "0"},
                      {123, "20"},
                      {152, p.born}});
    return list;
}

// The rating lists: FIDE's and a federation's imported through the menu «База», then the
// find box finding a surname in the base and in both lists.
void shootRatingLists(Director &director, MainWindow &window, bool english)
{
    // The federation's headings in the handbook's language; its players' names are Russian.
    const QString headings =
        english ? QStringLiteral("Name;Rating;National ID;FIDE ID;Sex;Birth year\r\n")
                : QStringLiteral("ФИО;Рейтинг;ID ФШР;FIDE ID;Пол;Год рождения\r\n");
    QFile fide(QStringLiteral("players_list_foa.txt"));
    QFile csv(QStringLiteral("federation.csv"));
    if (!fide.open(QIODevice::WriteOnly) || fide.write(sampleFideList()) < 0 ||
        !csv.open(QIODevice::WriteOnly) ||
        csv.write((headings + QStringLiteral("Щербакова Алина;1520;77120;;Ж;2013\r\n"
                                             "Щербаков Илья;1705;77121;;М;2011\r\n"))
                      .toUtf8()) < 0)
        throw StepFailed("cannot write the sample lists");
    fide.close();
    csv.close();
    auto *import = window.findChild<QAction *>(QStringLiteral("mnuImportList"));
    if (!import)
        throw StepFailed("the main window has no menu item mnuImportList");
    const auto pickFile = [](const QString &name) {
        return [name](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (!dialog)
                return; // the find list's check below then fails the step
            const QString file = QDir::current().absoluteFilePath(name);
            dialog->selectFile(file);
            // What the director would have typed: the dialog takes it as it stands.
            if (auto *typed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                typed->setText(file);
            static_cast<QDialog *>(dialog)->done(QDialog::Accepted);
        };
    };
    const auto okBox = [](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->button(QMessageBox::Ok)->click();
    };
    answerModals(
        {pickFile(QStringLiteral("players_list_foa.txt")), [&director, okBox](QWidget *modal) {
             director.shootWith(modal, QStringLiteral("lists-import-done"), true);
             okBox(modal);
         }});
    import->trigger();
    director.settle();
    answerModals({pickFile(QStringLiteral("federation.csv")),
                  [&director](QWidget *modal) {
                      director.shootWith(modal, QStringLiteral("lists-csv-columns"), true);
                      if (auto *ok = modal->findChild<QPushButton *>(QStringLiteral("cmdCsvOk")))
                          ok->click();
                  },
                  okBox});
    import->trigger();
    director.settle();

    auto *find = director.find<QLineEdit>(QStringLiteral("txtFind"));
    find->setFocus();
    find->setText(QStringLiteral("Щербаков"));
    director.settle();
    auto *completer = window.findChild<QCompleter *>(QStringLiteral("cmpFind"));
    if (!completer || !completer->popup()->isVisible())
        throw StepFailed("the find list did not come up");
    director.shootWith(completer->popup(), QStringLiteral("lists-find"), false);
    completer->popup()->hide();
    find->clear();
    director.settle();
}

bool copySamples(const QDir &from, const QDir &to)
{
    for (const char *name : {"BASE.DAT", "KUBOK.TXT", "PERVENSTVO.TXT"}) {
        const QString file = QString::fromLatin1(name);
        if (!QFile::copy(from.filePath(file), to.filePath(file)))
            return false;
    }
    return true;
}

// A printout: without a printer its preview prints it into a PDF in the tournament's
// folder, whose first page becomes the picture.
void shootPrintout(Director &director, const std::function<void()> &print, const QString &name)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    {
        BoxAnswerer answerer;
        print();
        director.settle();
    }
    QString pdf;
    for (const QFileInfo &info :
         QDir::current().entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
        if (info.lastModified() >= before) {
            pdf = info.absoluteFilePath();
            break;
        }
    }
    if (pdf.isEmpty())
        throw StepFailed("the printout " + name.toStdString() + " made no PDF");
    const QString target = director.output(name);
    const int rc =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                           QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                           QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, target});
    QFile::remove(pdf);
    if (rc != 0)
        throw StepFailed("pdftoppm (poppler-utils) could not draw " + pdf.toStdString());
    std::printf("%s.png\n", qPrintable(target));
}

void shootStandings(Director &director, MainWindow &window)
{
    auto *standings = window.findChild<QAction *>(QStringLiteral("mnuStandings"));
    if (!standings)
        throw StepFailed("the main window has no menu item mnuStandings");
    shootPrintout(
        director, [standings] { standings->trigger(); }, QStringLiteral("standings"));
}

void shootButtonPrintout(Director &director, const QString &button, const QString &name)
{
    auto *widget = director.find<QAbstractButton>(button);
    shootPrintout(
        director, [widget] { widget->click(); }, name);
}

// Saves a picture of a window of its own (a dialog), as the director sees it.
void saveWindow(QWidget *w, const QDir &out, const QString &name)
{
    QCoreApplication::processEvents();
    const QImage picture = w->grab().toImage();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(path))
        throw StepFailed("cannot write " + path.toStdString());
    std::printf("%s\n", qPrintable(path));
}

// What the director types into the event's details, in the handbook's language.
struct EventSample {
    QString title, place, organiser, arbiter, deputy, timeControl;
};

EventSample eventSample(bool english)
{
    if (english)
        return {QStringLiteral("White Rook Club Cup"),
                QStringLiteral("Tver, chess club"),
                QStringLiteral("Youth Sports School No. 3"),
                QStringLiteral("Pavel Petrov"),
                QStringLiteral("Anna Sidorova"),
                QStringLiteral("60 min + 30 s per move")};
    return {QStringLiteral("Кубок клуба «Белая ладья»"),
            QStringLiteral("Тверь, шахматный клуб"),
            QStringLiteral("ДЮСШ № 3"),
            QStringLiteral("Петров Павел"),
            QStringLiteral("Сидорова Анна"),
            QStringLiteral("60 мин + 30 сек на ход")};
}

// The event's details of the cup typed into their dialog, which is then left with
// «Отмена»; and the places window beside the table.
void shootEventAndPlaces(Director &director, MainWindow &window, const QDir &out,
                         const EventSample &sample)
{
    bool shot = false;
    QString problem;
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QStringLiteral("dlgEvent")) {
            problem = QStringLiteral("the event's dialog did not open");
            return;
        }
        const auto text = [dialog](const char *name, const QString &value) {
            if (auto *edit = dialog->findChild<QLineEdit *>(QString::fromLatin1(name)))
                edit->setText(value);
        };
        text("txtEventTitle", sample.title);
        text("txtEventPlace", sample.place);
        text("txtEventFederation", QStringLiteral("RUS"));
        text("txtEventOrganiser", sample.organiser);
        text("txtChiefArbiter", sample.arbiter);
        text("txtDeputyArbiter", sample.deputy);
        text("txtTimeControl", sample.timeControl);
        if (auto *start = dialog->findChild<QDateEdit *>(QStringLiteral("dteEventStart")))
            start->setDate(QDate(2026, 10, 3));
        if (auto *end = dialog->findChild<QDateEdit *>(QStringLiteral("dteEventEnd")))
            end->setDate(QDate(2026, 11, 28));
        if (auto *kind = dialog->findChild<QComboBox *>(QStringLiteral("cmbEventKind")))
            kind->setCurrentIndex(1);
        if (auto *fill = dialog->findChild<QPushButton *>(QStringLiteral("cmdFillRoundDates")))
            fill->click();
        // The handbook's pictures are no smaller than 600 × 450.
        dialog->resize(dialog->size().expandedTo(QSize(640, 460)));
        try {
            saveWindow(dialog, out, QStringLiteral("event-details"));
            shot = true;
        } catch (const StepFailed &failure) {
            problem = QString::fromStdString(failure.what());
        }
        dialog->reject();
    });
    director.find<QAction>(QStringLiteral("mnuEvent"))->trigger();
    director.settle();
    if (!shot)
        throw StepFailed(problem.toStdString());

    director.find<QAction>(QStringLiteral("mnuStandingsView"))->trigger();
    director.settle();
    auto *places = window.findChild<QDialog *>(QStringLiteral("dlgStandings"));
    if (!places)
        throw StepFailed("the places window did not open");
    // As wide as the window opens itself, to show every column.
    places->resize(places->width(), 450);
    saveWindow(places, out, QStringLiteral("places-window"));
    places->close();
}

// «Файл» → «Табло в сети…» on this computer only, started: the page's address and its QR
// code; then stopped and closed.
void shootHallDialog(Director &director, const QDir &out)
{
    QString problem = QStringLiteral("the hall board's dialog did not open");
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QStringLiteral("dlgHall"))
            return;
        auto *address = dialog->findChild<QComboBox *>(QStringLiteral("cboHallAddress"));
        auto *port = dialog->findChild<QSpinBox *>(QStringLiteral("spnHallPort"));
        auto *start = dialog->findChild<QPushButton *>(QStringLiteral("btnHallStart"));
        auto *stop = dialog->findChild<QPushButton *>(QStringLiteral("btnHallStop"));
        if (!address || !port || !start || !stop) {
            problem = QStringLiteral("the hall board's dialog lacks its fields");
            dialog->reject();
            return;
        }
        const int loopback = address->findData(QStringLiteral("127.0.0.1"));
        if (loopback >= 0)
            address->setCurrentIndex(loopback);
        // The handbook's port, else (taken by another program, or by the tool making the
        // other language's pictures) the next free one.
        for (int free = 8080; free < 8180 && !stop->isEnabled(); ++free) {
            port->setValue(free);
            start->click();
        }
        if (!stop->isEnabled()) {
            problem = QStringLiteral("the hall board did not start");
            dialog->reject();
            return;
        }
        dialog->resize(dialog->size().expandedTo(QSize(640, 460)));
        try {
            saveWindow(dialog, out, QStringLiteral("hall-dialog"));
            problem.clear();
        } catch (const StepFailed &failure) {
            problem = QString::fromStdString(failure.what());
        }
        stop->click();
        dialog->reject();
    });
    director.find<QAction>(QStringLiteral("mnuHall"))->trigger();
    director.settle();
    if (!problem.isEmpty())
        throw StepFailed(problem.toStdString());
}

void takeSteps(MainWindow &window, const QDir &out, bool english)
{
    Director director(window, out);
    director.fitWindow();

    // The chooser, with the cup picked.
    director.pickFile(QStringLiteral("KUBOK.TXT"), false);
    director.shoot(QStringLiteral("chooser"));

    // The finished cup: points, then new ratings, then a round of the schedule.
    director.pickFile(QStringLiteral("KUBOK.TXT"), true);
    director.fitWindow();
    // The header's caption changes from the result's to the points' (in either language).
    const QString resultCaption = director.cell(0, 4);
    director.clickCell(0, 4);
    if (director.cell(0, 4) == resultCaption)
        throw StepFailed("the points did not come up");
    director.shoot(QStringLiteral("table-points"));
    director.clickCell(0, 3);
    director.shoot(QStringLiteral("table-new-ratings"));
    director.clickCell(0, 4 + 5);
    director.shoot(QStringLiteral("table-round"));

    // The editor on a player whose rating is an estimate: the categories are on show,
    // and her category is chosen.
    for (int i = 0; i < 3; ++i)
        director.press(QStringLiteral("cmdNext"));
    director.press(QStringLiteral("optRanc5"));
    director.shoot(QStringLiteral("editor-categories"));

    // The exit question, answered No: the program stays.
    director.shootQuestion(QStringLiteral("cmdExit"), QStringLiteral("exit-question"));

    shootStandings(director, window);
    shootButtonPrintout(director, QStringLiteral("cmdPrint"), QStringLiteral("sheet-table"));
    shootEventAndPlaces(director, window, out, eventSample(english));

    // The championship in progress: the next round to play is shown.
    director.find<QAction>(QStringLiteral("mnuOpen"))->trigger();
    director.settle();
    director.pickFile(QStringLiteral("PERVENSTVO.TXT"), true);
    director.fitWindow();
    director.clickCell(0, 4);
    director.clickCell(0, 4 + 5);
    director.shoot(QStringLiteral("tournament-in-progress"));

    // The cup as a double round-robin: the second cycle's block, its first round (round 10)
    // on show and its results entered on the result boxes; then taken back, leaving the
    // sample as it was.
    director.find<QAction>(QStringLiteral("mnuOpen"))->trigger();
    director.settle();
    director.pickFile(QStringLiteral("KUBOK.TXT"), true);
    director.fitWindow();
    director.find<QSpinBox>(QStringLiteral("spnCycles"))->setValue(2);
    director.settle();
    director.clickCell(0, 4);
    director.clickCell(0, 4 + 10 + 1);
    for (int board = 1; board <= 5; ++board) {
        for (int clicks = 0; clicks < board % 3 + 1; ++clicks)
            director.clickLabel(QStringLiteral("lblRezult_%1").arg(board));
    }
    director.shoot(QStringLiteral("double-round-robin"));
    shootButtonPrintout(director, QStringLiteral("cmdPrint"), QStringLiteral("sheet-table-cycles"));
    shootButtonPrintout(director, QStringLiteral("cmdPrintParing"),
                        QStringLiteral("sheet-protocol"));
    auto *history = director.find<QUndoStack>(QStringLiteral("undoStack"));
    history->setIndex(history->cleanIndex());
    director.settle();

    shootRatingLists(director, window, english);
    shootHallDialog(director, out);
}

} // namespace

int main(int argc, char *argv[])
{
    const bool english = argc == 3 && std::string_view(argv[1]) == "--english";
    if (argc != 2 && !english) {
        std::fputs("usage: krugovik_screenshots [--english] DIR\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The language as the start-up loads it, Qt's own words with it; the window then keeps it.
    const krugovik::Language language = krugovik::useLanguage(
        &app, english ? krugovik::Language::English : krugovik::Language::Russian);
    if (english) {
        if (language != krugovik::Language::English) {
            std::fputs("krugovik_screenshots: the English texts are not in the program\n", stderr);
            return 1;
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    } else {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[argc - 1])));
    // A fixed folder, since its path is the window's caption in every picture; one for each
    // language, so that both sets can be made at once.
    QDir scratch(QDir::temp().filePath(english ? QStringLiteral("krugovik-handbook-en")
                                               : QStringLiteral("krugovik-handbook")));
    scratch.removeRecursively();
    const QString folder = english ? QStringLiteral("Tournaments") : QStringLiteral("Турниры");
    if (!out.mkpath(QStringLiteral(".")) || !scratch.mkpath(folder) || !scratch.cd(folder) ||
        !copySamples(QDir(QStringLiteral(KRUGOVIK_EXAMPLES_DIR)), scratch)) {
        std::fputs("krugovik_screenshots: cannot prepare the folders\n", stderr);
        return 1;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    // The imported lists go to the scratch folder, never to the user's data folder; the
    // settings too (the list's columns, the hall board), so neither the user's choices reach
    // the pictures nor the pictures' the user.
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    int rc = 0;
    {
        MainWindow window;
        // Not maximised on a small screen: each picture takes the size it needs.
        window.showNormal();
        try {
            takeSteps(window, out, english);
        } catch (const StepFailed &failure) {
            std::fprintf(stderr, "krugovik_screenshots: %s\n", failure.what());
            rc = 1;
        }
    }
    QDir::setCurrent(previous);
    scratch.cdUp();
    scratch.removeRecursively();
    return rc;
}
