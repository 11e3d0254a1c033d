#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The menu item that opens the new page wizard, 新規; shown disabled until it has a command.
// The table and frame wizards bring their own items.
QList<MenuRow> wizardMenuRows();

} // namespace quorlex
