#include "support/test_helpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>

#include "app/main_window.h"
#include "common/codepage.h"
#include "ui/cross_table.h"

namespace testing_support {
namespace {

void pollForBox(std::shared_ptr<SeenBox> seen, std::shared_ptr<bool> alive,
                QMessageBox::StandardButton answer)
{
    QTimer::singleShot(5, [seen, alive, answer] {
        if (!*alive)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen->text = box->text();
            seen->title = box->windowTitle();
            seen->icon = box->icon();
            seen->buttons.clear();
            for (QAbstractButton *button : box->buttons())
                seen->buttons.append(box->standardButton(button));
            ++seen->count;
            QAbstractButton *button = box->button(answer);
            if (!button)
                button = box->buttons().value(0);
            button->click();
        }
        pollForBox(seen, alive, answer);
    });
}

void pollForPreview(std::shared_ptr<SeenPreview> seen, std::shared_ptr<bool> alive, bool print)
{
    QTimer::singleShot(5, [seen, alive, print] {
        if (!*alive)
            return;
        if (auto *preview =
                qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
            auto *widget = preview->findChild<QPrintPreviewWidget *>();
            seen->title = preview->windowTitle();
            seen->objectName = preview->objectName();
            seen->modal = preview->isModal();
            seen->pages = widget ? widget->pageCount() : 0;
            seen->landscape = widget && widget->orientation() == QPageLayout::Landscape;
            seen->outputFile = preview->printer()->outputFileName();
            ++seen->count;
            if (print && widget) {
                widget->print();
                preview->accept();
            } else {
                preview->reject();
            }
        }
        pollForPreview(seen, alive, print);
    });
}

} // namespace

PreviewAnswerer::PreviewAnswerer(bool print)
    : m_seen(std::make_shared<SeenPreview>()), m_alive(std::make_shared<bool>(true))
{
    pollForPreview(m_seen, m_alive, print);
}

PreviewAnswerer::~PreviewAnswerer()
{
    *m_alive = false;
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer)
    : m_seen(std::make_shared<SeenBox>()), m_alive(std::make_shared<bool>(true))
{
    pollForBox(m_seen, m_alive, answer);
}

BoxAnswerer::~BoxAnswerer()
{
    *m_alive = false;
}

void InTempDir::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
}

void InTempDir::TearDown()
{
    QDir::setCurrent(m_previous);
}

QByteArray InTempDir::readFile(const QString &name) const
{
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

void InTempDir::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
}

void TournamentTest::TearDown()
{
    m_window.reset();
    InTempDir::TearDown();
}

QByteArray TournamentTest::newTournamentFile()
{
    return QByteArray(" 3 ") + QByteArray(64, '\0') + QByteArray("\r\n");
}

void TournamentTest::start()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

void TournamentTest::openTournament(const QByteArray &content, const QString &fileName)
{
    writeFile(fileName, content);
    if (!m_window)
        start();
    auto *files = widget<QListWidget>(QStringLiteral("filFiles"));
    auto *chooser = m_window->findChild<QWidget *>(QStringLiteral("frmOpenFile"));
    ASSERT_NE(chooser, nullptr);
    // The menu closes an open tournament and reads the lists anew.
    if (tournament() || files->findItems(fileName, Qt::MatchExactly).isEmpty())
        m_window->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    const auto items = files->findItems(fileName, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    files->setCurrentItem(items[0]);
    emit files->itemClicked(items[0]);
    widget<QPushButton>(QStringLiteral("cmdOK"))->click();
    ASSERT_NE(tournament(), nullptr);
}

QWidget *TournamentTest::tournament() const
{
    return m_window ? m_window->findChild<QWidget *>(QStringLiteral("frmVantor")) : nullptr;
}

krugovik::CrossTable *TournamentTest::grid() const
{
    return widget<krugovik::CrossTable>(QStringLiteral("grdTable"));
}

QString TournamentTest::cell(int row, int column) const
{
    return grid()->model()->index(row, column).data().toString();
}

QColor TournamentTest::cellColour(int row, int column) const
{
    return grid()->model()->index(row, column).data(Qt::BackgroundRole).value<QColor>();
}

void TournamentTest::setPlayerCount(int count)
{
    auto *spin = widget<QScrollBar>(QStringLiteral("vscPlayer"));
    while (spin->value() < count)
        spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void TournamentTest::save()
{
    click(widget(QStringLiteral("cmdSave")));
}

void TournamentTest::openWithFourPlayerBase()
{
    writeBase({{QStringLiteral("Иванов Иван"), "1500", ' '},
               {QStringLiteral("Петров Пётр"), "1600", ' '},
               {QStringLiteral("Сидорова Аня"), "1350", 'N'},
               {QStringLiteral("Без рейтинга"), "", ' '}});
    openTournament();
}

void TournamentTest::writeBase(const QList<std::tuple<QString, QByteArray, char>> &players)
{
    QByteArray bytes;
    for (const auto &[name, rate, nr] : players)
        bytes += cp1251(name).leftJustified(24, ' ', true) + rate.leftJustified(4, ' ', true) + nr;
    writeFile(QStringLiteral("BASE.DAT"), bytes);
}

void TournamentTest::enterPlayers(int count)
{
    auto *previous = widget<QAbstractButton>(QStringLiteral("cmdPrevious"));
    auto *next = widget<QAbstractButton>(QStringLiteral("cmdNext"));
    while (previous->isEnabled())
        click(previous);
    for (int k = 1; k <= count; ++k) {
        clickCell(grid(), k, 0);
        if (k < count)
            click(next);
    }
}

void TournamentTest::setResult(int row, int opponent, const QString &text)
{
    for (int i = 0; i < 6 && cell(row, opponent + 4) != text; ++i)
        clickCell(grid(), row, opponent + 4);
    ASSERT_EQ(cell(row, opponent + 4), text);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void clickCell(krugovik::CrossTable *table, int row, int column)
{
    const QRect cell = table->visualRect(table->model()->index(row, column));
    ASSERT_TRUE(cell.isValid()) << "cell " << row << "," << column << " is not on screen";
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

QByteArray cp1251(const QString &text)
{
    return krugovik::toCodePage(text);
}

QList<QWidget *> survivingTopLevelWidgets()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget *> survivors;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() != Qt::ToolTip)
            survivors << widget;
    }
    return survivors;
}

} // namespace testing_support
