// A tournament file that exists but could not be read, or a file that is no tournament, is
// replaced only on the director's word.
#include "common/message_box.h"
#include "table/tournament_window.h"

namespace krugovik {

bool TournamentWindow::ConfirmReplacingUnreadFile(const QString &path, const QString &reason)
{
    const bool replace = askYesNo(
        this,
        QStringLiteral("Файл %1 не удалось прочитать: %2. Если его заменить, записанный в нём "
                       "турнир будет потерян. Заменить файл этой таблицей?")
            .arg(path, reason),
        QStringLiteral("Сохранение"), QMessageBox::Warning, QMessageBox::No);
    if (replace)
        m_unreadTourFile.clear();
    return replace;
}

bool TournamentWindow::ConfirmReplacingForeignFile(const QString &path, const QString &reason)
{
    return askYesNo(this,
                    QStringLiteral("Файл %1 не похож на файл турнира: %2. Если его заменить, "
                                   "его содержимое будет потеряно. Заменить файл этой таблицей?")
                        .arg(path, reason),
                    QStringLiteral("Сохранение"), QMessageBox::Warning, QMessageBox::No);
}

} // namespace krugovik
