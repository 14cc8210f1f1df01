// A second director's program on the same tournament: it opens a file of the current folder
// through the chooser, enters a result by a click and says "opened" once its recovery copy is
// on disk. Then it takes orders, one a line on its input:
//   save yes | save no  presses the save button and answers a question, if one comes, so;
//                       prints "asked: TEXT" for each box, then "saved" or "kept"
//   quit                ends without a question, its unsaved work left in its recovery copy
// Arguments: the application name whose data folder the copy goes to, the file's name.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "child_director.h"
#include "table/recovery_copy.h"
#include "ui/cross_table.h"

namespace {

// Answers every message box that opens, until stopped.
void answerBoxes(QMessageBox::StandardButton answer, const std::shared_ptr<bool> &stop)
{
    QTimer::singleShot(5, [answer, stop] {
        if (*stop)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("asked: %s\n", box->text().toUtf8().constData());
            std::fflush(stdout);
            QAbstractButton *button = box->button(answer);
            if (!button)
                button = box->defaultButton();
            QTest::mouseClick(button, Qt::LeftButton);
        }
        answerBoxes(answer, stop);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    const QString fileName = QString::fromLocal8Bit(argv[2]);
    MainWindow window;
    window.show();
    if (const int failed = openAndEnterAResult(window, fileName))
        return failed;
    const QString tournament = QDir::current().absoluteFilePath(fileName);
    std::puts("opened");
    std::fflush(stdout);

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string order;
        if (!std::getline(std::cin, order) || order == "quit") {
            input.setEnabled(false);
            app.exit(0);
            return;
        }
        const auto readFile = [&] {
            QFile file(tournament);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray old = readFile();
        auto stop = std::make_shared<bool>(false);
        answerBoxes(order == "save yes" ? QMessageBox::Yes : QMessageBox::No, stop);
        window.findChild<QToolButton *>(QStringLiteral("cmdSave"))->click();
        *stop = true;
        std::puts(readFile() != old ? "saved" : "kept");
        std::fflush(stdout);
    });
    return app.exec();
}
