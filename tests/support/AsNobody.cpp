#include "AsNobody.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace quorlex::test {

namespace {

constexpr int NobodyId = 65534;

QString setprivProgram()
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    return found.isEmpty() ? QStandardPaths::findExecutable(
               QStringLiteral("setpriv"), { QStringLiteral("/usr/bin"), QStringLiteral("/bin") })
                           : found;
}

} // namespace

// Under /tmp, which every user may enter, whatever TMPDIR says.
AsNobody::AsNobody()
    : m_dir(QStringLiteral("/tmp/quorlex-nobody-XXXXXX"))
{
    if (m_dir.isValid())
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0777);
}

bool AsNobody::needed()
{
    return ::geteuid() == 0;
}

bool AsNobody::run(const QStringList& environment)
{
    const QString setpriv = setprivProgram();
    if (!m_dir.isValid() || setpriv.isEmpty()) {
        ADD_FAILURE() << "running a test as nobody needs setpriv (util-linux) and a folder in /tmp";
        return false;
    }
    const QString binary = m_dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!QFile::exists(binary)) {
        if (!QFile::copy(QCoreApplication::applicationFilePath(), binary)
            || ::chmod(QFile::encodeName(binary).constData(), 0755) != 0) {
            ADD_FAILURE() << "cannot copy the test binary to " << binary.toStdString();
            return false;
        }
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "XDG_RUNTIME_DIR", "GTEST_OUTPUT", "GTEST_SHARD_INDEX", "GTEST_TOTAL_SHARDS",
             "GTEST_SHARD_STATUS_FILE" })
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("TMPDIR"), m_dir.path());
    env.insert(QStringLiteral("HOME"), m_dir.path());
    for (const QString& entry : environment)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));

    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = QString::fromUtf8(test->test_suite_name()) + u'.' + QString::fromUtf8(test->name());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(m_dir.path());
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString id = QString::number(NobodyId);
    child.start(setpriv,
        { QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id, QStringLiteral("--clear-groups"),
            QStringLiteral("--"), binary, QStringLiteral("--gtest_filter=") + name,
            QStringLiteral("--gtest_color=no") });
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
    }
    const QByteArray output = child.readAll();
    const bool passed = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
        && output.contains("[  PASSED  ] 1 test.");
    EXPECT_TRUE(passed) << "as nobody:\n" << output.toStdString();
    return passed;
}

bool rerunAsNobody()
{
    if (!AsNobody::needed())
        return false;
    AsNobody nobody;
    nobody.run();
    return true;
}

} // namespace quorlex::test
