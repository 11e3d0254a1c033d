#pragma once

#include "host/MessageBox.h"

#include <QString>

#include <system_error>

namespace quorlex {

// The message box that reports a failed save of a page.
struct SaveErrorMessage {
    int number; // runtime error number of the row: 68, 70, 71, 75, or 0 for any other error
    QString text;
    MsgIcon icon;
};

// The row of the save error table that error falls under.
SaveErrorMessage saveErrorMessage(std::error_code error);

} // namespace quorlex
