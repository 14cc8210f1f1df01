#include "base/base_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "common/save_file.h"

namespace krugovik {
namespace {

// Another program writes one record at a time: a few milliseconds at most.
constexpr int kLockWaitMs = 3000;

} // namespace

bool BaseFile::open(const QString &path, const QString &writeRefusal)
{
    m_file.close();
    m_file.setFileName(path);
    m_readOnly = false;
    m_readOnlyReason.clear();
    if (QFileInfo(path).isDir()) {
        m_error = QCoreApplication::translate("BaseFile", "на этом месте находится папка");
        return false;
    }
    // Unbuffered: what another program wrote meanwhile is read, not an old buffer.
    if (writeRefusal.isEmpty() && m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        m_error.clear();
        nameIdentities();
        return true;
    }
    const QString reason = writeRefusal.isEmpty() ? m_file.errorString() : writeRefusal;
    if (QFileInfo::exists(path) && m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_readOnly = true;
        m_readOnlyReason = reason;
        m_error.clear();
        return true;
    }
    m_error = reason;
    return false;
}

qint64 BaseFile::length() const
{
    return m_file.isOpen() ? m_file.size() : 0;
}

PlayerRecord BaseFile::read(qint64 recordNo)
{
    if (!m_file.isOpen() || recordNo < 1 || !m_file.seek((recordNo - 1) * qint64(kRecordLength)))
        return {};
    const QByteArray bytes = m_file.read(qint64(kRecordLength));
    return decodeRecord(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QByteArray BaseFile::readAll()
{
    if (!m_file.isOpen() || !m_file.seek(0))
        return {};
    return m_file.readAll();
}

bool BaseFile::write(qint64 recordNo, const PlayerRecord &record)
{
    if (!m_file.isOpen()) {
        m_error =
            m_error.isEmpty() ? QCoreApplication::translate("BaseFile", "файл не открыт") : m_error;
        return false;
    }
    if (recordNo < 1) {
        m_error = QCoreApplication::translate("BaseFile", "нет записи с номером %1").arg(recordNo);
        return false;
    }
    if (m_readOnly) {
        // Browsing writes back every record it leaves; one left as it was costs nothing.
        const qint64 offset = (recordNo - 1) * qint64(kRecordLength);
        const RecordBytes encoded = encodeRecord(record);
        if (offset + qint64(kRecordLength) <= m_file.size() && m_file.seek(offset) &&
            m_file.read(qint64(kRecordLength)) ==
                QByteArray(encoded.data(), qint64(encoded.size())))
            return true;
        m_error = readOnlyError();
        return false;
    }
    QLockFile lock(m_file.fileName() + kLockSuffix);
    return lockForWriting(lock) && writeAt(recordNo, record);
}

bool BaseFile::writeChanges(qint64 recordNo, const PlayerRecord &edited, ChangedFields changed)
{
    if (m_readOnly || !m_file.isOpen() || recordNo < 1)
        return write(recordNo, mergeRecord(read(recordNo), edited, changed));
    // Another window may have written the record since this one read it.
    QLockFile lock(m_file.fileName() + kLockSuffix);
    return lockForWriting(lock) && writeAt(recordNo, mergeRecord(read(recordNo), edited, changed));
}

bool BaseFile::lockForWriting(QLockFile &lock)
{
    // A folder that takes no lock file still lets the base itself be written.
    if (!lock.tryLock(kLockWaitMs) && lock.error() != QLockFile::PermissionError) {
        m_error = QCoreApplication::translate("BaseFile", "база занята другой программой");
        return false;
    }
    return true;
}

qint64 BaseFile::append(const PlayerRecord &record)
{
    return appendWithIdentity(record, {});
}

QString BaseFile::readOnlyError() const
{
    return QCoreApplication::translate("BaseFile", "база открыта только для чтения (%1)")
        .arg(m_readOnlyReason);
}

bool BaseFile::writeAt(qint64 recordNo, const PlayerRecord &record)
{
    const qint64 offset = (recordNo - 1) * qint64(kRecordLength);
    // A cut last record is completed with blanks, as it reads, rather than left as a gap.
    QByteArray bytes(qMax<qint64>(0, offset - m_file.size()), ' ');
    const RecordBytes encoded = encodeRecord(record);
    bytes.append(encoded.data(), qint64(encoded.size()));
    if (!m_file.seek(qMin(offset, m_file.size())) || m_file.write(bytes) != bytes.size() ||
        !m_file.flush()) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
}

QString BaseFile::identityPath() const
{
    const QFileInfo base(m_file.fileName());
    return base.dir().filePath(base.completeBaseName() + QStringLiteral(".ID"));
}

NamedIdentities BaseFile::namedIdentities() const
{
    QFile file(identityPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // The base as the file holds it now, another program's changes included.
    QFile baseFile(m_file.fileName());
    const QByteArray base = baseFile.open(QIODevice::ReadOnly) ? baseFile.readAll() : QByteArray();
    return belongingIdentities(
        readIdentityTable(std::string_view(bytes.constData(), std::size_t(bytes.size()))),
        std::string_view(base.constData(), std::size_t(base.size())));
}

IdentityTable BaseFile::identities() const
{
    return identityTable(namedIdentities());
}

void BaseFile::nameIdentities()
{
    QFile file(identityPath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    bool unnamed = false;
    const QByteArray bytes = file.readAll();
    readIdentityTable(std::string_view(bytes.constData(), std::size_t(bytes.size())), &unnamed);
    file.close();
    if (!unnamed)
        return;
    // Its entries are taken for the players their records hold at the first opening: the
    // earlier program wrote both files together, so that is the last moment they agree.
    // Should the lock be busy, the next write names them.
    QLockFile lock(m_file.fileName() + kLockSuffix);
    const QString error = m_error;
    if (lockForWriting(lock))
        writeIdentityLocked(0, {}, {}); // no record changes: the entries are written named
    m_error = error;
}

PlayerIdentity BaseFile::identity(qint64 recordNo) const
{
    const IdentityTable table = identities();
    const auto found = table.find(recordNo);
    return found == table.end() ? PlayerIdentity{} : found->second;
}

qint64 BaseFile::findIdentity(std::int64_t fideId, const std::string &nationalId) const
{
    for (const auto &[recordNo, identity] : identities())
        if ((fideId > 0 && identity.fideId == fideId) ||
            (!nationalId.empty() && identity.nationalId == nationalId))
            return recordNo;
    return 0;
}

bool BaseFile::writeIdentity(qint64 recordNo, const PlayerIdentity &identity)
{
    if (m_readOnly) {
        m_error = readOnlyError();
        return false;
    }
    QLockFile lock(m_file.fileName() + kLockSuffix);
    // The name as the record holds it under the lock: the identity is that player's.
    return lockForWriting(lock) &&
           writeIdentityLocked(recordNo, identity, identityName(read(recordNo).name));
}

qint64 BaseFile::appendWithIdentity(const PlayerRecord &record, const PlayerIdentity &identity)
{
    if (m_readOnly) {
        m_error = readOnlyError();
        return 0;
    }
    if (!m_file.isOpen()) {
        m_error =
            m_error.isEmpty() ? QCoreApplication::translate("BaseFile", "файл не открыт") : m_error;
        return 0;
    }
    QLockFile lock(m_file.fileName() + kLockSuffix);
    if (!lockForWriting(lock))
        return 0;
    // The end as it is now: another program may have appended since this one looked.
    const qint64 length = m_file.size();
    const qint64 recordNo = (length == 0 ? 0 : recordCountForLength(length)) + 1;
    // The identity first: a record without it is an ordinary one, while an identity
    // without its record would be given to the next player appended.
    const std::string name = identityName(record.name);
    if (!identity.empty() && !writeIdentityLocked(recordNo, identity, name))
        return 0;
    if (!writeAt(recordNo, record)) {
        if (!identity.empty())
            writeIdentityLocked(recordNo, {}, {});
        return 0;
    }
    return recordNo;
}

bool BaseFile::writeIdentityLocked(qint64 recordNo, const PlayerIdentity &identity,
                                   const std::string &name)
{
    // What no longer belongs to its record goes now.
    NamedIdentities table = namedIdentities();
    if (identity.empty())
        table.erase(recordNo);
    else
        table[recordNo] = {name, identity};
    if (table.empty() && !QFile::exists(identityPath()))
        return true;
    const std::string bytes = writeIdentityTable(table);
    const QString failure =
        saveWholeFile(identityPath(), QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (!failure.isEmpty()) {
        m_error = failure;
        return false;
    }
    return true;
}

} // namespace krugovik
