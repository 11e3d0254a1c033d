#include "tags/LinkCommands.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "dialogs/FilterList.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>

using namespace quorlex;
using quorlex::test::ScriptedHost;

namespace {

using Command = std::function<void(LinkCommands&)>;
const char16_t* const Cancel = nullptr;

struct LinkCommandsTest : ::testing::Test {
    ScriptedHost host;
    Editor editor { host };
    FileDlg resource { host };
    FileDlg document { host };
    LinkCommands commands { editor, resource, document };

    // A page at pagePath (untitled when empty) holding "ab" with the caret between a and b.
    void setUp(bool upperCase, const QString& pagePath, const char16_t* answer)
    {
        editor.settings().UpperCaseTags = upperCase;
        editor.document().setCurrentFile(pagePath, false, QString());
        host.cwd = QStringLiteral("C:\\work");
        host.stringBox().setText(QStringLiteral("ab"));
        host.stringBox().select(1, 0);
        if (answer)
            host.fileAnswers.enqueue({ true, QString::fromUtf16(answer) });
    }
    QString inserted()
    {
        QString text = host.stringBox().text();
        return text.mid(1, text.size() - 2);
    }
};

// ---- What each command inserts ------------------------------------------------------------

struct InsertRow {
    const char* name;
    Command run;
    bool upperCase;
    const char16_t* page;
    const char16_t* answer;
    const char16_t* expected;
};

struct Inserts : LinkCommandsTest, ::testing::WithParamInterface<InsertRow> { };

TEST_P(Inserts, TagWithAddressFromThePagesFolder)
{
    const InsertRow& row = GetParam();
    SCOPED_TRACE(row.name);
    setUp(row.upperCase, QString::fromUtf16(row.page), row.answer);
    row.run(commands);
    EXPECT_EQ(inserted(), QString::fromUtf16(row.expected));
    EXPECT_EQ(host.stringBox().selStart(), host.stringBox().text().size() - 1);
    EXPECT_FALSE(editor.document().Modified());
}

const char16_t* const Page = u"C:\\site\\index.htm";

INSTANTIATE_TEST_SUITE_P(Commands, Inserts,
    ::testing::Values(InsertRow { "image-below-page", &LinkCommands::I_img_Click, true, Page,
                          u"C:\\site\\img\\logo.gif", u"<img src=\"img/logo.gif\">" },
        InsertRow { "image-jpeg-keeps-its-name", &LinkCommands::I_img_Click, true, Page,
            u"C:\\site\\photo.jpeg", u"<img src=\"photo.jpeg\">" },
        InsertRow { "image-capitals-lower-cased", &LinkCommands::I_img_Click, false, Page,
            u"C:\\site\\LOGO.GIF", u"<img src=\"logo.gif\">" },
        InsertRow { "image-without-extension", &LinkCommands::I_img_Click, true, Page, u"C:\\site\\logo",
            u"<img src=\"logo.gif\">" },
        InsertRow { "image-untitled-page", &LinkCommands::I_img_Click, true, u"", u"C:\\work\\a.gif",
            u"<img src=\"a.gif\">" },
        InsertRow { "music-typed-address", &LinkCommands::I_midi_Click, true, Page, u"http://x.jp/song",
            u"<bgsound src=\"http://x.jp/song.mid\"..>" },
        InsertRow { "music-lower-case", &LinkCommands::I_midi_Click, false, Page, u"C:\\site\\BGM\\Song.MID",
            u"<bgsound src=\"bgm/song.mid\"..>" },
        InsertRow { "video-without-extension", &LinkCommands::I_video_Click, true, Page, u"C:\\movie",
            u"<img dynsrc=\"../movie.avi\">" },
        InsertRow { "plugin-keeps-backslashes", &LinkCommands::I_E_PluginTag_Click, true, Page,
            u"C:\\site\\plug\\x.swf", u"<EMBED URL=\"plug\\x.swf\">" },
        InsertRow { "plugin-lower-case-no-extension", &LinkCommands::I_E_PluginTag_Click, false, Page,
            u"C:\\site\\Plug\\X", u"<embed url=\"plug\\x\">" }));

// ---- The dialog each command shows ---------------------------------------------------------

struct DialogRow {
    const char* name;
    Command run;
    bool resourceDialog;
    const char16_t* title;
    const char16_t* filter;
};

struct Dialogs : LinkCommandsTest, ::testing::WithParamInterface<DialogRow> { };

TEST_P(Dialogs, AcceptAnyTextWhileUpAndDefaultChecksAfterwards)
{
    const DialogRow& row = GetParam();
    SCOPED_TRACE(row.name);
    FileDlg& used = row.resourceDialog ? resource : document;
    for (const char16_t* answer : { Cancel, u"C:\\site\\x.htm" }) {
        setUp(true, QString::fromUtf16(Page), answer);
        used.setFilename(QStringLiteral("previous.gif"));
        used.setFilter(QStringLiteral("前のフィルター|*.x|"));
        used.setFlags(FileDlgFlag::FileMustExist);
        host.answerInputs({ QStringLiteral("見出し") });
        host.fileRequests.clear();
        row.run(commands);

        ASSERT_EQ(host.fileRequests.size(), 1);
        const FileDialogRequest& request = host.fileRequests[0];
        EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
        EXPECT_EQ(request.title, QString::fromUtf16(row.title));
        EXPECT_EQ(request.filters, parseFilterList(QString::fromUtf16(row.filter)));
        EXPECT_EQ(request.fileName, QString());
        EXPECT_EQ(request.initialDirectory, QStringLiteral("C:\\work"));
        EXPECT_TRUE(request.acceptAnyText);
        EXPECT_FALSE(request.fileMustExist);
        EXPECT_EQ(used.Flags().toInt(), 0);
        // The plug-in passes its filter and leaves the object's own as it was.
        EXPECT_EQ(used.Filter(),
            row.resourceDialog ? QString::fromUtf16(row.filter) : QStringLiteral("前のフィルター|*.x|"));
        // A cancelled dialog inserts nothing and asks nothing more.
        EXPECT_EQ(inserted().isEmpty(), answer == Cancel);
        EXPECT_TRUE(answer != Cancel || host.inputs.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, Dialogs,
    ::testing::Values(
        DialogRow { "image", &LinkCommands::I_img_Click, true, u"画像の指定　★直接URLも入力できます",
            u"画像(GIF,JPEG) |*.gif;*.jpeg;*.jpg|すべてのファイル |*.*|" },
        DialogRow { "music", &LinkCommands::I_midi_Click, true, u"音楽(MIDI)の指定　★直接URLも入力できます",
            u"MIDIシーケンス(MID) |*.mid|すべてのファイル |*.*|" },
        DialogRow { "video", &LinkCommands::I_video_Click, true, u"動画の指定　★直接URLも入力できます",
            u"動画(AVI,MPEG) |*.mpg;*.mpeg;*.avi|すべてのファイル |*.*|" },
        DialogRow { "link", &LinkCommands::I_L_Insert_Click, true,
            u"ハイパーリンクの挿入　★直接URLも入力できます",
            u"ホームページ |*.htm;*.html|すべてのファイル |*.*|" },
        DialogRow { "plugin", &LinkCommands::I_E_PluginTag_Click, false,
            u"プラグインファイルの指定　★直接URLも入力できます", u"すべてのファイル |*.*|" }));

// ---- The hyperlink's two questions ----------------------------------------------------------

struct LinkRow {
    const char* name;
    bool upperCase;
    const char16_t* selection; // empty: the caption is asked for
    const char16_t* answer;
    QStringList inputAnswers; // caption (when asked), then frame
    const char16_t* expected;
};

struct Links : LinkCommandsTest, ::testing::WithParamInterface<LinkRow> { };

TEST_P(Links, AskCaptionWhenNothingIsSelectedAndAlwaysTheFrame)
{
    const LinkRow& row = GetParam();
    SCOPED_TRACE(row.name);
    setUp(row.upperCase, QString::fromUtf16(Page), row.answer);
    const QString selection = QString::fromUtf16(row.selection);
    host.stringBox().setText(u'a' + selection + u'b');
    host.stringBox().select(1, selection.size());
    host.answerInputs(row.inputAnswers);
    commands.I_L_Insert_Click();

    EXPECT_EQ(inserted(), QString::fromUtf16(row.expected));
    const qsizetype asked = selection.isEmpty() ? 2 : 1;
    ASSERT_EQ(host.inputs.size(), asked);
    if (selection.isEmpty()) {
        EXPECT_EQ(host.inputs[0].prompt, QStringLiteral("ハイパーリンクの見出しを入力してください。"));
        EXPECT_EQ(host.inputs[0].title, QStringLiteral("ハイパーリンクの挿入"));
        EXPECT_EQ(host.inputs[0].defaultText, inserted().section(u'"', 1, 1)); // the address
    }
    EXPECT_EQ(host.inputs.last().prompt, QStringLiteral("リンクを表示するフレーム名を入力してください。"));
    EXPECT_EQ(host.inputs.last().title, QString());
    EXPECT_EQ(host.inputs.last().defaultText, QString());
}

INSTANTIATE_TEST_SUITE_P(Commands, Links,
    ::testing::Values(LinkRow { "selected-caption-no-frame", true, u"Top", u"C:\\site\\sub\\a.htm", {},
                          u"<a href=\"sub/a.htm\">Top</a>" },
        LinkRow { "asked-caption-and-frame", true, u"", u"C:\\site\\a.htm", { "目次", "main" },
            u"<a href=\"a.htm\" target=\"main\">目次</a>" },
        LinkRow { "address-in-capitals", true, u"", u"HTTP://X.JP/", { "X", "" },
            u"<a href=\"HTTP://X.JP/\">X</a>" },
        LinkRow { "lower-case-mode", false, u"Top", u"FTP://X.JP/A.TXT", { "Main" },
            u"<a href=\"ftp://x.jp/a.txt\" target=\"main\">top</a>" },
        LinkRow { "parent-folder", true, u"up", u"C:\\index.htm", {}, u"<a href=\"../index.htm\">up</a>" }));

} // namespace
