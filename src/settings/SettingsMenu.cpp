#include "settings/SettingsMenu.h"

#include "core/Editor.h"
#include "core/Numbers.h"
#include "host/Host.h"
#include "settings/IniFile.h"
#include "settings/LoadSetting.h"

namespace quorlex {

namespace {

// The item whose index the stored text gives, or the list's default item.
template <typename Item> Item storedItem(const QString& stored, int itemCount, Item defaultItem)
{
    const auto number = parseStrictNumber(stored);
    const auto index = number ? toWholeNumber<int>(*number) : std::nullopt;
    return index && *index >= 0 && *index < itemCount ? static_cast<Item>(*index) : defaultItem;
}

} // namespace

SettingChoices readSettingChoices(const IniFile& ini)
{
    SettingChoices choices;
    choices.tagCase
        = storedItem(ini.GetIni(QStringLiteral("HTML"), QStringLiteral("TagCase"), QStringLiteral("0")), 2,
            TagCaseItem::Upper);
    choices.autoSave
        = storedItem(ini.GetIni(QStringLiteral("Main"), QStringLiteral("AutoSave"), QStringLiteral("0")), 1,
            AutoSaveItem::None);
    choices.previewSave
        = storedItem(ini.GetIni(QStringLiteral("Main"), QStringLiteral("PreviewSave"), QStringLiteral("1")),
            3, PreviewSaveItem::DontSave);
    return choices;
}

SettingsMenu::SettingsMenu(IniFile& ini, Editor& editor, SettingsWindow& window)
    : m_ini(ini)
    , m_editor(editor)
    , m_window(window)
{
}

void SettingsMenu::T_Setting_Click()
{
    const auto chosen = m_window.showSettings(readSettingChoices(m_ini));
    if (!chosen)
        return;
    // Only the tag case is stored; preview and automatic saving are shown as they are.
    if (!m_ini.SetIni(QStringLiteral("HTML"), QStringLiteral("TagCase"),
            QString::number(static_cast<int>(chosen->tagCase))))
        m_editor.host().messageBox(QStringLiteral("設定を保存できませんでした。\r") + m_ini.iniFile(),
            { MsgButtons::Ok, MsgIcon::Exclamation });
    LoadSetting(m_ini, m_editor.settings());
}

QList<MenuRow> SettingsMenu::menuRows()
{
    return {
        itemRow(QStringLiteral("T_Setting"), QStringLiteral("T_0"), QStringLiteral("設定(&S)"), QString(),
            [this] { T_Setting_Click(); }),
    };
}

} // namespace quorlex
