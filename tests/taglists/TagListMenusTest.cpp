#include "taglists/TagListMenus.h"
#include "core/Editor.h"
#include "files/ShiftJisCodec.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::ScriptedHost;
using quorlex::test::TestHome;

namespace {

const QString Placeholder = QStringLiteral("未登録");

struct TagListMenusTest : ::testing::Test {
    TestHome home;
    ScriptedHost host;
    Editor editor { host };
    TagListMenus menus { editor, home.path() };

    TagListMenusTest()
    {
        // The menus as designed: one placeholder item in each array.
        host.menuCaptions.insert(QStringLiteral("T_C_Item_0"), Placeholder);
        host.menuCaptions.insert(QStringLiteral("T_T_Item_0"), Placeholder);
        editor.settings().UpperCaseTags = true;
    }

    QByteArray bytes(const QString& name) const
    {
        return QFile::exists(home.file(name)) ? test::readBytes(home.file(name)) : QByteArray();
    }
    void write(const QString& name, const QString& text)
    {
        test::writeBytes(home.file(name), ShiftJis::encode(text));
    }
    QStringList captions(const QString& array) const
    {
        QStringList out;
        for (int i = 0; i < host.menuItemCount(array); ++i)
            out.append(host.menuCaption(array + u'_' + QString::number(i)));
        return out;
    }
    bool enabled(const QString& item) const { return host.isMenuEnabled(item); }
    QString text() { return host.stringBox().text(); }
    void addTag(const QString& tag)
    {
        host.answerInputs({ tag });
        menus.T_C_Add_Click();
    }
    void addSnippet(const QString& title, const QString& content)
    {
        host.answerInputs({ title, content });
        menus.T_T_Add_Click();
    }
};

TEST_F(TagListMenusTest, AddCustomTagAsksAndAppendsNumberedLines)
{
    addTag(QStringLiteral("<ABC></ABC>"));
    addTag(QStringLiteral("<BLINK>"));
    ASSERT_EQ(host.inputs.size(), 2);
    EXPECT_EQ(
        host.inputs[0].prompt, QStringLiteral("登録したい新タグを入力してください。\r\n例) <ABC></ABC>"));
    EXPECT_EQ(host.inputs[0].title, QStringLiteral("カスタムタグの登録"));
    EXPECT_TRUE(host.inputs[0].defaultText.isEmpty());
    EXPECT_EQ(bytes(QStringLiteral("usertag.tol")), QByteArray("TOL0=<ABC></ABC>\r\nTOL1=<BLINK>\r\n"));
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(TagListMenusTest, AddSnippetWritesContentThenTitle)
{
    addSnippet(QStringLiteral("挨拶"), QStringLiteral("<P>こんにちは</P>"));
    ASSERT_EQ(host.inputs.size(), 2);
    EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("ひな型のタイトルを入力してください。"));
    EXPECT_EQ(host.inputs[1].prompt, QStringLiteral("ひな型の内容を入力してください。"));
    EXPECT_EQ(host.inputs[0].title, QStringLiteral("ひな型の新規作成"));
    EXPECT_EQ(host.inputs[1].title, QStringLiteral("ひな型の新規作成"));
    EXPECT_EQ(
        bytes(QStringLiteral("templete.tol")), ShiftJis::encode(u"TOL0=<P>こんにちは</P>\r\nTLN0=挨拶\r\n"));
}

TEST_F(TagListMenusTest, CancelledOrEmptyAnswersWriteNothing)
{
    menus.T_C_Add_Click(); // cancelled
    addTag(QString()); // nothing typed
    menus.T_T_Add_Click(); // title cancelled: the content is not asked
    EXPECT_EQ(host.inputs.size(), 3);
    addSnippet(QStringLiteral("題"), QString()); // content cancelled
    EXPECT_EQ(host.inputs.size(), 5);
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("usertag.tol"))));
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("templete.tol"))));
}

