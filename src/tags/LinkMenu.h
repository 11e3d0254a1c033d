#pragma once

#include "core/MenuRow.h"

namespace quorlex {

class LinkCommands;

// The Insert menu items of links and media, with their commands.
QList<MenuRow> linkMenuRows(LinkCommands& commands);

} // namespace quorlex
