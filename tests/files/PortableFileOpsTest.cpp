#include "files/FileOps.h"
#include "support/FileSizeLimit.h"
#ifdef Q_OS_UNIX
#include "support/AsNobody.h"
#endif
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::readBytes;
using quorlex::test::writeBytes;

// The Qt-only file steps that the program uses where POSIX calls are not available, and
// what they share with the POSIX ones.
namespace {

class PortableFileOpsTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("page.html")) const { return m_dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    std::error_code replace(const QString& target, const QByteArray& bytes)
    {
        PortableFileOps ops;
        return replaceFile(ops, target, bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(PortableFileOpsTest, WritesNewAndReplacesOldFilesExactly)
{
    const QByteArray bytes("a\r\nb\nc\r\x82\xa0\0", 11);
    ASSERT_FALSE(replace(path(), bytes));
    EXPECT_EQ(readBytes(path()), bytes);
    ASSERT_FALSE(replace(path(), "new"));
    EXPECT_EQ(readBytes(path()), "new");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}

TEST_F(PortableFileOpsTest, RefusesWhatItMustNotReplace)
{
    writeBytes(path(), "keep");
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    EXPECT_EQ(replace(path(), "new"), make_error_code(FileErrc::ReadOnlyFile));
    EXPECT_EQ(readBytes(path()), "keep");

    EXPECT_EQ(replace(path(QStringLiteral("missing/page.html")), "x"), std::errc::no_such_file_or_directory);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.html")));
    EXPECT_EQ(replace(path(QStringLiteral("folder.html")), "x"), std::errc::is_a_directory);
    EXPECT_EQ(entries(), (QStringList { QStringLiteral("folder.html"), QStringLiteral("page.html") }));
}

// Both implementations of the file steps read a page the same way.
template <typename Ops> class ReadAllTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
};

using Implementations = ::testing::Types<SystemFileOps, PortableFileOps>;
TYPED_TEST_SUITE(ReadAllTest, Implementations);

TYPED_TEST(ReadAllTest, GivesEveryByteOrTheReason)
{
    TypeParam ops;
    const QString page = this->m_dir.filePath(QStringLiteral("page.html"));
    const QByteArray bytes("\xef\xbb\xbf"
                           "a\0b\r\n\x81",
        9);
    writeBytes(page, bytes);
    QByteArray read;
    ASSERT_FALSE(ops.readAll(page, read));
    EXPECT_EQ(read, bytes);
    read = "untouched";
    EXPECT_EQ(ops.readAll(this->m_dir.filePath(QStringLiteral("none.html")), read),
        std::errc::no_such_file_or_directory);
    EXPECT_EQ(ops.readAll(this->m_dir.path(), read), std::errc::is_a_directory);
    EXPECT_EQ(ops.readAll(page, read, bytes.size() - 1), std::errc::file_too_large);
    EXPECT_EQ(read, "untouched");
    ASSERT_FALSE(ops.readAll(page, read, bytes.size()));
    EXPECT_EQ(read, bytes);
}

#ifdef Q_OS_UNIX
// Write permission for the group does not let the owner write: the file is read-only to them.
TEST_F(PortableFileOpsTest, FileThisUserMayNotWriteIsReadOnly)
{
    if (test::rerunAsNobody())
        return;
    writeBytes(path(), "keep");
    ASSERT_TRUE(QFile::setPermissions(
        path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup));
    EXPECT_EQ(replace(path(), "new"), make_error_code(FileErrc::ReadOnlyFile));
    EXPECT_EQ(readBytes(path()), "keep");
}

// A file size limit makes the write stop part way, as a full disk would.
TEST_F(PortableFileOpsTest, ShortWriteLeavesOldFileIntact)
{
    writeBytes(path(), "old page");
    std::error_code error;
    {
        test::FileSizeLimit limit(100);
        ASSERT_TRUE(limit.ok());
        error = replace(path(), QByteArray(5000, 'x'));
    }

    EXPECT_TRUE(error);
    EXPECT_EQ(readBytes(path()), "old page");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}
#endif

} // namespace
