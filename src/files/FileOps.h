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
    ReadOnlyFile = 1, // the file to replace is marked read-only (no write permission bit at all)
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
class FileOps {
public:
    virtual ~FileOps() = default;

    // All bytes of the regular file at path.
    virtual std::error_code readAll(const QString& path, QByteArray& bytes) = 0;

    // Checks that target may be replaced and creates a new, empty file in the same folder,
    // with the permissions of the target when it exists.
    virtual std::error_code create(const QString& target) = 0;
    // Appends all of bytes to the new file.
    virtual std::error_code write(QByteArrayView bytes) = 0;
    // Flushes the new file to the disk and closes it.
    virtual std::error_code sync() = 0;
    // Renames the new file over the target in one step.
    virtual std::error_code commit() = 0;
    // Removes the new file, if one is left.
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
    std::error_code create(const QString& target) override;
    std::error_code write(QByteArrayView bytes) override;
    std::error_code sync() override;
    std::error_code commit() override;
    void discard() override;

private:
    int m_fd = -1;
    QByteArray m_target; // the file to replace, symbolic links resolved, in local encoding
    QByteArray m_temp; // the new file beside it
};
#else
using SystemFileOps = PortableFileOps;
#endif

// Writes bytes to path through ops without ever destroying the old file: the bytes go to a new
// file in the same folder, are flushed and then renamed over path. On failure the new file is
// removed and path is left exactly as it was.
std::error_code replaceFile(FileOps& ops, const QString& path, QByteArrayView bytes);
std::error_code replaceFile(const QString& path, QByteArrayView bytes);

} // namespace quorlex
