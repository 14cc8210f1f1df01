#include "table/tournament_store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

#include "common/file_layer.h"
#include "common/texts.h"
#include "table/tournament.h"
#include "table/tournament_file.h"

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
        reason = translated("TournamentFile", "он слишком велик");
    return reason;
}

// What follows the first cycle must read whole, or the file is not taken at all.
std::string extensionProblem(const std::string &bytes)
{
    return readFileExtension(bytes, readTournamentFile(bytes).playerCount.value_or(0)).error;
}

} // namespace

std::string readBackProblem(const std::string &bytes)
{
    if (std::string foreign = foreignReason(bytes); !foreign.empty())
        return filled(translated("TournamentFile", "он не похож на файл турнира: %1"), {foreign});
    if (std::string broken = extensionProblem(bytes); !broken.empty())
        return broken;
    Tournament again;
    again.load(std::string_view(bytes));
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
    if (const std::string foreign = foreignReason(opening.bytes); !foreign.empty()) {
        // A later save asks before it replaces what this is.
        opening.state = Opening::State::Foreign;
        opening.reason = QString::fromStdString(foreign);
        return opening;
    }
    if (const std::string broken = extensionProblem(opening.bytes); !broken.empty()) {
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

QString TournamentStore::copyProblem(const FoundCopy &copy)
{
    const std::string bytes = copy.bytes.toStdString();
    if (std::string foreign = foreignReason(bytes); !foreign.empty())
        return QString::fromStdString(foreign);
    return QString::fromStdString(extensionProblem(bytes));
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
        const std::string foreign = foreignReason(reading.bytes.toStdString());
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
