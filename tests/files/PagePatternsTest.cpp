#include "files/DocumentFilesFixture.h"
#include "support/QtPrinters.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

const QString PatternTitle = QStringLiteral("(テンプレート) - クォーレクス");
const QList<FileFilter> PatternFilters { { QStringLiteral("テンプレートファイル "), QStringLiteral("*.hpf") },
    { QStringLiteral("すべてのファイル "), QStringLiteral("*.*") } };

struct PagePatternsTest : DocumentFilesTest {
    PagePatterns& patterns() { return m_files.patterns(); }
    QString text() { return m_host.editBox().text(); }
    void expectDialog(FileDialogRequest::Kind kind, const QString& title)
    {
        ASSERT_FALSE(m_host.fileRequests.isEmpty());
        EXPECT_EQ(m_host.fileRequests.last().kind, kind);
        EXPECT_EQ(m_host.fileRequests.last().title, title);
        EXPECT_EQ(m_host.fileRequests.last().filters, PatternFilters);
        EXPECT_EQ(m_host.fileRequests.last().fileName, QString());
    }
};

TEST_F(PagePatternsTest, NewPatternAsksThenEmptiesTheEditorWithItsNote)
{
    editedPage("page.html", "old", QStringLiteral("changed"));
    m_host.answerMessages({ MsgAnswer::Cancel });
    patterns().F_T_New_Click();
    EXPECT_EQ(text(), QStringLiteral("changed"));
    EXPECT_FALSE(m_editor.document().PatternMode());

    m_host.messages.clear();
    m_host.answerMessages({ MsgAnswer::No });
    patterns().F_T_New_Click();
    ASSERT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[0].text, SavePrompt);
    EXPECT_EQ(m_host.messages[1].text,
        QStringLiteral("<BODY>の部分だけ作成してください。\r詳しくは、ヘルプを参照してください。\r"
                       "この文で作成されたパターンのタイトル、画面色の設定は、保存するときにできます。"));
    EXPECT_EQ(m_host.messages[1].style.toNumber(), 64);
    EXPECT_EQ(m_host.messages[1].title, QStringLiteral("クォーレクス"));
    EXPECT_EQ(text(), QString());
    EXPECT_TRUE(m_editor.document().PatternMode());
    EXPECT_EQ(m_editor.document().FilePath(), QString());
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_EQ(m_host.caption, QStringLiteral("無題") + PatternTitle);
}

TEST_F(PagePatternsTest, OpenPutsTheBodyIntoTheEditorAndKeepsThePagesPath)
{
    editedPage("page.html", "old", QStringLiteral("old"));
    m_editor.document().setModified(false);
    writeBytes(path("a.hpf"), "\"-x\"\r\n\"\"\r\n\"\"\r\n\"<P>\x93\xfa</P>\r\n\"\r\n");
    answerFile(path("a.hpf"));
    patterns().F_T_Open_Click();
    expectDialog(FileDialogRequest::Kind::Open, QStringLiteral("ホームページテンプレートを開く"));
    EXPECT_EQ(text(), QStringLiteral("<P>日</P>\r\n"));
    EXPECT_TRUE(m_editor.document().PatternMode());
    EXPECT_EQ(m_host.caption, path("a.hpf") + PatternTitle);
    EXPECT_EQ(m_editor.document().FilePath(), path("page.html"));
    EXPECT_FALSE(m_editor.document().Modified());
}

TEST_F(PagePatternsTest, UnreadablePatternIsNamedAndChangesNothing)
{
    writeBytes(path("short.hpf"), "\"a\"\r\n\"b\"\r\n\"c\"\r\n");
    for (const char* name : { "short.hpf", "missing.hpf" }) {
        m_host.messages.clear();
        m_host.editBox().setText(QStringLiteral("page"));
        answerFile(path(name));
        patterns().F_T_Open_Click();
        ASSERT_EQ(m_host.messages.size(), 1) << name;
        EXPECT_TRUE(m_host.messages[0].text.contains(path(name))) << name;
        EXPECT_TRUE(m_host.messages[0].text.startsWith(
            QStringLiteral("テンプレートファイルを読み込めませんでした。")));
        EXPECT_EQ(m_host.messages[0].style.toNumber(), 48);
        EXPECT_EQ(text(), QStringLiteral("page"));
        EXPECT_FALSE(m_editor.document().PatternMode());
    }
}

