#include "taglists/TagListWindow.h"
#include "core/Editor.h"
#include "files/ShiftJisCodec.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"
#include "taglists/TagListMenus.h"
#include "taglists/TagListWindowCommands.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// The window as a script: what it shows, and double-clicks sent by the test.
struct ScriptedTagListWindow : TagListWindow {
    void showList(const QString& c, const QStringList& l) override
    {
        caption = c;
        lines = l;
        ++shows;
    }
    void setDoubleClickHandler(std::function<void(int, const QString&)> handler) override
    {
        doubleClick = std::move(handler);
    }
    void doubleClickLine(int index) { doubleClick(index, index >= 0 ? lines.value(index) : QString()); }

    QString caption;
    QStringList lines;
    int shows = 0;
    std::function<void(int, const QString&)> doubleClick;
};

struct TagListWindowTest : ::testing::Test {
    TagListWindowTest()
    {
        writeBytes(home.file(QStringLiteral("usertag.tol")),
            ShiftJis::encode(QStringLiteral("TOL0=<MARK></MARK>\r\nTOL1=<a href=\"x,y\">\r\n")));
        writeBytes(home.file(QStringLiteral("templete.tol")),
            ShiftJis::encode(QStringLiteral(
                "TOL0=<P>本文</P>\r\nTLN0=段落\r\nTLN2=skipped\r\nTOL1=<BR>\r\nTLN1=改行\r\nTLN2=空\r\n")));
    }

    TestHome home;
    ScriptedHost host;
    Editor editor { host };
    ScriptedTagListWindow window;
    TagListWindowCommands commands { editor, window, home.path() };
};

struct ClickRow {
    const char* name;
    bool snippets;
    bool upper;
    int index;
    const char16_t* text;
};

class DoubleClick : public TagListWindowTest, public ::testing::WithParamInterface<ClickRow> { };

} // namespace

TEST_F(TagListWindowTest, EachOpeningRereadsItsListIntoTheSameWindow)
{
    commands.T_CusumTag_Click();
    EXPECT_EQ(window.caption, QStringLiteral("タグリスト"));
    EXPECT_EQ(window.lines, QStringList({ "<MARK></MARK>", "<a href=\"x,y\">" }));

    // An entry added while the program runs is listed at the next opening.
    TagListMenus menus(editor, home.path());
    host.answerInputs({ QStringLiteral("<NEW>") });
    menus.T_C_Add_Click();
    commands.T_CusumTag_Click();
    EXPECT_EQ(window.lines.last(), QStringLiteral("<NEW>"));

    commands.T_TemplateTag_Click();
    EXPECT_EQ(window.caption, QStringLiteral("ひな型"));
    EXPECT_EQ(window.lines, QStringList({ "段落", "改行", "空" }));
    EXPECT_EQ(window.shows, 3);
}

TEST_F(TagListWindowTest, MissingListFileOpensAnEmptyList)
{
    QFile::remove(home.file(QStringLiteral("usertag.tol")));
    commands.T_CusumTag_Click();
    EXPECT_EQ(window.caption, QStringLiteral("タグリスト"));
    EXPECT_TRUE(window.lines.isEmpty());
}

TEST_P(DoubleClick, InsertsAtTheCaret)
{
    const ClickRow& row = GetParam();
    editor.settings().UpperCaseTags = row.upper;
    host.stringBox().setText(QStringLiteral("[sel]"));
    host.stringBox().select(1, 3);
    row.snippets ? commands.T_TemplateTag_Click() : commands.T_CusumTag_Click();
    window.doubleClickLine(row.index);
    EXPECT_EQ(host.stringBox().text(), QString::fromUtf16(row.text));
    EXPECT_FALSE(editor.document().Modified());
}

INSTANTIATE_TEST_SUITE_P(Lists, DoubleClick,
    ::testing::Values(ClickRow { "tag_upper", false, true, 0, u"[<MARK></MARK>]" },
        ClickRow { "tag_kept_in_lower_mode", false, false, 0, u"[<MARK></MARK>]" },
        ClickRow { "tag_with_comma_and_quotes", false, true, 1, u"[<a href=\"x,y\">]" },
        ClickRow { "snippet_upper", true, true, 0, u"[<P>本文</P>]" },
        ClickRow { "snippet_lowered", true, false, 0, u"[<p>本文</p>]" },
        ClickRow { "second_snippet", true, true, 1, u"[<BR>]" },
        ClickRow { "nothing_selected", true, true, -1, u"[sel]" },
        ClickRow { "snippet_without_content", true, true, 2, u"[sel]" }),
    [](const auto& info) { return std::string(info.param.name); });
