#include "tags/TextMarkupCommands.h"

#include "core/Editor.h"
#include "core/Numbers.h"
#include "host/ControlNames.h"
#include "host/EditBox.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

#include <array>
#include <utility>

namespace quorlex {

namespace {

// The double quote the commands put around attribute values themselves.
const QString Q = QStringLiteral("\"");

} // namespace

qint16 headingSizeOf(const QString& answer)
{
    const std::optional<double> value = parseStrictNumber(answer);
    if (!value)
        return 0;
    return toWholeNumber<qint16>(*value).value_or(0);
}

void TextMarkupCommands::wrap(
    const QString& open, const QString& close, const QString& prompt, const QString& title)
{
    m_editor.WrapTag(open, close, prompt, title);
}

void TextMarkupCommands::I_S_b_Click()
{
    wrap(QStringLiteral("<B>"), QStringLiteral("</B>"), QStringLiteral("太字にする文字を入力してください。"),
        QStringLiteral("太字"));
}

void TextMarkupCommands::I_S_i_Click()
{
    wrap(QStringLiteral("<I>"), QStringLiteral("</I>"),
        QStringLiteral("イタリック体にする文字を入力してください。"), QStringLiteral("イタリック体"));
}

void TextMarkupCommands::I_S_u_Click()
{
    wrap(QStringLiteral("<U>"), QStringLiteral("</U>"), QStringLiteral("下線にする文字を入力してください。"),
        QStringLiteral("下線"));
}

void TextMarkupCommands::I_S_tt_Click()
{
    wrap(QStringLiteral("<TT>"), QStringLiteral("</TT>"),
        QStringLiteral("固定幅にする文字を入力してください。"), QStringLiteral("固定幅"));
}

void TextMarkupCommands::I_S_Marquee_Click()
{
    wrap(QStringLiteral("<MARQUEE>"), QStringLiteral("</MARQUEE>"),
        QStringLiteral("挿入する文字を入力して下さい。"), QStringLiteral("スクロール文字"));
}

// The item named I_S_sub is captioned 上付添字 (superscript) and I_S_sup 下付添字
// (subscript); the captions are what the user sees, so they decide the tags.
void TextMarkupCommands::I_S_sub_Click()
{
    wrap(QStringLiteral("<SUP>"), QStringLiteral("</SUP>"), QStringLiteral("文字を入力してください。"),
        QStringLiteral("上付添字"));
}

void TextMarkupCommands::I_S_sup_Click()
{
    wrap(QStringLiteral("<SUB>"), QStringLiteral("</SUB>"), QStringLiteral("文字を入力してください。"),
        QStringLiteral("下付添字"));
}

void TextMarkupCommands::I_S_Hx_Click()
{
    const QString answer = m_editor.host().inputBox(QStringLiteral("字体の大きさを指定して下さい。") + CRLF
            + QStringLiteral("特大 1,大 2,中大 3,中小 4,小 5,特小 6"),
        QStringLiteral("指定の字体の大きさ"));
    const qint16 n = headingSizeOf(answer);
    if (n == 0)
        return;
    if (n < 1 || n > 6) {
        m_editor.host().messageBox(
            QStringLiteral("サイズは、1から6までです。"), { MsgButtons::Ok, MsgIcon::Critical });
        return;
    }
    const QString size = QString::number(n);
    wrap(QStringLiteral("<H") + size + u'>', QStringLiteral("</H") + size + u'>',
        QStringLiteral("挿入する文字を入力してください。"), QStringLiteral("指定の字体の大きさ"));
}

void TextMarkupCommands::I_S_p_Click()
{
    m_editor.AddTag(QStringLiteral("<P>") + m_editor.host().editBox().selText() + QStringLiteral("</P>"));
}

void TextMarkupCommands::I_AlignSet_Click(int index)
{
    switch (index) {
    case 0:
        wrap(QStringLiteral("<div align=left>"), QStringLiteral("</div>"),
            QStringLiteral("左する文字を入れてください。"), QStringLiteral("左に寄せる"));
        break;
    case 1:
        wrap(QStringLiteral("<center>"), QStringLiteral("</center>"),
            QStringLiteral("センタリングに寄せる文字を入れてください。"), QStringLiteral("中央に寄せる"));
        break;
    case 2:
        wrap(QStringLiteral("<div align=right>"), QStringLiteral("</div>"),
            QStringLiteral("右に寄せる文字を入れてください。"), QStringLiteral("右に寄せる"));
        break;
    default:
        break;
    }
}

void TextMarkupCommands::I_SpecialChar_Click(int index)
{
    // The quote entity has no semicolon, as the item always inserted it.
    static const std::array<QString, 4> entities = { QStringLiteral("&lt;"), QStringLiteral("&gt;"),
        QStringLiteral("&nbsp;"), QStringLiteral("&quot") };
    if (index < 0 || index >= int(entities.size()))
        return;
    m_editor.AddTag(entities[std::size_t(index)]);
}

void TextMarkupCommands::I_hr_Click()
{
    m_editor.AddTag(QStringLiteral("<HR>") + CRLF);
}

void TextMarkupCommands::I_br_Click()
{
    m_editor.AddTag(QStringLiteral("<BR>") + CRLF);
}

void TextMarkupCommands::I_Point_Click()
{
    m_editor.AddTag(QStringLiteral("<LI>"));
}

void TextMarkupCommands::I_Comment_Click()
{
    QString text = m_editor.host().editBox().selText();
    if (text.isEmpty())
        text = m_editor.host().inputBox(
            QStringLiteral("コメントを入れてください。"), QStringLiteral("コメント"));
    m_editor.AddTag(QStringLiteral("<!-- ") + text + QStringLiteral(" -->"));
}

void TextMarkupCommands::I_L_Back_Click()
{
    const QString name = m_editor.host().inputBox(
        QStringLiteral("戻るページのファイル名を入力してください。"), QStringLiteral("戻るの挿入"));
    if (name.isEmpty())
        return;
    m_editor.AddTag(QStringLiteral("<a href=") + Q + name + Q + QStringLiteral(">戻る</a>"));
    // A second insertion: the caret stands after the link now.
    m_editor.AddTag(QStringLiteral("<BR>") + CRLF);
}

void TextMarkupCommands::I_L_LabelJump_Click()
{
    const QString label = m_editor.host().inputBox(
        QStringLiteral("ジャンプするラベル名を入力して下さい。"), QStringLiteral("ラベルへジャンプ"));
    QString caption = m_editor.host().editBox().selText();
    if (caption.isEmpty())
        caption = m_editor.host().inputBox(QStringLiteral("リンクのタイトルを入力して下さい。"),
            QStringLiteral("ラベルへジャンプ"), QString());
    m_editor.AddTag(
        QStringLiteral("<a href=") + Q + u'#' + label + Q + u'>' + caption + QStringLiteral("</a>"));
}

void TextMarkupCommands::I_L_LabelSet_Click()
{
    QString name = m_editor.host().editBox().selText();
    if (name.isEmpty())
        name = m_editor.host().inputBox(
            QStringLiteral("ラベル名を入力してください。"), QStringLiteral("ラベルの設定"), QString());
    m_editor.AddTag(QStringLiteral("<a name=") + Q + name + Q + QStringLiteral("></a>"));
}

void TextMarkupCommands::I_E_TextOb_Click()
{
    wrap(QStringLiteral("<TEXTAREA>"), QStringLiteral("</TEXTAREA>"),
        QStringLiteral("テキストの内容を入力してください。"), QStringLiteral("テキストフォーム"));
}

void TextMarkupCommands::I_E_ButtonOb_Click()
{
    m_editor.AddTag(QStringLiteral("<FORM>") + CRLF + QStringLiteral("<INPUT NAME=")
        + QStringLiteral("Button1") + QStringLiteral(" TYPE=") + QStringLiteral("BUTTON")
        + QStringLiteral(" VALUE=") + QStringLiteral("もどる") + u'>' + CRLF + QStringLiteral("</FORM>")
        + CRLF);
}

QList<MenuRow> TextMarkupCommands::menuRows()
{
    using C = TextMarkupCommands;
    auto item = [this](const QString& name, const QString& parent, const QString& caption,
                    const QString& shortcut, void (C::*command)()) {
        return itemRow(name, parent, caption, shortcut, [this, command] { (this->*command)(); });
    };
    auto element = [this](const QString& array, int index, const QString& parent, const QString& caption,
                       const QString& shortcut, void (C::*command)(int)) {
        return itemRow(elementName(array, index), parent, caption, shortcut,
            [this, command, index] { (this->*command)(index); });
    };
    const QString L0 = QStringLiteral("L_0");
    const QString String = QStringLiteral("I_String");
    const QString Align = QStringLiteral("I_Align");
    const QString Special = QStringLiteral("I_Special");
    const QString I0 = QStringLiteral("I_0");
    const QString Links = QStringLiteral("I_Links");
    const QString Form = QStringLiteral("I_ExTag");
    const QString AlignSet = QStringLiteral("I_AlignSet");
    const QString SpecialChar = QStringLiteral("I_SpecialChar");
    return {
        menuRow(L0, QString(), QStringLiteral("文字(&L)")),
        menuRow(String, L0, QStringLiteral("字体(&J&ﾏ)")),
        item(QStringLiteral("I_S_Hx"), String, QStringLiteral("見出し"), QStringLiteral("Ctrl+Shift+F1"),
            &C::I_S_Hx_Click),
        item(QStringLiteral("I_S_p"), String, QStringLiteral("段落"), QStringLiteral("Ctrl+Shift+F2"),
            &C::I_S_p_Click),
        separatorRow(QStringLiteral("I_S_Sen1"), String),
        item(QStringLiteral("I_S_u"), String, QStringLiteral("下線(&K&ﾉ)"), QStringLiteral("Ctrl+U"),
            &C::I_S_u_Click),
        item(QStringLiteral("I_S_i"), String, QStringLiteral("イタリック体(&I&ﾆ)"), QStringLiteral("Ctrl+I"),
            &C::I_S_i_Click),
        item(QStringLiteral("I_S_b"), String, QStringLiteral("太字(&B&ｺ)"), QStringLiteral("Ctrl+B"),
            &C::I_S_b_Click),
        item(QStringLiteral("I_S_tt"), String, QStringLiteral("固定幅字(&T&ｶ)"),
            QStringLiteral("Ctrl+Shift+F6"), &C::I_S_tt_Click),
        separatorRow(QStringLiteral("I_S_Sen2"), String),
        item(QStringLiteral("I_S_sub"), String, QStringLiteral("上付添字"), QString(), &C::I_S_sub_Click),
        item(QStringLiteral("I_S_sup"), String, QStringLiteral("下付添字"), QString(), &C::I_S_sup_Click),
        separatorRow(QStringLiteral("I_S_Sen3"), String),
        item(QStringLiteral("I_S_Marquee"), String, QStringLiteral("スクロール文字(&S&ﾄ)"),
            QStringLiteral("Ctrl+Shift+F8"), &C::I_S_Marquee_Click),

        menuRow(Align, L0, QStringLiteral("位置")),
        element(
            AlignSet, 0, Align, QStringLiteral("左へ寄せる"), QStringLiteral("Ctrl+L"), &C::I_AlignSet_Click),
        element(AlignSet, 1, Align, QStringLiteral("中央へ寄せる(&C&ｿ)"), QStringLiteral("Ctrl+H"),
            &C::I_AlignSet_Click),
        element(
            AlignSet, 2, Align, QStringLiteral("右へ寄せる"), QStringLiteral("Ctrl+R"), &C::I_AlignSet_Click),

        menuRow(Special, L0, QStringLiteral("特殊文字")),
        element(SpecialChar, 0, Special, QStringLiteral("<"), QString(), &C::I_SpecialChar_Click),
        element(SpecialChar, 1, Special, QStringLiteral(">"), QString(), &C::I_SpecialChar_Click),
        element(SpecialChar, 2, Special, QStringLiteral("スペース"), QString(), &C::I_SpecialChar_Click),
        element(SpecialChar, 3, Special, QStringLiteral("\""), QString(), &C::I_SpecialChar_Click),

        menuRow(I0, QString(), QStringLiteral("挿入(&I&ﾆ)")),
        item(QStringLiteral("I_hr"), I0, QStringLiteral("水辺線を引く(&S&ﾄ)"), QStringLiteral("Shift+F1"),
            &C::I_hr_Click),
        item(QStringLiteral("I_br"), I0, QStringLiteral("改行(&R&ｽ)"), QStringLiteral("Shift+F2"),
            &C::I_br_Click),
        item(QStringLiteral("I_Comment"), I0, QStringLiteral("コメント"), QStringLiteral("Shift+F7"),
            &C::I_Comment_Click),
        item(QStringLiteral("I_Point"), I0, QStringLiteral("点(&P&ｾ)"), QStringLiteral("Shift+F8"),
            &C::I_Point_Click),

        menuRow(Links, I0, QStringLiteral("リンク")),
        item(QStringLiteral("I_L_Back"), Links, QStringLiteral("「もどる」を挿入"), QStringLiteral("Ctrl+F2"),
            &C::I_L_Back_Click),
        item(QStringLiteral("I_L_LabelJump"), Links, QStringLiteral("ラベルへジャンプ"),
            QStringLiteral("Ctrl+F3"), &C::I_L_LabelJump_Click),
        item(QStringLiteral("I_L_LabelSet"), Links, QStringLiteral("ラベルの設定"), QStringLiteral("Ctrl+F4"),
            &C::I_L_LabelSet_Click),

        menuRow(Form, I0, QStringLiteral("フォーム")),
        item(QStringLiteral("I_E_TextOb"), Form, QStringLiteral("テキスト"), QString(), &C::I_E_TextOb_Click),
        item(QStringLiteral("I_E_ButtonOb"), Form, QStringLiteral("ボタン"), QString(),
            &C::I_E_ButtonOb_Click),
    };
}

} // namespace quorlex
