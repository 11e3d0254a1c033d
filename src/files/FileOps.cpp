#include "files/FileOps.h"

#include "files/FileStamp.h"

namespace quorlex {

namespace {

class FileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "quorlex-file"; }
    std::string message(int value) const override
    {
        switch (static_cast<FileErrc>(value)) {
        case FileErrc::ReadOnlyFile:
            return "file is read-only";
        case FileErrc::NotRegularFile:
            return "not a regular file";
        }
        return "unknown file error";
    }
};

} // namespace

const std::error_category& fileCategory()
{
    static const FileCategory category;
    return category;
}

std::error_code make_error_code(FileErrc e)
{
    return { static_cast<int>(e), fileCategory() };
}

std::error_code replaceFile(FileOps& ops, const QString& path, QByteArrayView bytes)
{
    std::error_code error = ops.create(path);
    if (!error)
        error = ops.write(bytes);
    if (!error)
        error = ops.sync();
    if (!error)
        error = ops.commit();
    if (error)
        ops.discard();
    else
        noteOwnWrite(path);
    return error;
}

std::error_code replaceFile(const QString& path, QByteArrayView bytes)
{
    SystemFileOps ops;
    return replaceFile(ops, path, bytes);
}

std::error_code readSmallFile(const QString& path, QByteArray& bytes, qint64 maxBytes)
{
    SystemFileOps ops;
    return ops.readAll(path, bytes, maxBytes);
}

} // namespace quorlex
