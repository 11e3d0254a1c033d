#pragma once

#include <QString>

namespace quorlex {

// The directory that holds quorlex.ini, the list files, temp.html, html.bak and the
// help file, without a trailing separator. QUORLEX_HOME names it outright; otherwise
// it is the executable's directory when that is writable (portable use), else a
// per-user data directory, created on first use.
QString programDirectory();

} // namespace quorlex
