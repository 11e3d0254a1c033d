#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <system_error>

class QSaveFile;

namespace quorlex {

// Failures the program detects itself, beside the system's error numbers (generic category).
enum class FileErrc {
    ReadOnlyFile = 1, // the file to replace is read-only, or this user may not write it
    NotRegularFile, // a device, pipe or socket stands at the path
};

const std::error_category& fileCategory();
std::error_code make_error_code(FileErrc e);

} // namespace quorlex

template <> struct std::is_error_code_enum<quorlex::FileErrc> : std::true_type {
};

namespace quorlex {

// The file system as reading a page and replacing a file need it, one call per step, so that
// tests can make any step fail. Replacing runs create, write, sync and commit in this order,
// and discard after a failed step; one replacement at a time per object.
//
// A file is normally replaced by a new file renamed over it. Where that would change the file
// in other ways (a folder this user may not write, an owner or group this user cannot give the
// new file, more than one hard link), the same steps write the file in place instead: create
// keeps the old bytes, write overwrites, sync cuts and flushes, and discard puts the old bytes
// back.
class FileOps {
public:
    virtual ~FileOps() = default;

    // All bytes of the regular file at path.
    virtual std::error_code readAll(const QString& path, QByteArray& bytes) = 0;

    // Checks that target may be replaced and creates a new, empty file in the same folder,
    // with the permissions of the target when it exists (or opens the target to write it in
    // place, keeping its bytes).
    virtual std::error_code create(const QString& target) = 0;
    // Appends all of bytes to the new file.
    virtual std::error_code write(QByteArrayView bytes) = 0;
    // Flushes the new file to the disk and closes it.
    virtual std::error_code sync() = 0;
    // Renames the new file over the target in one step.
    virtual std::error_code commit() = 0;
    // Removes the new file, if one is left, or puts the old bytes back into a file written in
    // place.
    virtual void discard() = 0;
};

// The real file system through Qt alone, for hosts without POSIX calls (Windows): the
// new file is a QSaveFile, and failures map onto the nearest system error number.
class PortableFileOps : public FileOps {
public:
    PortableFileOps();
    PortableFileOps(const PortableFileOps&) = delete;
    PortableFileOps& operator=(const PortableFileOps&) = delete;
    ~PortableFileOps() override;

    std::error_code readAll(const QString& path, QByteArray& bytes) override;
    // As readAll, but a file larger than maxBytes is refused (file_too_large) unread.
    std::error_code readAll(const QString& path, QByteArray& bytes, qint64 maxBytes);
    std::error_code create(const QString& target) override;
    std::error_code write(QByteArrayView bytes) override;
    std::error_code sync() override;
    std::error_code commit() override;
    void discard() override;

private:
    std::unique_ptr<QSaveFile> m_file;
};

#ifdef Q_OS_UNIX
// The real file system (POSIX calls, so that every failure keeps its error number).
class SystemFileOps : public FileOps {
public:
    SystemFileOps() = default;
    SystemFileOps(const SystemFileOps&) = delete;
    SystemFileOps& operator=(const SystemFileOps&) = delete;
    ~SystemFileOps() override;

    std::error_code readAll(const QString& path, QByteArray& bytes) override;
    // As readAll, but a file larger than maxBytes is refused (file_too_large) unread.
    std::error_code readAll(const QString& path, QByteArray& bytes, qint64 maxBytes);
    std::error_code create(const QString& target) override;
    std::error_code write(QByteArrayView bytes) override;
    std::error_code sync() override;
    std::error_code commit() override;
    void discard() override;

private:
    std::error_code createNewFile(bool keepPrivate);
    std::error_code openInPlace();
    void putOldBytesBack();
    void releaseNewFile();

    int m_fd = -1;
    int m_lockFd = -1; // holds the new file's lock from creation until it is renamed or removed
    QByteArray m_target; // the file to replace, symbolic links resolved, in local encoding
    QByteArray m_temp; // the new file beside it; empty while writing in place
    bool m_inPlace = false;
    bool m_changed = false; // in place: the target no longer holds the old bytes alone
    QByteArray m_oldBytes; // in place: what the target held before
    qint64 m_written = 0;
};
#else
using SystemFileOps = PortableFileOps;
#endif

// Writes bytes to path through ops without ever destroying the old file: the bytes go to a new
// file in the same folder, are flushed and then renamed over path (or, where the file has to be
// written in place, its old bytes are put back). On failure path is left exactly as it was.
std::error_code replaceFile(FileOps& ops, const QString& path, QByteArrayView bytes);
std::error_code replaceFile(const QString& path, QByteArrayView bytes);

// The largest settings or list file that the program reads: far above what a person types into
// them, far below what could fill the memory.
inline constexpr qint64 SmallFileLimit = 16 * 1024 * 1024;

// Reads one of the program's own small files (settings, list files) as a page is read: regular
// files only, without blocking on a pipe, and none larger than maxBytes.
std::error_code readSmallFile(const QString& path, QByteArray& bytes, qint64 maxBytes = SmallFileLimit);

} // namespace quorlex
