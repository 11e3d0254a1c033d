#include "taglists/ListFile.h"
#include "files/FileOps.h"
#include "files/ShiftJisCodec.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"
#include "taglists/ListEntries.h"
#ifdef Q_OS_UNIX
#include "support/AsNobody.h"
#include "support/WatchedPipe.h"
#endif

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

using namespace quorlex;
using quorlex::test::readBytes;
using quorlex::test::TestHome;
using quorlex::test::writeBytes;

namespace {

struct ParseCase {
    const char* name;
    QString text;
    QList<ListRecord> records;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParseListTextTest : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ParseListTextTest, SplitsLinesAndKeys)
{
    EXPECT_EQ(parseListText(GetParam().text), GetParam().records);
}

const ListRecord a { QStringLiteral("TOL0"), QStringLiteral("a") };
const ListRecord b { QStringLiteral("TOL1"), QStringLiteral("b") };

INSTANTIATE_TEST_SUITE_P(Lines, ParseListTextTest,
    ::testing::Values(ParseCase { "crlf", QStringLiteral("TOL0=a\r\nTOL1=b\r\n"), { a, b } },
        ParseCase { "lf", QStringLiteral("TOL0=a\nTOL1=b\n"), { a, b } },
        ParseCase { "cr", QStringLiteral("TOL0=a\rTOL1=b\r"), { a, b } },
        ParseCase { "no_final_line_end", QStringLiteral("TOL0=a\r\nTOL1=b"), { a, b } },
        ParseCase { "mixed_with_blank_line", QStringLiteral("TOL0=a\n\r\nTOL1=b\r"), { a, {}, b } },
        ParseCase { "value_with_equals_commas_quotes",
            QStringLiteral("TOL0=<A HREF=\"x.htm\" TITLE=\"a,b\">=</A> \r\n"),
            { { QStringLiteral("TOL0"), QStringLiteral("<A HREF=\"x.htm\" TITLE=\"a,b\">=</A> ") } } },
        ParseCase { "no_equals_is_all_key", QStringLiteral("just text\r\n"),
            { { QStringLiteral("just text"), QString() } } },
        ParseCase { "empty_key", QStringLiteral("=x\r\n"), { { QString(), QStringLiteral("x") } } },
        ParseCase { "empty", QString(), {} }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadListFile, MissingFileOrFolderHasNoLines)
{
    TestHome home;
    EXPECT_TRUE(readListFile(home.file(QStringLiteral("usertag.tol"))).isEmpty());
    EXPECT_TRUE(readListFile(home.path()).isEmpty());
}

TEST(ReadListFile, DecodesShiftJis)
{
    TestHome home;
    const QString path = home.file(QStringLiteral("templete.tol"));
    writeBytes(path, ShiftJis::encode(u"TOL0=<P>こんにちは</P>\r\nTLN0=挨拶\r\n"));
    EXPECT_EQ(readListFile(path),
        (QList<ListRecord> { { QStringLiteral("TOL0"), QStringLiteral("<P>こんにちは</P>") },
            { QStringLiteral("TLN0"), QStringLiteral("挨拶") } }));
}

TEST(AppendListLines, CreatesFileAndAppendsWithoutRewriting)
{
    TestHome home;
    const QString path = home.file(QStringLiteral("usertag.tol"));
    ASSERT_TRUE(appendListLines(path, { QStringLiteral("TOL0=<表>") }));
    // Bytes that are not valid Shift_JIS in an existing line survive an append untouched.
    QByteArray bytes = readBytes(path) + QByteArray("TOL1=\x81\xff\r\n");
    writeBytes(path, bytes);
    ASSERT_TRUE(appendListLines(path, { QStringLiteral("TOL2=c"), QStringLiteral("TLN2=d") }));
    EXPECT_EQ(readBytes(path),
        ShiftJis::encode(u"TOL0=<表>\r\n") + QByteArray("TOL1=\x81\xff\r\nTOL2=c\r\nTLN2=d\r\n"));
}

TEST(AppendListLines, StartsANewLineAfterAnUnendedLastLine)
{
    TestHome home;
    const QString unended = home.file(QStringLiteral("a.tol"));
    writeBytes(unended, "TOL0=a");
    ASSERT_TRUE(appendListLines(unended, { QStringLiteral("TOL1=b") }));
    EXPECT_EQ(readBytes(unended), QByteArray("TOL0=a\r\nTOL1=b\r\n"));

    // A LF or CR alone is already a line end: nothing is added before the new line.
    for (const QByteArray& end : { QByteArray("\n"), QByteArray("\r") }) {
        const QString path = home.file(QStringLiteral("b.tol"));
        writeBytes(path, "TOL0=a" + end);
        ASSERT_TRUE(appendListLines(path, { QStringLiteral("TOL1=b") }));
        EXPECT_EQ(readBytes(path), "TOL0=a" + end + "TOL1=b\r\n");
        EXPECT_EQ(readListFile(path).size(), 2);
    }
}

TEST(AppendListLines, UnmappableCharactersBecomeReferences)
{
    TestHome home;
    const QString path = home.file(QStringLiteral("usertag.tol"));
    ASSERT_TRUE(appendListLines(path, { QStringLiteral("TOL0=😀한") }));
    EXPECT_EQ(readBytes(path), QByteArray("TOL0=&#128512;&#54620;\r\n"));
}

TEST(AppendListLines, FailuresSayWhyAndWriteNothing)
{
    TestHome home;
    QString reason;
    const QString inMissingFolder = home.file(QStringLiteral("missing/usertag.tol"));
    EXPECT_FALSE(appendListLines(inMissingFolder, { QStringLiteral("TOL0=a") }, &reason));
    EXPECT_EQ(reason, QStringLiteral("保存先のフォルダが見つかりません。"));
    EXPECT_FALSE(QFileInfo::exists(inMissingFolder));

    const QString folderInPlace = home.file(QStringLiteral("templete.tol"));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("templete.tol")));
    EXPECT_FALSE(appendListLines(folderInPlace, { QStringLiteral("TOL0=a") }, &reason));
    EXPECT_EQ(reason, QStringLiteral("同じ名前のフォルダがあります。"));
}

