#include "core/Editor.h"
#include "settings/IniFile.h"
#include "settings/SettingsMenu.h"
#include "support/ScriptedHost.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

// A settings dialog that records what it showed and answers as told (nothing: Cancel).
struct ScriptedSettingsWindow : SettingsWindow {
    QList<SettingChoices> shown;
    std::optional<SettingChoices> answer;
    std::optional<SettingChoices> showSettings(const SettingChoices& choices) override
    {
        shown.append(choices);
        return answer;
    }
};

struct SettingsDialog : ::testing::Test {
    test::TestHome home;
    test::ScriptedHost host;
    Editor editor { host };
    IniFile ini { home.file(QStringLiteral("quorlex.ini")) };
    ScriptedSettingsWindow window;
    SettingsMenu menu { ini, editor, window };

    void writeIni(const QByteArray& content) { test::writeBytes(ini.iniFile(), content); }
};

} // namespace

TEST_F(SettingsDialog, OpensWithTheStoredItemsOrTheDefaults)
{
    using enum TagCaseItem;
    using enum PreviewSaveItem;
    struct Row {
        const char* ini; // nullptr: no settings file
        TagCaseItem tagCase;
        PreviewSaveItem previewSave;
    };
    const Row rows[] = {
        { nullptr, Upper, DontSave },
        { "[HTML]\r\nTagCase=1\r\n[Main]\r\nPreviewSave=2\r\nAutoSave=0\r\n", Lower, Ask },
        { "[HTML]\r\nTagCase=0\r\n[Main]\r\nPreviewSave=0\r\n", Upper, Save },
        // Values that are no index of their list show the list's default item.
        { "[HTML]\r\nTagCase=5\r\n[Main]\r\nPreviewSave=x\r\nAutoSave=3\r\n", Upper, DontSave },
        { "[HTML]\r\nTagCase=-1\r\n[Main]\r\nPreviewSave=\r\nAutoSave=abc\r\n", Upper, DontSave },
        { "[Main]\r\nPreviewSave=2x\r\n", Upper, DontSave },
        { "[HTML]\r\nTagCase=1px\r\n[Main]\r\nPreviewSave=1e9\r\n", Upper, DontSave },
        { "[HTML]\r\nTagCase= 1 \r\n[Main]\r\nPreviewSave=2.0\r\n", Lower, Ask },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ini ? row.ini : "no file");
        QFile::remove(ini.iniFile());
        if (row.ini)
            writeIni(row.ini);
        window.shown.clear();
        menu.T_Setting_Click();
        ASSERT_EQ(window.shown.size(), 1);
        EXPECT_EQ(window.shown[0], (SettingChoices { row.tagCase, AutoSaveItem::None, row.previewSave }));
    }
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(SettingsDialog, OkStoresOnlyTheTagCaseAndAppliesIt)
{
    writeIni("[Main]\r\nPreviewSave=0\r\n");
    editor.settings() = { true, 0 };
    window.answer = SettingChoices { TagCaseItem::Lower, AutoSaveItem::None, PreviewSaveItem::Ask };
    menu.T_Setting_Click();
    EXPECT_EQ(
        test::readBytes(ini.iniFile()), QByteArray("[Main]\r\nPreviewSave=0\r\n\r\n[HTML]\r\nTagCase=1\r\n"));
    EXPECT_FALSE(editor.settings().UpperCaseTags);
    EXPECT_EQ(editor.settings().PreviewSave, 0);
    // Reopened, it shows the stored preview choice again, not the one made.
    menu.T_Setting_Click();
    EXPECT_EQ(window.shown.last().previewSave, PreviewSaveItem::Save);

    window.answer->tagCase = TagCaseItem::Upper;
    menu.T_Setting_Click();
    EXPECT_TRUE(test::readBytes(ini.iniFile()).contains("TagCase=0\r\n"));
    EXPECT_TRUE(editor.settings().UpperCaseTags);
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(SettingsDialog, CancelStoresNothing)
{
    editor.settings() = { true, 1 };
    menu.T_Setting_Click();
    EXPECT_FALSE(QFile::exists(ini.iniFile()));
    EXPECT_TRUE(editor.settings().UpperCaseTags);
}

TEST_F(SettingsDialog, ATagCaseThatCannotBeStoredIsReported)
{
    ini.setIniFile(home.file(QStringLiteral("missing/quorlex.ini")));
    editor.settings() = { true, 1 };
    window.answer = SettingChoices { TagCaseItem::Lower, AutoSaveItem::None, PreviewSaveItem::DontSave };
    menu.T_Setting_Click();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.startsWith(QStringLiteral("設定を保存できませんでした。\r")));
    EXPECT_TRUE(editor.settings().UpperCaseTags);
}
