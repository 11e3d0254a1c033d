#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The Insert menu items of links and media. Items without a command yet are shown disabled.
QList<MenuRow> linkMenuRows();

} // namespace quorlex
