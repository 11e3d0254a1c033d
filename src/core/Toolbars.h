#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace quorlex {

class Commands;

// A toolbar button: its key, its tooltip as stored, its image key and the command a click runs.
struct ToolbarButton {
    QStringView key;
    QStringView tooltip;
    QStringView image;
    QStringView command;
};

// The file bar (Toolbar1) and the tag bar (Toolbar2), buttons in order. Apart from "find" and
// "color", a button runs the very command of the matching menu item; those two run commands of
// their own, named after the bar and the key.
std::span<const ToolbarButton> fileBarButtons();
std::span<const ToolbarButton> tagBarButtons();

// The command of the button whose key is key, compared exactly in table order; empty when no
// button has that key.
QString toolbarCommand(std::span<const ToolbarButton> buttons, QStringView key);

// A click on the button whose key is key: runs its command; false when no button has that key.
bool runToolbarButton(const Commands& commands, std::span<const ToolbarButton> buttons, QStringView key);

// The name of a button's own command ("Toolbar1_find").
inline QString toolbarCommandName(const QString& bar, const QString& key)
{
    return bar + u'_' + key;
}

} // namespace quorlex
