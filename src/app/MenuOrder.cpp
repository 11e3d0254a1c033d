#include "app/MenuOrder.h"

#include "core/Commands.h"

using namespace Qt::Literals::StringLiterals;

namespace quorlex {

const QStringList& menuOrder()
{
    static const QStringList order = {
        // ホームページ
        u"F_0"_s,
        u"F_New"_s,
        u"F_Open"_s,
        u"F_Save"_s,
        u"F_SaveAS"_s,
        u"F_Sen1"_s,
        u"F_Template"_s,
        u"F_T_New"_s,
        u"F_T_Open"_s,
        u"F_T_Save"_s,
        u"F_ConvertHTML"_s,
        u"F_Sen2"_s,
        u"F_PreView"_s,
        u"F_Sen3"_s,
        u"F_PrintSetup"_s,
        u"F_PrintHTML"_s,
        u"F_Sen4"_s,
        u"F_End"_s,
        // 編集
        u"E_0"_s,
        u"E_Undo"_s,
        u"E_AllClear"_s,
        u"E_Enter"_s,
        u"E_Sen1"_s,
        u"E_Copy"_s,
        u"E_Paste"_s,
        u"E_Cut"_s,
        u"E_Delete"_s,
        u"E_AllSelect"_s,
        u"E_Sen2"_s,
        u"E_Find"_s,
        u"E_FindNext"_s,
        u"E_Sen3"_s,
        u"E_GotoTop"_s,
        u"E_GotoEOF"_s,
        // 文字
        u"L_0"_s,
        u"I_String"_s,
        u"I_S_Hx"_s,
        u"I_S_p"_s,
        u"I_S_Sen1"_s,
        u"I_S_u"_s,
        u"I_S_i"_s,
        u"I_S_b"_s,
        u"I_S_tt"_s,
        u"I_S_Sen2"_s,
        u"I_S_sub"_s,
        u"I_S_sup"_s,
        u"I_S_Sen3"_s,
        u"I_S_Marquee"_s,
        u"I_Align"_s,
        u"I_AlignSet_0"_s,
        u"I_AlignSet_1"_s,
        u"I_AlignSet_2"_s,
        u"I_Special"_s,
        u"I_SpecialChar_0"_s,
        u"I_SpecialChar_1"_s,
        u"I_SpecialChar_2"_s,
        u"I_SpecialChar_3"_s,
        // 挿入
        u"I_0"_s,
        u"I_hr"_s,
        u"I_br"_s,
        u"I_Comment"_s,
        u"I_Point"_s,
        u"I_Links"_s,
        u"I_L_Back"_s,
        u"I_L_LabelJump"_s,
        u"I_L_LabelSet"_s,
        u"I_L_Insert"_s,
        u"I_ExTag"_s,
        u"I_E_TextOb"_s,
        u"I_E_ButtonOb"_s,
        u"I_E_PluginTag"_s,
        u"I_Sen1"_s,
        u"I_Table"_s,
        u"I_Frame"_s,
        u"I_img"_s,
        u"I_midi"_s,
        u"I_video"_s,
        u"I_AddTextFile"_s,
        // ツール
        u"T_0"_s,
        u"T_W_Toolbar"_s,
        u"T_W_Filebar"_s,
        u"T_W_TagBar"_s,
        u"T_Sen1"_s,
        u"T_CusumTags"_s,
        u"T_C_Add"_s,
        u"T_C_Sen1"_s,
        u"T_C_Item_0"_s,
        u"T_T_0"_s,
        u"T_T_Add"_s,
        u"T_T_Sen1"_s,
        u"T_T_Item_0"_s,
        u"T_CusumTag"_s,
        u"T_TemplateTag"_s,
        u"T_Sen2"_s,
        u"T_SelectColor"_s,
        u"T_Setting"_s,
        // ヘルプ
        u"H_0"_s,
        u"H_Topic"_s,
        u"H_Sen1"_s,
        u"H_Version"_s,
    };
    return order;
}

QList<MenuRow> orderedMenuRows(const QList<MenuRow>& rows)
{
    QHash<QString, MenuRow> byName;
    for (const MenuRow& row : rows)
        byName.insert(row.name, row);
    QList<MenuRow> ordered;
    for (const QString& name : menuOrder()) {
        if (const auto it = byName.constFind(name); it != byName.cend()) {
            ordered.append(*it);
            byName.erase(it);
        } else {
            qCCritical(lcCommands, "no menu row for %s", qUtf8Printable(name));
        }
    }
    for (const MenuRow& row : rows) {
        if (byName.contains(row.name)) {
            qCCritical(lcCommands, "menu row %s has no place in the menu bar", qUtf8Printable(row.name));
            ordered.append(row);
        }
    }
    return ordered;
}

} // namespace quorlex
