// The questions and messages around the tournament file: a file that exists but could not be
// read, a file that is no tournament, or a file another program changed is replaced only on
// the director's word. The store reads and writes; the window asks and tells.
#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

#include "common/message_box.h"
#include "table/tournament_store.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {

QString shownTime(const QDateTime &written)
{
    return written.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

std::optional<FileDescription> TournamentWindow::LoadTurnir()
{
    const QString path = m_tourFilePath();
    // A file the table cannot show: the director is told before a save could replace it.
    const auto tellShownEmpty = [this](const QString &text) {
        showMessage(this, text, tr("Ошибка"), QMessageBox::Warning);
    };
    using State = TournamentStore::Opening::State;
    const TournamentStore::Opening opening = m_store->open(path);
    switch (opening.state) {
    case State::Missing:
    case State::Read:
        break;
    case State::Unreadable:
        tellShownEmpty(tr("Файл %1 не удалось прочитать: %2. Таблица показана пустой; прежде чем "
                          "сохранение заменит этот файл, программа спросит об этом.")
                           .arg(path, opening.reason));
        break;
    case State::Broken:
        tellShownEmpty(tr("Файл %1 не прочитан: %2. Таблица показана пустой; прежде чем "
                          "сохранение заменит этот файл, программа спросит об этом.")
                           .arg(path, opening.reason));
        break;
    case State::Foreign:
        // A later save would replace the file: the director must know what it is.
        tellShownEmpty(tr("Файл %1 не похож на файл турнира: %2. Таблица показана пустой; прежде "
                          "чем сохранение заменит этот файл, программа спросит об этом.")
                           .arg(path, opening.reason));
        break;
    }
    std::optional<FileDescription> content;
    if (opening.state == State::Read)
        content = opening.file;
    // Work a program that died left in its recovery copy is read in the file's place, on
    // the director's word; it stays a change until it is saved. Beside a file that did not
    // read, the copy may be all that is left of the tournament: it is never dropped then.
    const bool fileKnown = opening.state == State::Read || opening.state == State::Missing;
    for (const FoundCopy &copy : m_store->leftCopies(opening)) {
        if (!AskRestoring(copy.written)) {
            if (fileKnown)
                removeRecoveryCopy(copy);
            continue;
        }
        TournamentStore::CopyReading read = TournamentStore::readCopy(copy);
        if (const QString &problem = read.problem; !problem.isEmpty()) {
            // The copy is what failed, not the file: the file's table stays, the copy too.
            const QString text =
                content ? tr("Несохранённая версия турнира %1 от %2 не прочитана: %3. Она "
                             "оставлена в файле %4; таблица показана по файлу турнира.")
                        : tr("Несохранённая версия турнира %1 от %2 не прочитана: %3. Она "
                             "оставлена в файле %4; таблица показана пустой.");
            showMessage(
                this,
                text.arg(QFileInfo(path).fileName(), shownTime(copy.written), problem, copy.path),
                tr("Ошибка"), QMessageBox::Warning);
            break;
        }
        m_store->adopt(copy);
        content = std::move(read.file);
        m_changedOutsideHistory = true;
        break;
    }
    return content;
}

void TournamentWindow::cmdSave_Click()
{
    SaveTournament();
}

bool TournamentWindow::SaveTournament()
{
    const QString path = m_tourFilePath();
    const TournamentStore::SaveCheck check = m_store->checkSave();
    if (!check.unreadable.isEmpty() && !ConfirmReplacingUnreadFile(path, check.unreadable))
        return false;
    // Something else than a tournament is replaced only on the director's word.
    if (!check.foreign.isEmpty() && !ConfirmReplacingForeignFile(path, check.foreign))
        return false;
    if (check.changed && !ConfirmReplacingChangedFile(path))
        return false;
    const TournamentStore::Saved saved = m_store->save(m_document->tournament().fileBytes());
    if (!saved.ownFault.isEmpty()) {
        // The recovery copy keeps the work whatever its timer was doing.
        m_recoveryTimer->stop();
        WriteRecoveryCopy();
        showMessage(this,
                    tr("Турнир не сохранён в файл %1: записанный файл программа не "
                       "смогла бы прочитать (%2). Это ошибка программы. Файл не "
                       "изменён; всё введённое осталось в программе и в её "
                       "резервной копии.")
                        .arg(path, saved.ownFault),
                    tr("Ошибка"), QMessageBox::Critical);
        return false;
    }
    if (!saved.written) {
        WritePendingRecoveryCopy();
        showMessage(this,
                    tr("Турнир не сохранён в файл %1: %2. Всё введённое осталось "
                       "в программе, а прежний файл не изменён; сохраните ещё раз.")
                        .arg(path, saved.failure),
                    tr("Ошибка"), QMessageBox::Warning);
        return false;
    }
    MarkSaved();
    m_document->saved();
    return true;
}

bool TournamentWindow::ConfirmReplacingUnreadFile(const QString &path, const QString &reason)
{
    const bool replace =
        askYesNo(this,
                 tr("Файл %1 не удалось прочитать: %2. Если его заменить, записанный в нём "
                    "турнир будет потерян. Заменить файл этой таблицей?")
                     .arg(path, reason),
                 tr("Сохранение"), QMessageBox::Warning, QMessageBox::No);
    if (replace)
        m_store->acceptReplacing();
    return replace;
}

bool TournamentWindow::ConfirmReplacingForeignFile(const QString &path, const QString &reason)
{
    return askYesNo(this,
                    tr("Файл %1 не похож на файл турнира: %2. Если его заменить, "
                       "его содержимое будет потеряно. Заменить файл этой таблицей?")
                        .arg(path, reason),
                    tr("Сохранение"), QMessageBox::Warning, QMessageBox::No);
}

bool TournamentWindow::ConfirmReplacingChangedFile(const QString &path)
{
    return askYesNo(this,
                    tr("Файл %1 изменён другой программой после того, как вы его "
                       "открыли. Заменить его?")
                        .arg(QFileInfo(path).fileName()),
                    tr("Сохранение"), QMessageBox::Warning, QMessageBox::No);
}

} // namespace krugovik