struct SaveRow {
    const char* name;
    QByteArray before; // empty: no file
    QByteArray after;
};

struct PatternSave : PagePatternsTest, ::testing::WithParamInterface<SaveRow> { };

TEST_P(PatternSave, StoresTheBodyAndKeepsTheOtherFields)
{
    SCOPED_TRACE(GetParam().name);
    untitledModified(QStringLiteral("<P>\"日\"</P>"));
    if (!GetParam().before.isEmpty())
        writeBytes(path("p.hpf"), GetParam().before);
    answerFile(path("p.hpf"));
    EXPECT_TRUE(patterns().F_T_Save_Click());
    expectDialog(FileDialogRequest::Kind::Save, QStringLiteral("ホームページテンプレートの保存"));
    EXPECT_EQ(readBytes(path("p.hpf")), GetParam().after);
    EXPECT_EQ(m_editor.document().FilePath(), path("p.hpf"));
    EXPECT_EQ(m_host.caption, path("p.hpf") + PatternTitle);
    EXPECT_FALSE(m_editor.document().Modified());
    EXPECT_FALSE(m_editor.document().PatternMode());
    EXPECT_EQ(entries(), QStringList { QStringLiteral("p.hpf") });
}

INSTANTIATE_TEST_SUITE_P(Files, PatternSave,
    ::testing::Values(SaveRow { "new-file", {}, "\"\"\r\n\"\"\r\n\"\"\r\n\"<P>\"\"\x93\xfa\"\"</P>\"\r\n" },
        SaveRow { "over-a-pattern", "\"-t\"\r\n\"#FF0000\"\r\n\"b.gif\"\r\n\"old\"\r\n",
            "\"-t\"\r\n\"#FF0000\"\r\n\"b.gif\"\r\n\"<P>\"\"\x93\xfa\"\"</P>\"\r\n" },
        SaveRow { "over-a-short-file", "\"-t\"\r\n",
            "\"-t\"\r\n\"\"\r\n\"\"\r\n\"<P>\"\"\x93\xfa\"\"</P>\"\r\n" }));

TEST_F(PagePatternsTest, EmptyEditorOrCancelStoresNothing)
{
    m_editor.document().setModified(true);
    answerFile(path("p.hpf"));
    EXPECT_FALSE(patterns().F_T_Save_Click());
    EXPECT_TRUE(m_host.fileRequests.isEmpty());

    m_host.fileAnswers.clear();
    m_host.editBox().setText(QStringLiteral("body"));
    EXPECT_FALSE(patterns().F_T_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 1);
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_EQ(entries(), QStringList());
}

struct SaveFailureRow {
    const char* name;
    std::error_code error;
    const char16_t* message;
    int style;
};

struct PatternSaveFailure : PagePatternsTest, ::testing::WithParamInterface<SaveFailureRow> { };

TEST_P(PatternSaveFailure, ReportsAndLeavesTheOldFile)
{
    SCOPED_TRACE(GetParam().name);
    writeBytes(path("p.hpf"), "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"old\"\r\n");
    untitledModified(QStringLiteral("new body"));
    m_ops.failAt(FaultyFileOps::Step::Write, GetParam().error);
    answerFile(path("p.hpf"));
    EXPECT_FALSE(patterns().F_T_Save_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, QString::fromUtf16(GetParam().message));
    EXPECT_EQ(m_host.messages[0].style.toNumber(), GetParam().style);
    EXPECT_EQ(readBytes(path("p.hpf")), "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"old\"\r\n");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("p.hpf") });
    EXPECT_EQ(m_editor.document().FilePath(), path("p.hpf"));
    EXPECT_TRUE(m_editor.document().Modified());
}

