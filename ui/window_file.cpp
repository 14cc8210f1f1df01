// Reading and saving the tournament file; a file that exists but could not be read, or a
// file that is no tournament, is replaced only on the director's word.
#include <QFileInfo>

#include "common/file_layer.h"
#include "common/message_box.h"
#include "table/recovery_copy.h"
#include "table/tournament_file.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {

// Larger files are not tournaments: 22 players take a few kilobytes.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// Why bytes read with a limit of kLargestFile + 1 are not a tournament; empty when they
// may be one.
std::string foreignReason(const std::string &bytes)
{
    std::string reason = foreignFileReason(bytes);
    if (reason.empty() && qint64(bytes.size()) > kLargestFile)
        reason = "он слишком велик";
    return reason;
}

} // namespace

std::optional<std::string> TournamentWindow::LoadTurnir()
{
    const QString path = m_tourFilePath();
    // A file the table cannot show: the director is told before a save could replace it.
    const auto tellShownEmpty = [this, &path](const QString &what) {
        showMessage(this,
                    QStringLiteral("Файл %1 %2. Таблица показана пустой; прежде чем сохранение "
                                   "заменит этот файл, программа спросит об этом.")
                        .arg(path, what),
                    QStringLiteral("Ошибка"), QMessageBox::Warning);
    };
    const FileLayer::Reading reading = m_files->read(path, kLargestFile + 1);
    m_unreadTourFile.clear();
    if (reading.outcome == FileLayer::Reading::Outcome::Unreadable) {
        // Not the silent missing file: there is a tournament the director cannot see.
        m_unreadTourFile = path;
        tellShownEmpty(QStringLiteral("не удалось прочитать: ") + reading.reason);
    }
    // Work a crash left in the recovery copy is read in the file's place, on the
    // director's word; it stays a change until it is saved.
    bool read = reading.outcome == FileLayer::Reading::Outcome::Read;
    QByteArray content = reading.bytes;
    if (reading.outcome != FileLayer::Reading::Outcome::Unreadable) {
        const std::optional<FoundCopy> copy =
            findRecoveryCopy(path, read ? std::optional<QByteArray>(reading.bytes) : std::nullopt);
        if (copy && AskRestoring(copy->written)) {
            content = copy->bytes;
            read = true;
            m_changedOutsideHistory = true;
        } else if (copy) {
            removeRecoveryCopy(m_recoveryPath);
        }
    }
    if (!read)
        return std::nullopt;
    std::string bytes = content.toStdString();
    const std::string foreign = foreignReason(bytes);
    if (foreign.empty()) {
        // What follows the first cycle must read whole, or the file is not taken at all.
        const std::string broken =
            readFileExtension(bytes, readTournamentFile(bytes).playerCount.value_or(0)).error;
        if (broken.empty())
            return bytes;
        m_unreadTourFile = path;
        tellShownEmpty(QStringLiteral("не прочитан: ") + QString::fromStdString(broken));
        return std::nullopt;
    }
    // A later save would replace the file: the director must know what it is.
    tellShownEmpty(QStringLiteral("не похож на файл турнира: ") +
                   QString::fromStdString(foreign));
    return std::nullopt;
}

void TournamentWindow::cmdSave_Click()
{
    SaveTournament();
}

bool TournamentWindow::SaveTournament()
{
    const QString path = m_tourFilePath();
    const FileLayer::Reading reading = m_files->read(path, kLargestFile + 1);
    // A folder in the file's place is refused by the writing itself.
    if ((reading.outcome == FileLayer::Reading::Outcome::Unreadable && !QFileInfo(path).isDir()) ||
        path == m_unreadTourFile) {
        const QString reason = reading.outcome == FileLayer::Reading::Outcome::Unreadable
                                   ? reading.reason
                                   : QStringLiteral("его не удалось прочитать при загрузке");
        if (!ConfirmReplacingUnreadFile(path, reason))
            return false;
    }
    if (reading.outcome == FileLayer::Reading::Outcome::Read) {
        // Something else than a tournament is replaced only on the director's word.
        const std::string foreign = foreignReason(reading.bytes.toStdString());
        if (!foreign.empty() && !ConfirmReplacingForeignFile(path, QString::fromStdString(foreign)))
            return false;
    }
    const QString failure =
        m_files->replace(path, QByteArray::fromStdString(m_document->tournament().fileBytes()));
    if (!failure.isEmpty()) {
        showMessage(this,
                    QStringLiteral("Турнир не сохранён в файл %1: %2. Всё введённое осталось "
                                   "в программе, а прежний файл не изменён; сохраните ещё раз.")
                        .arg(path, failure),
                    QStringLiteral("Ошибка"), QMessageBox::Warning);
        return false;
    }
    MarkSaved();
    m_document->saved();
    return true;
}

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
