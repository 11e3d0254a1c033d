#pragma once

#include <QString>

namespace quorlex {

// Everything after the program name as one text, the words joined by single spaces: the path
// of the page to open at start-up.
QString pagePathArgument(int argc, const char* const* argv);

} // namespace quorlex
