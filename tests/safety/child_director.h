#pragma once

// What both child programs of the process tests do first, as a director would: open a
// tournament of the current folder through the chooser, enter a result by a click, and wait
// until the recovery copy is on disk. Returns 0, or the exit status that says what failed.

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "table/recovery_copy.h"
#include "ui/cross_table.h"

inline int openAndEnterAResult(MainWindow &window, const QString &fileName)
{
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
    return 0;
}
