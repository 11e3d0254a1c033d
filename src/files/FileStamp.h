#pragma once

#include <QString>

namespace quorlex {

// What a file looks like from outside: whether it exists, its size and its modification time to
// the nanosecond where the file system keeps it. Another program's write changes the stamp.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // in the file system clock's units

    bool operator==(const FileStamp&) const = default;
};

FileStamp fileStamp(const QString& path);

// The files this program wrote itself, each with its stamp right after the write, so that a
// change it made (a page pattern saved over the page's file, the backup opened as a page) is
// never taken for another program's.
void noteOwnWrite(const QString& path);
bool isOwnWrite(const QString& path, const FileStamp& stamp);

} // namespace quorlex
