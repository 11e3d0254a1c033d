#include "files/DocumentFilesFixture.h"
#include "support/QtPrinters.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

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

} // namespace
