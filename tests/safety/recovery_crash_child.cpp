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
    auto *files = window.findChild<QListWidget *>(QStringLiteral("filFiles"));
    const auto items = files->findItems(fileName, Qt::MatchExactly);
    if (items.size() != 1)
        return 3;
    files->setCurrentItem(items[0]);
    emit files->itemClicked(items[0]);
    window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    auto *grid = window.findChild<krugovik::CrossTable *>(QStringLiteral("grdTable"));
    // Player 2 beats player 3.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(2, 3 + 4)).center());
    const QString tournament = QDir::current().absoluteFilePath(fileName);
    if (!QTest::qWaitFor([&] { return !krugovik::recoveryCopyPaths(tournament).isEmpty(); },
                         5000))
        return 4;
    std::puts("copy written");
    std::fflush(stdout);
    return app.exec();
}