#ifdef Q_OS_UNIX
TEST(AppendListLines, ReadOnlyFileIsAFailure)
{
    if (test::rerunAsNobody())
        return;
    TestHome home;
    const QString path = home.file(QStringLiteral("usertag.tol"));
    writeBytes(path, "TOL0=a\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    QString reason;
    EXPECT_FALSE(appendListLines(path, { QStringLiteral("TOL1=b") }, &reason));
    EXPECT_EQ(reason,
        QStringLiteral("ファイルを開けません。書き込みが禁止されているか、ほかのプログラムが使用中です。"));
    EXPECT_EQ(readBytes(path), QByteArray("TOL0=a\r\n"));
}

// A file size limit makes the write stop part way, as a full disk would.
TEST(AppendListLines, FullDiskIsAFailureAndLeavesNoHalfLine)
{
    TestHome home;
    const QString path = home.file(QStringLiteral("usertag.tol"));
    writeBytes(path, "TOL0=a\r\n");
    QString reason;
    bool appended = true;
    {
        test::FileSizeLimit limit(16);
        ASSERT_TRUE(limit.ok());
        appended = appendListLines(path, { QStringLiteral("TOL1=a long custom tag") }, &reason);
    }
    EXPECT_FALSE(appended);
    EXPECT_EQ(
        reason, QStringLiteral("書き込み中にエラーが起きました。ディスクの空き容量を確かめてください。"));
    EXPECT_EQ(readBytes(path), QByteArray("TOL0=a\r\n"));
}

// What may stand at a list's path instead of a list: reading it would hang on the pipe or fill
// the memory, appending would go through to it.
struct NotAListCase {
    const char* name;
    const char* device; // a link to this device, or a pipe when null
    bool appendable; // a regular file, only too large to read
};

void PrintTo(const NotAListCase& c, std::ostream* os)
{
    *os << c.name;
}

class NotAListTest : public ::testing::TestWithParam<NotAListCase> { };

TEST_P(NotAListTest, ReadsAsNoListAndTakesNoLines)
{
    TestHome home;
    const QString path = home.file(QStringLiteral("usertag.tol"));
    std::optional<test::WatchedPipe> pipe;
    if (GetParam().appendable) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(SmallFileLimit + 1));
    } else if (GetParam().device) {
        ASSERT_TRUE(QFile::link(QString::fromLatin1(GetParam().device), path));
    } else {
        pipe.emplace(path);
        ASSERT_TRUE(pipe->ok());
    }

    EXPECT_TRUE(readListFile(path).isEmpty());
    QString reason;
    EXPECT_EQ(appendListLines(path, { QStringLiteral("TOL0=a") }, &reason), GetParam().appendable);
    if (!GetParam().appendable) {
        EXPECT_EQ(reason, QStringLiteral("通常のファイルではありません。"));
    }
    if (pipe) {
        EXPECT_FALSE(pipe->waited());
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotAListTest,
    ::testing::Values(NotAListCase { "pipe", nullptr, false },
        NotAListCase { "zero_device", "/dev/zero", false },
        NotAListCase { "null_device", "/dev/null", false }, NotAListCase { "huge", nullptr, true }),
    [](const auto& info) { return std::string(info.param.name); });
