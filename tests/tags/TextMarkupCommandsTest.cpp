#include "tags/TextMarkupCommands.h"
#include "core/Commands.h"
#include "core/Editor.h"
#include "host/Host.h"
#include "support/ScriptedHost.h"

#include <QKeySequence>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace quorlex;
using quorlex::test::ScriptedHost;

namespace {

using Command = std::function<void(TextMarkupCommands&)>;

struct TextMarkupCommandsTest : ::testing::Test {
    ScriptedHost host;
    Editor editor { host };
    TextMarkupCommands commands { editor };

    // Text with the selection marked by [ and ] (or the caret by a lone |).
    void setUp(bool upperCase, const QString& marked)
    {
        editor.settings().UpperCaseTags = upperCase;
        QString plain = marked;
        qsizetype start = plain.indexOf(u'|');
        qsizetype length = 0;
        if (start >= 0) {
            plain.remove(start, 1);
        } else {
            start = plain.indexOf(u'[');
            plain.remove(start, 1);
            length = plain.indexOf(u']') - start;
            plain.remove(start + length, 1);
        }
        host.stringBox().setText(plain);
        host.stringBox().select(start, length);
        host.inputs.clear();
        host.messages.clear();
        host.inputAnswers.clear();
    }
    QString text() { return host.stringBox().text(); }
    qsizetype caret() { return host.stringBox().selStart(); }
    qsizetype selLength() { return host.stringBox().selLength(); }
};

QString lower(const QString& s)
{
    return s.toLower();
}

// ---- Wrap route ----------------------------------------------------------

struct WrapRow {
    const char* name;
    Command run;
    QString open, close, prompt, title;
};

std::vector<WrapRow> wrapRows()
{
    return {
        { "b", &TextMarkupCommands::I_S_b_Click, "<B>", "</B>",
            QStringLiteral("太字にする文字を入力してください。"), QStringLiteral("太字") },
        { "i", &TextMarkupCommands::I_S_i_Click, "<I>", "</I>",
            QStringLiteral("イタリック体にする文字を入力してください。"), QStringLiteral("イタリック体") },
        { "u", &TextMarkupCommands::I_S_u_Click, "<U>", "</U>",
            QStringLiteral("下線にする文字を入力してください。"), QStringLiteral("下線") },
        { "tt", &TextMarkupCommands::I_S_tt_Click, "<TT>", "</TT>",
            QStringLiteral("固定幅にする文字を入力してください。"), QStringLiteral("固定幅") },
        { "marquee", &TextMarkupCommands::I_S_Marquee_Click, "<MARQUEE>", "</MARQUEE>",
            QStringLiteral("挿入する文字を入力して下さい。"), QStringLiteral("スクロール文字") },
        { "superscript", &TextMarkupCommands::I_S_sub_Click, "<SUP>", "</SUP>",
            QStringLiteral("文字を入力してください。"), QStringLiteral("上付添字") },
        { "subscript", &TextMarkupCommands::I_S_sup_Click, "<SUB>", "</SUB>",
            QStringLiteral("文字を入力してください。"), QStringLiteral("下付添字") },
        { "align-left", [](TextMarkupCommands& c) { c.I_AlignSet_Click(0); }, "<div align=left>", "</div>",
            QStringLiteral("左する文字を入れてください。"), QStringLiteral("左に寄せる") },
        { "align-centre", [](TextMarkupCommands& c) { c.I_AlignSet_Click(1); }, "<center>", "</center>",
            QStringLiteral("センタリングに寄せる文字を入れてください。"), QStringLiteral("中央に寄せる") },
        { "align-right", [](TextMarkupCommands& c) { c.I_AlignSet_Click(2); }, "<div align=right>", "</div>",
            QStringLiteral("右に寄せる文字を入れてください。"), QStringLiteral("右に寄せる") },
        { "textarea", &TextMarkupCommands::I_E_TextOb_Click, "<TEXTAREA>", "</TEXTAREA>",
            QStringLiteral("テキストの内容を入力してください。"), QStringLiteral("テキストフォーム") },
    };
}

TEST_F(TextMarkupCommandsTest, WrapCommandsAroundSelection)
{
    for (const WrapRow& row : wrapRows()) {
        for (bool upper : { true, false }) {
            SCOPED_TRACE(std::string(row.name) + (upper ? " upper" : " lower"));
            setUp(upper, QStringLiteral("say [Hello] 世界"));
            row.run(commands);
            const QString inserted = row.open + "Hello" + row.close;
            const QString expected = "say " + (upper ? inserted : lower(inserted)) + QStringLiteral(" 世界");
            EXPECT_EQ(text(), expected);
            EXPECT_TRUE(host.inputs.isEmpty());
            EXPECT_EQ(caret(), 4 + inserted.size());
            EXPECT_EQ(selLength(), 0);
        }
    }
}

TEST_F(TextMarkupCommandsTest, WrapCommandsAskWithoutSelection)
{
    for (const WrapRow& row : wrapRows()) {
        for (bool upper : { true, false }) {
            SCOPED_TRACE(std::string(row.name) + (upper ? " upper" : " lower"));
            setUp(upper, QStringLiteral("ab|cd"));
            host.answerInputs({ QStringLiteral("Say \"Hi\"") });
            row.run(commands);
            const QString inserted = row.open + QStringLiteral("Say \"Hi\"") + row.close + "\r\n";
            EXPECT_EQ(text(), "ab" + (upper ? inserted : lower(inserted)) + "cd");
            ASSERT_EQ(host.inputs.size(), 1);
            EXPECT_EQ(host.inputs[0].prompt, row.prompt);
            EXPECT_EQ(host.inputs[0].title, row.title);
            EXPECT_TRUE(host.inputs[0].defaultText.isEmpty());
            EXPECT_EQ(caret(), 2 + inserted.size());

            // A cancelled box still inserts the pair and the line end.
            setUp(upper, QStringLiteral("|"));
            row.run(commands);
            const QString pair = row.open + row.close + "\r\n";
            EXPECT_EQ(text(), upper ? pair : lower(pair));
        }
    }
}

// ---- Direct route --------------------------------------------------------

struct DirectRow {
    const char* name;
    Command run;
    QString before; // marked text, see TextMarkupCommandsTest::setUp
    QString expected; // whole text afterwards in upper-case mode
};

TEST_F(TextMarkupCommandsTest, DirectCommandsInsertWithoutAsking)
{
    const QString form
        = QStringLiteral("<FORM>\r\n<INPUT NAME=Button1 TYPE=BUTTON VALUE=もどる>\r\n</FORM>\r\n");
    const std::vector<DirectRow> rows = {
        { "br", &TextMarkupCommands::I_br_Click, "a|b", "a<BR>\r\nb" },
        { "br-replaces-selection", &TextMarkupCommands::I_br_Click, "a[xx]b", "a<BR>\r\nb" },
        { "hr", &TextMarkupCommands::I_hr_Click, "a|b", "a<HR>\r\nb" },
        { "point", &TextMarkupCommands::I_Point_Click, "a[Xy]b", "a<LI>b" },
        { "paragraph", &TextMarkupCommands::I_S_p_Click, "a[Text]b", "a<P>Text</P>b" },
        { "paragraph-empty-selection", &TextMarkupCommands::I_S_p_Click, "a|b", "a<P></P>b" },
        { "lt", [](TextMarkupCommands& c) { c.I_SpecialChar_Click(0); }, "a[Q]b", "a&lt;b" },
        { "gt", [](TextMarkupCommands& c) { c.I_SpecialChar_Click(1); }, "a|b", "a&gt;b" },
        { "nbsp", [](TextMarkupCommands& c) { c.I_SpecialChar_Click(2); }, "a|b", "a&nbsp;b" },
        { "quot-without-semicolon", [](TextMarkupCommands& c) { c.I_SpecialChar_Click(3); }, "a|b",
            "a&quotb" },
        { "button", &TextMarkupCommands::I_E_ButtonOb_Click, "a|b", "a" + form + "b" },
        { "comment-selection", &TextMarkupCommands::I_Comment_Click, "a[Note]b", "a<!-- Note -->b" },
        { "label-set-selection", &TextMarkupCommands::I_L_LabelSet_Click, "go [Sec1] now",
            "go <a name=\"Sec1\"></a> now" },
    };
    for (const DirectRow& row : rows) {
        for (bool upper : { true, false }) {
            SCOPED_TRACE(std::string(row.name) + (upper ? " upper" : " lower"));
            setUp(upper, row.before);
            row.run(commands);
            EXPECT_EQ(text(), upper ? row.expected : lower(row.expected));
            EXPECT_TRUE(host.inputs.isEmpty());
            // The caret stands after the inserted text: the rest of the line follows it.
            const QString tail = row.before.mid(qMax(row.before.indexOf(u'|'), row.before.indexOf(u']')) + 1);
            EXPECT_EQ(caret(), text().size() - tail.size());
            EXPECT_EQ(selLength(), 0);
        }
    }
}

TEST_F(TextMarkupCommandsTest, IndexesOutsideTheArraysDoNothing)
{
    for (int index : { -1, 3, 4, 100, 32767 }) {
        SCOPED_TRACE(index);
        setUp(true, QStringLiteral("a[b]c"));
        commands.I_AlignSet_Click(index);
        if (index != 3)
            commands.I_SpecialChar_Click(index);
        EXPECT_EQ(text(), QStringLiteral("abc"));
        EXPECT_EQ(selLength(), 1);
        EXPECT_TRUE(host.inputs.isEmpty());
    }
}

// ---- Heading -------------------------------------------------------------

struct HeadingRow {
    const char* name;
    std::optional<QString> answer; // nullopt: the box is cancelled
    int size; // 0: nothing happens; -1: the size message
};

TEST_F(TextMarkupCommandsTest, HeadingSizeRules)
{
    const std::vector<HeadingRow> rows = {
        { "seven", "7", -1 },
        { "negative", "-2", -1 },
        { "zero", "0", 0 },
        { "empty", "", 0 },
        { "cancelled", std::nullopt, 0 },
        { "not-a-number", "x", 0 },
        { "number-then-letters", "3px", 0 },
        { "beyond-16-bit", "99999", 0 },
        { "beyond-16-bit-negative", "-40000", 0 },
        { "inside-16-bit", "32767", -1 },
        { "rounds-to-zero", "0.4", 0 },
        { "half-to-even-down", "2.5", 2 },
        { "half-to-even-up", "3.5", 4 },
        { "half-to-even-six", "6.5", 6 },
        { "rounds-to-seven", "6.6", -1 },
        { "one", "1", 1 },
        { "blanks-around", " 5 ", 5 },
    };
    const QString prompt
        = QStringLiteral("字体の大きさを指定して下さい。\r\n特大 1,大 2,中大 3,中小 4,小 5,特小 6");
    const QString title = QStringLiteral("指定の字体の大きさ");
    for (const HeadingRow& row : rows) {
        for (bool upper : { true, false }) {
            SCOPED_TRACE(std::string(row.name) + (upper ? " upper" : " lower"));
            setUp(upper, QStringLiteral("a|b"));
            if (row.answer)
                host.answerInputs({ *row.answer, QStringLiteral("Title") });
            commands.I_S_Hx_Click();
            ASSERT_FALSE(host.inputs.isEmpty());
            EXPECT_EQ(host.inputs[0].prompt, prompt);
            EXPECT_EQ(host.inputs[0].title, title);
            EXPECT_TRUE(host.inputs[0].defaultText.isEmpty());
            if (row.size <= 0) {
                EXPECT_EQ(text(), QStringLiteral("ab"));
                EXPECT_EQ(host.inputs.size(), 1);
                if (row.size == 0) {
                    EXPECT_TRUE(host.messages.isEmpty());
                } else {
                    ASSERT_EQ(host.messages.size(), 1);
                    EXPECT_EQ(host.messages[0].text, QStringLiteral("サイズは、1から6までです。"));
                    EXPECT_EQ(host.messages[0].style.toNumber(), 16);
                    EXPECT_TRUE(host.messages[0].title.isEmpty());
                }
                continue;
            }
            const QString inserted = QStringLiteral("<H%1>Title</H%1>\r\n").arg(row.size);
            EXPECT_EQ(text(), "a" + (upper ? inserted : lower(inserted)) + "b");
            EXPECT_TRUE(host.messages.isEmpty());
            ASSERT_EQ(host.inputs.size(), 2);
            EXPECT_EQ(host.inputs[1].prompt, QStringLiteral("挿入する文字を入力してください。"));
            EXPECT_EQ(host.inputs[1].title, title);
            EXPECT_EQ(caret(), 1 + inserted.size());
        }
    }
}

TEST_F(TextMarkupCommandsTest, HeadingWrapsSelectionAfterAskingOnlyTheSize)
{
    setUp(true, QStringLiteral("[Intro]"));
    host.answerInputs({ QStringLiteral("3") });
    commands.I_S_Hx_Click();
    EXPECT_EQ(text(), QStringLiteral("<H3>Intro</H3>"));
    EXPECT_EQ(host.inputs.size(), 1);
}

// ---- Asking commands -----------------------------------------------------

TEST_F(TextMarkupCommandsTest, CommentAsksOnlyWithoutSelection)
{
    setUp(true, QStringLiteral("a|b"));
    host.answerInputs({ QStringLiteral("Say \"Hi\"") });
    commands.I_Comment_Click();
    EXPECT_EQ(text(), QStringLiteral("a<!-- Say \"Hi\" -->b"));
    ASSERT_EQ(host.inputs.size(), 1);
    EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("コメントを入れてください。"));
    EXPECT_EQ(host.inputs[0].title, QStringLiteral("コメント"));

