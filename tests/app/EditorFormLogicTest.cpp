#include "app/EditorFormLogic.h"
#include "core/AutoBackup.h"
#include "core/Editor.h"
#include "files/ShiftJisCodec.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorlex;
using test::ScriptedHost;

namespace {

struct Lifecycle : ::testing::Test {
    test::TestHome home;
    ScriptedHost host;

    Lifecycle()
    {
        host.menuCaptions.insert(QStringLiteral("T_C_Item_0"), QStringLiteral("未登録"));
        host.menuCaptions.insert(QStringLiteral("T_T_Item_0"), QStringLiteral("未登録"));
    }

    QString iniPath() const { return home.file(QStringLiteral("quorlex.ini")); }
    void writeFile(const QString& name, const QByteArray& bytes) { test::writeBytes(home.file(name), bytes); }
    QByteArray readIni() const
    {
        return QFile::exists(iniPath()) ? test::readBytes(iniPath()) : QByteArray();
    }
    bool checked(const char* item) const { return host.isMenuChecked(QString::fromLatin1(item)); }
    bool shown(const char* bar) const { return host.isToolbarVisible(QString::fromLatin1(bar)); }
};

} // namespace

TEST_F(Lifecycle, FirstStartWithoutSettingsShowsBothBarsAndWritesThemOnClose)
{
    EditorFormLogic logic(host, QString());
    logic.Form_Load();
    EXPECT_TRUE(checked("T_W_Filebar"));
    EXPECT_TRUE(checked("T_W_TagBar"));
    EXPECT_TRUE(shown("Toolbar1"));
    EXPECT_TRUE(shown("Toolbar2"));
    EXPECT_EQ(host.flatToolbars, (QStringList { QStringLiteral("Toolbar1"), QStringLiteral("Toolbar2") }));
    EXPECT_TRUE(logic.editor().settings().UpperCaseTags);
    EXPECT_EQ(logic.editor().settings().PreviewSave, 1);
    EXPECT_EQ(host.caption, QString()); // no page loaded: the window keeps its first caption
    EXPECT_TRUE(host.messages.isEmpty());

    // The exit command only asks the window to close; the close request decides.
    logic.run(QStringLiteral("F_End"));
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_TRUE(readIni().isEmpty());
    EXPECT_FALSE(logic.Form_QueryUnload());
    const QByteArray ini = readIni();
    EXPECT_TRUE(ini.contains("[Main]"));
    EXPECT_TRUE(ini.contains("FileBar=True\r\n"));
    EXPECT_TRUE(ini.contains("TagBar=True\r\n"));
}

TEST_F(Lifecycle, HiddenBarComesBackHiddenAndTogglesAreStored)
{
    writeFile(QStringLiteral("quorlex.ini"), "[Main]\r\nFileBar=True\r\nTagBar=False\r\n");
    {
        EditorFormLogic logic(host, QString());
        logic.Form_Load();
        EXPECT_TRUE(shown("Toolbar1"));
        EXPECT_FALSE(shown("Toolbar2"));
        EXPECT_FALSE(checked("T_W_TagBar"));
        // Each toggle lays the window out again once its bar has changed.
        QList<std::pair<bool, bool>> barsAtResize;
        logic.setFormResize([&] { barsAtResize.append({ shown("Toolbar1"), shown("Toolbar2") }); });
        logic.run(QStringLiteral("T_W_Filebar"));
        EXPECT_FALSE(checked("T_W_Filebar"));
        EXPECT_FALSE(shown("Toolbar1"));
        logic.run(QStringLiteral("T_W_TagBar"));
        EXPECT_TRUE(shown("Toolbar2"));
        EXPECT_EQ(barsAtResize, (QList<std::pair<bool, bool>> { { false, false }, { false, true } }));
        EXPECT_FALSE(logic.Form_QueryUnload());
    }
    EXPECT_EQ(readIni(), QByteArray("[Main]\r\nFileBar=False\r\nTagBar=True\r\n"));
}

