#include "files/FileOps.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
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

} // namespace

SystemFileOps::~SystemFileOps()
{
    discard();
}

std::error_code SystemFileOps::readAll(const QString& path, QByteArray& bytes)
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
    QByteArray content;
    if (!result) {
        content.reserve(st.st_size);
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0)
                content.append(buffer, n);
            else if (n == 0)
                break;
            else if (errno != EINTR) {
                result = lastError();
                break;
            }
        }
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
            return lastError();
    }

    // Private until it has the old file's permissions; a new file gets the usual ones.
    const mode_t initialMode = exists ? S_IRUSR | S_IWUSR : 0666;
    const QByteArray stem = folderOf(m_target) + "/." + m_target.mid(m_target.lastIndexOf('/') + 1) + ".~";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, initialMode);
        if (m_fd >= 0) {
            m_temp = name;
            break;
        }
        if (errno != EEXIST)
            return lastError();
    }
    if (m_fd < 0)
        return std::make_error_code(std::errc::file_exists);

    if (exists) {
        // Owner first: a change of owner clears the set-id bits that fchmod then restores.
        // Only root may give the file away; others keep it as their own.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(m_fd, old.st_uid, old.st_gid);
        if (::fchmod(m_fd, old.st_mode & 07777) != 0) {
            const std::error_code error = lastError();
            discard();
            return error;
        }
    }
    return {};
}

std::error_code SystemFileOps::write(QByteArrayView bytes)
{
    if (m_fd < 0)
        return std::make_error_code(std::errc::bad_file_descriptor);
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (n == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        data += n;
        left -= n;
    }
    return {};
}

std::error_code SystemFileOps::sync()
{
    if (m_fd < 0)
        return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code result;
    if (::fsync(m_fd) != 0)
        result = lastError();
    // close() can report a delayed write error (network file systems).
    if (::close(m_fd) != 0 && !result)
        result = lastError();
    m_fd = -1;
    return result;
}

std::error_code SystemFileOps::commit()
{
    if (m_temp.isEmpty() || m_fd >= 0)
        return std::make_error_code(std::errc::bad_file_descriptor);
    if (::rename(m_temp.constData(), m_target.constData()) != 0)
        return lastError();
    m_temp.clear();
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
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.isEmpty()) {
        ::unlink(m_temp.constData());
        m_temp.clear();
    }
}

} // namespace quorlex
