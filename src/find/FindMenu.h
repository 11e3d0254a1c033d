#pragma once

#include "core/MenuRow.h"

namespace quorlex {

// The Edit menu's find items. Items without a command yet are shown disabled.
QList<MenuRow> findMenuRows();

} // namespace quorlex
