// Before new ratings go into the base: rows whose player is not the one in the record.
#include "base/name_check.h"
#include "common/codepage.h"
#include "common/message_box.h"
#include "table/tournament_document.h"
#include "table/tournament_window.h"

namespace krugovik {

std::vector<bool> TournamentWindow::RowsToWriteBack()
{
    const Tournament &t = m_document->tournament();
    std::vector<bool> write(std::size_t(t.playerCount()) + 1, true);
    std::vector<WriteBackRow> rows;
    for (int i = 1; i <= t.playerCount(); ++i) {
        // Rows without a record of this base are left out by the write-back itself.
        if (t.baseRecordNo(i) < 1 || t.baseRecordNo(i) > RecordCount)
            continue;
        const PlayerRecord stored = Base.read(t.baseRecordNo(i));
        rows.push_back(
            {i, t.name(i), fromCodePage(QByteArray::fromStdString(stored.name)).toStdString()});
    }
    const std::vector<NameMismatch> mismatches = nameMismatches(rows);
    if (mismatches.empty())
        return write;
    if (askYesNo(this, QString::fromStdString(mismatchQuestion(mismatches)),
                 QStringLiteral("Запись рейтингов в базу"), QMessageBox::Question, QMessageBox::No))
        return write;
    for (const NameMismatch &m : mismatches)
        write[std::size_t(m.row)] = false;
    return write;
}

} // namespace krugovik
