#include "preview/Preview.h"
#include "ScriptedPreviewWindow.h"
#include "files/DocumentFilesFixture.h"

#include <QFile>

using namespace quorlex;
using namespace quorlex::test;

namespace {

enum class Page { Saved, Modified, Untitled };

class PreviewTest : public DocumentFilesTest {
protected:
    QString pagePath() const { return path(QStringLiteral("page.html")); }
    QString copyPath() const { return path(QStringLiteral("temp.html")); }

    void makePage(Page page)
    {
        switch (page) {
        case Page::Saved:
            editedPage(QStringLiteral("page.html"), "<p>saved</p>", QStringLiteral("<p>saved</p>"));
            m_editor.document().setModified(false);
            break;
        case Page::Modified:
            editedPage(QStringLiteral("page.html"), "<p>saved</p>", QStringLiteral("<p>edited</p>"));
            break;
        case Page::Untitled:
            m_editor.document().setCurrentFile(QString(), false, QString());
            untitledModified(QStringLiteral("<p>typed</p>"));
            break;
        }
    }
    void choosePreviewTab()
    {
        m_window.tab = PreviewTab::Preview;
        m_preview.TabStrip1_Click();
    }

    ScriptedPreviewWindow m_window;
    Preview m_preview { m_editor, m_files, m_window, m_home.path(), m_ops };
};

struct ModeRow {
    const char* name;
    qint16 previewSave;
    Page page;
    QList<MsgAnswer> answers; // to the save question
    bool saveDialogCancelled;
    const char* load; // "page", "copy", "bare" (file: alone) or "" for none
    int questions;
    QByteArray pageFile; // the page file afterwards
};

class PreviewModes : public PreviewTest, public ::testing::WithParamInterface<ModeRow> { };

} // namespace

TEST_P(PreviewModes, ShowTheFileOrTheCopyAsTheSettingSays)
{
    const ModeRow& row = GetParam();
    makePage(row.page);
    m_editor.settings().PreviewSave = row.previewSave;
    m_host.answerMessages(row.answers);
    m_window.steps.clear();
    choosePreviewTab();

    const QString load = QString::fromLatin1(row.load);
    const QString expected = load == u"page" ? QStringLiteral("file:") + pagePath()
        : load == u"copy"                    ? QStringLiteral("file:") + copyPath()
                                             : QStringLiteral("file:");
    EXPECT_EQ(m_window.steps, QStringList({ "preview area" }));
    EXPECT_EQ(m_window.loads, load.isEmpty() ? QStringList() : QStringList({ expected }));
    EXPECT_EQ(m_host.messages.size(), row.questions);
    EXPECT_EQ(m_host.fileRequests.size(), row.saveDialogCancelled ? 1 : 0);
    EXPECT_EQ(QFile::exists(copyPath()), load == u"copy");
    if (row.page != Page::Untitled) {
        EXPECT_EQ(readBytes(pagePath()), row.pageFile);
    }
}

