#include "files/DocumentFilesFixture.h"
#include "files/ShiftJisCodec.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QFile>

#include <cerrno>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// --- Saving ----------------------------------------------------------------------------

TEST_F(DocumentFilesTest, SaveOfUntitledPageAsksForPathAndWritesExactlyTheText)
{
    untitledModified(QStringLiteral("<P>日本</P>\r\n<P>x"));
    m_dialog.setFilename(QStringLiteral("previous.html"));
    answerFile(path("saved.html"));
    EXPECT_TRUE(m_files.F_Save_Click());

    ASSERT_EQ(m_host.fileRequests.size(), 1);
    const FileDialogRequest& request = m_host.fileRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(request.title, QStringLiteral("ホームページの保存"));
    const QList<FileFilter> filters { { QStringLiteral("ホームページ"), QStringLiteral("*.htm;*.html") },
        { QStringLiteral("すべてのファイル"), QStringLiteral("*.*") } };
    EXPECT_EQ(request.filters, filters);
    EXPECT_EQ(request.fileName, QStringLiteral("previous.html"));
    EXPECT_TRUE(request.promptOverwrite);
    EXPECT_FALSE(request.fileMustExist);
    EXPECT_EQ(m_dialog.Flags().toInt(), 2);

    EXPECT_EQ(readBytes(path("saved.html")), "<P>\x93\xfa\x96\x7b</P>\r\n<P>x");
    EXPECT_EQ(m_editor.document().FilePath(), path("saved.html"));
    EXPECT_EQ(m_host.caption, QStringLiteral("saved.html") + Title);
    EXPECT_FALSE(m_editor.document().Modified());
}

TEST_F(DocumentFilesTest, EmptyEditorIsNeverSavedUnderANewName)
{
    m_editor.document().setModified(true);
    m_host.caption = QStringLiteral("無題") + Title;
    answerFile(path("empty.html"));
    EXPECT_FALSE(m_files.F_SaveAS_Click());
    EXPECT_FALSE(m_files.F_Save_Click());
    EXPECT_TRUE(m_host.fileRequests.isEmpty());
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_TRUE(m_editor.document().FilePath().isEmpty());
    EXPECT_EQ(m_host.caption, QStringLiteral("無題") + Title);
    EXPECT_FALSE(QFileInfo::exists(path("empty.html")));
}

TEST_F(DocumentFilesTest, CancelledSaveAsChangesNothing)
{
    editedPage("page.html", "old", QStringLiteral("new"));
    EXPECT_FALSE(m_files.F_SaveAS_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 1);
    EXPECT_EQ(m_editor.document().FilePath(), path("page.html"));
    EXPECT_EQ(m_host.caption, QStringLiteral("page.html") + Title);
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_EQ(readBytes(path("page.html")), "old");
}

TEST_F(DocumentFilesTest, SaveWhileEditingPatternNeverWritesOverThePageFile)
{
    editedPage("page.html", "<HTML>page</HTML>", QStringLiteral("<P>pattern body</P>"));
    m_editor.document().setPatternMode(true);

    EXPECT_FALSE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 1);
    EXPECT_TRUE(m_editor.document().Modified());

    answerFile(path("body.hpf"));
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 2);
    EXPECT_EQ(m_host.fileRequests[1].title, QStringLiteral("ホームページテンプレートの保存"));
    EXPECT_EQ(readBytes(path("body.hpf")), "\"\"\r\n\"\"\r\n\"\"\r\n\"<P>pattern body</P>\"\r\n");
    EXPECT_EQ(readBytes(path("page.html")), "<HTML>page</HTML>");
    EXPECT_FALSE(m_editor.document().Modified());
    EXPECT_TRUE(m_editor.document().PatternMode());
}

struct SaveErrorRow {
    const char* name;
    std::error_code error;
    QString text;
    int style;
};

void PrintTo(const SaveErrorRow& r, std::ostream* os)
{
    *os << r.name;
}

const SaveErrorRow saveErrorRows[] = {
    { "device_unavailable_68", { ENODEV, std::generic_category() },
        QStringLiteral("ディスクドライブが準備されていません。"), 48 },
    { "permission_denied_70", std::make_error_code(std::errc::permission_denied),
        QStringLiteral("ディスクが書き込み禁止になっています。"), 48 },
    { "write_protected_70", std::make_error_code(std::errc::read_only_file_system),
        QStringLiteral("ディスクが書き込み禁止になっています。"), 48 },
    { "disk_not_ready_71", { ENOMEDIUM, std::generic_category() },
        QStringLiteral("ディスクが準備されていません。"), 48 },
    { "read_only_file_75", make_error_code(FileErrc::ReadOnlyFile),
        QStringLiteral("ファイルが読み込み専用になっています。\r解除してから保存して下さい。"), 16 },
    { "disk_full", std::make_error_code(std::errc::no_space_on_device),
        QStringLiteral("ディスクの空き領域が不足しています。"), 48 },
    { "missing_folder", std::make_error_code(std::errc::no_such_file_or_directory),
        QStringLiteral("保存先のフォルダが見つかりません。"), 48 },
    { "io_error", std::make_error_code(std::errc::io_error),
        QStringLiteral("ディスクの読み書き中にエラーが発生しました。"), 48 },
};

