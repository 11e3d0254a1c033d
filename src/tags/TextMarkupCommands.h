#pragma once

#include "core/MenuRow.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace quorlex {

class Editor;

// The commands of the Character menu and the simple text commands of the Insert menu.
// Each builds one string of markup and hands it to the editor's AddTag or WrapTag;
// none keeps state, and none touches the page's modified flag.
class TextMarkupCommands {
public:
    explicit TextMarkupCommands(Editor& editor)
        : m_editor(editor)
    {
    }

    // Character styles (wrapped around the selection, or around an asked-for text).
    void I_S_b_Click();
    void I_S_i_Click();
    void I_S_u_Click();
    void I_S_tt_Click();
    void I_S_Marquee_Click();
    void I_S_sub_Click();
    void I_S_sup_Click();
    // Asks for the heading size 1 to 6, then wraps like a style. Also the HSize button.
    void I_S_Hx_Click();
    void I_S_p_Click();
    // 0 left, 1 centre, 2 right; any other index does nothing.
    void I_AlignSet_Click(int index);
    // 0 "<", 1 ">", 2 space, 3 double quote; any other index does nothing.
    void I_SpecialChar_Click(int index);

    void I_hr_Click();
    void I_br_Click();
    void I_Point_Click();
    void I_Comment_Click();
    void I_L_Back_Click();
    void I_L_LabelJump_Click();
    void I_L_LabelSet_Click();
    void I_E_TextOb_Click();
    void I_E_ButtonOb_Click();

    // The Character menu and the text items of the Insert menu, with their commands.
    QList<MenuRow> menuRows();

private:
    void wrap(const QString& open, const QString& close, const QString& prompt, const QString& title);

    Editor& m_editor;
};

// The heading size an answer gives: the number read in the locale's syntax, rounded
// half to even into a 16-bit integer; 0 when the answer is empty, not a number or
// out of range.
qint16 headingSizeOf(const QString& answer);

} // namespace quorlex
