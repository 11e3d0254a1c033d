#pragma once

#include "core/MenuRow.h"

namespace quorlex {

class Editor;

// The Edit menu's commands on the editing box's selection and the clipboard.
class EditCommands {
public:
    explicit EditCommands(Editor& editor)
        : m_editor(editor)
    {
    }

    // Undoes the box's last edit and gives it the focus; the modified flag and the undo
    // item's state stay as they are.
    void E_Undo_Click();

    // The Edit menu with its items; items without a command yet are shown disabled. The two
    // find items belong to find and replace.
    QList<MenuRow> menuRows();

private:
    Editor& m_editor;
};

} // namespace quorlex
