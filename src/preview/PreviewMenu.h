#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The menu items of preview. Items without a command yet are shown disabled.
QList<MenuRow> previewMenuRows();

} // namespace quorlex
