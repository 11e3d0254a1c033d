#include "files/TextConversion.h"
#include "files/DocumentFilesFixture.h"
#include "files/ShiftJisCodec.h"

#include <QStringList>

using namespace quorlex;
using namespace quorlex::test;

namespace {

const QString Head = QStringLiteral("<HTML>\r\n\r\n<HEAD>\r\n<title>%1</title>\r\n</HEAD>\r\n\r\n<BODY>");
const QString Tail = QStringLiteral("\r\n</BODY>\r\n\r\n</HTML>");

QString page(const QString& name, const QStringList& bodyLines)
{
    QString body;
    for (const QString& line : bodyLines)
        body += QStringLiteral("\r\n") + line;
    return Head.arg(name) + body + Tail;
}

class TextConversionTest : public DocumentFilesTest {
protected:
    TextConversionTest() { m_host.setWindowCaption(QStringLiteral("index.html - クォーレクス")); }

    FileDlg m_resourceDialog { m_host };
    TextConversion m_conversion { m_editor, m_files, m_dialog, m_resourceDialog };
    QString text() { return m_host.editBox().text(); }
};

struct ConversionRow {
    const char* name;
    QByteArray bytes;
    QStringList body;
};

class Conversion : public TextConversionTest, public ::testing::WithParamInterface<ConversionRow> { };

} // namespace

