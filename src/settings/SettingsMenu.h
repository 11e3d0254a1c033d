#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The Tools menu's settings item. Without a command yet it is shown disabled.
QList<MenuRow> settingsMenuRows();

} // namespace quorlex