INSTANTIATE_TEST_SUITE_P(Errors, PatternSaveFailure,
    ::testing::Values(SaveFailureRow { "access-denied", std::make_error_code(std::errc::permission_denied),
                          u"ファイルが読み込み専用になっています。\r解除してから保存して下さい。", 16 },
        SaveFailureRow { "disk-full", std::make_error_code(std::errc::no_space_on_device),
            u"ディスクの空き領域が不足しています。", 48 }));

// ---- Save while the editor holds a pattern -------------------------------------------------

TEST_F(PagePatternsTest, SaveStoresAnOpenedPatternInPlace)
{
    editedPage("page.html", "<HTML>page</HTML>", QStringLiteral("<HTML>page</HTML>"));
    m_editor.document().setModified(false);
    writeBytes(path("a.hpf"), "\"-t\"\r\n\"#FF0000\"\r\n\"b.gif\"\r\n\"old\"\r\n");
    answerFile(path("a.hpf"));
    patterns().F_T_Open_Click();
    m_host.editBox().setText(QStringLiteral("new"));
    m_editor.document().setModified(true);

    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 1);
    EXPECT_EQ(readBytes(path("a.hpf")), "\"-t\"\r\n\"#FF0000\"\r\n\"b.gif\"\r\n\"new\"\r\n");
    EXPECT_EQ(readBytes(path("page.html")), "<HTML>page</HTML>");
    EXPECT_FALSE(m_editor.document().Modified());
    EXPECT_EQ(m_host.caption, path("a.hpf") + PatternTitle);
}

TEST_F(PagePatternsTest, APageLoadedOverAnOpenedPatternIsNeverStoredIntoIt)
{
    writeBytes(path("a.hpf"), "\"\"\r\n\"\"\r\n\"\"\r\n\"old\"\r\n");
    answerFile(path("a.hpf"));
    patterns().F_T_Open_Click();
    editedPage("page.html", "<HTML>page</HTML>", QStringLiteral("<HTML>edited</HTML>"));
    EXPECT_FALSE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.last().title, QStringLiteral("ホームページテンプレートの保存"));
    EXPECT_EQ(readBytes(path("a.hpf")), "\"\"\r\n\"\"\r\n\"\"\r\n\"old\"\r\n");
    EXPECT_EQ(readBytes(path("page.html")), "<HTML>page</HTML>");
}

TEST_F(PagePatternsTest, SaveOfANewPatternAsksForItsFileOnce)
{
    patterns().F_T_New_Click();
    m_host.editBox().setText(QStringLiteral("<P>body</P>"));
    m_editor.document().setModified(true);
    EXPECT_FALSE(m_files.F_Save_Click());
    EXPECT_TRUE(m_editor.document().Modified());

    answerFile(path("n.hpf"));
    EXPECT_TRUE(m_files.F_Save_Click());
    m_host.editBox().setText(QStringLiteral("<P>again</P>"));
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 2);
    EXPECT_EQ(readBytes(path("n.hpf")), "\"\"\r\n\"\"\r\n\"\"\r\n\"<P>again</P>\"\r\n");
    EXPECT_TRUE(m_editor.document().PatternMode());
}

TEST_F(PagePatternsTest, PageSaveNeverWritesOverASavedPattern)
{
    untitledModified(QStringLiteral("<P>page</P>"));
    answerFile(path("p.hpf"));
    ASSERT_TRUE(patterns().F_T_Save_Click());
    m_editor.document().setModified(true);

    EXPECT_FALSE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 2);
    EXPECT_EQ(m_host.fileRequests.last().title, QStringLiteral("ホームページの保存"));
    EXPECT_EQ(m_host.fileRequests.last().fileName, QString());
    // Chosen in the page's save dialog all the same, the pattern is refused with a message.
    answerFile(path("p.hpf"));
    EXPECT_FALSE(m_files.F_Save_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.contains(QStringLiteral("テンプレート")));
    EXPECT_EQ(readBytes(path("p.hpf")), "\"\"\r\n\"\"\r\n\"\"\r\n\"<P>page</P>\"\r\n");
    EXPECT_TRUE(m_editor.document().Modified());
}

} // namespace
