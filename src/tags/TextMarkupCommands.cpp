#include "tags/TextMarkupCommands.h"

#include "core/Editor.h"
#include "core/Numbers.h"
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
    const std::optional<double> value = parseLocaleNumber(answer);
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

bool TextMarkupCommands::run(QStringView controlName)
{
    using Command = void (TextMarkupCommands::*)();
    static const std::array<std::pair<QStringView, Command>, 18> commands = { {
        { u"I_S_b", &TextMarkupCommands::I_S_b_Click },
        { u"I_S_i", &TextMarkupCommands::I_S_i_Click },
        { u"I_S_u", &TextMarkupCommands::I_S_u_Click },
        { u"I_S_tt", &TextMarkupCommands::I_S_tt_Click },
        { u"I_S_Marquee", &TextMarkupCommands::I_S_Marquee_Click },
        { u"I_S_sub", &TextMarkupCommands::I_S_sub_Click },
        { u"I_S_sup", &TextMarkupCommands::I_S_sup_Click },
        { u"I_S_Hx", &TextMarkupCommands::I_S_Hx_Click },
        { u"I_S_p", &TextMarkupCommands::I_S_p_Click },
        { u"I_hr", &TextMarkupCommands::I_hr_Click },
        { u"I_br", &TextMarkupCommands::I_br_Click },
        { u"I_Point", &TextMarkupCommands::I_Point_Click },
        { u"I_Comment", &TextMarkupCommands::I_Comment_Click },
        { u"I_L_Back", &TextMarkupCommands::I_L_Back_Click },
        { u"I_L_LabelJump", &TextMarkupCommands::I_L_LabelJump_Click },
        { u"I_L_LabelSet", &TextMarkupCommands::I_L_LabelSet_Click },
        { u"I_E_TextOb", &TextMarkupCommands::I_E_TextOb_Click },
        { u"I_E_ButtonOb", &TextMarkupCommands::I_E_ButtonOb_Click },
    } };
    for (const auto& [name, command] : commands) {
        if (name == controlName) {
            (this->*command)();
            return true;
        }
    }

    // Control array elements are named array + "_" + index; only the indexes of the
    // items that exist count.
    using ArrayCommand = void (TextMarkupCommands::*)(int);
    struct Array {
        QStringView name;
        int count;
        ArrayCommand command;
    };
    static const std::array<Array, 2> arrays = { {
        { u"I_AlignSet", 3, &TextMarkupCommands::I_AlignSet_Click },
        { u"I_SpecialChar", 4, &TextMarkupCommands::I_SpecialChar_Click },
    } };
    for (const Array& array : arrays) {
        for (int index = 0; index < array.count; ++index) {
            if (controlName == array.name.toString() + u'_' + QString::number(index)) {
                (this->*array.command)(index);
                return true;
            }
        }
    }
    return false;
}

} // namespace quorlex
