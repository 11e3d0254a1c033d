#pragma once

#include "files/FileOps.h"
#include "files/PageEncoding.h"

#include <QString>

#include <system_error>

namespace quorlex {

inline const QString PreviewCopyFileName = QStringLiteral("temp.html");

// The preview copy of a page's text: a base line pointing at the page's own file (filePath, empty
// for an untitled page) right after the first "<head>" of any case, or "<head>", the base line and
// "</head>" in front of the text when it has none. Relative addresses of the copy then resolve
// against the page's folder although the copy lies elsewhere.
QString previewCopyText(const QString& text, const QString& filePath);

// Writes the preview copy to path in the page's encoding (Shift_JIS: a character without a
// Shift_JIS form as "&#N;"; UTF-8: with the byte-order mark), replacing the old copy in one step.
std::error_code writePreviewCopy(
    FileOps& ops, const QString& path, const QString& text, const QString& filePath, PageEncoding encoding);

} // namespace quorlex
