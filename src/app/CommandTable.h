#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace quorlex {

// The commands of the menu items and toolbar buttons, by control name. An item whose
// command is not in the table is shown disabled.
using CommandTable = QHash<QString, std::function<void()>>;

} // namespace quorlex