TEST_P(Conversion, GivesThePageByteForByte)
{
    const ConversionRow& row = GetParam();
    writeBytes(path(QStringLiteral("memo.txt")), row.bytes);
    answerFile(path(QStringLiteral("memo.txt")));
    m_conversion.F_ConvertHTML_Click();
    EXPECT_EQ(text(), page(QStringLiteral("memo.txt"), row.body));
    EXPECT_TRUE(m_host.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(TextFiles, Conversion,
    ::testing::Values(ConversionRow { "empty", "", {} },
        ConversionRow { "line_and_rule", "abc\r\n-----", { "abc<br>", "<hr>" } },
        ConversionRow { "trailing_crlf", "abc\r\n", { "abc<br>", "<br>" } },
        ConversionRow { "hyphen_lines", "-----\r\n----- x -----\r\n----\r\n------",
            { "<hr>", "<hr>", "----<br>", "<hr>" } },
        ConversionRow { "lf_only", "a\nb\rc", { "a\nb\rc<br>" } },
        ConversionRow { "less_than", "a<b & c", { "a<b & c<br>" } },
        ConversionRow { "shift_jis", "\x93\xfa\x96\x7b\r\n\x81\x7c\x81\x7c\x81\x7c\x81\x7c\x81\x7c",
            { QStringLiteral("日本<br>"), QStringLiteral("－－－－－<br>") } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextConversionTest, MakesAnUntitledPageAndRestartsTheBackupCount)
{
    for (const bool modified : { false, true }) {
        SCOPED_TRACE(modified);
        editedPage(QStringLiteral("index.html"), "old", QStringLiteral("edited"));
        m_editor.document().setModified(modified);
        m_editor.document().setBackupTicks(3);
        m_host.answerMessages({ MsgAnswer::No });
        writeBytes(path(QStringLiteral("notes.txt")), "x");
        answerFile(path(QStringLiteral("notes.txt")));
        m_conversion.F_ConvertHTML_Click();

        EXPECT_EQ(text(), page(QStringLiteral("notes.txt"), { "x<br>" }));
        EXPECT_EQ(m_host.caption, QStringLiteral("notes.txt（テキスト）---> 無題 - クォーレクス"));
        EXPECT_EQ(m_editor.document().FilePath(), QString());
        EXPECT_EQ(m_editor.document().Modified(), modified);
        EXPECT_EQ(m_editor.document().BackupTicks(), 0);
        const FileDialogRequest& request = m_host.fileRequests.last();
        EXPECT_EQ(request.title, QStringLiteral("テキストファイルを開く"));
        EXPECT_EQ(request.filters.first().description, QStringLiteral("テキストファイル(txt)"));
        EXPECT_EQ(request.fileName, QString());
        EXPECT_EQ(int(m_dialog.Flags()), 4100);
        EXPECT_EQ(m_host.messages.size(), modified ? 1 : 0);
        m_host.messages.clear();
    }
}

TEST_F(TextConversionTest, CancelledSaveQuestionStopsBeforeTheDialog)
{
    untitledModified(QStringLiteral("mine"));
    m_host.answerMessages({ MsgAnswer::Cancel });
    m_conversion.F_ConvertHTML_Click();
    EXPECT_TRUE(m_host.fileRequests.isEmpty());
    EXPECT_EQ(text(), QStringLiteral("mine"));
}

TEST_F(TextConversionTest, UnreadableFileIsReportedAndChangesNothing)
{
    struct Row {
        QString chosen;
        QString message;
    };
    QDir(m_home.path()).mkdir(QStringLiteral("folder.txt"));
    const Row rows[] = {
        { path(QStringLiteral("gone.txt")), QStringLiteral("ファイルが見つかりません。") },
        { path(QStringLiteral("folder.txt")),
            QStringLiteral("ファイルではなくフォルダです。\r") + path(QStringLiteral("folder.txt")) },
    };
    for (const Row& row : rows) {
        editedPage(QStringLiteral("index.html"), "old", QStringLiteral("kept"));
        m_editor.document().setModified(false);
        m_host.messages.clear();
        answerFile(row.chosen);
        m_conversion.F_ConvertHTML_Click();
        ASSERT_EQ(m_host.messages.size(), 1);
        EXPECT_EQ(m_host.messages.first().text, row.message);
        EXPECT_EQ(m_host.messages.first().style, (MsgStyle { MsgButtons::Ok, MsgIcon::Exclamation }));
        EXPECT_EQ(text(), QStringLiteral("kept"));
        EXPECT_EQ(m_editor.document().FilePath(), path(QStringLiteral("index.html")));
        EXPECT_EQ(m_host.caption, QStringLiteral("index.html - クォーレクス"));
    }
}

TEST_F(TextConversionTest, InsertsThePreformattedFileAtTheSelection)
{
    writeBytes(path(QStringLiteral("code.txt")), "If a<B\r\n\x93\xfa");
    struct Row {
        bool upper;
        QString inserted;
    };
    for (const Row& row : { Row { true, QStringLiteral("<pre>If a<B\r\n日</pre>") },
             Row { false, QStringLiteral("<pre>if a<b\r\n日</pre>") } }) {
        m_editor.settings().UpperCaseTags = row.upper;
        m_host.stringBox().setText(QStringLiteral("[sel]"));
        m_host.stringBox().select(1, 3);
        answerFile(path(QStringLiteral("code.txt")));
        m_conversion.I_AddTextFile_Click();
        EXPECT_EQ(text(), u'[' + row.inserted + u']');
        EXPECT_FALSE(m_editor.document().Modified());
    }
    const FileDialogRequest& request = m_host.fileRequests.last();
    EXPECT_EQ(request.title, QStringLiteral("テキストの挿入"));
    EXPECT_EQ(request.filters.first().description, QStringLiteral("テキストファイル"));
    EXPECT_EQ(request.fileName, path(QStringLiteral("code.txt")));
    EXPECT_EQ(int(m_resourceDialog.Flags()), 4100);
}

TEST_F(TextConversionTest, InsertionOfNothingChosenOrMissingInsertsNothing)
{
    m_host.stringBox().setText(QStringLiteral("text"));
    writeBytes(path(QStringLiteral("a.txt")), "a");
    answerFile(path(QStringLiteral("a.txt")));
    m_conversion.I_AddTextFile_Click();
    ASSERT_EQ(text(), QStringLiteral("<pre>a</pre>text"));
    m_conversion.I_AddTextFile_Click(); // cancelled, right after a choice on the same dialog
    answerFile(path(QStringLiteral("missing.txt")));
    m_conversion.I_AddTextFile_Click();
    EXPECT_EQ(text(), QStringLiteral("<pre>a</pre>text"));
    EXPECT_TRUE(m_host.messages.isEmpty());
    // A file that is there but cannot be read is told, and nothing is inserted.
    QDir(m_home.path()).mkdir(QStringLiteral("folder.txt"));
    answerFile(path(QStringLiteral("folder.txt")));
    m_conversion.I_AddTextFile_Click();
    EXPECT_EQ(text(), QStringLiteral("<pre>a</pre>text"));
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages.first().text,
        QStringLiteral("ファイルではなくフォルダです。\r") + path(QStringLiteral("folder.txt")));
}
