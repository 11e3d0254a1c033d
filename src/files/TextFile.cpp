#include "files/TextFile.h"

#include "files/ShiftJisCodec.h"

namespace quorlex {

bool TextFileContent::fileNotFound() const
{
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

TextFileContent ReadTextFile(FileOps& ops, const QString& path)
{
    QByteArray bytes;
    if (const std::error_code error = ops.readAll(path, bytes))
        return { QString(), error };
    return { ShiftJis::decode(bytes), {} };
}

} // namespace quorlex
