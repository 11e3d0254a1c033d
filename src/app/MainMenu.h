#pragma once

#include "app/MenuEntry.h"

#include <QList>

namespace quorlex {

// Every menu, item and separator of the main window's menu bar, in order: each parent
// comes before its children. The Character menu and the text items of the Insert menu
// come from the text markup commands' own table.
QList<MenuEntry> mainMenuEntries();

} // namespace quorlex
