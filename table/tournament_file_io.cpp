// Reading and saving the tournament file.
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/message_box.h"
#include "rating/game_notation.h"
#include "table/cross_table.h"
#include "table/recovery_copy.h"
#include "table/tournament_file.h"
#include "table/tournament_window.h"

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

void TournamentWindow::LoadTurnir()
{
    const QString path = m_tourFilePath();
    const FileLayer::Reading reading = m_files->read(path, kLargestFile + 1);
    m_unreadTourFile.clear();
    if (reading.outcome == FileLayer::Reading::Outcome::Unreadable) {
        // Not the silent missing file: there is a tournament the director cannot see.
        m_unreadTourFile = path;
        showMessage(this,
                    QStringLiteral("Файл %1 не удалось прочитать: %2. Таблица показана пустой; "
                                   "прежде чем сохранение заменит этот файл, программа "
                                   "спросит об этом.")
                        .arg(path, reading.reason),
                    QStringLiteral("Ошибка"), QMessageBox::Warning);
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
    // The games read, in reading order, for a second pass once every rating is known.
    std::vector<std::pair<int, int>> games;
    if (read) {
        const std::string bytes = content.toStdString();
        const std::string foreign = foreignReason(bytes);
        if (!foreign.empty()) {
            // A later save would replace the file: the director must know what it is.
            showMessage(this,
                        QStringLiteral("Файл %1 не похож на файл турнира: %2. Таблица показана "
                                       "пустой; прежде чем сохранение заменит этот файл, "
                                       "программа спросит об этом.")
                            .arg(path, QString::fromStdString(foreign)),
                        QStringLiteral("Ошибка"), QMessageBox::Warning);
        } else {
            readTournament(readTournamentFile(bytes), games);
        }
    }
    const int n = PlayerCount;
    for (int i = 1; i <= n; ++i) {
        for (int m = 5; m <= n + 4; ++m) {
            const QString text = grdTable->text(i, m);
            if (!text.isEmpty() && !stateFromCellText(text.toStdString()))
                grdTable->setText(i, m, QString());
        }
    }
    // A game read before its opponent's rating was counted against an empty cell.
    for (const auto &[row, column] : games) {
        CellText = grdTable->text(row, column);
        GridRow = row;
        GridCol = column - 4;
        ArrayGames();
        GridCol = column;
    }
}

void TournamentWindow::readTournament(const TournamentFile &file,
                                      std::vector<std::pair<int, int>> &games)
{
    if (!file.playerCount)
        return;
    PlayerCount = *file.playerCount;
    lblInfo->clear();
    vscPlayer->setValue(PlayerCount);
    vscPlayer->setMinimum(PlayerCount);
    const int n = PlayerCount;
    // Whatever the reading got is applied in file order; the rest stays as laid out.
    for (int i = 1; i <= n && i <= int(file.players.size()); ++i) {
        const PlayerBlock &block = file.players[std::size_t(i - 1)];
        if (!block.holds(BlockItem::Name))
            return;
        grdTable->setText(i, 1, fromCodePage(QByteArray::fromStdString(block.name)));
        if (!block.holds(BlockItem::BaseRecordNo))
            return;
        BaseRecordNo[i] = block.baseRecordNo;
        if (!block.holds(BlockItem::Rating))
            return;
        grdTable->setText(i, 2, fromCodePage(QByteArray::fromStdString(block.rating)));
        if (!block.holds(BlockItem::CorrectionMark))
            return;
        CorrectionMark[i] = block.correctionMark;
        std::size_t next = 0;
        for (int m = 5; m <= n + 4; ++m) {
            if (m == i + 4)
                continue;
            if (next == block.results.size())
                return;
            grdTable->setText(i, m, fromCodePage(QByteArray::fromStdString(block.results[next++])));
            CellText = grdTable->text(i, m);
            GridRow = i;
            GridCol = m - 4;
            ArrayGames();
            GridCol = m;
            if (stateFromCellText(CellText.toStdString()))
                games.emplace_back(i, m);
        }
    }
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
        const std::optional<int> count =
            readTournamentFile(reading.bytes.toStdString()).playerCount;
        // Rows removed from the table since come back, empty, before the file is replaced.
        if (count && *count > PlayerCount && *count <= kMaxPlayers) {
            PlayerCount = int(*count);
            vscPlayer->setValue(PlayerCount);
        }
    }
    const QString failure =
        m_files->replace(path, QByteArray::fromStdString(TournamentFileBytes()));
    if (!failure.isEmpty()) {
        showMessage(this,
                    QStringLiteral("Турнир не сохранён в файл %1: %2. Всё введённое осталось "
                                   "в программе, а прежний файл не изменён; сохраните ещё раз.")
                        .arg(path, failure),
                    QStringLiteral("Ошибка"), QMessageBox::Warning);
        return false;
    }
    MarkSaved();
    CorrectEstimates();
    Rating();
    return true;
}

std::string TournamentWindow::TournamentFileBytes() const
{
    const int n = PlayerCount;
    std::vector<PlayerBlock> blocks(n);
    for (int i = 1; i <= n; ++i) {
        PlayerBlock &block = blocks[i - 1];
        block.name = toCodePage(grdTable->text(i, 1)).toStdString();
        block.baseRecordNo = BaseRecordNo[i];
        block.rating = toCodePage(grdTable->text(i, 2)).toStdString();
        block.correctionMark = CorrectionMark[i];
        for (int j = 1; j <= n; ++j) {
            if (j != i)
                block.results.push_back(Games.results[i][j]);
        }
    }
    return writeTournamentFile(blocks);
}

} // namespace krugovik
