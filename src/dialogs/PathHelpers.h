#pragma once

#include <QString>

namespace quorlex {

// The file name part of path: the text after its last "\" or "/" (empty when the path
// ends with one), the whole path when it has neither, and "無題" for an empty path.
QString FileTitleOf(const QString& path);

// path made to end in a separator, so that a file name can be appended to it.
// A path that already ends in "\" or "/" is returned unchanged. Otherwise the separator
// added follows the path's own style: "\" when the path contains only "\" separators
// (C:\web gives C:\web\), "/" when it contains only "/" ones (/home/me gives /home/me/),
// and the platform's native separator when it contains both or none (an empty path gives
// "\" on Windows and "/" elsewhere). The native choice for mixed paths keeps a POSIX path
// whose file names contain a "\" valid.
QString WithBackslash(const QString& path);

// s up to its first NUL character; s itself when it holds none.
QString CutAtNull(const QString& s);

} // namespace quorlex
