#include "files/PagePattern.h"
#include "files/FileOps.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct ParseRow {
    const char* name;
    const char16_t* text;
    int count;
    PagePattern expected;
};

struct PatternParse : ::testing::TestWithParam<ParseRow> { };

TEST_P(PatternParse, ReadsFieldsInOrder)
{
    SCOPED_TRACE(GetParam().name);
    const PatternFields fields = parsePagePattern(QString::fromUtf16(GetParam().text));
    EXPECT_EQ(fields.count, GetParam().count);
    EXPECT_EQ(fields.pattern.TitleSuffix, GetParam().expected.TitleSuffix);
    EXPECT_EQ(fields.pattern.BgColor, GetParam().expected.BgColor);
    EXPECT_EQ(fields.pattern.BgImage, GetParam().expected.BgImage);
    EXPECT_EQ(fields.pattern.Body, GetParam().expected.Body);
}

INSTANTIATE_TEST_SUITE_P(Files, PatternParse,
    ::testing::Values(
        ParseRow { "quoted-lines", u"\"-site\"\r\n\"#FFFFFF\"\r\n\"bg.gif\"\r\n\"<P>x</P>\"\r\n", 4,
            { "-site", "#FFFFFF", "bg.gif", "<P>x</P>" } },
        ParseRow { "multi-line-body", u"\"\"\r\n\"\"\r\n\"\"\r\n\"one\r\ntwo\r\n\"\r\n", 4,
            { "", "", "", "one\r\ntwo\r\n" } },
        ParseRow { "unquoted-commas-and-spaces", u"a,b,  \"c\" junk,d", 4, { "a", "b", "c", "d" } },
        ParseRow { "after-fourth-ignored", u"\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n", 4,
            { "a", "b", "c", "d" } },
        ParseRow { "lone-line-ends", u"\"a\"\n\"b\"\r\"c\"\n\"d\"", 4, { "a", "b", "c", "d" } },
        ParseRow { "three-fields", u"\"a\"\r\n\"b\"\r\n\"c\"\r\n", 3, { "a", "b", "c", "" } },
        ParseRow { "cut-inside-body", u"\"a\"\r\n\"b\"\r\n\"c\"\r\n\"<P>half", 3, { "a", "b", "c", "" } },
        ParseRow { "empty", u"", 0, {} },
        ParseRow { "doubled-quotes", u"\"\"\r\n\"\"\r\n\"\"\r\n\"say \"\"hi\"\"\"\r\n", 4,
            { "", "", "", "say \"hi\"" } },
        // A quote written unchanged by older versions still ends the field where it always did.
        ParseRow { "old-layout-single-quote", u"\"\"\r\n\"\"\r\n\"\"\r\n\"<A HREF=\"x.htm\">top</A>\"\r\n", 4,
            { "", "", "", "<A HREF=" } }));

TEST(PatternFormat, BodyFullOfQuotesComesBackWhole)
{
    const PagePattern pattern { QStringLiteral(" - \"日記\""), QStringLiteral("\"#E2FFFF\""), QString(),
        QStringLiteral(
            "\"<A HREF=\"top.htm\" TARGET=\"_top\">戻る</A>\r\n<IMG SRC=\"a.gif\" ALT=\"\">\r\n\"") };
    const QString text = formatPagePattern(pattern);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("\" - \"\"日記\"\"\"\r\n\"\"\"#E2FFFF\"\"\"\r\n\"\"\r\n\"\"\"<A HREF=")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("ALT=\"\"\"\">\r\n\"\"\"\r\n")));
    const PatternFields read = parsePagePattern(text);
    EXPECT_EQ(read.count, 4);
    EXPECT_EQ(read.pattern, pattern);
}

TEST(PatternFile, WrittenInShiftJisAndReadBack)
{
    test::TestHome home;
    const QString path = home.file(QStringLiteral("a.hpf"));
    SystemFileOps ops;
    const PagePattern pattern { QStringLiteral("日"), QString(), QString(), QStringLiteral("x") };
    ASSERT_FALSE(writePatternFile(ops, path, pattern));
    EXPECT_EQ(test::readBytes(path), "\"\x93\xfa\"\r\n\"\"\r\n\"\"\r\n\"x\"\r\n");
    EXPECT_TRUE(readPatternFile(path).ok());
    EXPECT_EQ(readPatternFile(path).fields.pattern, pattern);

    const PatternFile missing = readPatternFile(home.file(QStringLiteral("none.hpf")));
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(patternReadFailure(QStringLiteral("/p/none.hpf"), missing),
        QStringLiteral(
            "テンプレートファイルを読み込めませんでした。\r/p/none.hpf\r指定されたパスが見つかりません。"));
    test::writeBytes(path, "\"a\"\r\n");
    EXPECT_EQ(patternReadFailure(QStringLiteral("a.hpf"), readPatternFile(path)),
        QStringLiteral("テンプレートファイルを読み込めませんでした。\ra."
                       "hpf\rテンプレートファイルの形式になっていません。"));
}

} // namespace
