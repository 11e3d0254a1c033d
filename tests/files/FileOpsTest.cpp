#include "files/FileOps.h"
#include "FaultyFileOps.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorlex;
using quorlex::test::FaultyFileOps;
using quorlex::test::readBytes;
using quorlex::test::writeBytes;

namespace {

class FileOpsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name = QStringLiteral("page.html")) const { return m_dir.filePath(name); }

    QStringList entries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static mode_t modeOf(const QString& path)
    {
        struct stat st { };
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    QTemporaryDir m_dir;
};

TEST_F(FileOpsTest, NewFileHoldsExactlyTheBytesWithUsualPermissions)
{
    const QByteArray bytes("a\r\nb\nc\r\x82\xa0", 10);
    ASSERT_FALSE(replaceFile(path(), bytes));
    EXPECT_EQ(readBytes(path()), bytes);
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(path()), 0666 & ~mask);
}

TEST_F(FileOpsTest, ReplacingKeepsPermissions)
{
    writeBytes(path(), "old contents that are longer");
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0640), 0);
    ASSERT_FALSE(replaceFile(path(), "new"));
    EXPECT_EQ(readBytes(path()), "new");
    EXPECT_EQ(modeOf(path()), 0640u);
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}

TEST_F(FileOpsTest, WritesThroughSymbolicLink)
{
    writeBytes(path(), "old");
    ASSERT_TRUE(QFile::link(path(), path(QStringLiteral("link.html"))));
    ASSERT_FALSE(replaceFile(path(QStringLiteral("link.html")), "new"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("link.html"))).isSymLink());
    EXPECT_EQ(readBytes(path()), "new");
}

// The read-only check looks at the permission bits themselves, so it holds for root too.
TEST_F(FileOpsTest, ReadOnlyFileIsRefusedBeforeWriting)
{
    writeBytes(path(), "keep");
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0444), 0);
    EXPECT_EQ(replaceFile(path(), "new"), make_error_code(FileErrc::ReadOnlyFile));
    EXPECT_EQ(readBytes(path()), "keep");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}

TEST_F(FileOpsTest, MissingFolderIsNotCreated)
{
    const QString folder = path(QStringLiteral("missing"));
    EXPECT_EQ(replaceFile(folder + QStringLiteral("/page.html"), "x"), std::errc::no_such_file_or_directory);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(FileOpsTest, FolderAtTargetIsRefused)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("page.html")));
    EXPECT_EQ(replaceFile(path(), "x"), std::errc::is_a_directory);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(FileOpsTest, UnwritableFolderIsPermissionDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder";
    writeBytes(path(), "keep");
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0555), 0);
    const std::error_code error = replaceFile(path(), "new");
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    EXPECT_EQ(error, std::errc::permission_denied);
    EXPECT_EQ(readBytes(path()), "keep");
}

// A file size limit makes the write stop part way, as a full disk would.
TEST_F(FileOpsTest, ShortWriteLeavesOldFileIntact)
{
    writeBytes(path(), "old page");
    std::error_code error;
    {
        test::FileSizeLimit limit(100);
        ASSERT_TRUE(limit.ok());
        error = replaceFile(path(), QByteArray(5000, 'x'));
    }

    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(readBytes(path()), "old page");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}

class FileOpsStepTest : public FileOpsTest, public ::testing::WithParamInterface<FaultyFileOps::Step> { };

TEST_P(FileOpsStepTest, FailedStepLeavesOldFileAndNoNewOne)
{
    writeBytes(path(), "old page");
    FaultyFileOps ops;
    ops.failAt(GetParam(), std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(replaceFile(ops, path(), QByteArray(10000, 'n')), std::errc::no_space_on_device);
    EXPECT_EQ(readBytes(path()), "old page");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
    EXPECT_EQ(ops.discards, 1);

    ops.heal();
    EXPECT_FALSE(replaceFile(ops, path(), "new page"));
    EXPECT_EQ(readBytes(path()), "new page");
}

INSTANTIATE_TEST_SUITE_P(Steps, FileOpsStepTest,
    ::testing::Values(FaultyFileOps::Step::Create, FaultyFileOps::Step::Write, FaultyFileOps::Step::Sync,
        FaultyFileOps::Step::Commit),
    [](const auto& info) { return quorlex::test::stepName(info.param); });

// A pipe would block a plain open until someone writes to it.
TEST_F(FileOpsTest, ReadAllRefusesPipeWithoutBlocking)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0600), 0);
    SystemFileOps ops;
    QByteArray read;
    EXPECT_EQ(ops.readAll(path(QStringLiteral("pipe")), read), make_error_code(FileErrc::NotRegularFile));
    EXPECT_EQ(replaceFile(path(QStringLiteral("pipe")), "x"), make_error_code(FileErrc::NotRegularFile));
}

} // namespace