    // Cancelled: both markers with two spaces between them, and no line end.
    setUp(false, QStringLiteral("|"));
    commands.I_Comment_Click();
    EXPECT_EQ(text(), QStringLiteral("<!--  -->"));
}

TEST_F(TextMarkupCommandsTest, BackLinkInsertsTwiceOrNothing)
{
    for (bool upper : { true, false }) {
        SCOPED_TRACE(upper ? "upper" : "lower");
        // The selection is not consulted: it is replaced by the link.
        setUp(upper, QStringLiteral("x[Old]y"));
        host.answerInputs({ QStringLiteral("Top.htm") });
        commands.I_L_Back_Click();
        const QString inserted = QStringLiteral("<a href=\"Top.htm\">戻る</a><BR>\r\n");
        EXPECT_EQ(text(), "x" + (upper ? inserted : lower(inserted)) + "y");
        ASSERT_EQ(host.inputs.size(), 1);
        EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("戻るページのファイル名を入力してください。"));
        EXPECT_EQ(host.inputs[0].title, QStringLiteral("戻るの挿入"));
        EXPECT_EQ(caret(), 1 + inserted.size());
        EXPECT_EQ(selLength(), 0);

        setUp(upper, QStringLiteral("x[Old]y"));
        commands.I_L_Back_Click();
        EXPECT_EQ(text(), QStringLiteral("xOldy"));
        EXPECT_EQ(selLength(), 3);
    }

    setUp(true, QStringLiteral("|"));
    host.answerInputs({ QStringLiteral("a\"b.htm") });
    commands.I_L_Back_Click();
    EXPECT_EQ(text(), QStringLiteral("<a href=\"a\"b.htm\">戻る</a><BR>\r\n"));
}