TEST_F(TagListMenusTest, EntriesAddedWhileRunningShowFromTheNextStart)
{
    addTag(QStringLiteral("<X>"));
    addSnippet(QStringLiteral("t"), QStringLiteral("c"));
    menus.FillTagListMenus();
    EXPECT_EQ(captions(QStringLiteral("T_C_Item")), QStringList { QStringLiteral("<X>") });

    addTag(QStringLiteral("<Y>"));
    addSnippet(QStringLiteral("t2"), QStringLiteral("c2"));
    EXPECT_EQ(captions(QStringLiteral("T_C_Item")), QStringList { QStringLiteral("<X>") });
    EXPECT_EQ(captions(QStringLiteral("T_T_Item")), QStringList { QStringLiteral("t") });

    ScriptedHost nextHost;
    nextHost.menuCaptions.insert(QStringLiteral("T_C_Item_0"), Placeholder);
    nextHost.menuCaptions.insert(QStringLiteral("T_T_Item_0"), Placeholder);
    Editor nextEditor { nextHost };
    TagListMenus next { nextEditor, home.path() };
    next.FillTagListMenus();
    EXPECT_EQ(nextHost.menuCaption(QStringLiteral("T_C_Item_1")), QStringLiteral("<Y>"));
    EXPECT_EQ(nextHost.menuCaption(QStringLiteral("T_T_Item_1")), QStringLiteral("t2"));
}

TEST_F(TagListMenusTest, TwoDigitEntriesListAndInsertLikeOthers)
{
    for (int n = 0; n < 12; ++n) {
        addTag(QStringLiteral("<T%1>").arg(n));
        addSnippet(QStringLiteral("題%1").arg(n), QStringLiteral("内容%1").arg(n));
    }
    EXPECT_TRUE(bytes(QStringLiteral("usertag.tol")).endsWith("TOL10=<T10>\r\nTOL11=<T11>\r\n"));
    host.setMenuEnabled(QStringLiteral("T_C_Item_0"), false);
    menus.FillTagListMenus();
    EXPECT_TRUE(enabled(QStringLiteral("T_C_Item_0")));
    EXPECT_TRUE(enabled(QStringLiteral("T_C_Item_11")));
    const QStringList tags = captions(QStringLiteral("T_C_Item"));
    ASSERT_EQ(tags.size(), 12);
    EXPECT_EQ(tags[11], QStringLiteral("<T11>"));
    EXPECT_EQ(captions(QStringLiteral("T_T_Item")).value(10), QStringLiteral("題10"));

    menus.T_C_Item_Click(10);
    menus.T_T_Item_Click(10);
    menus.T_T_Item_Click(1);
    EXPECT_EQ(text(), QStringLiteral("<T10>内容10内容1"));
}

TEST_F(TagListMenusTest, ValuesWithEqualsCommasAndQuotesRoundTrip)
{
    const QString tag = QStringLiteral("<A HREF=\"a.htm?x=1,y=2\" TITLE='q'>リンク</A>");
    const QString content = QStringLiteral("a=b, \"c\" = d ");
    addTag(tag);
    addSnippet(QStringLiteral("x=y,\"z\""), content);
    menus.FillTagListMenus();
    EXPECT_EQ(host.menuCaption(QStringLiteral("T_C_Item_0")), tag);
    EXPECT_EQ(host.menuCaption(QStringLiteral("T_T_Item_0")), QStringLiteral("x=y,\"z\""));
    menus.T_C_Item_Click(0);
    menus.T_T_Item_Click(0);
    EXPECT_EQ(text(), tag + content);
}

TEST_F(TagListMenusTest, DuplicateContentNumbersInsertTheFirstAndCountForNumbering)
{
    write(QStringLiteral("templete.tol"), QStringLiteral("TOL0=first\r\nTOL0=second\r\nTLN0=題\r\n"));
    menus.FillTagListMenus();
    menus.T_T_Item_Click(0);
    EXPECT_EQ(text(), QStringLiteral("first"));
    addSnippet(QStringLiteral("t"), QStringLiteral("c"));
    EXPECT_TRUE(bytes(QStringLiteral("templete.tol")).endsWith("TOL2=c\r\nTLN2=t\r\n"));
}

TEST_F(TagListMenusTest, HandEditedTitleOrderListsOnlyTitleZero)
{
    write(QStringLiteral("templete.tol"), QStringLiteral("TOL1=b\nTLN1=second\nTOL0=a\nTLN0=first\n"));
    menus.FillTagListMenus();
    EXPECT_EQ(captions(QStringLiteral("T_T_Item")), QStringList { QStringLiteral("first") });
    menus.T_T_Item_Click(0);
    menus.T_T_Item_Click(1); // not an item
    EXPECT_EQ(text(), QStringLiteral("a"));
}

