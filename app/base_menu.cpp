// The menu «База»: the official rating lists the find box searches besides the base.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/club_folder.h"
#include "app/main_window.h"
#include "base/rating_list_store.h"
#include "ui/import_list_dialog.h"

using namespace krugovik;

void MainWindow::createBaseMenu()
{
    mnuBase = menuBar()->addMenu(tr("База"));
    mnuBase->setObjectName(QStringLiteral("mnuBase"));
    mnuImportList = mnuBase->addAction(tr("Загрузить рейтинг-лист…"));
    mnuImportList->setObjectName(QStringLiteral("mnuImportList"));
    mnuImportList->setToolTip(
        tr("Список ФИДЕ (TXT, XML или ZIP) или федерации (CSV) для поиска игроков"));
    connect(mnuImportList, &QAction::triggered, this, &MainWindow::mnuImportList_Click);
}

void MainWindow::mnuImportList_Click()
{
    importRatingList(this, RatingListStore::defaultFolder(), programSettingsFile());
}
