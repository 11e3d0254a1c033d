#include "files/FileOps.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace quorlex {

namespace {

// Qt reports a failure as a kind, not as the system's number: the nearest number stands in,
// so the messages still tell a permission problem from a full or missing disk. Called only
// after a step failed, so "no error" (a short write, say) is a failure too.
std::error_code errorOf(const QFileDevice& file, std::errc fallback)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return std::make_error_code(std::errc::permission_denied);
    case QFileDevice::ResourceError:
        return std::make_error_code(std::errc::no_space_on_device);
    case QFileDevice::OpenError:
        return std::make_error_code(QFileInfo::exists(file.fileName())
                ? std::errc::permission_denied
                : std::errc::no_such_file_or_directory);
    default:
        return std::make_error_code(fallback);
    }
}

// The file that writing to path really changes, symbolic links followed.
QString resolvedTarget(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

PortableFileOps::PortableFileOps() = default;

PortableFileOps::~PortableFileOps()
{
    discard();
}

std::error_code PortableFileOps::readAll(const QString& path, QByteArray& bytes)
{
    return readAll(path, bytes, std::numeric_limits<qint64>::max());
}

std::error_code PortableFileOps::readAll(const QString& path, QByteArray& bytes, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    if (info.isDir())
        return std::make_error_code(std::errc::is_a_directory);
    if (!info.isFile())
        return FileErrc::NotRegularFile;
    if (info.size() > maxBytes)
        return std::make_error_code(std::errc::file_too_large);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return errorOf(file, std::errc::io_error);
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return errorOf(file, std::errc::io_error);
    if (content.size() > maxBytes)
        return std::make_error_code(std::errc::file_too_large);
    bytes = std::move(content);
    return {};
}

std::error_code PortableFileOps::create(const QString& target)
{
    discard();
    const QString resolved = resolvedTarget(target);
    const QFileInfo info(resolved);
    if (info.exists()) {
        if (info.isDir())
            return std::make_error_code(std::errc::is_a_directory);
        if (!info.isFile())
            return FileErrc::NotRegularFile;
        // Replacing by rename would get past a read-only file; its own protection counts
        // first, by its permission bits, which hold for an administrator too.
        constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (!(info.permissions() & anyWrite))
            return FileErrc::ReadOnlyFile;
        // A file this user may not write is read-only for them.
        if (!info.isWritable())
            return FileErrc::ReadOnlyFile;
    } else if (!info.dir().exists()) {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    m_file = std::make_unique<QSaveFile>(resolved);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const std::error_code error = errorOf(*m_file, std::errc::io_error);
        m_file.reset();
        return error;
    }
    return {};
}

std::error_code PortableFileOps::write(QByteArrayView bytes)
{
    if (!m_file)
        return std::make_error_code(std::errc::bad_file_descriptor);
    // Unbuffered: a short write shows here, not as a silently shortened file at commit.
    if (m_file->write(bytes.data(), bytes.size()) != bytes.size())
        return errorOf(*m_file, std::errc::no_space_on_device);
    return {};
}

std::error_code PortableFileOps::sync()
{
    if (!m_file)
        return std::make_error_code(std::errc::bad_file_descriptor);
    // QSaveFile flushes the new file to the disk as part of its commit.
    return m_file->flush() ? std::error_code() : errorOf(*m_file, std::errc::io_error);
}

std::error_code PortableFileOps::commit()
{
    if (!m_file)
        return std::make_error_code(std::errc::bad_file_descriptor);
    const bool ok = m_file->commit();
    const std::error_code error = ok ? std::error_code() : errorOf(*m_file, std::errc::io_error);
    m_file.reset();
    return error;
}

void PortableFileOps::discard()
{
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset();
    }
}

} // namespace quorlex
