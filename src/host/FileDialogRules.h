#pragma once

#include "host/FileDialogRequest.h"

#include <QString>

namespace quorlex {

// True when text starts with an address scheme ("http:", "mailto:", "javascript:" ...): a letter,
// then letters, digits, "+", "-" or ".", then ":". A drive letter ("C:") is not a scheme.
bool startsWithScheme(const QString& text);

// A filter as Qt's file dialog takes it: the description with its patterns. "*.*" becomes "*",
// so that it lists every file, names without an extension included.
QString qtNameFilter(const FileFilter& filter);

// The extension a name typed without one gets under a filter, as Windows' save dialog does:
// that of the filter's first pattern ("*.htm;*.html" gives htm; "*.*" gives none).
QString defaultSuffix(const FileFilter& filter);

} // namespace quorlex
