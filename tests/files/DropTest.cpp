#include "files/DocumentFilesFixture.h"

#include <QFileInfo>

using namespace quorlex;
using namespace quorlex::test;

namespace {

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

// A modified page whose text is empty has nothing to lose: both drops load without asking.
TEST_F(DocumentFilesTest, DropOnModifiedEmptyPageLoadsWithoutAsking)
{
    writeBytes(path("1.html"), "one");
    for (auto drop : { &DocumentFiles::Form_OLEDragDrop, &DocumentFiles::Text1_OLEDragDrop }) {
        untitledModified(QString());
        (m_files.*drop)({ path("1.html") });
        EXPECT_TRUE(m_host.messages.isEmpty());
        EXPECT_EQ(m_host.editBox().text(), QStringLiteral("one"));
        EXPECT_FALSE(m_editor.document().Modified());
    }
}

} // namespace
