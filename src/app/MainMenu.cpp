#include "app/MainMenu.h"

#include "tags/TextMarkupMenu.h"

namespace quorlex {

namespace {

using E = MenuEntry;

constexpr MenuEntry fileAndEdit[] = {
    { E::Menu, u"F_0", u"", u"ホームページ(&F&ﾊ)", u"" },
    { E::Item, u"F_New", u"F_0", u"新規(&N)", u"Ctrl+N" },
    { E::Item, u"F_Open", u"F_0", u"開く(&O)", u"Ctrl+O" },
    { E::Item, u"F_Save", u"F_0", u"保存(&S)", u"Ctrl+S" },
    { E::Item, u"F_SaveAS", u"F_0", u"名前を付けて保存(&A)", u"" },
    { E::Separator, u"F_Sen1", u"F_0", u"-", u"" },
    { E::Menu, u"F_Template", u"F_0", u"テンプレート(&T)", u"" },
    { E::Item, u"F_T_New", u"F_Template", u"新規作成", u"" },
    { E::Item, u"F_T_Open", u"F_Template", u"開く", u"" },
    { E::Item, u"F_T_Save", u"F_Template", u"保存", u"" },
    { E::Item, u"F_ConvertHTML", u"F_0", u"テキストをHTMLに変換(&C)", u"" },
    { E::Separator, u"F_Sen2", u"F_0", u"-", u"" },
    { E::Item, u"F_PreView", u"F_0", u"ブラウザでプレビュー(&V)", u"F5" },
    { E::Separator, u"F_Sen3", u"F_0", u"-", u"" },
    { E::Item, u"F_PrintSetup", u"F_0", u"ページ設定", u"" },
    { E::Item, u"F_PrintHTML", u"F_0", u"HTMLの印刷(&P)", u"Ctrl+P" },
    { E::Separator, u"F_Sen4", u"F_0", u"-", u"" },
    { E::Item, u"F_End", u"F_0", u"クォーレクスの終了(&X)", u"" },

    { E::Menu, u"E_0", u"", u"編集(&E&ｲ)", u"" },
    { E::Item, u"E_Undo", u"E_0", u"元に戻す", u"" },
    { E::Item, u"E_AllClear", u"E_0", u"やり直し", u"" },
    { E::Item, u"E_Enter", u"E_0", u"通常改行", u"" },
    { E::Separator, u"E_Sen1", u"E_0", u"-", u"" },
    { E::Item, u"E_Copy", u"E_0", u"コピー(&C)", u"" },
    { E::Item, u"E_Paste", u"E_0", u"貼り付け(&P)", u"" },
    { E::Item, u"E_Cut", u"E_0", u"切り取り(&C)", u"" },
    { E::Item, u"E_Delete", u"E_0", u"削除(&D)", u"" },
    { E::Item, u"E_AllSelect", u"E_0", u"すべて選択(&A)", u"Ctrl+A" },
    { E::Separator, u"E_Sen2", u"E_0", u"-", u"" },
    { E::Item, u"E_Find", u"E_0", u"検索(&F)", u"Ctrl+F" },
    { E::Item, u"E_FindNext", u"E_0", u"次を検索", u"F3" },
    { E::Separator, u"E_Sen3", u"E_0", u"-", u"" },
    { E::Item, u"E_GotoTop", u"E_0", u"先頭へ移動", u"Ctrl+T" },
    { E::Item, u"E_GotoEOF", u"E_0", u"最後へ移動", u"Ctrl+E" },
};

// Items of the Insert menu and its submenus that belong to other commands.
constexpr MenuEntry insertExtras[] = {
    { E::Item, u"I_L_Insert", u"I_Links", u"リンクの挿入", u"Ctrl+F1" },
    { E::Item, u"I_E_PluginTag", u"I_ExTag", u"プラグインの追加", u"" },
    { E::Separator, u"I_Sen1", u"I_0", u"-", u"" },
    { E::Item, u"I_Table", u"I_0", u"表(&E&ｲ)", u"Shift+F3" },
    { E::Item, u"I_Frame", u"I_0", u"フレーム", u"" },
    { E::Item, u"I_img", u"I_0", u"画像(&G&ｷ)", u"Shift+F4" },
    { E::Item, u"I_midi", u"I_0", u"音楽(&M&ﾓ)", u"Shift+F5" },
    { E::Item, u"I_video", u"I_0", u"動画(&A&ﾁ)", u"Shift+F6" },
    { E::Item, u"I_AddTextFile", u"I_0", u"テキストファイルの挿入(&T&ｶ)", u"Shift+F9" },
};

constexpr MenuEntry toolsAndHelp[] = {
    { E::Menu, u"T_0", u"", u"ツール(&T&ｶ)", u"" },
    { E::Menu, u"T_W_Toolbar", u"T_0", u"ツールバーの表示", u"" },
    { E::CheckItem, u"T_W_Filebar", u"T_W_Toolbar", u"ファイルバー", u"" },
    { E::CheckItem, u"T_W_TagBar", u"T_W_Toolbar", u"タグバー", u"" },
    { E::Separator, u"T_Sen1", u"T_0", u"-", u"" },
    { E::Menu, u"T_CusumTags", u"T_0", u"カスタムタグ", u"" },
    { E::Item, u"T_C_Add", u"T_CusumTags", u"追加", u"" },
    { E::Separator, u"T_C_Sen1", u"T_CusumTags", u"-", u"" },
    { E::Item, u"T_C_Item_0", u"T_CusumTags", u"未登録", u"" },
    { E::Menu, u"T_T_0", u"T_0", u"ひな型", u"" },
    { E::Item, u"T_T_Add", u"T_T_0", u"追加", u"" },
    { E::Separator, u"T_T_Sen1", u"T_T_0", u"-", u"" },
    { E::Item, u"T_T_Item_0", u"T_T_0", u"未登録", u"" },
    { E::Item, u"T_CusumTag", u"T_0", u"カスタムタグリスト", u"" },
    { E::Item, u"T_TemplateTag", u"T_0", u"ひな型リスト", u"" },
    { E::Separator, u"T_Sen2", u"T_0", u"-", u"" },
    { E::Item, u"T_SelectColor", u"T_0", u"色の指定", u"Ctrl+M" },
    { E::Item, u"T_Setting", u"T_0", u"設定(&S)", u"" },

    { E::Menu, u"H_0", u"", u"ヘルプ(&H&ｸ)", u"" },
    { E::Item, u"H_Topic", u"H_0", u"ヘルプ", u"F1" },
    { E::Separator, u"H_Sen1", u"H_0", u"-", u"" },
    { E::Item, u"H_Version", u"H_0", u"バージョン情報", u"" },
};

MenuEntry fromMarkup(const TextMarkupMenuEntry& e)
{
    const auto kind = e.kind == TextMarkupMenuEntry::Menu ? E::Menu
        : e.kind == TextMarkupMenuEntry::Separator        ? E::Separator
                                                          : E::Item;
    return { kind, e.name, e.parent, e.caption, e.shortcut };
}

} // namespace

QList<MenuEntry> mainMenuEntries()
{
    QList<MenuEntry> entries(std::begin(fileAndEdit), std::end(fileAndEdit));
    for (const TextMarkupMenuEntry& e : textMarkupMenu)
        entries.append(fromMarkup(e));
    entries.append(QList<MenuEntry>(std::begin(insertExtras), std::end(insertExtras)));
    entries.append(QList<MenuEntry>(std::begin(toolsAndHelp), std::end(toolsAndHelp)));
    return entries;
}

} // namespace quorlex
