#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

namespace krugovik {

// How the windows of one main window reach the tournament files and the base. It also
// holds what the file system refuses beyond what it reports itself: tests run as root,
// whom no permission bit stops, and make the refusals here instead.
class FileLayer : public QObject {
    Q_OBJECT
  public:
    explicit FileLayer(QObject *parent = nullptr);

    struct Reading {
        enum class Outcome {
            Missing,    // no such file, or no path yet
            Read,       // bytes holds the file's start, up to the limit asked for
            Unreadable, // the file exists but could not be read; reason says why
        };
        Outcome outcome = Outcome::Missing;
        QByteArray bytes;
        QString reason;
    };
    // Reads at most limit bytes of the file.
    Reading read(const QString &path, qint64 limit) const;

    // Replaces the file's content: all or nothing through a temporary file beside it, or,
    // where the folder takes no new file, written in place with the old bytes put back
    // should that fail. Returns why it failed.
    QString replace(const QString &path, const QByteArray &bytes) const;

    // Why the file may only be read, when that is known before opening it.
    QString writeRefusal(const QString &path) const;

    // True the first time it is asked for a key: what is told once per main window.
    bool firstTime(const QString &key);

    // Refusals made here rather than by the file system.
    void refuseReading(const QString &path, const QString &reason);
    void refuseNewFilesIn(const QString &folder);
    void refuseWriting(const QString &path, const QString &reason);

  private:
    bool folderTakesNewFiles(const QString &folder) const;

    QHash<QString, QString> m_unreadable; // absolute path -> reason
    QHash<QString, QString> m_unwritable; // absolute path -> reason
    QSet<QString> m_closedFolders;        // absolute paths of folders refusing new files
    QSet<QString> m_told;
};

} // namespace krugovik
