#include "wizards/NewPage.h"
#include "ScriptedNewHtml.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "dialogs/FilterList.h"
#include "files/DocumentFiles.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::ScriptedHost;
using quorlex::test::ScriptedNewHtml;

namespace {

const QString DefaultPage
    = QStringLiteral("<HTML>\r\n\r\n<HEAD>\r\n<title></title>\r\n</HEAD>\r\n\r\n<BODY>\r\n"
                     "(ここから入力してください。)\r\n</BODY>\r\n\r\n</HTML>");

// ---- The body tag ---------------------------------------------------------------------------

struct BodyTagRow {
    const char* name;
    PagePattern pattern;
    NewPageBackground background;
    const char16_t* expected;
};

struct BodyTag : ::testing::TestWithParam<BodyTagRow> { };

TEST_P(BodyTag, FollowsTheTableInOrder)
{
    SCOPED_TRACE(GetParam().name);
    EXPECT_EQ(
        newPageBodyTag(GetParam().pattern, GetParam().background), QString::fromUtf16(GetParam().expected));
}

const QString NoColour = noColourChosenCaption();

INSTANTIATE_TEST_SUITE_P(Rows, BodyTag,
    ::testing::Values(BodyTagRow { "pattern-colour-wins", { "", "#123456", "p.gif", "" },
                          { NewHtmlOption::Option4, "C:\\a.gif", NoColour }, u"<BODY BGColor=#123456>" },
        BodyTagRow { "white", {}, { NewHtmlOption::Option1, "", NoColour }, u"<BODY bgcolor=#FFFFFF>" },
        BodyTagRow { "blue-ignores-pattern-image", { "", "", "p.gif", "" },
            { NewHtmlOption::Option3, "", NoColour }, u"<BODY bgcolor=#E2FFFF>" },
        BodyTagRow { "pattern-image", { "", "", "p.gif", "" },
            { NewHtmlOption::Option4, "C:\\a.gif", NoColour }, u"<BODY Background=\"p.gif\">" },
        BodyTagRow { "typed-image", {}, { NewHtmlOption::Option4, "C:\\a.gif", NoColour },
            u"<BODY background=\"C:\\a.gif\">" },
        BodyTagRow {
            "no-image-at-all", {}, { NewHtmlOption::Option4, "", NoColour }, u"<BODY background=\"\">" },
        BodyTagRow {
            "chosen-colour", {}, { NewHtmlOption::Option5, "", "#00FF00" }, u"<BODY bgcolor=\"#00FF00\">" },
        BodyTagRow { "no-colour-chosen", {}, { NewHtmlOption::Option5, "", NoColour }, u"<BODY>" },
        BodyTagRow { "no-colour", { "", "", "p.gif", "" }, { NewHtmlOption::Option2, "C:\\a.gif", NoColour },
            u"<BODY>" }));

TEST(NewPageText, ElevenLinesWithTheTitleAndBody)
{
    EXPECT_EQ(newPageText(QString(), {}, QStringLiteral("<BODY>")), DefaultPage);
    const PagePattern pattern { QStringLiteral(" - 日記"), QString(), QString(),
        QStringLiteral("<P>a</P>\r\n<P>b</P>") };
    EXPECT_EQ(newPageText(QStringLiteral("Top"), pattern, QStringLiteral("<BODY bgcolor=#FFFFFF>")),
        QStringLiteral(
            "<HTML>\r\n\r\n<HEAD>\r\n<title>Top - 日記</title>\r\n</HEAD>\r\n\r\n<BODY bgcolor=#FFFFFF>\r\n"
            "<P>a</P>\r\n<P>b</P>\r\n</BODY>\r\n\r\n</HTML>"));
    EXPECT_EQ(colourCaption(0x1a2b3c), QStringLiteral("#1A2B3C"));
    EXPECT_EQ(colourOfCaption(QStringLiteral("#1A2B3C")), 0x1a2b3cu);
    EXPECT_EQ(colourOfCaption(NoColour), std::nullopt);
}

// ---- The wizard on a scripted dialog -------------------------------------------------------------

struct NewPageWizardTest : ::testing::Test {
    test::TestHome home;
    ScriptedHost host;
    Editor editor { host };
    FileDlg resource { host };
    FileDlg document { host };
    DocumentFiles files { editor, document };
    ScriptedNewHtml::Script script;
    int opened = 0;
    NewPageWizard wizard { editor, files, resource, document, [this] {
                              ++opened;
                              return std::make_unique<ScriptedNewHtml>(script);
                          } };
    QString text() { return host.editBox().text(); }

