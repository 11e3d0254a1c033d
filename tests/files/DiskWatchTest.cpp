#include "files/DocumentFilesFixture.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QFile>

#include <functional>

using namespace quorlex;
using namespace quorlex::test;

namespace {

constexpr int YesNoQuestion = 4 + 32;
constexpr int YesNoWarning = 4 + 48;
constexpr int Information = 64;

class DiskWatchTest : public DocumentFilesTest {
public:
    QString page() const { return path(QStringLiteral("page.html")); }

    void openPage(const QByteArray& bytes)
    {
        writeBytes(page(), bytes);
        ASSERT_TRUE(m_files.LoadDocument(page()));
    }
    // Another program writes the page's file, a few seconds after the program's own last look.
    void writeElsewhere(const QByteArray& bytes, int seconds = 5)
    {
        writeBytes(page(), bytes);
        QFile file(page());
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(
            QDateTime::currentDateTime().addSecs(seconds), QFileDevice::FileModificationTime));
    }
    void activate() { m_files.diskWatch().windowActivated(); }
};

TEST_F(DiskWatchTest, ChangedFileIsReadAgainOnYes)
{
    openPage("old");
    writeElsewhere("\x93\xFA\x96\x7B new");
    m_host.answerMessages({ MsgAnswer::Yes });
    activate();
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.contains(page()));
    EXPECT_FALSE(m_host.messages[0].text.contains(QStringLiteral("失われます")));
    EXPECT_EQ(m_host.messages[0].style.toNumber(), YesNoQuestion);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("日本 new"));
    EXPECT_FALSE(m_editor.document().Modified());
    activate();
    EXPECT_EQ(m_host.messages.size(), 1);
}

TEST_F(DiskWatchTest, NoKeepsTheTextUnsavedAndIsRememberedForThatChange)
{
    openPage("old");
    m_host.editBox().setText(QStringLiteral("mine"));
    m_editor.document().setModified(true);
    writeElsewhere("theirs");
    m_host.answerMessages({ MsgAnswer::No });
    activate();
    activate();
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.contains(QStringLiteral("失われます")));
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("mine"));
    EXPECT_TRUE(m_editor.document().Modified());

    writeElsewhere("theirs again", 10);
    activate();
    EXPECT_EQ(m_host.messages.size(), 2);
}

TEST_F(DiskWatchTest, SaveOverChangedFileAsksFirst)
{
    openPage("old");
    m_host.editBox().setText(QStringLiteral("mine"));
    m_editor.document().setModified(true);
    writeElsewhere("theirs");
    m_host.answerMessages({ MsgAnswer::No, MsgAnswer::Yes });
    EXPECT_FALSE(m_files.F_Save_Click());
    EXPECT_EQ(readBytes(page()), QByteArray("theirs"));
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(readBytes(page()), QByteArray("mine"));
    ASSERT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), YesNoWarning);
    // Written by the program itself: nothing to ask about any more.
    activate();
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(m_host.messages.size(), 2);
}

TEST_F(DiskWatchTest, DeletedFileKeepsItsTextAndIsWrittenAgainOnSave)
{
    openPage("kept");
    ASSERT_TRUE(QFile::remove(page()));
    activate();
    activate();
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].style.toNumber(), Information);
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("kept"));
    EXPECT_TRUE(m_editor.document().Modified());
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(readBytes(page()), QByteArray("kept"));
    EXPECT_EQ(m_host.messages.size(), 1);
}

class QuietChange;
struct QuietRow {
    const char* name;
    std::function<void(QuietChange&)> act;
};

class QuietChange : public DiskWatchTest, public ::testing::WithParamInterface<QuietRow> {
public:
    DocumentFiles& files() { return m_files; }
    ScriptedHost& host() { return m_host; }
};

TEST_P(QuietChange, AsksNothing)
{
    openPage("same");
    GetParam().act(*this);
    activate();
    EXPECT_TRUE(m_host.messages.isEmpty());
    EXPECT_FALSE(m_editor.document().Modified());
}

INSTANTIATE_TEST_SUITE_P(Changes, QuietChange,
    ::testing::Values(QuietRow { "touched_with_the_same_bytes",
                          [](QuietChange& t) {
                              t.writeElsewhere("same");
                              EXPECT_TRUE(t.files().F_Save_Click());
                          } },
        QuietRow { "own_save",
            [](QuietChange& t) {
                t.host().editBox().setText(QStringLiteral("own"));
                EXPECT_TRUE(t.files().F_Save_Click());
            } },
        QuietRow { "own_pattern_saved_over_the_page",
            [](QuietChange& t) {
                t.host().fileAnswers.enqueue({ true, t.page() });
                EXPECT_TRUE(t.files().patterns().F_T_Save_Click());
            } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
