#include "core/AutoBackup.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "files/DocumentFiles.h"
#include "support/FaultyFileOps.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

const QString PageCaption = QStringLiteral("index.html - クォーレクス");

struct AutoBackupTest : ::testing::Test {
    AutoBackupTest() { host.setWindowCaption(PageCaption); }

    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            backup.Timer1_Timer();
    }
    void type(const QString& text)
    {
        host.stringBox().setText(text);
        editor.document().setModified(true);
    }
    QString bak() const { return home.file(QStringLiteral("html.bak")); }

    TestHome home;
    ScriptedHost host;
    Editor editor { host };
    FaultyFileOps ops;
    AutoBackup backup { editor, home.path(), ops };
    FileDlg dialog { host };
    DocumentFiles files { editor, dialog };
};

} // namespace

TEST_F(AutoBackupTest, FifthTickWritesExactlyTheTextUnderANotice)
{
    type(QStringLiteral("日本語\r\nabc€"));
    tick(4);
    EXPECT_FALSE(QFile::exists(bak()));
    EXPECT_EQ(editor.document().BackupTicks(), 4);
    host.captions.clear();
    tick(1);
    EXPECT_EQ(readBytes(bak()), QByteArray("\x93\xfa\x96\x7b\x8c\xea\r\nabc&#8364;"));
    EXPECT_EQ(host.captions,
        QStringList({ QStringLiteral("(ﾊﾞｯｸｱｯﾌﾟ保存 html.bak) しばらくお待ちください。"), PageCaption }));
    EXPECT_EQ(editor.document().BackupTicks(), 0);
    EXPECT_TRUE(editor.document().Modified());

    // Every fifth tick after that, over the old backup.
    type(QStringLiteral("second"));
    tick(4);
    EXPECT_EQ(readBytes(bak()).left(6), QByteArray("\x93\xfa\x96\x7b\x8c\xea"));
    tick(1);
    EXPECT_EQ(readBytes(bak()), QByteArray("second"));
}

TEST_F(AutoBackupTest, BackupOfUtf8PageIsInUtf8WithItsMark)
{
    writeBytes(home.file(QStringLiteral("u.html")), "\xEF\xBB\xBF<p>x</p>");
    ASSERT_TRUE(files.LoadDocument(home.file(QStringLiteral("u.html"))));
    type(QStringLiteral("日本€"));
    tick(5);
    EXPECT_EQ(readBytes(bak()), QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\xE2\x82\xAC"));
}

TEST_F(AutoBackupTest, EmptyTextIsNeitherCountedNorWritten)
{
    tick(12);
    EXPECT_FALSE(QFile::exists(bak()));
    EXPECT_EQ(editor.document().BackupTicks(), 0);

    type(QStringLiteral("x"));
    tick(3);
    type(QString());
    tick(7);
    EXPECT_EQ(editor.document().BackupTicks(), 3);
    EXPECT_FALSE(QFile::exists(bak()));
}

// A page still coming in is neither read nor counted: reading it would take it all in at once.
TEST_F(AutoBackupTest, APageStillFillingIsLeftToFill)
{
    type(QStringLiteral("x"));
    host.stringBox().filling = true;
    tick(12);
    EXPECT_EQ(editor.document().BackupTicks(), 0);
    EXPECT_FALSE(QFile::exists(bak()));
    host.stringBox().filling = false;
    tick(1);
    EXPECT_EQ(editor.document().BackupTicks(), 1);
}

TEST_F(AutoBackupTest, LoadingRestartsTheCountSavingDoesNot)
{
    const QString page = home.file(QStringLiteral("page.html"));
    writeBytes(page, "loaded");
    type(QStringLiteral("typed"));
    tick(4);
    ASSERT_TRUE(files.LoadDocument(page));
    tick(4);
    EXPECT_FALSE(QFile::exists(bak()));
    tick(1);
    EXPECT_EQ(readBytes(bak()), QByteArray("loaded"));

    type(QStringLiteral("saved"));
    tick(4);
    ASSERT_TRUE(files.F_Save_Click());
    tick(1);
    EXPECT_EQ(readBytes(bak()), QByteArray("saved"));
}

TEST_F(AutoBackupTest, FailedWriteKeepsThePreviousBackupWhole)
{
    writeBytes(bak(), "previous backup");
    type(QStringLiteral("new text"));
    for (const auto step : { FaultyFileOps::Step::Create, FaultyFileOps::Step::Write,
             FaultyFileOps::Step::Sync, FaultyFileOps::Step::Commit }) {
        SCOPED_TRACE(stepName(step));
        ops.failAt(step, std::make_error_code(std::errc::no_space_on_device));
        host.captions.clear();
        tick(5);
        EXPECT_EQ(readBytes(bak()), QByteArray("previous backup"));
        EXPECT_EQ(editor.document().BackupTicks(), 0);
        EXPECT_EQ(host.captions.constLast(), PageCaption);
        EXPECT_TRUE(host.messages.isEmpty());
        EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList({ "html.bak" }));
    }
    ops.heal();
    tick(5);
    EXPECT_EQ(readBytes(bak()), QByteArray("new text"));
}

TEST_F(AutoBackupTest, TimerTicksAtTheShortenedInterval)
{
    AutoBackup timed(editor, home.path(), std::chrono::milliseconds(5));
    type(QStringLiteral("timed"));
    EXPECT_FALSE(timed.isActive());
    timed.start();
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(bak()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_EQ(readBytes(bak()), QByteArray("timed"));
}
