#pragma once

#include "core/MenuRow.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace quorlex {

class Commands;
class Editor;

// The custom tag (T_C_) and snippet (T_T_) submenus of the Tools menu and their list files,
// usertag.tol and templete.tol in the program directory. The menus are filled once; entries
// added while the program runs go to the files at once and show in the menus from the next
// start.
class TagListMenus {
public:
    TagListMenus(Editor& editor, const QString& programDirectory);

    QString customTagFile() const { return m_customTagFile; }
    QString snippetFile() const { return m_snippetFile; }

    // Fills T_C_Item and T_T_Item from the two files. Item 0 keeps its placeholder caption
    // "未登録" and is disabled while its list is empty.
    void FillTagListMenus();
    // Asks for a custom tag and appends it to usertag.tol.
    void T_C_Add_Click();
    // Asks for a snippet's title and content and appends both to templete.tol.
    void T_T_Add_Click();
    // Inserts the custom tag of item Index (its caption); the placeholder inserts nothing.
    void T_C_Item_Click(qint16 index);
    // Inserts the content of snippet Index, read from templete.tol now.
    void T_T_Item_Click(qint16 index);

    // The custom tag and snippet submenus of the Tools menu.
    QList<MenuRow> menuRows();
    // The commands of the run-time elements of the two item arrays.
    void registerArrays(Commands& commands);

private:
    void fillMenu(const QString& array, const QStringList& values);
    // Appends lines to the list file at path; a failure is reported in a message box.
    void appendOrReport(const QString& path, const QStringList& lines);

    Editor& m_editor;
    QString m_customTagFile;
    QString m_snippetFile;
    // Items that hold an entry; 0 while a menu shows only its placeholder.
    int m_customTagItems = 0;
    int m_snippetItems = 0;
};

} // namespace quorlex
