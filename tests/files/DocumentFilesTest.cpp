#include "files/DocumentFiles.h"
#include "FaultyFileOps.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "files/ShiftJisCodec.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

using namespace quorlex;
using quorlex::test::FaultyFileOps;
using quorlex::test::readBytes;
using quorlex::test::ScriptedHost;
using quorlex::test::TestHome;
using quorlex::test::writeBytes;

namespace {

const QString SavePrompt = QStringLiteral("内容が変更されています。\r\r変更内容を保存しますか？");
const QString Title = QStringLiteral(" - クォーレクス");

class DocumentFilesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_home.file(name); }

    QStringList entries() const
    {
        return QDir(m_home.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    // A page loaded from name holding bytes, then edited into text.
    void editedPage(const QString& name, const QByteArray& bytes, const QString& text)
    {
        writeBytes(path(name), bytes);
        ASSERT_TRUE(m_files.LoadDocument(path(name)));
        m_host.editBox().setText(text);
        m_editor.document().setModified(true);
    }
    void untitledModified(const QString& text)
    {
        m_host.editBox().setText(text);
        m_editor.document().setModified(true);
    }
    void answerFile(const QString& path) { m_host.fileAnswers.enqueue({ true, path }); }

    TestHome m_home;
    ScriptedHost m_host;
    Editor m_editor { m_host };
    FileDlg m_dialog { m_host };
    FaultyFileOps m_ops;
    DocumentFiles m_files { m_editor, m_dialog, m_ops };
};

// --- Loading ---------------------------------------------------------------------------

TEST_F(DocumentFilesTest, LoadSetsTextPathCaptionAndFlags)
{
    writeBytes(path("top.html"), "<HTML>\r\n\x93\xfa\x96\x7b</HTML>");
    m_editor.document().setModified(true);
    m_editor.document().setBackupTicks(4);
    m_editor.document().setPatternMode(true);
    EXPECT_TRUE(m_files.LoadDocument(path("top.html")));
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("<HTML>\r\n日本</HTML>"));
    EXPECT_EQ(m_host.editBox().selStart(), 0);
    EXPECT_EQ(m_editor.document().FilePath(), path("top.html"));
    EXPECT_EQ(m_host.caption, QStringLiteral("top.html") + Title);
    EXPECT_FALSE(m_editor.document().Modified());
    EXPECT_EQ(m_editor.document().BackupTicks(), 0);
    EXPECT_TRUE(m_editor.document().PatternMode());
    EXPECT_TRUE(m_host.messages.isEmpty());
}

TEST_F(DocumentFilesTest, PathNamingNoFileLoadsEmptyPageUnderIt)
{
    m_host.editBox().setText(QStringLiteral("old"));
    m_editor.document().setModified(true);
    EXPECT_TRUE(m_files.LoadDocument(path("new.html")));
    EXPECT_EQ(m_host.editBox().text(), QString());
    EXPECT_EQ(m_editor.document().FilePath(), path("new.html"));
    EXPECT_EQ(m_host.caption, QStringLiteral("new.html") + Title);
    EXPECT_FALSE(m_editor.document().Modified());
    EXPECT_TRUE(m_host.messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("new.html")));
}

struct UnreadableCase {
    const char* name;
    std::error_code error; // made to fail by the seam; none: a real folder at the path
    QString reason;
};

void PrintTo(const UnreadableCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnreadableFileTest : public DocumentFilesTest, public ::testing::WithParamInterface<UnreadableCase> { };

TEST_P(UnreadableFileTest, IsReportedAndNotLoaded)
{
    writeBytes(path("old.html"), "old");
    ASSERT_TRUE(m_files.LoadDocument(path("old.html")));
    m_host.editBox().setText(QStringLiteral("edited"));
    m_editor.document().setModified(true);
    m_editor.document().setBackupTicks(3);
    QString target = path("page.html");
    if (GetParam().error)
        m_ops.failAt(FaultyFileOps::Step::Read, GetParam().error);
    else
        target = m_home.path();

    EXPECT_FALSE(m_files.LoadDocument(target));
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text,
        QStringLiteral("ファイルを開けませんでした。\r") + target + u'\r' + GetParam().reason);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), 48);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("edited"));
    EXPECT_EQ(m_editor.document().FilePath(), path("old.html"));
    EXPECT_EQ(m_host.caption, QStringLiteral("old.html") + Title);
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_EQ(m_editor.document().BackupTicks(), 3);
}

