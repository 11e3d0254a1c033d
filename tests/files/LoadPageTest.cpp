#include "files/DecodedParts.h"
#include "files/DocumentFilesFixture.h"
#include "files/PageEncoding.h"
#include "support/QtPrinters.h"

#include <QRandomGenerator>

#include <cerrno>

using namespace quorlex;
using namespace quorlex::test;

namespace {

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

// --- Decoding in parts ----------------------------------------------------------------

// The box takes a large page part by part; cut anywhere the parts allow, they make up the
// text the whole page reads as in its encoding, and no part ends between a CR and its LF.
TEST(DecodedParts, MakeUpTheTextOfTheWholePage)
{
    const QByteArray pieces[] = { "\r\n", "\n", "\r", "<BR>", "\x82\xa0", "\x93\xfa\x96\x7b", "\x81", "\xff",
        "\x82", "\xed\x40", "a", " ", "\x85\x40", QByteArray("\0", 1), "\xb6", "\xef\xbb\xbf", "\xe6\x97\xa5",
        "\xf0\x9f\x98\x80" };
    QRandomGenerator rng(11);
    for (const PageEncoding encoding :
        { PageEncoding::ShiftJis, PageEncoding::Utf8, PageEncoding::Utf8WithMark }) {
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes = encoding == PageEncoding::Utf8WithMark ? "\xef\xbb\xbf" : "";
            for (int n = rng.bounded(80); n > 0; --n)
                bytes += pieces[rng.bounded(int(std::size(pieces)))];
            DecodedParts parts(bytes, encoding, 1 + rng.bounded(12));
            QString text;
            for (QString part = parts.next(); !part.isEmpty(); part = parts.next()) {
                text += part;
                if (parts.progress() < 1.0) {
                    ASSERT_FALSE(part.endsWith(u'\r')) << "round " << round;
                }
            }
            ASSERT_EQ(text, decodePage(bytes, encoding))
                << "encoding " << int(encoding) << ", round " << round;
            ASSERT_EQ(parts.progress(), 1.0);
        }
    }
}

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
    // The box holds the text with its line ends as they were: nothing converted or stripped
    // (a UTF-8 mark is read as the mark of a UTF-8 page and written back as such).
    const QString text = decodePage(bytes, detectPageEncoding(bytes));
    EXPECT_EQ(m_host.editBox().text(), text);
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
        m_host.editBox().setText(text);
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

} // namespace
