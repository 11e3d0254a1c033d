#include "files/Recovery.h"
#include "core/Editor.h"
#include "core/RunJournal.h"
#include "dialogs/FileDlg.h"
#include "files/DocumentFiles.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdlib>
#include <functional>
#include <optional>

using namespace quorlex;
using namespace quorlex::test;

namespace {

const QByteArray Utf8Page = "<p>\xE6\x97\xA5\xE6\x9C\xAC</p>";

// Death tests run first, while the process has no other threads to copy into its children.
class RecoveryDeathTest : public ::testing::Test {
public:
    QString bak() const { return home.file(QStringLiteral("html.bak")); }

    // A run that writes a backup (when it has one) and then ends without closing the program, in
    // a child process.
    void crash(const std::optional<QByteArray>& backup)
    {
        EXPECT_EXIT(
            {
                RunJournal journal(home.path());
                journal.begin();
                if (backup) {
                    journal.backupWriting(*backup, PageEncoding::Utf8);
                    (void)replaceFile(bak(), *backup);
                }
                std::_Exit(3);
            },
            ::testing::ExitedWithCode(3), "");
    }
    // A later run, up to its start-up question.
    bool start()
    {
        RunJournal journal(home.path());
        journal.begin();
        SystemFileOps ops;
        return offerBackupRecovery(editor, files, journal, bak(), ops);
    }

    TestHome home;
    ScriptedHost host;
    Editor editor { host };
    FileDlg dialog { host };
    DocumentFiles files { editor, dialog };
    // Another copy of the program, running all along.
    std::unique_ptr<RunJournal> running;
};

TEST_F(RecoveryDeathTest, YesOpensTheCrashedRunsBackupAsUntitledModifiedPage)
{
    crash(Utf8Page);
    host.answerMessages({ MsgAnswer::Yes });
    EXPECT_TRUE(start());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(
        QRegularExpression(QStringLiteral("\\d{4}年\\d{1,2}月\\d{1,2}日 \\d{1,2}:\\d\\d に自動保存"))));
    EXPECT_EQ(host.messages[0].style.toNumber(), 4 + 32);
    EXPECT_EQ(host.editBox().text(), QStringLiteral("<p>日本</p>"));
    EXPECT_TRUE(editor.document().FilePath().isEmpty());
    EXPECT_TRUE(editor.document().Modified());
    EXPECT_EQ(editor.document().encoding(), PageEncoding::Utf8);
    EXPECT_EQ(host.caption, QStringLiteral("無題 - クォーレクス"));
    EXPECT_EQ(readBytes(bak()), Utf8Page);

    // Offered once.
    EXPECT_FALSE(start());
    EXPECT_EQ(host.messages.size(), 1);
}

TEST_F(RecoveryDeathTest, NoLeavesTheBackupAlone)
{
    crash(Utf8Page);
    host.answerMessages({ MsgAnswer::No });
    EXPECT_FALSE(start());
    EXPECT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.editBox().text().isEmpty());
    EXPECT_EQ(readBytes(bak()), Utf8Page);
    EXPECT_FALSE(start());
    EXPECT_EQ(host.messages.size(), 1);
}

struct QuietRow {
    const char* name;
    std::function<void(RecoveryDeathTest&)> before;
};

class RecoveryQuietDeathTest : public RecoveryDeathTest, public ::testing::WithParamInterface<QuietRow> { };

TEST_P(RecoveryQuietDeathTest, OffersNothing)
{
    GetParam().before(*this);
    EXPECT_FALSE(start());
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(host.editBox().text().isEmpty());
    EXPECT_TRUE(QFile::exists(bak()));
    // The notes of ended runs are gone, the running copy's stays.
    const QStringList notes = QDir(home.path()).entryList({ QStringLiteral("quorlex-*.run") });
    EXPECT_EQ(notes.size(), running ? 1 : 0);
}

// A run that writes a backup and carries on.
std::unique_ptr<RunJournal> runWithBackup(const RecoveryDeathTest& t, const QByteArray& bytes)
{
    auto journal = std::make_unique<RunJournal>(t.home.path());
    journal->begin();
    journal->backupWriting(bytes, PageEncoding::ShiftJis);
    (void)replaceFile(t.bak(), bytes);
    return journal;
}

INSTANTIATE_TEST_SUITE_P(Runs, RecoveryQuietDeathTest,
    ::testing::Values(QuietRow { "clean_end", [](auto& t) { runWithBackup(t, "clean")->finish(); } },
        QuietRow { "another_copy_running", [](auto& t) { t.running = runWithBackup(t, "running"); } },
        QuietRow { "backup_since_written_by_a_running_copy",
            [](auto& t) {
                t.crash(Utf8Page);
                t.running = runWithBackup(t, "running");
            } },
        QuietRow { "crash_without_a_backup_of_its_own",
            [](auto& t) {
                runWithBackup(t, "earlier")->finish();
                t.crash(std::nullopt);
            } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
