#pragma once

#include "core/MenuRow.h"

#include <QString>

#include <functional>

namespace quorlex {

class Editor;
class FileDlg;
class FileOps;

// The File menu's page pattern commands (テンプレート): a new pattern, opening one and saving
// the editor text as one, and what Save does while the editor holds a pattern.
class PagePatterns {
public:
    // confirmSaveChanges asks about unsaved changes and answers true when the action must stop.
    PagePatterns(
        Editor& editor, FileDlg& documentDialog, FileOps& ops, std::function<bool()> confirmSaveChanges);

    void F_T_New_Click();
    void F_T_Open_Click();
    // Asks for a path and stores the editor text there as the pattern's body; true when stored.
    bool F_T_Save_Click();
    // Save while the editor holds a pattern: to the pattern file last opened or saved, or through
    // F_T_Save when there is none yet. True exactly when the pattern was stored.
    bool Save();
    // True when path is the pattern file last opened or saved, which a page is never saved over.
    bool isPatternFile(const QString& path) const;
    // A page file was put into the editor: its text is no pattern body, so Save no longer stores
    // into the pattern file last opened or saved.
    void pageLoaded() { m_patternFile.clear(); }

    // The テンプレート submenu and its items.
    QList<MenuRow> menuRows();

private:
    // Writes the editor text as the body of the pattern at path, keeping its other fields.
    bool store(const QString& path);

    Editor& m_editor;
    FileDlg& m_dialog;
    FileOps& m_ops;
    std::function<bool()> m_confirmSaveChanges;
    QString m_patternFile;
};

} // namespace quorlex
