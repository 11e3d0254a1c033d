#include "files/DocumentFilesFixture.h"
#include "support/QtPrinters.h"

#include <functional>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct PageRow {
    const char* name;
    QByteArray bytes;
};

class UnchangedUtf8Page : public DocumentFilesTest, public ::testing::WithParamInterface<PageRow> { };

TEST_P(UnchangedUtf8Page, IsSavedByteForByte)
{
    writeBytes(path("u.html"), GetParam().bytes);
    ASSERT_TRUE(m_files.LoadDocument(path("u.html")));
    m_editor.document().setModified(true);
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(readBytes(path("u.html")), GetParam().bytes);
    EXPECT_TRUE(m_host.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pages, UnchangedUtf8Page,
    ::testing::Values(PageRow { "mark", "\xEF\xBB\xBF<p>\xE6\x97\xA5\xE6\x9C\xAC</p>\r\n" },
        PageRow { "declared_with_invalid_bytes", "<meta charset=\"utf-8\"><p>\x93\xFA\x96\x7B\xE6\x97</p>" },
        PageRow { "undeclared", "<p>\xE6\x97\xA5\xF0\x9F\x98\x80\xEF\x9E\x80</p>" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFilesTest, EditedUtf8PageIsSavedInUtf8WithItsMarkWithoutAsking)
{
    editedPage(QStringLiteral("u.html"), "\xEF\xBB\xBF<p>x</p>", QStringLiteral("<p>日本 한국 €</p>"));
    const QByteArray expected = "\xEF\xBB\xBF" + QStringLiteral("<p>日本 한국 €</p>").toUtf8();
    EXPECT_TRUE(m_files.F_Save_Click());
    EXPECT_EQ(readBytes(path("u.html")), expected);
    // Save As keeps the page's encoding too.
    answerFile(path("copy.html"));
    EXPECT_TRUE(m_files.F_SaveAS_Click());
    EXPECT_EQ(readBytes(path("copy.html")), expected);
    EXPECT_TRUE(m_host.messages.isEmpty());
}

class AfterUtf8Page;
struct AfterRow {
    const char* name;
    std::function<void(AfterUtf8Page&)> act;
};

class AfterUtf8Page : public DocumentFilesTest, public ::testing::WithParamInterface<AfterRow> {
public:
    using DocumentFilesTest::path;
    DocumentFiles& files() { return m_files; }
    EditorDocument& document() { return m_editor.document(); }
    void answer(const QString& name) { answerFile(path(name)); }
};

TEST_P(AfterUtf8Page, TheNextPageIsShiftJis)
{
    editedPage(QStringLiteral("u.html"), "<p>\xE6\x97\xA5</p>", QStringLiteral("x"));
    EXPECT_EQ(m_editor.document().encodingName(), QStringLiteral("UTF-8"));
    GetParam().act(*this);
    EXPECT_EQ(m_editor.document().encodingName(), QStringLiteral("Shift_JIS"));
    m_host.editBox().setText(QStringLiteral("日本"));
    answerFile(path("new.html"));
    EXPECT_TRUE(m_files.F_SaveAS_Click());
    EXPECT_EQ(readBytes(path("new.html")), QByteArray("\x93\xFA\x96\x7B"));
}

INSTANTIATE_TEST_SUITE_P(Pages, AfterUtf8Page,
    ::testing::Values(
        // What the new page wizard and text conversion do.
        AfterRow { "new_page", [](auto& t) { t.document().setCurrentFile(QString(), true, QString()); } },
        AfterRow { "pattern_opened",
            [](auto& t) {
                writeBytes(t.path("a.hpf"), "\"-x\"\r\n\"\"\r\n\"\"\r\n\"<P></P>\"\r\n");
                t.answer(QStringLiteral("a.hpf"));
                t.document().setModified(false);
                t.files().patterns().F_T_Open_Click();
            } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