TEST_F(Lifecycle, BarValuesReadAsBooleans)
{
    struct Row {
        const char* value;
        bool shown;
    };
    const Row rows[] = { { "true", true }, { "FALSE", false }, { "0", false }, { "2", true }, { "-1", true },
        { "abc", false }, { "", false }, { "nan", false }, { "inf", false } };
    for (const Row& r : rows) {
        ScriptedHost fresh;
        writeFile(QStringLiteral("quorlex.ini"), QByteArray("[Main]\r\nFileBar=") + r.value + "\r\n");
        EditorFormLogic logic(fresh, QString());
        logic.Form_Load();
        EXPECT_EQ(fresh.isToolbarVisible(QStringLiteral("Toolbar1")), r.shown) << r.value;
        EXPECT_EQ(fresh.isMenuChecked(QStringLiteral("T_W_Filebar")), r.shown) << r.value;
        EXPECT_TRUE(fresh.isToolbarVisible(QStringLiteral("Toolbar2")));
    }
}

TEST_F(Lifecycle, StartUpLoadsThePageListsAndSettings)
{
    writeFile(QStringLiteral("page.html"), ShiftJis::encode(u"<HTML>日本語</HTML>\r\n"));
    writeFile(QStringLiteral("usertag.tol"), "TOL0=<ABC></ABC>\r\nTOL1=<X>\r\n");
    writeFile(QStringLiteral("quorlex.ini"), "[HTML]\r\nTagCase=1\r\n[Main]\r\nPreviewSave=2\r\n");
    EditorFormLogic logic(host, home.file(QStringLiteral("page.html")));
    logic.Form_Load();
    EXPECT_EQ(host.stringBox().text(), QStringLiteral("<HTML>日本語</HTML>\r\n"));
    EXPECT_EQ(host.caption, QStringLiteral("page.html - クォーレクス"));
    EXPECT_FALSE(logic.editor().document().Modified());
    EXPECT_EQ(host.menuCaption(QStringLiteral("T_C_Item_1")), QStringLiteral("<X>"));
    EXPECT_FALSE(logic.editor().settings().UpperCaseTags);
    EXPECT_EQ(logic.editor().settings().PreviewSave, 2);
    // The backup's minute timer runs from start-up.
    EXPECT_TRUE(logic.backup().isActive());
    EXPECT_EQ(logic.backup().interval(), std::chrono::minutes(1));
    // The list item inserts its tag, lower-cased in lower-case mode.
    logic.run(QStringLiteral("T_C_Item_0"));
    EXPECT_TRUE(host.stringBox().text().startsWith(QStringLiteral("<abc></abc>")));
}

TEST_F(Lifecycle, CloseWithUnsavedChangesAsksFirst)
{
    EditorFormLogic logic(host, QString());
    logic.Form_Load();
    host.stringBox().setText(QStringLiteral("typed"));
    logic.editor().document().setModified(true);

    host.answerMessages({ MsgAnswer::Cancel });
    EXPECT_TRUE(logic.Form_QueryUnload());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("内容が変更されています。\r\r変更内容を保存しますか？"));
    EXPECT_EQ(host.messages[0].style.toNumber(), 35);
    EXPECT_TRUE(readIni().isEmpty()); // nothing stored while the window stays

    host.answerMessages({ MsgAnswer::Yes }); // untitled: Save As comes up and is cancelled
    EXPECT_TRUE(logic.Form_QueryUnload());
    EXPECT_EQ(host.fileRequests.size(), 1);

    host.answerMessages({ MsgAnswer::No });
    EXPECT_FALSE(logic.Form_QueryUnload());
    EXPECT_EQ(host.messages.size(), 3);
    EXPECT_FALSE(readIni().isEmpty());
}

TEST_F(Lifecycle, AnEmptiedUntitledPageIsNeverSavedButCanBeLeft)
{
    EditorFormLogic logic(host, QString());
    logic.Form_Load();
    logic.editor().document().setModified(true); // typed and deleted again
    host.answerMessages({ MsgAnswer::Yes });
    EXPECT_TRUE(logic.Form_QueryUnload());
    EXPECT_TRUE(host.fileRequests.isEmpty());
    EXPECT_TRUE(logic.editor().document().Modified());
    host.answerMessages({ MsgAnswer::No });
    EXPECT_FALSE(logic.Form_QueryUnload());
}

TEST_F(Lifecycle, RunIsNotedUntilTheWindowCloses)
{
    EditorFormLogic logic(host, QString());
    const auto notes
        = [&] { return QDir(home.path()).entryList({ QStringLiteral("quorlex-*.run") }).size(); };
    logic.Form_Load();
    EXPECT_EQ(notes(), 1);
    EXPECT_FALSE(logic.Form_QueryUnload());
    EXPECT_EQ(notes(), 0);
}
