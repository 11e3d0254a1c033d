#include "dialogs/PathHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct PathCase {
    const char* name;
    QString in;
    QString out;
};

void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.name;
}

// Test names from the rows' names ("drive-root" runs as Paths/…/drive_root).
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string n = info.param.name;
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
}

class FileTitleOfTest : public ::testing::TestWithParam<PathCase> { };

TEST_P(FileTitleOfTest, GivesTheFileNamePart)
{
    EXPECT_EQ(FileTitleOf(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileTitleOfTest,
    ::testing::Values(
        PathCase { "backslashes", QStringLiteral("C:\\web\\top.htm"), QStringLiteral("top.htm") },
        PathCase { "slashes", QStringLiteral("C:/web/top.htm"), QStringLiteral("top.htm") },
        PathCase { "bare-name", QStringLiteral("top.htm"), QStringLiteral("top.htm") },
        PathCase { "empty", QString(), QStringLiteral("無題") },
        PathCase { "ends-with-separator", QStringLiteral("C:\\web\\"), QString() },
        PathCase {
            "last-of-mixed", QStringLiteral("C:/web\\sub/ページ.html"), QStringLiteral("ページ.html") },
        PathCase { "backslash-after-slash", QStringLiteral("/home/me\\x.htm"), QStringLiteral("x.htm") },
        PathCase { "posix", QStringLiteral("/home/me/index.html"), QStringLiteral("index.html") }),
    caseName<PathCase>);

class WithBackslashTest : public ::testing::TestWithParam<PathCase> { };

TEST_P(WithBackslashTest, EndsInOneSeparator)
{
    EXPECT_EQ(WithBackslash(GetParam().in), GetParam().out);
}

const QString native = QString(QDir::separator());

INSTANTIATE_TEST_SUITE_P(Paths, WithBackslashTest,
    ::testing::Values(PathCase { "windows-folder", QStringLiteral("C:\\web"), QStringLiteral("C:\\web\\") },
        PathCase { "drive-root", QStringLiteral("C:\\"), QStringLiteral("C:\\") },
        PathCase { "posix-folder", QStringLiteral("/home/me"), QStringLiteral("/home/me/") },
        PathCase { "posix-root", QStringLiteral("/"), QStringLiteral("/") },
        PathCase { "ends-with-slash", QStringLiteral("C:/web/"), QStringLiteral("C:/web/") },
        PathCase { "forward-windows", QStringLiteral("C:/web"), QStringLiteral("C:/web/") },
        PathCase { "empty", QString(), native },
        PathCase { "no-separator", QStringLiteral("web"), QStringLiteral("web") + native },
        PathCase { "mixed", QStringLiteral("/home/a\\b"), QStringLiteral("/home/a\\b") + native }),
    caseName<PathCase>);

TEST(WithBackslash, MakesAUsablePathForAFileInTheFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(WithBackslash(QDir::toNativeSeparators(dir.path())) + QStringLiteral("quorlex.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("quorlex.ini"))));
}

TEST(CutAtNull, StopsAtTheFirstNul)
{
    const QChar nul(u'\0');
    EXPECT_EQ(CutAtNull(QStringLiteral("abc") + nul + QStringLiteral("def") + nul), QStringLiteral("abc"));
    EXPECT_EQ(CutAtNull(nul + QStringLiteral("x")), QString());
    EXPECT_EQ(CutAtNull(QStringLiteral("C:\\web\\top.htm")), QStringLiteral("C:\\web\\top.htm"));
    EXPECT_EQ(CutAtNull(QString()), QString());
}

} // namespace
