#include "core/KeyPress.h"

#include "core/Editor.h"
#include "host/ControlNames.h"
#include "host/Host.h"

namespace quorlex {

void Text1_KeyPress(Editor& editor, int keyAscii)
{
    Host& host = editor.host();
    host.setMenuEnabled(Control::E_Undo, host.editBox().canUndo());
    editor.TextRefrash();
    if (keyAscii == KeyEnter)
        editor.AddTag(QStringLiteral("<BR>"), false);
}

} // namespace quorlex
