#pragma once

#include <QStringView>

#include <array>

namespace quorlex {

// The menu entries of the text markup commands, in menu order, for the main window
// to build its Character menu (L_0) and its Insert menu (I_0) from. The Insert menu
// and its submenus I_Links and I_ExTag hold further items of other commands.
struct TextMarkupMenuEntry {
    enum Kind { Menu, Item, Separator };

    Kind kind;
    // The control name; an element of a control array is named array + "_" + index.
    QStringView name;
    // The control name of the menu that holds the entry; empty for the menu bar.
    QStringView parent;
    // The caption as stored: "&" marks the following character as an access key.
    QStringView caption;
    // The accelerator in QKeySequence's portable text form, empty for none.
    QStringView shortcut;
};

inline constexpr auto textMarkupMenu = std::to_array<TextMarkupMenuEntry>({
    { TextMarkupMenuEntry::Menu, u"L_0", u"", u"文字(&L)", u"" },

    { TextMarkupMenuEntry::Menu, u"I_String", u"L_0", u"字体(&J&ﾏ)", u"" },
    { TextMarkupMenuEntry::Item, u"I_S_Hx", u"I_String", u"見出し", u"Ctrl+Shift+F1" },
    { TextMarkupMenuEntry::Item, u"I_S_p", u"I_String", u"段落", u"Ctrl+Shift+F2" },
    { TextMarkupMenuEntry::Separator, u"I_S_Sen1", u"I_String", u"-", u"" },
    { TextMarkupMenuEntry::Item, u"I_S_u", u"I_String", u"下線(&K&ﾉ)", u"Ctrl+U" },
    { TextMarkupMenuEntry::Item, u"I_S_i", u"I_String", u"イタリック体(&I&ﾆ)", u"Ctrl+I" },
    { TextMarkupMenuEntry::Item, u"I_S_b", u"I_String", u"太字(&B&ｺ)", u"Ctrl+B" },
    { TextMarkupMenuEntry::Item, u"I_S_tt", u"I_String", u"固定幅字(&T&ｶ)", u"Ctrl+Shift+F6" },
    { TextMarkupMenuEntry::Separator, u"I_S_Sen2", u"I_String", u"-", u"" },
    { TextMarkupMenuEntry::Item, u"I_S_sub", u"I_String", u"上付添字", u"" },
    { TextMarkupMenuEntry::Item, u"I_S_sup", u"I_String", u"下付添字", u"" },
    { TextMarkupMenuEntry::Separator, u"I_S_Sen3", u"I_String", u"-", u"" },
    { TextMarkupMenuEntry::Item, u"I_S_Marquee", u"I_String", u"スクロール文字(&S&ﾄ)", u"Ctrl+Shift+F8" },

    { TextMarkupMenuEntry::Menu, u"I_Align", u"L_0", u"位置", u"" },
    { TextMarkupMenuEntry::Item, u"I_AlignSet_0", u"I_Align", u"左へ寄せる", u"Ctrl+L" },
    { TextMarkupMenuEntry::Item, u"I_AlignSet_1", u"I_Align", u"中央へ寄せる(&C&ｿ)", u"Ctrl+H" },
    { TextMarkupMenuEntry::Item, u"I_AlignSet_2", u"I_Align", u"右へ寄せる", u"Ctrl+R" },

    { TextMarkupMenuEntry::Menu, u"I_Special", u"L_0", u"特殊文字", u"" },
    { TextMarkupMenuEntry::Item, u"I_SpecialChar_0", u"I_Special", u"<", u"" },
    { TextMarkupMenuEntry::Item, u"I_SpecialChar_1", u"I_Special", u">", u"" },
    { TextMarkupMenuEntry::Item, u"I_SpecialChar_2", u"I_Special", u"スペース", u"" },
    { TextMarkupMenuEntry::Item, u"I_SpecialChar_3", u"I_Special", u"\"", u"" },

    { TextMarkupMenuEntry::Menu, u"I_0", u"", u"挿入(&I&ﾆ)", u"" },
    { TextMarkupMenuEntry::Item, u"I_hr", u"I_0", u"水辺線を引く(&S&ﾄ)", u"Shift+F1" },
    { TextMarkupMenuEntry::Item, u"I_br", u"I_0", u"改行(&R&ｽ)", u"Shift+F2" },
    { TextMarkupMenuEntry::Item, u"I_Comment", u"I_0", u"コメント", u"Shift+F7" },
    { TextMarkupMenuEntry::Item, u"I_Point", u"I_0", u"点(&P&ｾ)", u"Shift+F8" },

    { TextMarkupMenuEntry::Menu, u"I_Links", u"I_0", u"リンク", u"" },
    { TextMarkupMenuEntry::Item, u"I_L_Back", u"I_Links", u"「もどる」を挿入", u"Ctrl+F2" },
    { TextMarkupMenuEntry::Item, u"I_L_LabelJump", u"I_Links", u"ラベルへジャンプ", u"Ctrl+F3" },
    { TextMarkupMenuEntry::Item, u"I_L_LabelSet", u"I_Links", u"ラベルの設定", u"Ctrl+F4" },

    { TextMarkupMenuEntry::Menu, u"I_ExTag", u"I_0", u"フォーム", u"" },
    { TextMarkupMenuEntry::Item, u"I_E_TextOb", u"I_ExTag", u"テキスト", u"" },
    { TextMarkupMenuEntry::Item, u"I_E_ButtonOb", u"I_ExTag", u"ボタン", u"" },
});

} // namespace quorlex
