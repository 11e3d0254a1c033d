#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The Insert menu items of links and media, and the Tools menu's colour palette. Items without
// a command yet are shown disabled.
QList<MenuRow> linkMenuRows();
QList<MenuRow> colourMenuRows();

} // namespace quorlex