INSTANTIATE_TEST_SUITE_P(Reasons, UnreadableFileTest,
    ::testing::Values(UnreadableCase { "folder", {}, QStringLiteral("ファイルではなくフォルダです。") },
        UnreadableCase { "no_permission", std::make_error_code(std::errc::permission_denied),
            QStringLiteral("アクセスが拒否されました。") },
        UnreadableCase { "read_error", std::make_error_code(std::errc::io_error),
            QStringLiteral("ディスクの読み書き中にエラーが発生しました。") },
        UnreadableCase { "device", make_error_code(FileErrc::NotRegularFile),
            QStringLiteral("通常のファイルではありません。") }),
    [](const auto& info) { return std::string(info.param.name); });

// --- Byte-exact round trip -----------------------------------------------------------

struct BytesCase {
    const char* name;
    QByteArray bytes;
    bool duplicateCodes = false; // holds codes that read as a character written in another form
};

void PrintTo(const BytesCase& c, std::ostream* os)
{
    *os << c.name;
}

class RoundTripTest : public DocumentFilesTest, public ::testing::WithParamInterface<BytesCase> { };

TEST_P(RoundTripTest, OpenedAndSavedPageIsTheSameFile)
{
    const QByteArray& bytes = GetParam().bytes;
    writeBytes(path("page.html"), bytes);
    ASSERT_TRUE(m_files.LoadDocument(path("page.html")));
    // The box holds the text with its line ends as they were: nothing converted or stripped.
    EXPECT_EQ(m_host.editBox().text(), ShiftJis::decode(bytes));
    m_editor.document().setModified(true);
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(readBytes(path("page.html")), bytes);
    EXPECT_FALSE(m_editor.document().Modified());
    EXPECT_TRUE(m_host.messages.isEmpty());

    // The same text typed in (not loaded) is encoded afresh, and still gives the same bytes
    // where the codec has one form per character.
    if (!GetParam().duplicateCodes) {
        m_host.editBox().setText(QStringLiteral("other"));
        ASSERT_TRUE(m_files.F_Save_Click());
        m_host.editBox().setText(ShiftJis::decode(bytes));
        ASSERT_TRUE(m_files.F_Save_Click());
        EXPECT_EQ(readBytes(path("page.html")), bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, RoundTripTest,
    ::testing::Values(BytesCase { "crlf", QByteArray("<P>a</P>\r\n<P>b</P>\r\n") },
        BytesCase { "lf", QByteArray("a\nb\n\n") }, BytesCase { "cr", QByteArray("a\rb\r") },
        BytesCase { "mixed_no_final_end", QByteArray("a\r\nb\nc\rd\n\re") },
        BytesCase { "bom_kept", QByteArray("\xef\xbb\xbf<HTML>") },
        BytesCase { "japanese_and_katakana", QByteArray("\x93\xfa\x96\x7b\xb6\xc0\x87\x40\r\n") },
        BytesCase { "nul_and_controls", QByteArray("a\0b\x1a\t\x7f", 6) },
        BytesCase { "undecodable_bytes", QByteArray("\x80\xa0\xfd\xfe\xff\x81\x20\x85\x40\x81", 10) },
        BytesCase { "duplicate_codes", QByteArray("\xed\x40\xee\xef\x87\x90\xfa\x5c"), true },
        BytesCase { "every_byte",
            [] {
                QByteArray all;
                for (int i = 0; i < 256; ++i)
                    all += char(i);
                return all;
            }(),
            true }),
    [](const auto& info) { return std::string(info.param.name); });

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

    answerFile(path("body.html"));
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.fileRequests.size(), 2);
    EXPECT_EQ(readBytes(path("body.html")), "<P>pattern body</P>");
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

// --- The save prompt ---------------------------------------------------------------------

TEST_F(DocumentFilesTest, UnmodifiedPageIsNotAskedAbout)
{
    EXPECT_FALSE(m_files.ConfirmSaveChanges());
    EXPECT_TRUE(m_host.messages.isEmpty());
}

struct PromptCase {
    const char* name;
    MsgAnswer answer;
    bool titled; // the page has a path (else Save runs Save As, which is cancelled)
    bool stop; // what ConfirmSaveChanges returns
    bool written;
};

void PrintTo(const PromptCase& c, std::ostream* os)
{
    *os << c.name;
}

class ConfirmSaveTest : public DocumentFilesTest, public ::testing::WithParamInterface<PromptCase> { };

TEST_P(ConfirmSaveTest, AnswersDecide)
{
    const PromptCase& c = GetParam();
    if (c.titled)
        editedPage("page.html", "old", QStringLiteral("new"));
    else
        untitledModified(QStringLiteral("new"));
    m_host.answerMessages({ c.answer });

    EXPECT_EQ(m_files.ConfirmSaveChanges(), c.stop);
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, SavePrompt);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), 35);
    EXPECT_TRUE(m_host.messages[0].title.isEmpty());
    EXPECT_EQ(m_editor.document().Modified(), !c.written);
    if (c.titled) {
        EXPECT_EQ(readBytes(path("page.html")), c.written ? "new" : "old");
    }
    EXPECT_EQ(m_host.fileRequests.size(), c.titled ? 0 : (c.answer == MsgAnswer::Yes ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(Answers, ConfirmSaveTest,
    ::testing::Values(PromptCase { "yes_saved", MsgAnswer::Yes, true, false, true },
        PromptCase { "yes_save_as_cancelled", MsgAnswer::Yes, false, true, false },
        PromptCase { "no", MsgAnswer::No, true, false, false },
        PromptCase { "cancel", MsgAnswer::Cancel, true, true, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFilesTest, YesWithFailedSaveStopsAfterOneErrorMessage)
{
    editedPage("page.html", "old", QStringLiteral("new"));
    m_ops.failAt(FaultyFileOps::Step::Write, std::make_error_code(std::errc::no_space_on_device));
    m_host.answerMessages({ MsgAnswer::Yes });
    EXPECT_TRUE(m_files.ConfirmSaveChanges());
    ASSERT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[1].text, QStringLiteral("ディスクの空き領域が不足しています。"));
}

// --- Open --------------------------------------------------------------------------------

TEST_F(DocumentFilesTest, OpenShowsTheDocumentDialogAndLoadsTheChoice)
{
    writeBytes(path("a.htm"), "<P>a</P>");
    m_dialog.setFilename(QStringLiteral("stale.html"));
    answerFile(path("a.htm"));
    m_files.F_Open_Click();

    ASSERT_EQ(m_host.fileRequests.size(), 1);
    const FileDialogRequest& request = m_host.fileRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.title, QStringLiteral("ホームページを開く"));
    const QList<FileFilter> filters { { QStringLiteral("ホームページ(HTML) "),
                                          QStringLiteral("*.htm;*.html") },
        { QStringLiteral("すべてのファイル "), QStringLiteral("*.*") } };
    EXPECT_EQ(request.filters, filters);
    EXPECT_TRUE(request.fileName.isEmpty());
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("<P>a</P>"));
    EXPECT_EQ(m_editor.document().FilePath(), path("a.htm"));
    EXPECT_TRUE(m_host.messages.isEmpty());
}

TEST_F(DocumentFilesTest, OpenKeepsTheFlagsOfTheDialogsPreviousUse)
{
    untitledModified(QStringLiteral("x"));
    answerFile(path("saved.html"));
    ASSERT_TRUE(m_files.F_SaveAS_Click());
    m_files.F_Open_Click();
    ASSERT_EQ(m_host.fileRequests.size(), 2);
    EXPECT_TRUE(m_host.fileRequests[1].promptOverwrite);
    EXPECT_FALSE(m_host.fileRequests[1].fileMustExist);
}

TEST_F(DocumentFilesTest, OpenOnModifiedPageAsksFirst)
{
    writeBytes(path("other.html"), "other");

    // Cancel: no dialog, nothing changes.
    editedPage("page.html", "old", QStringLiteral("edited"));
    m_host.answerMessages({ MsgAnswer::Cancel });
    answerFile(path("other.html"));
    m_files.F_Open_Click();
    EXPECT_TRUE(m_host.fileRequests.isEmpty());
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("edited"));

    // Yes with a failing save: the error, and no dialog.
    m_ops.failAt(FaultyFileOps::Step::Create, std::make_error_code(std::errc::read_only_file_system));
    m_host.answerMessages({ MsgAnswer::Yes });
    m_files.F_Open_Click();
    EXPECT_TRUE(m_host.fileRequests.isEmpty());
    EXPECT_EQ(m_host.messages.size(), 3);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("edited"));
    m_ops.heal();

    // No: the changes are dropped and the chosen file opens.
    m_host.answerMessages({ MsgAnswer::No });
    m_files.F_Open_Click();
    EXPECT_EQ(m_host.fileRequests.size(), 1);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("other"));
    EXPECT_EQ(readBytes(path("page.html")), "old");

    // Yes: saved first, then opened.
    editedPage("page.html", "old", QStringLiteral("kept"));
    m_host.answerMessages({ MsgAnswer::Yes });
    answerFile(path("other.html"));
    m_files.F_Open_Click();
    EXPECT_EQ(readBytes(path("page.html")), "kept");
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("other"));
    EXPECT_EQ(m_host.messages.size(), 5);
}

