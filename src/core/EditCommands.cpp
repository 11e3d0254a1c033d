#include "core/EditCommands.h"

#include "core/Clipboard.h"
#include "core/Editor.h"
#include "host/ControlNames.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

namespace quorlex {

void EditCommands::E_Undo_Click()
{
    EditBox& box = m_editor.host().editBox();
    box.undo();
    box.setFocus();
}

void EditCommands::E_Enter_Click()
{
    m_editor.AddTag(CRLF, false);
}

void EditCommands::E_Copy_Click()
{
    const QString selected = m_editor.host().editBox().selText();
    if (!selected.isEmpty())
        m_clipboard.setText(selected);
}

void EditCommands::E_Paste_Click()
{
    m_editor.TextRefrash();
    m_editor.AddTag(m_clipboard.text(), false);
}

void EditCommands::E_Cut_Click()
{
    m_editor.TextRefrash();
    m_clipboard.setText(m_editor.host().editBox().selText());
    m_editor.AddTag(QString(), false);
}

void EditCommands::E_Delete_Click()
{
    m_editor.TextRefrash();
    m_editor.AddTag(QString(), false);
}

void EditCommands::E_AllSelect_Click()
{
    EditBox& box = m_editor.host().editBox();
    box.setSelLength(box.length());
}

void EditCommands::E_GotoTop_Click()
{
    EditBox& box = m_editor.host().editBox();
    box.setSelStart(0);
    box.setFocus();
}

void EditCommands::E_GotoEOF_Click()
{
    EditBox& box = m_editor.host().editBox();
    box.setSelStart(box.length());
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
        itemRow(QStringLiteral("E_Enter"), edit, QStringLiteral("通常改行"), QString(),
            [this] { E_Enter_Click(); }),
        separatorRow(QStringLiteral("E_Sen1"), edit),
        itemRow(QStringLiteral("E_Copy"), edit, QStringLiteral("コピー(&C)"), QString(),
            [this] { E_Copy_Click(); }),
        itemRow(QStringLiteral("E_Paste"), edit, QStringLiteral("貼り付け(&P)"), QString(),
            [this] { E_Paste_Click(); }),
        itemRow(QStringLiteral("E_Cut"), edit, QStringLiteral("切り取り(&C)"), QString(),
            [this] { E_Cut_Click(); }),
        itemRow(QStringLiteral("E_Delete"), edit, QStringLiteral("削除(&D)"), QString(),
            [this] { E_Delete_Click(); }),
        itemRow(QStringLiteral("E_AllSelect"), edit, QStringLiteral("すべて選択(&A)"),
            QStringLiteral("Ctrl+A"), [this] { E_AllSelect_Click(); }),
        separatorRow(QStringLiteral("E_Sen2"), edit),
        separatorRow(QStringLiteral("E_Sen3"), edit),
        itemRow(QStringLiteral("E_GotoTop"), edit, QStringLiteral("先頭へ移動"), QStringLiteral("Ctrl+T"),
            [this] { E_GotoTop_Click(); }),
        itemRow(QStringLiteral("E_GotoEOF"), edit, QStringLiteral("最後へ移動"), QStringLiteral("Ctrl+E"),
            [this] { E_GotoEOF_Click(); }),
    };
}

} // namespace quorlex
