#pragma once

#include "core/MenuRow.h"

namespace quorlex {

class LinkCommands;

// The Insert menu items of links and media, with their commands, and the Tools menu's colour
// palette. Items without a command yet are shown disabled.
QList<MenuRow> linkMenuRows(LinkCommands& commands);
QList<MenuRow> colourMenuRows();

} // namespace quorlex
