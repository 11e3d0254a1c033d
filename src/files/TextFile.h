#pragma once

#include "files/FileOps.h"

#include <QString>

#include <system_error>

namespace quorlex {

// A text file as ReadTextFile reads it: the decoded text, or why it could not be read.
struct TextFileContent {
    QString text;
    std::error_code error;

    // The path names no file (the error that the text commands name in their own words).
    bool fileNotFound() const;
};

// The whole Shift_JIS file at path as text, read in one piece. A path that names no file gives
// fileNotFound(); any other failure its own error, with no text.
TextFileContent ReadTextFile(FileOps& ops, const QString& path);

} // namespace quorlex
