#pragma once

#include "core/MenuRow.h"

#include <QStringList>

namespace quorlex {

// Every entry of the menu bar by control name, in the order the user sees them: menus before
// their entries, each menu's entries top to bottom. The features give the rows themselves.
const QStringList& menuOrder();

// rows in menu order. A row missing from the order, or a name of the order without a row,
// is reported; such rows follow the ordered ones.
QList<MenuRow> orderedMenuRows(const QList<MenuRow>& rows);

} // namespace quorlex
