#include "files/FileOps.h"
#include "files/SaveErrorMessage.h"
#include "support/AsNobody.h"
#include "support/FaultyFileOps.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
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
    static struct stat statOf(const QString& path)
    {
        struct stat st { };
        (void)::stat(QFile::encodeName(path).constData(), &st);
        return st;
    }
    static mode_t modeOf(const QString& path) { return statOf(path).st_mode & 07777; }
    static int chmodTo(const QString& path, mode_t mode)
    {
        return ::chmod(QFile::encodeName(path).constData(), mode);
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

// A page name of up to 255 bytes saves, although the new file's name adds a marker to it.
TEST_F(FileOpsTest, LongestPageNamesSave)
{
    for (const QString& name : { QString(255, u'a'), QString(85, u'\u3042'),
             QString(QStringLiteral("a") + QString(84, u'\u3042')) }) {
        SCOPED_TRACE(name.size());
        ASSERT_FALSE(replaceFile(path(name), "first"));
        ASSERT_FALSE(replaceFile(path(name), "second"));
        EXPECT_EQ(readBytes(path(name)), "second");
        EXPECT_EQ(entries(), QStringList { name });
        ASSERT_TRUE(QFile::remove(path(name)));
    }
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

// Renaming a new file over the page needs a folder this user may write; the page itself
// can still be written in place. Only a new file is refused.
TEST_F(FileOpsTest, UnwritableFolderTakesChangesToItsFilesInPlace)
{
    if (test::rerunAsNobody())
        return;
    writeBytes(path(), "old page, longer than the new one");
    ASSERT_EQ(chmodTo(m_dir.path(), 0555), 0);
    const std::error_code changed = replaceFile(path(), "new");
    const std::error_code added = replaceFile(path(QStringLiteral("new.html")), "x");
    chmodTo(m_dir.path(), 0755);
    EXPECT_FALSE(changed);
    EXPECT_EQ(readBytes(path()), "new");
    EXPECT_EQ(added, std::errc::permission_denied);
    EXPECT_EQ(saveErrorMessage(added).number, 70);
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}

// Write permission for the group does not let the owner write: the file is read-only to them.
TEST_F(FileOpsTest, FileThisUserMayNotWriteIsReadOnly)
{
    if (test::rerunAsNobody())
        return;
    writeBytes(path(), "keep");
    ASSERT_EQ(chmodTo(path(), 0460), 0);
    const std::error_code error = replaceFile(path(), "new");
    EXPECT_EQ(error, make_error_code(FileErrc::ReadOnlyFile));
    EXPECT_EQ(saveErrorMessage(error).number, 75);
    EXPECT_EQ(readBytes(path()), "keep");
}

// Only root may give a file away, and others only to a group of theirs: a page that belongs to
// someone else, or to a group its saver is not in, keeps its owner and group.
TEST_F(FileOpsTest, OwnerAndGroupTheSaverCannotSetAreKept)
{
    const QStringList pages { QStringLiteral("root.html"), QStringLiteral("group.html") };
    if (test::AsNobody::needed()) {
        test::AsNobody nobody;
        const QDir folder(nobody.folder());
        const uid_t owners[] = { 0, 65534 };
        for (int i = 0; i < 2; ++i) {
            writeBytes(folder.filePath(pages[i]), "old page");
            ASSERT_EQ(::chown(QFile::encodeName(folder.filePath(pages[i])).constData(), owners[i], 0), 0);
            ASSERT_EQ(chmodTo(folder.filePath(pages[i]), 0666), 0);
        }
        nobody.run({ QStringLiteral("QUORLEX_TEST_PAGES=") + folder.path() });
        for (int i = 0; i < 2; ++i) {
            const struct stat st = statOf(folder.filePath(pages[i]));
            EXPECT_EQ(st.st_uid, owners[i]) << pages[i].toStdString();
            EXPECT_EQ(st.st_gid, 0u) << pages[i].toStdString();
            EXPECT_EQ(readBytes(folder.filePath(pages[i])), "new page");
        }
        return;
    }
    const QString folder = qEnvironmentVariable("QUORLEX_TEST_PAGES");
    if (folder.isEmpty())
        GTEST_SKIP() << "needs pages of another user, made by root";
    for (const QString& page : pages)
        EXPECT_FALSE(replaceFile(folder + u'/' + page, "new page")) << page.toStdString();
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

// A page with a second hard link is written in place, so both names keep showing one file;
// a failed step then puts its old bytes back.
class FileOpsStepTest : public FileOpsTest,
                        public ::testing::WithParamInterface<std::tuple<FaultyFileOps::Step, bool>> { };

TEST_P(FileOpsStepTest, FailedStepLeavesOldFileAndNoNewOne)
{
    const auto [step, linked] = GetParam();
    writeBytes(path(), "old page");
    QStringList names { QStringLiteral("page.html") };
    if (linked) {
        ASSERT_EQ(::link(QFile::encodeName(path()).constData(),
                      QFile::encodeName(path(QStringLiteral("link.html"))).constData()),
            0);
        names.prepend(QStringLiteral("link.html"));
    }
    FaultyFileOps ops;
    ops.failAt(step, std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(replaceFile(ops, path(), QByteArray(10000, 'n')), std::errc::no_space_on_device);
    for (const QString& name : names)
        EXPECT_EQ(readBytes(path(name)), "old page") << name.toStdString();
    EXPECT_EQ(entries(), names);
    EXPECT_EQ(ops.discards, 1);

    ops.heal();
    EXPECT_FALSE(replaceFile(ops, path(), "new page"));
    for (const QString& name : names)
        EXPECT_EQ(readBytes(path(name)), "new page") << name.toStdString();
    EXPECT_EQ(entries(), names);
}

INSTANTIATE_TEST_SUITE_P(Steps, FileOpsStepTest,
    ::testing::Combine(::testing::Values(FaultyFileOps::Step::Create, FaultyFileOps::Step::Write,
                           FaultyFileOps::Step::Sync, FaultyFileOps::Step::Commit),
        ::testing::Bool()),
    [](const auto& info) {
        return quorlex::test::stepName(std::get<0>(info.param)) + (std::get<1>(info.param) ? "_linked" : "");
    });

// What killed saves left beside the page goes with its next save; nothing else does.
TEST_F(FileOpsTest, SaveRemovesOnlyLeftoversOfItsOwnPage)
{
    const auto leftover
        = [](const char* random) { return QStringLiteral(".page.html.~quorlex-") + QLatin1String(random); };
    const auto local = [this](const QString& name) { return QFile::encodeName(path(name)); };
    writeBytes(path(), "old");
    writeBytes(path(leftover("0123456789abcdef")), "killed save");
    writeBytes(path(leftover("fedcba9876543210")), "killed save");

    // Another page's, another program's, or not quite our names; then our names on what is not
    // a plain file of ours with one name that no save holds.
    QStringList kept { QStringLiteral(".other.html.~quorlex-0123456789abcdef"), leftover("0123456789abcde"),
        leftover("0123456789abcdef0"), leftover("0123456789ABCDEF"),
        QStringLiteral("page.html.~quorlex-0123456789abcdef"), QStringLiteral(".page.html.~1a2b3c"),
        leftover("2222222222222222"), leftover("3333333333333333") };
    if (::geteuid() == 0)
        kept << leftover("4444444444444444");
    for (const QString& name : std::as_const(kept))
        writeBytes(path(name), "not a leftover");
    ASSERT_EQ(::link(local(leftover("2222222222222222")), local(QStringLiteral("linked.txt"))), 0);
    const int held = ::open(local(leftover("3333333333333333")), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(local(leftover("4444444444444444")), 65534, 65534), 0);
    }
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(leftover("1111111111111111")));
    writeBytes(path(QStringLiteral("target.txt")), "target");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("target.txt")), path(leftover("5555555555555555"))));
    kept << leftover("1111111111111111") << leftover("5555555555555555") << QStringLiteral("linked.txt")
         << QStringLiteral("page.html") << QStringLiteral("target.txt");

    const std::error_code error = replaceFile(path(), "new");
    ::close(held);
    EXPECT_FALSE(error);
    QStringList left = entries();
    left.sort();
    kept.sort();
    EXPECT_EQ(left, kept);
    EXPECT_EQ(readBytes(path(QStringLiteral("target.txt"))), "target");
}

// Two saves of one page at once: the second must not take the first one's new file for a
// leftover.
TEST_F(FileOpsTest, SaveInProgressKeepsItsNewFile)
{
    writeBytes(path(), "old");
    SystemFileOps first;
    ASSERT_FALSE(first.create(path()));
    ASSERT_FALSE(first.write("first"));
    const QStringList during = entries();
    ASSERT_EQ(during.size(), 2);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.page\\.html\\.~quorlex-[0-9a-f]{16}$"))
                    .match(during[0])
                    .hasMatch())
        << during[0].toStdString();

    EXPECT_FALSE(replaceFile(path(), "second"));
    EXPECT_EQ(readBytes(path()), "second");
    EXPECT_FALSE(first.sync());
    EXPECT_FALSE(first.commit());
    EXPECT_EQ(readBytes(path()), "first");
    EXPECT_EQ(entries(), QStringList { QStringLiteral("page.html") });
}

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