INSTANTIATE_TEST_SUITE_P(Preview, PreviewModes,
    ::testing::Values(ModeRow { "save_saved", 0, Page::Saved, {}, false, "page", 0, "<p>saved</p>" },
        ModeRow { "save_modified", 0, Page::Modified, {}, false, "page", 0, "<p>edited</p>" },
        ModeRow { "save_untitled_cancelled", 0, Page::Untitled, {}, true, "bare", 0, {} },
        ModeRow { "copy_saved", 1, Page::Saved, {}, false, "page", 0, "<p>saved</p>" },
        ModeRow { "copy_modified", 1, Page::Modified, {}, false, "copy", 0, "<p>saved</p>" },
        ModeRow { "copy_untitled", 1, Page::Untitled, {}, false, "copy", 0, {} },
        ModeRow { "ask_saved", 2, Page::Saved, {}, false, "page", 0, "<p>saved</p>" },
        ModeRow { "ask_modified_no", 2, Page::Modified, { MsgAnswer::No }, false, "page", 1, "<p>saved</p>" },
        ModeRow {
            "ask_modified_yes", 2, Page::Modified, { MsgAnswer::Yes }, false, "page", 1, "<p>edited</p>" },
        ModeRow {
            "ask_modified_cancel", 2, Page::Modified, { MsgAnswer::Cancel }, false, "", 1, "<p>saved</p>" },
        ModeRow { "ask_untitled_no", 2, Page::Untitled, { MsgAnswer::No }, false, "bare", 1, {} },
        ModeRow { "ask_untitled_yes_cancelled", 2, Page::Untitled, { MsgAnswer::Yes }, true, "", 1, {} },
        ModeRow {
            "other_value_asks", 7, Page::Modified, { MsgAnswer::No }, false, "page", 1, "<p>saved</p>" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewTest, CopyOfUnsavedTextPointsBackAtThePage)
{
    m_editor.settings().PreviewSave = 1;
    makePage(Page::Modified);
    m_host.editBox().setText(QStringLiteral("<HTML><HEAD><TITLE>表€</TITLE>"));
    choosePreviewTab();
    EXPECT_EQ(readBytes(copyPath()),
        QStringLiteral("<HTML><HEAD>\r\n<base href=\"file:%1\">\r\n<TITLE>\x95\x5c&#8364;</TITLE>")
            .arg(pagePath())
            .toLatin1());
    // The preview changes neither the text, nor the path, nor the modified flag.
    EXPECT_EQ(m_host.editBox().text(), QStringLiteral("<HTML><HEAD><TITLE>表€</TITLE>"));
    EXPECT_EQ(m_editor.document().FilePath(), pagePath());
    EXPECT_TRUE(m_editor.document().Modified());
}

TEST_F(PreviewTest, CopyOfUtf8PageIsInUtf8WithTheMark)
{
    m_editor.settings().PreviewSave = 1;
    editedPage(QStringLiteral("page.html"), "<meta charset=utf-8>", QStringLiteral("<HEAD>表€"));
    choosePreviewTab();
    EXPECT_EQ(readBytes(copyPath()),
        QStringLiteral("\uFEFF<HEAD>\r\n<base href=\"file:%1\">\r\n表€").arg(pagePath()).toUtf8());
}

TEST_F(PreviewTest, CopyThatCannotBeWrittenIsReportedOnceAndShowsNothingStale)
{
    m_editor.settings().PreviewSave = 1;
    makePage(Page::Untitled);
    m_ops.failAt(FaultyFileOps::Step::Write, std::make_error_code(std::errc::no_space_on_device));
    choosePreviewTab();
    choosePreviewTab();
    EXPECT_EQ(m_window.loads, QStringList({ "about:", "about:" }));
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages.first().text.startsWith(QStringLiteral("プレビュー用のファイル「")));
    EXPECT_TRUE(
        m_host.messages.first().text.endsWith(QStringLiteral("ディスクの空き領域が不足しています。")));
    EXPECT_FALSE(QFile::exists(copyPath()));

    m_ops.heal();
    choosePreviewTab();
    EXPECT_EQ(m_window.loads.last(), QStringLiteral("file:") + copyPath());
    m_ops.failAt(FaultyFileOps::Step::Commit, std::make_error_code(std::errc::io_error));
    choosePreviewTab();
    EXPECT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(readBytes(copyPath()), QByteArray("<head>\r\n<base href=\"file:\">\r\n</head><p>typed</p>"));
}

TEST_F(PreviewTest, StatusTextFollowsTheBrowserOnlyWhileThePreviewIsShown)
{
    makePage(Page::Saved);
    choosePreviewTab();
    m_window.statusHandler(QStringLiteral("file:///web/next.html"));
    EXPECT_EQ(m_window.status, QStringLiteral("file:///web/next.html"));

    m_window.tab = PreviewTab::Html;
    m_preview.TabStrip1_Click();
    EXPECT_EQ(m_window.steps.last(), QStringLiteral("editing box"));
    EXPECT_EQ(m_window.status, QString());
    m_window.statusHandler(QStringLiteral("late"));
    EXPECT_EQ(m_window.status, QString());
    EXPECT_EQ(m_window.loads.size(), 1);
}

TEST_F(PreviewTest, BrowserPreviewOpensOnlyASavedPage)
{
    makePage(Page::Modified);
    m_preview.F_PreView_Click();
    EXPECT_EQ(m_window.opened, QStringList({ QStringLiteral("file:") + pagePath() }));
    EXPECT_EQ(readBytes(pagePath()), QByteArray("<p>edited</p>"));

    m_window.opened.clear();
    m_host.editBox().setText(QStringLiteral("<p>again</p>"));
    m_editor.document().setModified(true);
    m_ops.failAt(FaultyFileOps::Step::Write, std::make_error_code(std::errc::no_space_on_device));
    m_preview.F_PreView_Click();
    m_ops.heal();
    makePage(Page::Untitled);
    m_preview.F_PreView_Click(); // the save dialog is cancelled
    EXPECT_TRUE(m_window.opened.isEmpty());
    EXPECT_EQ(m_host.fileRequests.size(), 1);
}
