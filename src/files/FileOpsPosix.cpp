#include "files/FileOps.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorlex {

namespace {

std::error_code lastError()
{
    return { errno, std::generic_category() };
}

// The file that writing to path really changes: symbolic links are followed, so that a link
// keeps pointing at the page instead of being replaced by a copy.
QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    // A dangling link: follow it to where the file is meant to be.
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
}

// New files are named after the file they replace, with a marker and a random part, so that
// what a killed save left behind is known for ours and for that file, and the next save of the
// file can remove it: ".page.html.~quorlex-0123456789abcdef".
constexpr char NewFileMarker[] = ".~quorlex-";
constexpr qsizetype NewFileRandomDigits = 16;

// Longest file name the usual file systems take, in bytes.
constexpr qsizetype NameMax = 255;

QByteArray newFilePrefix(const QByteArray& target)
{
    // A long page name is cut (at a character's start) so that the new file's name still fits.
    QByteArray name = target.mid(target.lastIndexOf('/') + 1);
    qsizetype room = NameMax - 1 - qsizetype(sizeof(NewFileMarker) - 1) - NewFileRandomDigits;
    if (name.size() > room) {
        while (room > 0 && (static_cast<unsigned char>(name.at(room)) & 0xC0) == 0x80)
            --room;
        name.truncate(room);
    }
    return folderOf(target) + "/." + name + NewFileMarker;
}

bool isNewFileName(const QByteArray& path, const QByteArray& prefix)
{
    const auto isDigit = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    return path.size() == prefix.size() + NewFileRandomDigits && path.startsWith(prefix)
        && std::all_of(path.begin() + prefix.size(), path.end(), isDigit);
}

// The new files that saves of this process are writing now. Their locks keep other programs
// off them; within one process a lock may not count (network file systems), this list does.
struct BusyFiles {
    QMutex mutex;
    QSet<QByteArray> paths;
};

BusyFiles& busyFiles()
{
    static BusyFiles files;
    return files;
}

bool isBusy(const QByteArray& path)
{
    BusyFiles& busy = busyFiles();
    const QMutexLocker lock(&busy.mutex);
    return busy.paths.contains(path);
}

void setBusy(const QByteArray& path, bool busy)
{
    BusyFiles& files = busyFiles();
    const QMutexLocker lock(&files.mutex);
    if (busy)
        files.paths.insert(path);
    else
        files.paths.remove(path);
}

// Removes path if it is a leftover: a plain file of this user's with no other name, that no
// save holds. Anything else under the name is left alone.
void removeIfLeftover(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st { };
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Only if the name still stands for the file just checked.
        struct stat named { };
        if (::lstat(path.constData(), &named) == 0 && named.st_dev == st.st_dev && named.st_ino == st.st_ino)
            ::unlink(path.constData());
    }
    ::close(fd);
}

// Each killed save leaves a new file as large as the page; the next save of the page clears them.
void removeLeftovers(const QByteArray& target)
{
    const QByteArray prefix = newFilePrefix(target);
    const QByteArray folder = folderOf(target);
    QList<QByteArray> candidates;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray path = folder + '/' + entry->d_name;
            if (isNewFileName(path, prefix))
                candidates.append(path);
        }
        ::closedir(dir);
    }
    for (const QByteArray& path : std::as_const(candidates)) {
        if (!isBusy(path))
            removeIfLeftover(path);
    }
}

// Reads from fd to its end; more than maxBytes is refused.
std::error_code readToEnd(int fd, QByteArray& content, qint64 maxBytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (content.size() + n > maxBytes)
                return std::make_error_code(std::errc::file_too_large);
            content.append(buffer, n);
        } else if (n == 0) {
            return {};
        } else if (errno != EINTR) {
            return lastError();
        }
    }
}

std::error_code writeAll(int fd, const char* data, qsizetype size, qint64* written = nullptr)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (n == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        data += n;
        size -= n;
        if (written)
            *written += n;
    }
    return {};
}

} // namespace

SystemFileOps::~SystemFileOps()
{
    discard();
}

std::error_code SystemFileOps::readAll(const QString& path, QByteArray& bytes)
{
    return readAll(path, bytes, std::numeric_limits<qint64>::max());
}

std::error_code SystemFileOps::readAll(const QString& path, QByteArray& bytes, qint64 maxBytes)
{
    // Non-blocking, so that a pipe at the path cannot hang the program before it is refused.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return lastError();
    std::error_code result;
    struct stat st { };
    if (::fstat(fd, &st) != 0)
        result = lastError();
    else if (S_ISDIR(st.st_mode))
        result = std::make_error_code(std::errc::is_a_directory);
    else if (!S_ISREG(st.st_mode))
        result = FileErrc::NotRegularFile;
    else if (st.st_size > maxBytes)
        result = std::make_error_code(std::errc::file_too_large);
    QByteArray content;
    if (!result) {
        content.reserve(st.st_size);
        result = readToEnd(fd, content, maxBytes);
    }
    ::close(fd);
    if (!result)
        bytes = std::move(content);
    return result;
}

