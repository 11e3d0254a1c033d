#pragma once

#include "core/Commands.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace quorlex {

class AutoBackup;
class DocumentFiles;
class Editor;
class FileDlg;
class Host;
class IniFile;
class LinkCommands;
class RunJournal;
class TagListMenus;
class TextConversion;
class TextMarkupCommands;

// The main window's logic without its widgets: the shared objects it keeps for the whole run,
// the features that need no window or platform service of their own, its start-up and close
// request, and the program's commands by control name.
class EditorFormLogic {
public:
    EditorFormLogic(Host& host, QString commandLine);
    ~EditorFormLogic();

    Editor& editor() { return *m_editor; }
    FileDlg& documentDialog() { return *m_documentDialog; }
    FileDlg& resourceDialog() { return *m_resourceDialog; }
    IniFile& ini() { return *m_ini; }
    DocumentFiles& files() { return *m_files; }
    TagListMenus& tagLists() { return *m_tagLists; }
    AutoBackup& backup() { return *m_backup; }

    // Every command of the program; features with windows of their own add theirs.
    Commands& commands() { return m_commands; }
    bool run(const QString& name) const { return m_commands.run(name); }

    // Start-up: settings file, the page on the command line, the two bars, the list
    // menus, the insertion settings and the backup timer. A failing step is skipped without a
    // message.
    void Form_Load();
    // After start-up, once the window shows: offers the backup of an earlier run that crashed.
    void offerBackupRecovery();
    // The main window has come to the front again: asks about changes made to the page's file.
    void windowActivated();
    // The close request; true keeps the window open.
    bool Form_QueryUnload();
    // The exit command: asks the main window to close.
    void F_End_Click();
    // The key-press handler of the editing box.
    void Text1_KeyPress(int keyAscii);
    // A click on a button of the file bar (Toolbar1) or the tag bar (Toolbar2), by its key.
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    // The toggles show or hide their bar and then lay the window out again.
    void T_W_Filebar_Click();
    void T_W_TagBar_Click();
    // The main window's resize handler, which the toggles call.
    void setFormResize(std::function<void()> formResize) { m_formResize = std::move(formResize); }

private:
    // The menus that no feature owns as a whole, the exit command and the bar toggles.
    QList<MenuRow> menuRows();
    void registerCommands();
    void toggleBar(const QString& item, const QString& bar);

    Host& m_host;
    QString m_commandLine;
    std::unique_ptr<Editor> m_editor;
    std::unique_ptr<FileDlg> m_documentDialog;
    std::unique_ptr<FileDlg> m_resourceDialog;
    std::unique_ptr<IniFile> m_ini;
    std::unique_ptr<DocumentFiles> m_files;
    std::unique_ptr<TagListMenus> m_tagLists;
    std::unique_ptr<TextMarkupCommands> m_markup;
    std::unique_ptr<TextConversion> m_conversion;
    // Outlives the backup timer, which notes each backup in it.
    std::unique_ptr<RunJournal> m_journal;
    std::unique_ptr<AutoBackup> m_backup;
    std::unique_ptr<LinkCommands> m_links;
    Commands m_commands;
    std::function<void()> m_formResize;
};

// A Boolean as the settings file stores it: True or False in any case, or a number
// (non-zero is true); anything else is not a Boolean.
std::optional<bool> readIniBoolean(const QString& value);

} // namespace quorlex