TEST_F(TagListMenusTest, MissingCustomTagFileStillFillsSnippets)
{
    write(QStringLiteral("templete.tol"), QStringLiteral("TOL0=内容\r\nTLN0=題\r\n"));
    menus.FillTagListMenus();
    EXPECT_EQ(captions(QStringLiteral("T_C_Item")), QStringList { Placeholder });
    EXPECT_FALSE(enabled(QStringLiteral("T_C_Item_0")));
    EXPECT_EQ(captions(QStringLiteral("T_T_Item")), QStringList { QStringLiteral("題") });
    EXPECT_TRUE(enabled(QStringLiteral("T_T_Item_0")));
}

TEST_F(TagListMenusTest, PlaceholderIsDisabledAndInsertsNothing)
{
    // A content line without its title leaves the snippet list empty too.
    write(QStringLiteral("templete.tol"), QStringLiteral("TOL0=orphan\r\n"));
    host.setMenuEnabled(QStringLiteral("T_T_Item_0"), true);
    menus.FillTagListMenus();
    EXPECT_FALSE(enabled(QStringLiteral("T_C_Item_0")));
    EXPECT_FALSE(enabled(QStringLiteral("T_T_Item_0")));
    menus.T_C_Item_Click(0);
    menus.T_T_Item_Click(0);
    EXPECT_EQ(text(), QString());
}

TEST_F(TagListMenusTest, LowerCaseModeLowerCasesInsertedEntries)
{
    editor.settings().UpperCaseTags = false;
    addTag(QStringLiteral("<DIV CLASS=\"Note\">"));
    addSnippet(QStringLiteral("T"), QStringLiteral("<P>Hello ＡＢ</P>"));
    // Stored as typed.
    EXPECT_EQ(bytes(QStringLiteral("usertag.tol")), QByteArray("TOL0=<DIV CLASS=\"Note\">\r\n"));
    menus.FillTagListMenus();
    menus.T_C_Item_Click(0);
    menus.T_T_Item_Click(0);
    EXPECT_EQ(text(), QStringLiteral("<div class=\"note\"><p>hello ａｂ</p>"));
}

TEST_F(TagListMenusTest, AppendAfterAnUnendedLastLine)
{
    write(QStringLiteral("usertag.tol"), QStringLiteral("TOL0=<A>"));
    addTag(QStringLiteral("<B>"));
    EXPECT_EQ(bytes(QStringLiteral("usertag.tol")), QByteArray("TOL0=<A>\r\nTOL1=<B>\r\n"));
}

TEST_F(TagListMenusTest, FailedAppendIsReportedAndChangesNothing)
{
    const QString missing = home.file(QStringLiteral("gone"));
    TagListMenus elsewhere { editor, missing };
    host.answerInputs({ QStringLiteral("<X>") });
    elsewhere.T_C_Add_Click();
    ASSERT_EQ(host.messages.size(), 1);
    const auto& m = host.messages[0];
    EXPECT_EQ(m.text,
        QStringLiteral("「") + QDir::toNativeSeparators(elsewhere.customTagFile())
            + QStringLiteral("」に書き込めませんでした。\r保存先のフォルダが見つかりません。"));
    EXPECT_EQ(m.style.toNumber(), 48);
    EXPECT_TRUE(m.title.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing));

    // A folder where the snippet file should be.
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("templete.tol")));
    menus.FillTagListMenus();
    addSnippet(QStringLiteral("t"), QStringLiteral("c"));
    ASSERT_EQ(host.messages.size(), 2);
    EXPECT_TRUE(host.messages[1].text.contains(
        QStringLiteral("templete.tol」に書き込めませんでした。\r同じ名前のフォルダがあります。")));
    EXPECT_EQ(captions(QStringLiteral("T_T_Item")), QStringList { Placeholder });
    EXPECT_EQ(host.menuItemCount(QStringLiteral("T_C_Item")), 1);
}

TEST_F(TagListMenusTest, UnmappableCharactersAreStoredAsReferencesWithoutAsking)
{
    addTag(QStringLiteral("<I>😀</I>"));
    EXPECT_EQ(bytes(QStringLiteral("usertag.tol")), QByteArray("TOL0=<I>&#128512;</I>\r\n"));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(host.inputs.size(), 1);
}

} // namespace
