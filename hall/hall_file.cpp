#include "hall/hall_file.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include "common/texts.h"
#include "table/tournament.h"
#include "table/tournament_file.h"

namespace krugovik {
namespace {

// Larger than any tournament file of 22 players with its extensions.
constexpr qint64 kLargestRead = 4 * 1024 * 1024;

} // namespace

std::optional<TournamentSnapshot> tournamentOfFile(const std::string &bytes,
                                                   const std::string &name)
{
    const FileDescription file = describeTournamentFile(bytes);
    if (isForeign(file.kind) || bytes.empty())
        return std::nullopt;
    Tournament tournament;
    tournament.load(file);
    return tournament.snapshot(name, {});
}

std::string hallTime(const QDateTime &time)
{
    return time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")).toStdString();
}

std::string hallStamp(qint64 base, int count)
{
    return std::to_string(base) + '-' + std::to_string(count);
}

HallFile::HallFile(const QString &path, QObject *parent)
    : QObject(parent), m_path(QFileInfo(path).absoluteFilePath()),
      m_watcher(new QFileSystemWatcher(this)), m_poll(new QTimer(this)),
      m_stampBase(QDateTime::currentMSecsSinceEpoch())
{
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &HallFile::look);
    // A save replaces the file by renaming another over it: the folder sees that.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &HallFile::look);
    connect(m_poll, &QTimer::timeout, this, &HallFile::look);
    m_poll->start(500);
    watch();
}

void HallFile::watch()
{
    // The watch of a file replaced whole follows the old one, so it is made again.
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);
    if (m_watcher->directories().isEmpty())
        m_watcher->addPath(QFileInfo(m_path).absolutePath());
}

bool HallFile::readNow()
{
    QFile file(m_path);
    const QFileInfo info(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_problem = file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(kLargestRead);
    const std::string content = bytes.toStdString();
    if (content == m_bytes && m_reads > 0) {
        m_modified = info.lastModified();
        m_size = info.size();
        return true;
    }
    std::optional<TournamentSnapshot> snapshot =
        tournamentOfFile(content, info.completeBaseName().toStdString());
    if (!snapshot) {
        m_problem = QString::fromStdString(translated("Hall", "это не файл турнира"));
        return false;
    }
    // A file caught half written is read again at the next look.
    m_modified = info.lastModified();
    m_size = info.size();
    m_bytes = content;
    m_problem.clear();
    m_view.snapshot = std::move(*snapshot);
    m_view.changedAt = hallTime(m_modified);
    m_view.stamp = hallStamp(m_stampBase, ++m_reads);
    emit changed();
    return true;
}

void HallFile::look()
{
    watch();
    const QFileInfo info(m_path);
    if (!info.exists() || (info.lastModified() == m_modified && info.size() == m_size))
        return;
    readNow();
}

} // namespace krugovik
