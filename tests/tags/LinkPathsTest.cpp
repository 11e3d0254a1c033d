#include "tags/LinkPaths.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct PathRow {
    const char* name;
    const char16_t* base; // FolderOf's argument, or RelativePath's base
    const char16_t* path;
    const char16_t* expected;
};

struct FolderOfTest : ::testing::TestWithParam<PathRow> { };

TEST_P(FolderOfTest, GivesTheFolderWithItsSeparator)
{
    SCOPED_TRACE(GetParam().name);
    EXPECT_EQ(FolderOf(QString::fromUtf16(GetParam().path)), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderOfTest,
    ::testing::Values(PathRow { "windows", u"", u"C:\\web\\index.htm", u"C:\\web\\" },
        PathRow { "drive-only", u"", u"C:index.htm", u"C:\\" },
        PathRow { "bare-name", u"", u"index.htm", u"" }, PathRow { "empty", u"", u"", u"" },
        PathRow { "posix", u"", u"/srv/web/index.htm", u"/srv/web/" },
        PathRow { "colon-in-posix-name", u"", u"/srv/a:b.htm", u"/srv/" }));

struct RelativePathTest : ::testing::TestWithParam<PathRow> { };

TEST_P(RelativePathTest, StepsThroughWholeFolders)
{
    SCOPED_TRACE(GetParam().name);
    QString address = RelativePath(QString::fromUtf16(GetParam().base), QString::fromUtf16(GetParam().path));
    EXPECT_EQ(ToSlashes(address), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Paths, RelativePathTest,
    ::testing::Values(
        PathRow { "below-the-page", u"C:\\site\\", u"C:\\site\\img\\logo.gif", u"img/logo.gif" },
        PathRow { "beside-the-page", u"C:\\site\\", u"C:\\site\\x.gif", u"x.gif" },
        PathRow { "sibling-folder", u"C:\\site\\sub\\", u"C:\\site\\img\\logo.gif", u"../img/logo.gif" },
        PathRow { "name-sharing-a-prefix", u"C:\\site\\", u"C:\\sitemap\\x.gif", u"../sitemap/x.gif" },
        PathRow { "two-up", u"C:\\a\\b\\c\\", u"C:\\a\\x.gif", u"../../x.gif" },
        PathRow { "file-named-like-the-folder", u"C:\\site\\img\\", u"C:\\site\\img", u"../img" },
        PathRow { "case-differs", u"C:\\Site\\", u"c:\\site\\x.gif", u"c:/site/x.gif" },
        PathRow { "folder-case-differs", u"C:\\Site\\", u"C:\\site\\x.gif", u"../site/x.gif" },
        PathRow { "other-drive", u"C:\\site\\", u"D:\\img\\x.gif", u"D:/img/x.gif" },
        PathRow { "share", u"C:\\site\\", u"\\\\srv\\pub\\x.gif", u"//srv/pub/x.gif" },
        PathRow { "same-share", u"\\\\srv\\pub\\site\\", u"\\\\srv\\pub\\img\\x.gif", u"../img/x.gif" },
        PathRow { "typed-address", u"C:\\site\\", u"http://x.jp/a.gif", u"http://x.jp/a.gif" },
        PathRow { "typed-mail", u"/srv/site/", u"mailto:me@x.jp", u"mailto:me@x.jp" },
        PathRow { "relative", u"C:\\site\\", u"img\\x.gif", u"img/x.gif" },
        PathRow { "posix-below", u"/srv/site/", u"/srv/site/img/logo.gif", u"img/logo.gif" },
        PathRow { "posix-up", u"/srv/site/sub/", u"/srv/site/img/logo.gif", u"../img/logo.gif" },
        PathRow { "posix-root-only", u"/home/me/", u"/usr/x.gif", u"../../usr/x.gif" },
        PathRow { "posix-from-windows-base", u"C:\\site\\", u"/srv/x.gif", u"/srv/x.gif" }));

TEST(LinkPaths, PlugInStepsKeepThePathsBackslashes)
{
    EXPECT_EQ(RelativePath(QStringLiteral("C:\\site\\sub\\"), QStringLiteral("C:\\site\\plug\\x.swf")),
        QStringLiteral("..\\plug\\x.swf"));
    QString text = QStringLiteral("a\\b\\\\c");
    EXPECT_EQ(ToSlashes(text), QStringLiteral("a/b//c"));
    EXPECT_EQ(text, QStringLiteral("a/b//c"));
}

} // namespace