class SaveErrorTest : public DocumentFilesTest,
                      public ::testing::WithParamInterface<std::tuple<SaveErrorRow, FaultyFileOps::Step>> { };

TEST_P(SaveErrorTest, ShowsTheRowOnceAndKeepsOldFileAndPage)
{
    const auto& [row, step] = GetParam();
    editedPage("page.html", "<P>old</P>", QStringLiteral("<P>new, longer text</P>"));
    m_ops.failAt(step, row.error);

    EXPECT_FALSE(m_files.F_Save_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, row.text);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), row.style);
    EXPECT_TRUE(m_host.messages[0].title.isEmpty());
    EXPECT_EQ(readBytes(path("page.html")), "<P>old</P>");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_EQ(m_host.caption, QStringLiteral("page.html") + Title);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("<P>new, longer text</P>"));
}

INSTANTIATE_TEST_SUITE_P(Rows, SaveErrorTest,
    ::testing::Combine(::testing::ValuesIn(saveErrorRows),
        ::testing::Values(FaultyFileOps::Step::Create, FaultyFileOps::Step::Write, FaultyFileOps::Step::Sync,
            FaultyFileOps::Step::Commit)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_at_"
            + quorlex::test::stepName(std::get<1>(info.param));
    });

TEST_F(DocumentFilesTest, UnknownErrorShowsItsDescription)
{
    editedPage("page.html", "old", QStringLiteral("new"));
    m_ops.failAt(FaultyFileOps::Step::Write, std::make_error_code(std::errc::protocol_error));
    EXPECT_FALSE(m_files.F_Save_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(
        m_host.messages[0].text.startsWith(QStringLiteral("ファイルの操作中にエラーが発生しました（")));
    EXPECT_EQ(m_host.messages[0].style.toNumber(), 48);
    EXPECT_EQ(readBytes(path("page.html")), "old");
}

TEST_F(DocumentFilesTest, ReadOnlyFileOnDiskIsReportedAsRow75)
{
    editedPage("page.html", "old", QStringLiteral("new"));
    ASSERT_TRUE(QFile::setPermissions(path("page.html"), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(m_files.F_Save_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text,
        QStringLiteral("ファイルが読み込み専用になっています。\r解除してから保存して下さい。"));
    EXPECT_EQ(m_host.messages[0].style.toNumber(), 16);
    EXPECT_EQ(readBytes(path("page.html")), "old");
    EXPECT_TRUE(m_editor.document().Modified());
}

TEST_F(DocumentFilesTest, MissingFolderOnDiskIsReported)
{
    untitledModified(QStringLiteral("text"));
    answerFile(path("gone/page.html"));
    EXPECT_FALSE(m_files.F_SaveAS_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, QStringLiteral("保存先のフォルダが見つかりません。"));
    EXPECT_FALSE(QFileInfo::exists(path("gone")));
    // A failed Save As does not take the new path: the caption and the next Save still name
    // the page as it was.
    EXPECT_TRUE(m_editor.document().FilePath().isEmpty());
    EXPECT_TRUE(m_editor.document().Modified());
}

#ifdef Q_OS_UNIX
TEST_F(DocumentFilesTest, FileSizeLimitOnDiskKeepsOldFile)
{
    editedPage("page.html", "old", QString(4000, u'x'));
    bool saved_ok = true;
    {
        test::FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.ok());
        saved_ok = m_files.F_Save_Click();
    }

    EXPECT_FALSE(saved_ok);
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, QStringLiteral("ファイルが大きすぎます。"));
    EXPECT_EQ(readBytes(path("page.html")), "old");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
    EXPECT_TRUE(m_editor.document().Modified());
}
#endif

// --- Characters without a Shift_JIS form ------------------------------------------------

TEST_F(DocumentFilesTest, UnmappableCharactersAreWrittenAsReferencesOnlyWhenAllowed)
{
    editedPage("page.html", "old", QStringLiteral("a\r\n☃ and 😀"));
    m_host.answerMessages({ MsgAnswer::No });
    EXPECT_FALSE(m_files.F_Save_Click());
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), 36);
    EXPECT_TRUE(m_host.messages[0].text.contains(QStringLiteral("（2 行 1 列）")));
    EXPECT_TRUE(m_host.messages[0].text.contains(QStringLiteral("（2 行 7 列）")));
    EXPECT_EQ(readBytes(path("page.html")), "old");
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_EQ(m_host.captions.size(), 1);

    m_host.answerMessages({ MsgAnswer::Yes });
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(readBytes(path("page.html")), "a\r\n&#9731; and &#128512;");
    EXPECT_FALSE(m_editor.document().Modified());
}

} // namespace
