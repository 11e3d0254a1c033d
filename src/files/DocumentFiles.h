#pragma once

#include "core/MenuRow.h"
#include "files/DiskWatch.h"
#include "files/FileOps.h"
#include "files/PageEncoding.h"
#include "files/PagePatterns.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorlex {

class Editor;
class FileDlg;

// Opening and saving pages: the File menu's Open, Save and Save As, files dropped on the main
// window, and the two routines the rest of the program shares, LoadDocument and
// ConfirmSaveChanges. Page files are the editor text in the page's encoding (Shift_JIS unless the
// file was read as UTF-8) with nothing added.
class DocumentFiles {
public:
    // documentDialog is the main window's document dialog, shared with other commands.
    DocumentFiles(Editor& editor, FileDlg& documentDialog);
    // The same, with the file system replaced (tests make its steps fail).
    DocumentFiles(Editor& editor, FileDlg& documentDialog, FileOps& ops);

    // Puts the page file at path into the editor. A path that names no file gives an empty
    // page under that path (a new page named on the command line). A file that exists but
    // cannot be read is reported and leaves the editor as it was; the result says whether
    // the page was loaded.
    bool LoadDocument(const QString& path);
    // Asks about unsaved changes; true means the pending action must stop.
    bool ConfirmSaveChanges();

    void F_Open_Click();
    // Saves the page (Save As when it has no path yet, or when its path is the pattern file last
    // opened or saved), or the pattern while the editor holds one; true when the text was
    // stored, exactly when Modified is false afterwards.
    bool F_Save_Click();
    // Asks for a path and saves there; true when the text was written.
    bool F_SaveAS_Click();

    // Files dropped on the main window outside the editing box, and on the editing box.
    void Form_OLEDragDrop(const QStringList& paths);
    void Text1_OLEDragDrop(const QStringList& paths);

    // The File menu items of pages and page patterns.
    QList<MenuRow> menuRows();

    PagePatterns& patterns() { return m_patterns; }
    // Changes that other programs make to the page's file.
    DiskWatch& diskWatch() { return m_diskWatch; }

private:
    bool hasUnsavedText() const;
    // Writes the editor text to path; on success path becomes the page's path.
    bool writePage(const QString& path);
    QByteArray encodeForSave(const QString& text) const;

    Editor& m_editor;
    FileDlg& m_dialog;
    SystemFileOps m_systemOps;
    FileOps& m_ops;
    PagePatterns m_patterns;
    // The page's bytes as they were last read or written, so that an unchanged page is written
    // back with exactly the bytes it came from (duplicate Shift_JIS codes included).
    QByteArray m_diskBytes;
    PageEncoding m_diskEncoding = PageEncoding::ShiftJis;
    DiskWatch m_diskWatch;
};

} // namespace quorlex
