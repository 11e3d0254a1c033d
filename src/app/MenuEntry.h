#pragma once

#include <QStringView>

namespace quorlex {

// One entry of the menu bar: a menu, an item or a separator, by control name.
struct MenuEntry {
    enum Kind { Menu, Item, Separator, CheckItem };
    Kind kind;
    QStringView name; // control name; array elements are array + "_" + index
    QStringView parent; // the menu that holds it; empty for the menu bar
    QStringView caption; // as stored, "&" marking access keys
    QStringView shortcut; // QKeySequence portable text, empty for none
};

} // namespace quorlex
