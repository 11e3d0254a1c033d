#pragma once

#include "core/MenuRow.h"
#include "wizards/NewHtmlWindow.h"

#include <functional>
#include <memory>

namespace quorlex {

class DocumentFiles;
class Editor;
class FileDlg;

// The New command (F_New) and the new page wizard behind it: after the question about unsaved
// changes it shows the NewHtml dialog, which replaces the whole text with a page skeleton, built
// from a page pattern file when one is given.
class NewPageWizard {
public:
    using WindowFactory = std::function<std::unique_ptr<NewHtmlWindow>()>;

    // The pattern is browsed for on the resource dialog, the background image on the document
    // dialog; makeWindow creates a new dialog for each opening.
    NewPageWizard(Editor& editor, DocumentFiles& files, FileDlg& resourceDialog, FileDlg& documentDialog,
        WindowFactory makeWindow);

    void F_New_Click();

    // The dialog's events.
    void Command1_Click(); // 完了: builds the page
    void Command2_Click(); // キャンセル
    void Command3_Click(); // browse for a pattern
    void Command4_Click(); // 色の指定
    void Command5_Click(); // browse for an image
    void Text3_Change();

    // The File menu's 新規.
    QList<MenuRow> menuRows();

private:
    Editor& m_editor;
    DocumentFiles& m_files;
    FileDlg& m_resourceDialog;
    FileDlg& m_documentDialog;
    WindowFactory m_makeWindow;
    NewHtmlWindow* m_window = nullptr; // while the dialog is shown
};

} // namespace quorlex
