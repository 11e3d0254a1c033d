#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The menu items of printing, help and about. Items without a command yet are shown disabled.
QList<MenuRow> printMenuRows();
QList<MenuRow> helpMenuRows();

} // namespace quorlex
