#pragma once

#include <QFile>
#include <QString>

class QLockFile;

#include "base/player_identity.h"
#include "base/player_record.h"

namespace krugovik {

// The open player base: fixed records read and written in place. Every write reaches
// the file at once, so nothing written is lost if the program stops later. Other programs
// may use the same base: every write holds an advisory lock beside it, and appending goes
// at the end the file has at that moment. A base that cannot be written is opened for
// reading only.
class BaseFile {
  public:
    static inline const QString kFileName = QStringLiteral("BASE.DAT");
    // Beside the base while a record is being written.
    static inline const QString kLockSuffix = QStringLiteral(".lock");

    // Opens (creating when missing) the base in the current directory; when it cannot be
    // opened for writing, or writeRefusal says why not, it is opened for reading only.
    bool open(const QString &path = kFileName, const QString &writeRefusal = {});
    bool isOpen() const { return m_file.isOpen(); }
    bool isReadOnly() const { return m_readOnly; }
    QString path() const { return m_file.fileName(); }
    // Why the last open or write failed.
    QString errorText() const { return m_error; }
    // Why the base is open for reading only.
    QString readOnlyReason() const { return m_readOnlyReason; }

    qint64 length() const;
    // A record past the end of the file reads as empty fields.
    PlayerRecord read(qint64 recordNo);
    // Every byte of the base at once.
    QByteArray readAll();
    // Writes record recordNo (from 1); recordNo = count + 1 appends. A base open for reading
    // takes only a record it already holds as it is.
    bool write(qint64 recordNo, const PlayerRecord &record);
    // Writes the changed fields of edited into record recordNo as the file holds it at
    // that moment, read again under the lock; the other fields stay as they are there.
    bool writeChanges(qint64 recordNo, const PlayerRecord &edited, ChangedFields changed);
    // Appends a record after the last one the file holds now; its number, or 0 on failure.
    qint64 append(const PlayerRecord &record);

    // Identities live beside the base (BASE.ID next to BASE.DAT), so that BASE.DAT keeps
    // the records older copies of the program read. The file is written whole or not at
    // all, under the base's lock. Each is kept with the name of its player, and only a
    // record that holds that name has it: the identities of records whose name changed are
    // left out, and dropped at the next write.
    QString identityPath() const;
    IdentityTable identities() const;
    PlayerIdentity identity(qint64 recordNo) const;
    bool writeIdentity(qint64 recordNo, const PlayerIdentity &identity);
    // Appends a record with its identity under one lock; its number, or 0 on failure.
    qint64 appendWithIdentity(const PlayerRecord &record, const PlayerIdentity &identity);
    // The record of a FIDE ID or a federation's ID; 0 when none has it.
    qint64 findIdentity(std::int64_t fideId, const std::string &nationalId) const;

  private:
    bool writeAt(qint64 recordNo, const PlayerRecord &record);
    bool writeIdentityLocked(qint64 recordNo, const PlayerIdentity &identity,
                             const std::string &name);
    // The entries of BASE.ID that belong to the records as the base holds them now.
    NamedIdentities namedIdentities() const;
    // A file of the first format, which kept no names, gets the names its records hold now.
    void nameIdentities();
    // Takes the lock beside the base for one write; false, with the reason, while another
    // program holds it.
    bool lockForWriting(QLockFile &lock);
    QString readOnlyError() const;

    QFile m_file;
    QString m_error;
    bool m_readOnly = false;
    QString m_readOnlyReason;
};

} // namespace krugovik