std::error_code SystemFileOps::create(const QString& target)
{
    discard();
    m_target = QFile::encodeName(resolvedTarget(target));

    struct stat old { };
    const bool exists = ::stat(m_target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return lastError();
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return std::make_error_code(std::errc::is_a_directory);
        if (!S_ISREG(old.st_mode))
            return FileErrc::NotRegularFile;
        // The rename below would replace a read-only file (or one this user may not write)
        // as long as the folder is writable: the file's own protection has to be checked first.
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return FileErrc::ReadOnlyFile;
        if (::access(m_target.constData(), W_OK) != 0)
            return errno == EACCES || errno == EPERM ? std::error_code(FileErrc::ReadOnlyFile) : lastError();
    }

    removeLeftovers(m_target);
    // A rename would leave the file's other names with the old bytes.
    if (exists && old.st_nlink > 1)
        return openInPlace();

    // Private until it has the old file's permissions; a new file gets the usual ones.
    if (const std::error_code error = createNewFile(exists)) {
        // A folder this user may not write can still hold a file they may.
        if (exists && (error == std::errc::permission_denied || error == std::errc::operation_not_permitted))
            return openInPlace();
        return error;
    }
    if (exists) {
        // Owner first: a change of owner clears the set-id bits that fchmod then restores.
        // Only root may give a file away, and others only to a group of theirs: a file whose
        // owner and group the new one cannot have is written in place.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            && ::fchown(m_fd, old.st_uid, old.st_gid) != 0) {
            discard();
            return openInPlace();
        }
        if (::fchmod(m_fd, old.st_mode & 07777) != 0) {
            const std::error_code error = lastError();
            discard();
            return error;
        }
    }
    return {};
}

std::error_code SystemFileOps::createNewFile(bool keepPrivate)
{
    const QByteArray prefix = newFilePrefix(m_target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = prefix
            + QByteArray::number(QRandomGenerator::global()->generate64(), 16)
                  .rightJustified(NewFileRandomDigits, '0');
        // Marked busy before it exists, so that no other save takes it for a leftover.
        setBusy(name, true);
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keepPrivate ? 0600 : 0666);
        if (m_fd >= 0) {
            m_temp = name;
            // The lock outlives closing m_fd in sync(): it goes with the last descriptor.
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                m_lockFd = ::dup(m_fd);
            return {};
        }
        const int error = errno;
        setBusy(name, false);
        if (error != EEXIST)
            return { error, std::generic_category() };
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code SystemFileOps::openInPlace()
{
    m_fd = ::open(m_target.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return lastError();
    std::error_code error;
    struct stat st { };
    if (::fstat(m_fd, &st) != 0)
        error = lastError();
    else if (!S_ISREG(st.st_mode))
        error = FileErrc::NotRegularFile;
    QByteArray old;
    if (!error) {
        old.reserve(st.st_size);
        error = readToEnd(m_fd, old, std::numeric_limits<qint64>::max());
    }
    if (!error && ::lseek(m_fd, 0, SEEK_SET) != 0)
        error = lastError();
    if (error) {
        ::close(m_fd);
        m_fd = -1;
        return error;
    }
    m_inPlace = true;
    m_changed = false;
    m_written = 0;
    m_oldBytes = std::move(old);
    return {};
}

std::error_code SystemFileOps::write(QByteArrayView bytes)
{
    if (m_fd < 0)
        return std::make_error_code(std::errc::bad_file_descriptor);
    m_changed = true;
    return writeAll(m_fd, bytes.data(), bytes.size(), &m_written);
}

std::error_code SystemFileOps::sync()
{
    if (m_fd < 0)
        return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code result;
    if (m_inPlace) {
        // The old bytes past the new end go; then the file must be exactly what was written.
        m_changed = true;
        struct stat st { };
        if (::ftruncate(m_fd, m_written) != 0 || ::fsync(m_fd) != 0 || ::fstat(m_fd, &st) != 0)
            result = lastError();
        else if (st.st_size != m_written)
            result = std::make_error_code(std::errc::io_error);
    } else if (::fsync(m_fd) != 0) {
        result = lastError();
    }
    // close() can report a delayed write error (network file systems).
    if (::close(m_fd) != 0 && !result)
        result = lastError();
    m_fd = -1;
    return result;
}

std::error_code SystemFileOps::commit()
{
    if (m_fd >= 0 || (m_temp.isEmpty() && !m_inPlace))
        return std::make_error_code(std::errc::bad_file_descriptor);
    if (m_inPlace) {
        m_inPlace = false;
        m_oldBytes.clear();
        return {};
    }
    if (::rename(m_temp.constData(), m_target.constData()) != 0)
        return lastError();
    releaseNewFile();
    // Make the rename itself durable; a failure here no longer endangers either file.
    const int dir = ::open(folderOf(m_target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return {};
}

void SystemFileOps::discard()
{
    if (m_inPlace) {
        if (m_changed)
            putOldBytesBack();
        m_inPlace = false;
        m_oldBytes.clear();
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.isEmpty()) {
        ::unlink(m_temp.constData());
        releaseNewFile();
    }
}

void SystemFileOps::putOldBytesBack()
{
    const int fd = m_fd >= 0 ? m_fd : ::open(m_target.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return;
    // Nothing is left to report to: the old bytes are the best the file can hold now.
    if (::lseek(fd, 0, SEEK_SET) == 0 && !writeAll(fd, m_oldBytes.constData(), m_oldBytes.size()))
        (void)!::ftruncate(fd, m_oldBytes.size());
    (void)::fsync(fd);
    ::close(fd);
    m_fd = -1;
}

void SystemFileOps::releaseNewFile()
{
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    setBusy(m_temp, false);
    m_temp.clear();
}

} // namespace quorlex
