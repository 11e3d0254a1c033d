#pragma once

#include <QString>
#include <QUrl>

namespace quorlex {

// The address scheme of local pages, written before a path with nothing between ("file:" + path).
inline const QString FileScheme = QStringLiteral("file:");

// The address the preview navigates to for address. "file:" followed by a path is that local
// file, a "\" read as a separator where the platform has it as one; "file:" without a path, an
// "about:" address and anything that is no valid address give the empty page "about:blank", so
// the preview never lists a folder in place of a page.
QUrl previewAddress(const QString& address);

} // namespace quorlex
