#include "files/FileStamp.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <filesystem>

namespace quorlex {

namespace {

// One key per file, whatever path led to it.
QString fileKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

struct OwnWrites {
    QMutex mutex;
    QHash<QString, FileStamp> stamps;
};

OwnWrites& ownWrites()
{
    static OwnWrites writes;
    return writes;
}

} // namespace

FileStamp fileStamp(const QString& path)
{
    const std::filesystem::path file = QFile(path).filesystemFileName();
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return {};
    FileStamp stamp;
    stamp.exists = true;
    if (std::filesystem::is_regular_file(status))
        stamp.size = qint64(std::filesystem::file_size(file, error));
    stamp.modified = qint64(std::filesystem::last_write_time(file, error).time_since_epoch().count());
    return stamp;
}

void noteOwnWrite(const QString& path)
{
    const FileStamp stamp = fileStamp(path);
    OwnWrites& writes = ownWrites();
    const QMutexLocker lock(&writes.mutex);
    writes.stamps.insert(fileKey(path), stamp);
}

bool isOwnWrite(const QString& path, const FileStamp& stamp)
{
    OwnWrites& writes = ownWrites();
    const QMutexLocker lock(&writes.mutex);
    const auto it = writes.stamps.constFind(fileKey(path));
    return it != writes.stamps.cend() && stamp.exists && *it == stamp;
}

} // namespace quorlex