// --- Drops -----------------------------------------------------------------------------

TEST_F(DocumentFilesTest, FrameDropAsksOnceThenLoadsEachFile)
{
    writeBytes(path("1.html"), "one");
    writeBytes(path("2.html"), "two");
    editedPage("page.html", "old", QStringLiteral("edited"));
    const QStringList dropped { path("1.html"), path("2.html") };

    m_host.answerMessages({ MsgAnswer::Cancel });
    m_files.Form_OLEDragDrop(dropped);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("edited"));
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_TRUE(m_ops.reads.filter(QStringLiteral("html")).size() == 1); // page.html only

    m_host.answerMessages({ MsgAnswer::No });
    m_files.Form_OLEDragDrop(dropped);
    EXPECT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[1].text, SavePrompt);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("two"));
    EXPECT_EQ(m_editor.document().FilePath(), path("2.html"));
    EXPECT_EQ(m_ops.reads.mid(1), dropped);

    // An unmodified page is replaced without a question.
    m_files.Form_OLEDragDrop({ path("1.html") });
    EXPECT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("one"));
}

TEST_F(DocumentFilesTest, BoxDropOfTwoFilesAsksOnce)
{
    writeBytes(path("1.html"), "one");
    writeBytes(path("2.html"), "two");
    editedPage("page.html", "old", QStringLiteral("edited"));
    m_host.answerMessages({ MsgAnswer::No });
    m_files.Text1_OLEDragDrop({ path("1.html"), path("2.html") });
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, SavePrompt);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), 35);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("two"));
    EXPECT_EQ(m_editor.document().FilePath(), path("2.html"));
    EXPECT_EQ(readBytes(path("page.html")), "old");
}