#endif

QList<ListRecord> records(const QString& text)
{
    return parseListText(text);
}

TEST(ListEntries, NumberCountsEveryTolKey)
{
    EXPECT_EQ(nextEntryNumber({}), 0);
    // Duplicates and odd keys beginning with TOL count; titles, other keys and blanks do not.
    EXPECT_EQ(nextEntryNumber(records(QStringLiteral("TOL0=a\nTLN0=t\nTOL0=b\nTOLx\nx=TOL\n\ntol1=c\n"))), 3);
}

TEST(ListEntries, CustomTagsAreTheTolValuesInFileOrder)
{
    EXPECT_EQ(customTags(records(QStringLiteral("TOL5=e\nTLN0=t\nTOL0=a=b\nother\nTOL=\n"))),
        (QStringList { QStringLiteral("e"), QStringLiteral("a=b"), QString() }));
}

TEST(ListEntries, SnippetTitlesFollowTheSequence)
{
    EXPECT_EQ(snippetTitles(records(QStringLiteral("TOL0=c0\nTLN0=t0\nTOL1=c1\nTLN1=t1\n"))),
        (QStringList { QStringLiteral("t0"), QStringLiteral("t1") }));
    // Title 1 before title 0: only title 0.
    EXPECT_EQ(
        snippetTitles(records(QStringLiteral("TLN1=t1\nTLN0=t0\n"))), QStringList { QStringLiteral("t0") });
    // A gap ends the list.
    EXPECT_EQ(snippetTitles(records(QStringLiteral("TLN0=t0\nTLN2=t2\nTLN1=t1\nTLN3=t3\n"))),
        (QStringList { QStringLiteral("t0"), QStringLiteral("t1") }));
    // Keys must match exactly: TLN01 is not title 1.
    EXPECT_EQ(
        snippetTitles(records(QStringLiteral("TLN0=t0\nTLN01=x\n"))), QStringList { QStringLiteral("t0") });
}

TEST(ListEntries, SnippetContentIsTheFirstExactMatch)
{
    QString text;
    for (int n = 0; n <= 11; ++n)
        text += QStringLiteral("TOL%1=c%1\nTLN%1=t%1\n").arg(n);
    text += QStringLiteral("TOL1=second\n");
    const QList<ListRecord> r = records(text);
    EXPECT_EQ(snippetContent(r, 1), QStringLiteral("c1"));
    EXPECT_EQ(snippetContent(r, 10), QStringLiteral("c10"));
    EXPECT_EQ(snippetContent(r, 11), QStringLiteral("c11"));
    EXPECT_EQ(snippetContent(r, 12), std::nullopt);
    EXPECT_EQ(snippetTitles(r).size(), 12);
}

} // namespace
