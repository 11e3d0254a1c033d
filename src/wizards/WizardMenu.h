#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The menu items that open the wizards: 新規 (new page), 表 (table) and フレーム (frames).
// Items without a command yet are shown disabled.
QList<MenuRow> wizardMenuRows();

} // namespace quorlex
