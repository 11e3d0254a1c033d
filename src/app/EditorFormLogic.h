#pragma once

#include "app/CommandTable.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

namespace quorlex {

class DocumentFiles;
class Editor;
class FileDlg;
class Host;
class IniFile;
class TagListMenus;
class TextMarkupCommands;

// The main window's logic without its widgets: the shared objects it keeps for the
// whole run, its start-up and close request, and the commands of its menu items and
// toolbar buttons by control name.
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
    TextMarkupCommands& markup() { return *m_markup; }

    const CommandTable& commands() const { return m_commands; }
    // Commands of menu control arrays, given the element's index.
    const QHash<QString, std::function<void(int)>>& arrayCommands() const { return m_arrayCommands; }
    bool run(const QString& name);

    // Start-up: settings file, the page on the command line, the two bars, the list
    // menus and the insertion settings. A failing step is skipped without a message.
    void Form_Load();
    // The close request; true keeps the window open.
    bool Form_QueryUnload();
    // The exit command: asks the main window to close.
    void F_End_Click();
    // The key-press handler of the editing box.
    void Text1_KeyPress(int keyAscii);
    void T_W_Filebar_Click();
    void T_W_TagBar_Click();

private:
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
    CommandTable m_commands;
    QHash<QString, std::function<void(int)>> m_arrayCommands;
};

// A Boolean as the settings file stores it: True or False in any case, or a number
// (non-zero is true); anything else is not a Boolean.
std::optional<bool> readIniBoolean(const QString& value);

} // namespace quorlex
