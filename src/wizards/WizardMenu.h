#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The menu items that open the table and frame wizards: 表 (table) and フレーム (frames). Items
// without a command yet are shown disabled. The new page wizard brings its own (NewPageWizard).
QList<MenuRow> wizardMenuRows();

} // namespace quorlex
