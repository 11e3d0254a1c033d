#include "preview/HelpCommands.h"
#include "preview/HelpWindows.h"
#include "preview/ManualLocation.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

// A viewer that is running until the test closes it; start fails when told to.
struct ScriptedLauncher : HelpLauncher {
    QList<std::pair<QString, QString>> started;
    QSet<qint64> running;
    bool startFails = false;
    qint64 start(const QString& helpFile, const QString& topic) override
    {
        started.append({ helpFile, topic });
        if (startFails)
            return 0;
        const qint64 task = 100 + started.size();
        running.insert(task);
        return task;
    }
    bool bringToFront(qint64 task) override { return running.contains(task); }
};

struct ScriptedAbout : AboutWindow {
    int shown = 0;
    void showAbout() override { ++shown; }
};

} // namespace

TEST(Help, OneViewerIsBroughtBackWhileItRunsAndStartedAgainOnceClosed)
{
    ScriptedLauncher launcher;
    ScriptedAbout about;
    HelpCommands help(QStringLiteral("/opt/quorlex/manual/index.html"), launcher, about);
    help.H_Topic_Click();
    ASSERT_EQ(launcher.started.size(), 1);
    EXPECT_EQ(
        launcher.started[0], std::make_pair(QStringLiteral("/opt/quorlex/manual/index.html"), QString()));
    help.ShowHelp(QStringLiteral("edit.html")); // running: whatever the topic, no second viewer
    help.H_Topic_Click();
    EXPECT_EQ(launcher.started.size(), 1);

    launcher.running.clear(); // the user closed it
    help.ShowHelp(QStringLiteral("edit.html"));
    ASSERT_EQ(launcher.started.size(), 2);
    EXPECT_EQ(launcher.started[1].second, QStringLiteral("edit.html"));

    // A viewer that could not be started is tried again next time.
    launcher.running.clear();
    launcher.startFails = true;
    help.H_Topic_Click();
    help.H_Topic_Click();
    EXPECT_EQ(launcher.started.size(), 4);

    EXPECT_EQ(about.shown, 0);
    help.H_Version_Click();
    EXPECT_EQ(about.shown, 1);
}

TEST(Help, TheWindowsViewerGetsTheHelpFileAndTopic)
{
    EXPECT_EQ(helpViewerCommandLine(QStringLiteral("C:\\Program Files\\Quorlex\\Quorlex.chm"), QString()),
        QStringLiteral("hh.exe C:\\Program Files\\Quorlex\\Quorlex.chm"));
    EXPECT_EQ(helpViewerCommandLine(QStringLiteral("C:\\Q\\Quorlex.chm"), QStringLiteral("edit.htm")),
        QStringLiteral("hh.exe C:\\Q\\Quorlex.chm::edit.htm"));
}

TEST(Help, TheManualIsFoundBesideTheProgramOrWhereItWasInstalled)
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("usr/bin"));
    const QString data = root.filePath(QStringLiteral("data"));
    auto put = [&](const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const QString installed = root.filePath(QStringLiteral("usr/share/quorlex/manual/index.html"));
    const QString inData = root.filePath(QStringLiteral("data/quorlex/manual/index.html"));
    const QString beside = root.filePath(QStringLiteral("usr/bin/manual/index.html"));
    QDir().mkpath(program);
    EXPECT_EQ(manualIndexPath(program, { data }), installed); // nowhere: named where expected
    put(inData);
    EXPECT_EQ(manualIndexPath(program, { data }), inData);
    put(installed);
    EXPECT_EQ(manualIndexPath(program, { data }), installed);
    put(beside);
    EXPECT_EQ(manualIndexPath(program, { data }), beside);
}
