#include "settings/IniFile.h"
#include "files/FileOps.h"
#include "support/FileSizeLimit.h"
#ifdef Q_OS_UNIX
#include "support/WatchedPipe.h"
#endif

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace quorlex;

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_ini.setIniFile(path());
    }

    QString path() const { return m_dir.filePath(QStringLiteral("quorlex.ini")); }

    void writeFile(const QByteArray& content) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    }

    QByteArray readFile() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList folderEntries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
    IniFile m_ini;
};

TEST_F(IniFileTest, MissingFileGivesDefaults)
{
    EXPECT_EQ(m_ini.GetIni("Main", "FileBar", "1"), u"1");
    EXPECT_EQ(m_ini.GetIni("HTML", "TagCase", "0"), u"0");
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(IniFileTest, UnsetOrUnreadablePathGivesDefaults)
{
    EXPECT_EQ(IniFile().GetIni("Main", "FileBar", "1"), u"1");
    IniFile folder(m_dir.path());
    EXPECT_EQ(folder.GetIni("Main", "FileBar", "1"), u"1");
    EXPECT_FALSE(folder.SetIni("Main", "FileBar", "True"));
    EXPECT_TRUE(QFileInfo(m_dir.path()).isDir());
}

TEST_F(IniFileTest, FirstWritesCreateFile)
{
    EXPECT_EQ(m_ini.iniFile(), path());
    ASSERT_TRUE(m_ini.SetIni("Main", "FileBar", "True"));
    ASSERT_TRUE(m_ini.SetIni("Main", "TagBar", "True"));
    EXPECT_EQ(readFile(), "[Main]\r\nFileBar=True\r\nTagBar=True\r\n");
    EXPECT_EQ(m_ini.GetIni("main", "filebar", "0"), u"True");
    EXPECT_EQ(folderEntries(), QStringList { QStringLiteral("quorlex.ini") });
}

TEST_F(IniFileTest, WritesJapaneseAsShiftJis)
{
    ASSERT_TRUE(m_ini.SetIni(QStringLiteral(u"設定"), "Name", QStringLiteral(u"日本語")));
    EXPECT_EQ(readFile(), "[\x90\xdd\x92\xe8]\r\nName=\x93\xfa\x96\x7b\x8c\xea\r\n");
    EXPECT_EQ(m_ini.GetIni(QStringLiteral(u"設定"), "name", ""), QStringLiteral(u"日本語"));
}

TEST_F(IniFileTest, SameValueLeavesFileUntouched)
{
    const QByteArray content = "[Main]\r\nFileBar = True\r\n";
    writeFile(content);
    const QDateTime old = QDateTime::currentDateTime().addYears(-3);
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QDateTime before = QFileInfo(path()).lastModified();

    EXPECT_TRUE(m_ini.SetIni("MAIN", "filebar", "True"));
    EXPECT_EQ(QFileInfo(path()).lastModified(), before);
    EXPECT_EQ(readFile(), content);

    EXPECT_TRUE(m_ini.SetIni("Main", "FileBar", "False"));
    EXPECT_NE(QFileInfo(path()).lastModified(), before);
    EXPECT_EQ(readFile(), "[Main]\r\nFileBar=False\r\n");
}

TEST_F(IniFileTest, HandEditedFileKeepsEverythingElse)
{
    // Japanese comments, LF and CR line ends, stray lines and a trailing ^Z, as an editor may
    // leave them.
    const QByteArray handMade = "; \x83\x4e\x83\x48\x81\x5b\x83\x8c\x83\x4e\x83\x58\x82\xcc\x90\xdd\x92\xe8\n"
                                "\n"
                                "[HTML]\r\n"
                                "  TagCase = 1 \r\n"
                                "\tnote without equals\r\n"
                                "[Main]\r"
                                "PreviewSave='2'\r"
                                "FILEBAR=False\r"
                                "\x1a";
    writeFile(handMade);

    EXPECT_EQ(m_ini.GetIni("HTML", "TagCase", "0"), u"1");
    EXPECT_EQ(m_ini.GetIni("Main", "PreviewSave", "1"), u"2");
    EXPECT_EQ(m_ini.GetIni("Main", "FileBar", "1"), u"False");
    EXPECT_EQ(m_ini.GetIni("Main", "TagBar", "1"), u"1");
    EXPECT_EQ(m_ini.GetIni("HTML", "note without equals", "x"), u"x");

    ASSERT_TRUE(m_ini.SetIni("Main", "FileBar", "True"));
    ASSERT_TRUE(m_ini.SetIni("Main", "TagBar", "False"));
    ASSERT_TRUE(m_ini.SetIni("HTML", "TagCase", "0"));
    EXPECT_EQ(readFile(),
        "; \x83\x4e\x83\x48\x81\x5b\x83\x8c\x83\x4e\x83\x58\x82\xcc\x90\xdd\x92\xe8\n"
        "\n"
        "[HTML]\r\n"
        "TagCase=0\r\n"
        "\tnote without equals\r\n"
        "[Main]\r"
        "PreviewSave='2'\r"
        "FILEBAR=True\r"
        "TagBar=False\r\n"
        "\x1a");
}

TEST_F(IniFileTest, MissingFolderFailsWithoutCreatingIt)
{
    const QString folder = m_dir.filePath(QStringLiteral("missing"));
    IniFile ini(folder + QStringLiteral("/quorlex.ini"));
    EXPECT_FALSE(ini.SetIni("Main", "FileBar", "True"));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(ini.GetIni("Main", "FileBar", "1"), u"1");
}

TEST_F(IniFileTest, RefusedValueLeavesFileUntouched)
{
    const QByteArray content = "[Main]\r\nFileBar=True\r\n";
    writeFile(content);
    EXPECT_FALSE(m_ini.SetIni("Main", "FileBar", "True\r\n[Evil]"));
    EXPECT_EQ(readFile(), content);
}

TEST_F(IniFileTest, FailedWriteLeavesOldFileIntact)
{
#ifdef Q_OS_UNIX
    const QByteArray content = "; keep me\r\n[Main]\r\nFileBar=True\r\n";
    writeFile(content);
    bool written = true;
    {
        test::FileSizeLimit limit(64);
        ASSERT_TRUE(limit.ok());
        written = m_ini.SetIni("Main", "Note", QString(200, u'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(), content);
    EXPECT_EQ(folderEntries(), QStringList { QStringLiteral("quorlex.ini") });
    EXPECT_EQ(m_ini.GetIni("Main", "Note", "none"), u"none");
#else
    GTEST_SKIP() << "needs a file size limit";
#endif
}

#ifdef Q_OS_UNIX
// What may stand at the path instead of a settings file: reading it would hang on the pipe or
// fill the memory, writing would go through to it.
enum class NotSettings { Pipe, Device, Huge };

class IniFileNotSettingsTest : public IniFileTest, public testing::WithParamInterface<NotSettings> { };

TEST_P(IniFileNotSettingsTest, CountsAsNoFileAndIsLeftAlone)
{
    std::optional<test::WatchedPipe> pipe;
    switch (GetParam()) {
    case NotSettings::Pipe:
        pipe.emplace(path());
        ASSERT_TRUE(pipe->ok());
        break;
    case NotSettings::Device:
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path()));
        break;
    case NotSettings::Huge: {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(SmallFileLimit + 1));
        break;
    }
    }
    const QFileInfo before(path());

    EXPECT_EQ(m_ini.GetIni("Main", "FileBar", "1"), u"1");
    EXPECT_FALSE(m_ini.SetIni("Main", "FileBar", "True"));

    const QFileInfo after(path());
    EXPECT_EQ(after.isFile(), before.isFile());
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(folderEntries(), QStringList { QStringLiteral("quorlex.ini") });
    if (pipe) {
        EXPECT_FALSE(pipe->waited());
    }
}

std::string kindName(const testing::TestParamInfo<NotSettings>& info)
{
    switch (info.param) {
    case NotSettings::Pipe:
        return "pipe";
    case NotSettings::Device:
        return "device";
    case NotSettings::Huge:
        return "huge";
    }
    return "kind";
}

INSTANTIATE_TEST_SUITE_P(Kinds, IniFileNotSettingsTest,
    testing::Values(NotSettings::Pipe, NotSettings::Device, NotSettings::Huge), kindName);
#endif

} // namespace