    // A pattern being edited, as the page pattern commands leave it.
    void editingPattern()
    {
        host.editBox().setText(QStringLiteral("<P>pattern</P>"));
        editor.document().setCurrentFile(QStringLiteral("/p/page.html"), false, QStringLiteral("before"));
        editor.document().setPatternMode(true);
    }
};

TEST_F(NewPageWizardTest, FinishWithDefaultsReplacesTheText)
{
    editingPattern();
    editor.settings().UpperCaseTags = false;
    bool unloadedAtFinish = false;
    script = [&](NewPageWizard& w, ScriptedNewHtml& d) {
        w.Command1_Click();
        unloadedAtFinish = d.unloaded;
    };
    wizard.F_New_Click();
    EXPECT_TRUE(unloadedAtFinish);
    EXPECT_EQ(text(), DefaultPage);
    EXPECT_EQ(editor.document().FilePath(), QString());
    EXPECT_TRUE(editor.document().Modified());
    EXPECT_FALSE(editor.document().PatternMode());
    EXPECT_EQ(host.caption, QStringLiteral("無題 - クォーレクス"));
}

TEST_F(NewPageWizardTest, CancelAtTheQuestionOrInTheDialogLeavesThePattern)
{
    editingPattern();
    editor.document().setModified(true);
    host.answerMessages({ MsgAnswer::Cancel, MsgAnswer::No });
    script = [](NewPageWizard& w, ScriptedNewHtml& d) {
        d.setText(NewHtmlBox::Text1, QStringLiteral("x"));
        w.Command2_Click();
        EXPECT_TRUE(d.unloaded);
    };
    wizard.F_New_Click(); // the question is cancelled: no dialog
    EXPECT_EQ(opened, 0);
    wizard.F_New_Click(); // the changes are discarded, the dialog is cancelled
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(host.messages.size(), 2);
    EXPECT_EQ(host.messages[1].style.toNumber(), 35);
    EXPECT_EQ(text(), QStringLiteral("<P>pattern</P>"));
    EXPECT_EQ(editor.document().FilePath(), QStringLiteral("/p/page.html"));
    EXPECT_TRUE(editor.document().PatternMode());
    EXPECT_EQ(host.caption, QStringLiteral("before"));
}

TEST_F(NewPageWizardTest, BrowsedPatternIsReadOnFinish)
{
    const QString path = home.file(QStringLiteral("p.hpf"));
    test::writeBytes(path, "\"-x\"\r\n\"\"\r\n\"bg.gif\"\r\n\"<P>body</P>\"\r\n");
    resource.setFilename(QStringLiteral("kept.gif"));
    resource.setFlags(FileDlgFlag::HideReadOnly | FileDlgFlag::FileMustExist);
    host.fileAnswers.enqueue({ true, path });
    script = [path](NewPageWizard& w, ScriptedNewHtml& d) {
        w.Command3_Click();
        EXPECT_EQ(d.text(NewHtmlBox::Text2), path);
        d.setText(NewHtmlBox::Text1, QStringLiteral("T"));
        d.setText(NewHtmlBox::Text3, QStringLiteral("typed.gif"));
        w.Command1_Click();
    };
    wizard.F_New_Click();
    ASSERT_EQ(host.fileRequests.size(), 1);
    EXPECT_EQ(host.fileRequests[0].title, QStringLiteral("ホームページパターンを開く"));
    EXPECT_EQ(host.fileRequests[0].filters,
        parseFilterList(QStringLiteral("ホームページパターン |*.hpf|すべてのファイル |*.*|")));
    EXPECT_EQ(host.fileRequests[0].fileName, QStringLiteral("kept.gif"));
    EXPECT_EQ(resource.Flags().toInt(), 4100);
    EXPECT_EQ(text(),
        QStringLiteral(
            "<HTML>\r\n\r\n<HEAD>\r\n<title>T-x</title>\r\n</HEAD>\r\n\r\n<BODY Background=\"bg.gif\">\r\n"
            "<P>body</P>\r\n</BODY>\r\n\r\n</HTML>"));
}

TEST_F(NewPageWizardTest, UnreadablePatternIsNamedAndTheDialogStays)
{
    test::writeBytes(home.file(QStringLiteral("short.hpf")), "\"-x\"\r\n\"#FF0000\"\r\n");
    for (const QString& name : { QStringLiteral("short.hpf"), QStringLiteral("missing.hpf") }) {
        host.messages.clear();
        host.editBox().setText(QStringLiteral("old"));
        script = [&](NewPageWizard& w, ScriptedNewHtml& d) {
            d.setText(NewHtmlBox::Text2, home.file(name));
            w.Command1_Click();
            EXPECT_FALSE(d.unloaded);
        };
        wizard.F_New_Click();
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(host.messages[0].text.contains(home.file(name)));
        EXPECT_EQ(host.messages[0].style.toNumber(), 48);
        EXPECT_EQ(text(), QStringLiteral("old"));
    }
}

TEST_F(NewPageWizardTest, ImageBrowsingAndColourChoiceSelectTheirOptions)
{
    host.fileAnswers.enqueue({ true, QStringLiteral("C:\\img\\bg.gif") });
    script = [](NewPageWizard& w, ScriptedNewHtml& d) {
        for (std::optional<quint32> colour :
            { std::optional<quint32>(), std::optional(0x1a2b3cu), std::optional(0xffffffu) })
            d.colours.enqueue(colour);
        w.Command4_Click(); // cancelled
        EXPECT_EQ(d.option, NewHtmlOption::Option2);
        EXPECT_EQ(d.caption, noColourChosenCaption());
        w.Command4_Click();
        EXPECT_EQ(d.option, NewHtmlOption::Option5);
        EXPECT_EQ(d.caption, QStringLiteral("#1A2B3C"));
        w.Command4_Click(); // opens at the colour chosen before
        EXPECT_EQ(d.colourRequests.last(), 0x1a2b3cu);
        w.Command5_Click();
        EXPECT_EQ(d.option, NewHtmlOption::Option4);
        w.Command1_Click();
    };
    wizard.F_New_Click();
    ASSERT_EQ(host.fileRequests.size(), 1);
    EXPECT_EQ(host.fileRequests[0].title, QStringLiteral("画像ファイルを開く"));
    EXPECT_EQ(document.Filter(),
        QStringLiteral(
            "インターネットイメージ(gif,jpg,jpe)|*.gif;*.jpg;*.jpe;*.jpeg|すべてのファイル |*.*|"));
    EXPECT_TRUE(text().contains(QStringLiteral("<BODY background=\"C:\\img\\bg.gif\">")));
}

} // namespace
