#include "base/base_file.h"

#include <QFileInfo>

namespace krugovik {

bool BaseFile::open(const QString &path)
{
    m_file.close();
    m_file.setFileName(path);
    if (QFileInfo(path).isDir()) {
        m_error = QStringLiteral("на этом месте находится папка");
        return false;
    }
    if (!m_file.open(QIODevice::ReadWrite)) {
        m_error = m_file.errorString();
        return false;
    }
    m_error.clear();
    return true;
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
        m_error = m_error.isEmpty() ? QStringLiteral("файл не открыт") : m_error;
        return false;
    }
    const qint64 offset = (recordNo - 1) * qint64(kRecordLength);
    if (recordNo < 1) {
        m_error = QStringLiteral("нет записи с номером %1").arg(recordNo);
        return false;
    }
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

} // namespace krugovik