TEST_F(DocumentFilesTest, BoxDropYesRunsSaveAsAndStopsWhenItDoesNotWrite)
{
    writeBytes(path("1.html"), "one");
    editedPage("page.html", "old", QStringLiteral("edited"));

    // Save As cancelled: the drop stops and the changes stay.
    m_host.answerMessages({ MsgAnswer::Yes });
    m_files.Text1_OLEDragDrop({ path("1.html") });
    EXPECT_EQ(m_host.fileRequests.size(), 1);
    EXPECT_EQ(m_host.fileRequests[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("edited"));
    EXPECT_TRUE(m_editor.document().Modified());

    // Save As failing: the same, after its one message.
    m_ops.failAt(FaultyFileOps::Step::Sync, std::make_error_code(std::errc::no_space_on_device));
    m_host.answerMessages({ MsgAnswer::Yes });
    answerFile(path("copy.html"));
    m_files.Text1_OLEDragDrop({ path("1.html") });
    EXPECT_EQ(m_host.messages.size(), 3);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("edited"));
    EXPECT_FALSE(QFileInfo::exists(path("copy.html")));
    m_ops.heal();

    // Save As writing: the page is saved under the new name, then the file loads.
    m_host.answerMessages({ MsgAnswer::Yes });
    answerFile(path("copy.html"));
    m_files.Text1_OLEDragDrop({ path("1.html") });
    EXPECT_EQ(readBytes(path("copy.html")), "edited");
    EXPECT_EQ(readBytes(path("page.html")), "old");
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("one"));

    // Cancel stops before loading.
    untitledModified(QStringLiteral("again"));
    m_host.answerMessages({ MsgAnswer::Cancel });
    m_files.Text1_OLEDragDrop({ path("1.html") });
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("again"));
}

} // namespace
