#include "core/Editor.h"
#include "core/KeyPress.h"
#include "core/TagCase.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::ScriptedHost;

namespace {

struct Fixture : ::testing::Test {
    ScriptedHost host;
    Editor editor { host };
    void setText(const QString& t) { host.stringBox().setText(t); }
    void select(qsizetype s, qsizetype n) { host.stringBox().select(s, n); }
    QString text() { return host.stringBox().text(); }
    void upper(bool u) { editor.settings().UpperCaseTags = u; }
};

} // namespace

TEST_F(Fixture, WrapTagKeepsSelectionCaseInUpperMode)
{
    upper(true);
    setText(QStringLiteral("say Hello!"));
    select(4, 5);
    editor.WrapTag("<B>", "</B>", "p", "t");
    EXPECT_EQ(text(), QStringLiteral("say <B>Hello</B>!"));
    EXPECT_TRUE(host.inputs.isEmpty());
    EXPECT_EQ(host.stringBox().selStart(), 16);
    EXPECT_EQ(host.stringBox().selLength(), 0);
}

TEST_F(Fixture, WrapTagLowerCasesEverythingInLowerMode)
{
    upper(false);
    setText(QStringLiteral("Hello"));
    select(0, 5);
    editor.WrapTag("<B>", "</B>", "p", "t");
    EXPECT_EQ(text(), QStringLiteral("<b>hello</b>"));
}

TEST_F(Fixture, WrapTagAsksWithoutSelectionAndAddsLineEnd)
{
    upper(true);
    host.answerInputs({ QStringLiteral("abc") });
    editor.WrapTag(
        "<B>", "</B>", QStringLiteral("太字にする文字を入力してください。"), QStringLiteral("太字"));
    EXPECT_EQ(text(), QStringLiteral("<B>abc</B>\r\n"));
    ASSERT_EQ(host.inputs.size(), 1);
    EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("太字にする文字を入力してください。"));
    EXPECT_EQ(host.inputs[0].title, QStringLiteral("太字"));
    EXPECT_TRUE(host.inputs[0].defaultText.isEmpty());
    EXPECT_EQ(host.stringBox().selStart(), text().size());
}

TEST_F(Fixture, WrapTagCancelledStillInsertsPair)
{
    upper(true);
    setText(QStringLiteral("xy"));
    select(1, 0);
    editor.WrapTag("<B>", "</B>", "p", "t"); // no answer queued: cancelled
    EXPECT_EQ(text(), QStringLiteral("x<B></B>\r\ny"));
}

TEST_F(Fixture, AddTagNoConvertAndCaseRules)
{
    upper(false);
    editor.AddTag(QStringLiteral("<TABLE>"), true);
    EXPECT_EQ(text(), QStringLiteral("<TABLE>"));
    editor.AddTag(QStringLiteral("<A HREF=\"X.HTM\">見出しÀ</A>"), false);
    EXPECT_EQ(text(), QStringLiteral("<TABLE><a href=\"x.htm\">見出しà</a>"));
    upper(true);
    editor.AddTag(QStringLiteral("<div align=left>"), false);
    EXPECT_TRUE(text().endsWith(QStringLiteral("<div align=left>")));
}

TEST_F(Fixture, AddTagReplacesSelectionAndEmptyDeletesIt)
{
    upper(true);
    setText(QStringLiteral("abcdef"));
    select(1, 3);
    editor.AddTag(QString(), false);
    EXPECT_EQ(text(), QStringLiteral("aef"));
    EXPECT_EQ(host.stringBox().selStart(), 1);
}

TEST(TagCase, CaseTagAndSimpleMapping)
{
    EXPECT_EQ(CaseTag(QStringLiteral("<Td>"), true), QStringLiteral("<TD>"));
    EXPECT_EQ(CaseTag(QStringLiteral("<Td>"), false), QStringLiteral("<td>"));
    // One code point to one: ß stays, İ becomes i, surrogate pairs survive.
    EXPECT_EQ(simpleUpper(QStringLiteral("ß")), QStringLiteral("ß"));
    EXPECT_EQ(simpleLower(QStringLiteral("İ")).size(), 1);
    EXPECT_EQ(simpleLower(QStringLiteral("𐐀x")), QStringLiteral("𐐨x"));
    EXPECT_EQ(simpleLower(QStringLiteral("カタカナＡ")), QStringLiteral("カタカナａ"));
}

TEST_F(Fixture, InsertionLeavesModifiedAndTypingSetsIt)
{
    upper(true);
    editor.document().setModified(false);
    editor.AddTag(QStringLiteral("<HR>"), false);
    editor.WrapTag("<B>", "</B>", "p", "t");
    EXPECT_FALSE(editor.document().Modified());
    Text1_KeyPress(editor, 'a');
    EXPECT_TRUE(editor.document().Modified());
}

TEST_F(Fixture, KeyPressEnterInsertsBreakTagAndRefreshesUndo)
{
    upper(false);
    host.setMenuEnabled(QStringLiteral("E_Undo"), false);
    Text1_KeyPress(editor, 'x');
    // Nothing to undo yet in the box: the item stays disabled.
    EXPECT_FALSE(host.isMenuEnabled(QStringLiteral("E_Undo")));
    Text1_KeyPress(editor, KeyEnter);
    EXPECT_EQ(text(), QStringLiteral("<br>"));
    Text1_KeyPress(editor, 'y');
    EXPECT_TRUE(host.isMenuEnabled(QStringLiteral("E_Undo")));
}
