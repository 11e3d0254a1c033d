#pragma once

#include "core/MenuRow.h"

namespace quorlex {

class Clipboard;
class Editor;

// The Edit menu's commands on the editing box's selection and the clipboard. Cut, Paste and
// Delete count as typing (undo item refreshed, page modified); the others do not. The box's
// own Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z stay with the box: these items have no shortcut.
class EditCommands {
public:
    EditCommands(Editor& editor, Clipboard& clipboard)
        : m_editor(editor)
        , m_clipboard(clipboard)
    {
    }

    // Undoes the box's last edit and gives it the focus; the modified flag and the undo
    // item's state stay as they are.
    void E_Undo_Click();
    // A line break without "<BR>" in place of the selection.
    void E_Enter_Click();
    // The selection to the clipboard; nothing happens when nothing is selected.
    void E_Copy_Click();
    // The clipboard's text in place of the selection, lower-cased in lower-case tag mode.
    void E_Paste_Click();
    // The selection to the clipboard (an empty one empties it), then removed.
    void E_Cut_Click();
    void E_Delete_Click();
    // Selects from the selection's start to the end of the text; the focus stays.
    void E_AllSelect_Click();
    void E_GotoTop_Click();
    void E_GotoEOF_Click();

    // The Edit menu with its items. The two find items belong to find and replace.
    QList<MenuRow> menuRows();

private:
    Editor& m_editor;
    Clipboard& m_clipboard;
};

} // namespace quorlex
