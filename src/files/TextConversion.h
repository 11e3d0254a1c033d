#pragma once

#include "core/MenuRow.h"
#include "files/FileOps.h"

#include <QString>

namespace quorlex {

class DocumentFiles;
class Editor;
class FileDlg;

// The page that F_ConvertHTML makes of the text of a file named name: a fixed head titled with
// the name, and a body in which every CR LF line of the text ends in "<br>" and every line
// framed by five hyphens becomes "<hr>". Nothing is escaped and no tag case is applied.
QString textToPage(const QString& name, const QString& text);

// Bringing a text file into the editor: converted into a new untitled page, or inserted at the
// caret as a preformatted block.
class TextConversion {
public:
    TextConversion(Editor& editor, DocumentFiles& files, FileDlg& documentDialog, FileDlg& resourceDialog);
    // The same, with the file system replaced (tests make its steps fail).
    TextConversion(
        Editor& editor, DocumentFiles& files, FileDlg& documentDialog, FileDlg& resourceDialog, FileOps& ops);

    // "テキストをHTMLに変換": asks about unsaved changes, then replaces the page by the converted
    // text file. A file that cannot be read is reported and changes nothing.
    void F_ConvertHTML_Click();
    // "テキストファイルの挿入": puts "<pre>" + the file's text + "</pre>" in place of the
    // selection; a missing file inserts nothing, one that cannot be read is reported.
    void I_AddTextFile_Click();

    QList<MenuRow> menuRows();

private:
    // The message for a text file that exists but cannot be read: the reason and the file.
    static QString unreadableText(const QString& path, std::error_code error);

    Editor& m_editor;
    DocumentFiles& m_files;
    FileDlg& m_documentDialog;
    FileDlg& m_resourceDialog;
    SystemFileOps m_systemOps;
    FileOps& m_ops;
};

} // namespace quorlex