TEST_F(TextMarkupCommandsTest, LabelJumpAsksLabelThenCaption)
{
    // Label cancelled, selection Top: the address is just "#".
    setUp(true, QStringLiteral("[Top]"));
    commands.I_L_LabelJump_Click();
    EXPECT_EQ(text(), QStringLiteral("<a href=\"#\">Top</a>"));
    ASSERT_EQ(host.inputs.size(), 1);
    EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("ジャンプするラベル名を入力して下さい。"));
    EXPECT_EQ(host.inputs[0].title, QStringLiteral("ラベルへジャンプ"));

    for (bool upper : { true, false }) {
        SCOPED_TRACE(upper ? "upper" : "lower");
        setUp(upper, QStringLiteral("a|b"));
        host.answerInputs({ QStringLiteral("Sec\"1"), QStringLiteral("Go \"there\"") });
        commands.I_L_LabelJump_Click();
        const QString inserted = QStringLiteral("<a href=\"#Sec\"1\">Go \"there\"</a>");
        EXPECT_EQ(text(), "a" + (upper ? inserted : lower(inserted)) + "b");
        ASSERT_EQ(host.inputs.size(), 2);
        EXPECT_EQ(host.inputs[1].prompt, QStringLiteral("リンクのタイトルを入力して下さい。"));
        EXPECT_EQ(host.inputs[1].title, QStringLiteral("ラベルへジャンプ"));
        EXPECT_TRUE(host.inputs[1].defaultText.isEmpty());
        EXPECT_EQ(caret(), 1 + inserted.size());
    }

    setUp(true, QStringLiteral("|"));
    commands.I_L_LabelJump_Click();
    EXPECT_EQ(text(), QStringLiteral("<a href=\"#\"></a>"));
    EXPECT_EQ(host.inputs.size(), 2);
}

