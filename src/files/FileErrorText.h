#pragma once

#include <QString>

#include <system_error>

namespace quorlex {

// A short Japanese description of a file error, for the messages that name the reason.
QString fileErrorDescription(std::error_code error);

// The system error number (errno) of error, or 0 when it is not one.
int systemError(std::error_code error);

} // namespace quorlex
