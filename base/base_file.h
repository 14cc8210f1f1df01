#pragma once

#include <QFile>
#include <QString>

#include "base/player_record.h"

namespace krugovik {

// The open player base: fixed records read and written in place. Every write reaches
// the file at once, so nothing written is lost if the program stops later.
class BaseFile {
  public:
    static inline const QString kFileName = QStringLiteral("BASE.DAT");

    // Opens (creating when missing) the base in the current directory.
    bool open(const QString &path = kFileName);
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.fileName(); }
    // Why the last open or write failed.
    QString errorText() const { return m_error; }

    qint64 length() const;
    // A record past the end of the file reads as empty fields.
    PlayerRecord read(qint64 recordNo);
    // Every byte of the base at once.
    QByteArray readAll();
    // Writes record recordNo (from 1); recordNo = count + 1 appends.
    bool write(qint64 recordNo, const PlayerRecord &record);

  private:
    QFile m_file;
    QString m_error;
};

} // namespace krugovik
