#pragma once

#include "core/MenuRow.h"
#include "files/FileOps.h"

#include <QString>

namespace quorlex {

class DocumentFiles;
class Editor;
class PreviewWindow;

// What choosing the preview tab does with unsaved changes: the PreviewSave setting, 0, 1 or 2.
enum class PreviewSaveMode {
    SaveFirst, // 0: a modified page is saved, then its file is shown
    ShowCopy, // 1: an untitled or modified page is shown through the preview copy
    Ask, // 2 and any other value: the save question, then the page's file
};
PreviewSaveMode previewSaveMode(qint16 previewSave);

// The preview: the tab strip's two tabs and the File menu's "ブラウザでプレビュー". The page
// shown is its saved file or, for unsaved text, the preview copy temp.html in the program
// directory. The preview never changes the text, the path or the modified flag by itself.
class Preview {
public:
    Preview(Editor& editor, DocumentFiles& files, PreviewWindow& window, const QString& programDirectory);
    // The same, with the file system replaced (tests make its steps fail).
    Preview(Editor& editor, DocumentFiles& files, PreviewWindow& window, const QString& programDirectory,
        FileOps& ops);

    const QString& previewCopyFile() const { return m_copyFile; }

    // A tab chosen: "HTML" brings the editing box back and clears the status text, "プレビュー"
    // shows the preview area and loads the page as PreviewSave says. Resizing the window only
    // re-places what is shown and never comes here.
    void TabStrip1_Click();
    // The browser's status text (the address under the pointer) while the preview is shown.
    void WebBrowser1_StatusTextChange(const QString& text);
    // Saves the page and opens its file in the desktop's browser; nothing when it was not saved.
    void F_PreView_Click();

    QList<MenuRow> menuRows();

private:
    void showPage();
    void showFile();
    void showCopy();

    Editor& m_editor;
    DocumentFiles& m_files;
    PreviewWindow& m_window;
    QString m_copyFile;
    SystemFileOps m_systemOps;
    FileOps& m_ops;
    // A copy that cannot be written is reported once, until a copy is written again.
    bool m_copyFailureShown = false;
};

} // namespace quorlex
