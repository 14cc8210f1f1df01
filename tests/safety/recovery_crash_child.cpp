// A director's program that dies: it opens a tournament of the current folder through the
// chooser, enters a result by a click, waits until the recovery copy is on disk, says so on
// one line and waits to be killed.
// Arguments: the application name whose data folder the copy goes to, the file's name.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app/main_window.h"
#include "child_director.h"
#include "ui/cross_table.h"
#include "table/recovery_copy.h"

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
    std::puts("copy written");
    std::fflush(stdout);
    return app.exec();
}
