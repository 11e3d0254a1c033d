#pragma once

#include "core/MenuRow.h"
#include "settings/SettingsWindow.h"

namespace quorlex {

class Editor;
class IniFile;

// The choices that the settings file holds. A stored value that is no index of its list (a
// hand-written TagCase=5, PreviewSave=x) shows the list's default item.
SettingChoices readSettingChoices(const IniFile& ini);

// The Tools menu's settings command: the dialog reads the settings file each time it opens;
// OK stores the tag case only and reloads the insertion settings, Cancel stores nothing. A tag
// case that cannot be stored is reported, instead of closing as if it had been.
class SettingsMenu {
public:
    SettingsMenu(IniFile& ini, Editor& editor, SettingsWindow& window);

    void T_Setting_Click();
    QList<MenuRow> menuRows();

private:
    IniFile& m_ini;
    Editor& m_editor;
    SettingsWindow& m_window;
};

} // namespace quorlex
