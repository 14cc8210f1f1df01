// A base that can only be read: what the director is told.
#include "common/file_layer.h"
#include "common/message_box.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ReportReadOnlyBase()
{
    // Every load of the tournament window opens the base again; once is enough.
    if (!m_files->firstTime(QStringLiteral("read-only base ") + Base.path()))
        return;
    showMessage(this,
                QStringLiteral("Базу игроков %1 можно только читать: %2. Просматривать её, "
                               "заносить игроков в таблицу и печатать список можно, но "
                               "изменения в базе сохранены не будут.")
                    .arg(Base.path(), Base.readOnlyReason()),
                QStringLiteral("База игроков"), QMessageBox::Warning);
}

bool TournamentWindow::RefuseReadOnlyBase()
{
    if (!Base.isReadOnly())
        return false;
    showMessage(this,
                QStringLiteral("Новые рейтинги не записаны в базу игроков %1: %2.")
                    .arg(Base.path(), Base.readOnlyReason()),
                QStringLiteral("Ошибка"), QMessageBox::Warning);
    return true;
}

} // namespace krugovik
