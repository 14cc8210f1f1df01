#include "table/tournament_store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

#include "common/file_layer.h"
#include "common/save_file.h"
#include "common/texts.h"
#include "table/tournament.h"
#include "table/tournament_file.h"

namespace krugovik {
namespace {

// Larger files are not tournaments: 22 players take a few kilobytes.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// Why bytes read with a limit of kLargestFile + 1 are not a tournament; empty when they
// may be one.
std::string foreignReason(const FileDescription &file, std::size_t size)
{
    std::string reason = file.foreignReason();
    if (reason.empty() && qint64(size) > kLargestFile)
        reason = translated("TournamentFile", "он слишком велик");
    return reason;
}

} // namespace

std::string readBackProblem(const std::string &bytes)
{
    // Read as an open reads them, once.
    const FileDescription file = describeTournamentFile(bytes);
    if (std::string foreign = foreignReason(file, bytes.size()); !foreign.empty())
        return filled(translated("TournamentFile", "он не похож на файл турнира: %1"), {foreign});
    if (!file.extension.error.empty())
        return file.extension.error;
    Tournament again;
    again.load(file);
    if (again.fileBytes() != bytes)
        return translated("TournamentFile", "прочитанный заново, он даёт другую таблицу");
    return {};
}

TournamentStore::TournamentStore(FileLayer *files) : m_files(files) {}

TournamentStore::Opening TournamentStore::open(const QString &path)
{
    m_path = path;
    m_copy = std::make_unique<RecoveryCopy>(path);
    m_unreadAtLoad = false;
    m_stamp = {};
    Opening opening;
    const FileLayer::Reading reading = m_files->read(path, kLargestFile + 1);
    switch (reading.outcome) {
    case FileLayer::Reading::Outcome::Missing:
        m_stamp.known = true;
        return opening;
    case FileLayer::Reading::Outcome::Unreadable:
        // Not the silent missing file: there is a tournament the director cannot see.
        m_unreadAtLoad = true;
        opening.state = Opening::State::Unreadable;
        opening.reason = reading.reason;
        return opening;
    case FileLayer::Reading::Outcome::Read:
        break;
    }
    m_stamp = stampOf(reading.bytes);
    opening.bytes = reading.bytes.toStdString();
    opening.file = describeTournamentFile(opening.bytes);
    if (const std::string foreign = foreignReason(opening.file, opening.bytes.size());
        !foreign.empty()) {
        // A later save asks before it replaces what this is.
        opening.state = Opening::State::Foreign;
        opening.reason = QString::fromStdString(foreign);
        return opening;
    }
    if (const std::string &broken = opening.file.extension.error; !broken.empty()) {
        m_unreadAtLoad = true;
        opening.state = Opening::State::Broken;
        opening.reason = QString::fromStdString(broken);
        return opening;
    }
    opening.state = Opening::State::Read;
    return opening;
}

std::vector<FoundCopy> TournamentStore::leftCopies(const Opening &opening) const
{
    if (!m_copy)
        return {};
    // Only a file read whole says what a copy adds; otherwise every copy may hold the
    // tournament the director cannot see.
    const std::optional<QByteArray> file =
        opening.state == Opening::State::Read
            ? std::optional<QByteArray>(QByteArray::fromStdString(opening.bytes))
            : std::nullopt;
    return m_copy->leftCopies(file);
}

TournamentStore::CopyReading TournamentStore::readCopy(const FoundCopy &copy)
{
    CopyReading reading;
    reading.file = describeTournamentFile(copy.bytes.toStdString());
    std::string problem = foreignReason(reading.file, std::size_t(copy.bytes.size()));
    if (problem.empty())
        problem = reading.file.extension.error;
    reading.problem = QString::fromStdString(problem);
    return reading;
}

void TournamentStore::adopt(const FoundCopy &copy)
{
    if (m_copy)
        m_copy->adopt(copy);
}

TournamentStore::SaveCheck TournamentStore::checkSave() const
{
    SaveCheck check;
    const FileLayer::Reading reading = m_files->read(m_path, kLargestFile + 1);
    switch (reading.outcome) {
    case FileLayer::Reading::Outcome::Missing:
        break;
    case FileLayer::Reading::Outcome::Unreadable:
        // A folder in the file's place is refused by the writing itself.
        if (!QFileInfo(m_path).isDir())
            check.unreadable = reading.reason;
        break;
    case FileLayer::Reading::Outcome::Read: {
        const std::string foreign = foreignReason(
            describeTournamentFile(reading.bytes.toStdString()), std::size_t(reading.bytes.size()));
        if (!foreign.empty()) {
            check.foreign = QString::fromStdString(foreign);
            break;
        }
        const Stamp now = stampOf(reading.bytes);
        check.changed = m_stamp.known && !m_unreadAtLoad &&
                        (!m_stamp.exists || now.size != m_stamp.size || now.hash != m_stamp.hash);
        break;
    }
    }
    if (check.unreadable.isEmpty() && m_unreadAtLoad)
        check.unreadable =
            QCoreApplication::translate("TournamentFile", "его не удалось прочитать при загрузке");
    return check;
}

TournamentStore::Saved TournamentStore::save(const std::string &bytes)
{
    Saved saved;
    if (const std::string problem = readBackProblem(bytes); !problem.empty()) {
        saved.ownFault = QString::fromStdString(problem);
        return saved;
    }
    const QByteArray content = QByteArray::fromStdString(bytes);
    saved.failure = m_files->replace(m_path, content);
    if (!saved.failure.isEmpty())
        return saved;
    saved.written = true;
    m_unreadAtLoad = false;
    m_stamp = stampOf(content);
    removeRecoveryCopy();
    return saved;
}

QString TournamentStore::createNew(const QString &path)
{
    // A new file is no save of a table: it must open as the empty table of three.
    const std::string bytes = newFileContent();
    Tournament empty;
    empty.load(std::nullopt);
    Tournament read;
    const FileDescription file = describeTournamentFile(bytes);
    read.load(file);
    if (!file.readable() || read.fileBytes() != empty.fileBytes())
        return QString::fromStdString(
            translated("TournamentFile", "прочитанный заново, он даёт другую таблицу"));
    // A folder that takes no temporary file may still let an existing file be replaced.
    return saveWholeFile(path, QByteArray::fromStdString(bytes), true);
}

QString TournamentStore::writeRecoveryCopy(const std::string &bytes) const
{
    return m_copy ? m_copy->write(QByteArray::fromStdString(bytes)) : QString();
}

void TournamentStore::removeRecoveryCopy() const
{
    if (m_copy)
        m_copy->remove();
}

TournamentStore::Stamp TournamentStore::stampOf(const QByteArray &bytes)
{
    return {true, true, bytes.size(),
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

} // namespace krugovik
