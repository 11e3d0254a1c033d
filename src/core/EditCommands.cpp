#include "core/EditCommands.h"

#include "core/Editor.h"
#include "host/ControlNames.h"
#include "host/Host.h"

namespace quorlex {

void EditCommands::E_Undo_Click()
{
    EditBox& box = m_editor.host().editBox();
    box.undo();
    box.setFocus();
}

QList<MenuRow> EditCommands::menuRows()
{
    const QString edit = QStringLiteral("E_0");
    return {
        menuRow(edit, QString(), QStringLiteral("編集(&E&ｲ)")),
        itemRow(Control::E_Undo, edit, QStringLiteral("元に戻す"), QString(), [this] { E_Undo_Click(); }),
        // "やり直し" starts no command and stays disabled.
        itemRow(Control::E_AllClear, edit, QStringLiteral("やり直し"), QString(), {}),
        itemRow(QStringLiteral("E_Enter"), edit, QStringLiteral("通常改行"), QString(), {}),
        separatorRow(QStringLiteral("E_Sen1"), edit),
        itemRow(QStringLiteral("E_Copy"), edit, QStringLiteral("コピー(&C)"), QString(), {}),
        itemRow(QStringLiteral("E_Paste"), edit, QStringLiteral("貼り付け(&P)"), QString(), {}),
        itemRow(QStringLiteral("E_Cut"), edit, QStringLiteral("切り取り(&C)"), QString(), {}),
        itemRow(QStringLiteral("E_Delete"), edit, QStringLiteral("削除(&D)"), QString(), {}),
        itemRow(QStringLiteral("E_AllSelect"), edit, QStringLiteral("すべて選択(&A)"),
            QStringLiteral("Ctrl+A"), {}),
        separatorRow(QStringLiteral("E_Sen2"), edit),
        separatorRow(QStringLiteral("E_Sen3"), edit),
        itemRow(
            QStringLiteral("E_GotoTop"), edit, QStringLiteral("先頭へ移動"), QStringLiteral("Ctrl+T"), {}),
        itemRow(
            QStringLiteral("E_GotoEOF"), edit, QStringLiteral("最後へ移動"), QStringLiteral("Ctrl+E"), {}),
    };
}

} // namespace quorlex