TEST_F(TextMarkupCommandsTest, LabelSetAsksWithoutSelection)
{
    setUp(true, QStringLiteral("a|b"));
    host.answerInputs({ QStringLiteral("x\"y") });
    commands.I_L_LabelSet_Click();
    EXPECT_EQ(text(), QStringLiteral("a<a name=\"x\"y\"></a>b"));
    ASSERT_EQ(host.inputs.size(), 1);
    EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("ラベル名を入力してください。"));
    EXPECT_EQ(host.inputs[0].title, QStringLiteral("ラベルの設定"));
    EXPECT_TRUE(host.inputs[0].defaultText.isEmpty());

    setUp(true, QStringLiteral("|"));
    commands.I_L_LabelSet_Click();
    EXPECT_EQ(text(), QStringLiteral("<a name=\"\"></a>"));
}

// ---- Menu rows ------------------------------------------------------------

TEST_F(TextMarkupCommandsTest, EveryMenuItemRunsItsCommandAndLeavesModified)
{
    int items = 0;
    for (bool modified : { false, true }) {
        for (const MenuRow& row : commands.menuRows()) {
            if (row.kind != MenuRow::Kind::Item)
                continue;
            SCOPED_TRACE(row.name.toStdString());
            ASSERT_TRUE(row.handler);
            ++items;
            setUp(true, QStringLiteral("a[Sel]b"));
            host.answerInputs({ QStringLiteral("2"), QStringLiteral("name") });
            editor.document().setModified(modified);
            row.handler();
            EXPECT_NE(text(), QStringLiteral("aSelb"));
            EXPECT_EQ(editor.document().Modified(), modified);
        }
    }
    EXPECT_EQ(items, 2 * 25);
}

TEST_F(TextMarkupCommandsTest, ArrayElementsRunTheirIndex)
{
    Commands table;
    table.add(commands.menuRows());
    setUp(true, QStringLiteral("[x]"));
    EXPECT_TRUE(table.run(QStringLiteral("I_SpecialChar_3")));
    EXPECT_EQ(text(), QStringLiteral("&quot"));
    setUp(true, QStringLiteral("[x]"));
    EXPECT_TRUE(table.run(QStringLiteral("I_AlignSet_2")));
    EXPECT_EQ(text(), QStringLiteral("<div align=right>x</div>"));
}

} // namespace
