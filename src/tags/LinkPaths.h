#pragma once

#include <QString>

namespace quorlex {

// Paths of the files that links and media tags point at. Both "\" and "/" separate folders, so
// Windows paths and POSIX paths give the same results.

// The folder part of path, up to and including its last separator. A path whose only folder
// part is a drive ("C:index.htm") gives the drive's root "C:\"; a bare file name gives "".
QString FolderOf(const QString& path);

// The address of path as seen from the folder base (which ends in a separator): the part below
// the folders the two share, preceded by one ".." step for each folder of base that path is not
// in. Folder names compare whole and case-sensitively. A path on another drive or root, a
// relative path and a typed address ("http://...") come back unchanged; so does any path when
// base is empty. The steps use the separator that path uses.
QString RelativePath(const QString& base, const QString& path);

// Turns every "\" of text into "/", in text itself, and returns it.
QString& ToSlashes(QString& text);

} // namespace quorlex
