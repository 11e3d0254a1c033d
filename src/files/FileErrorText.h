#pragma once

#include <QString>

#include <system_error>

namespace quorlex {

// A short Japanese description of a file error, for the messages that name the reason.
QString fileErrorDescription(std::error_code error);

// The message box that reports a failed save of a page.
struct SaveErrorMessage {
    int number; // runtime error number of the row: 68, 70, 71, 75, or 0 for any other error
    QString text;
    int style;  // icon
};

// The row of the save error table that error falls under.
SaveErrorMessage saveErrorMessage(std::error_code error);

} // namespace quorlex
