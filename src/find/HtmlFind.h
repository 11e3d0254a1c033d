#pragma once

#include "core/MenuRow.h"
#include "find/FindWindow.h"

#include <QString>

namespace quorlex {

class Commands;
class Editor;

// Finding and replacing in the page: the find window's logic, the Edit menu's find items and
// the file bar's find button. Matching is exact and forward only.
class HtmlFind {
public:
    HtmlFind(Editor& editor, FindWindow& window);

    // The find window's caption, also the title of its not-found message.
    static QString caption() { return QStringLiteral("検索"); }

    // Shows the find window with the selection as the text to find.
    void E_Find_Click();
    // Searches again for the text last searched in the find window; nothing before the first.
    void E_FindNext_Click();
    // The file bar's button: shows the find window; the selection goes into the find box only
    // when the window is loaded by it.
    void Toolbar1_find();

    // Searches for s after the previous match (from the caret when the selection is not s),
    // or from the top when "先頭から" is selected; selects the match or reports that there is
    // none. True when found.
    bool FindText(const QString& s);
    // Adds the box's text, lower-cased, to its history unless it is there in any case.
    void AddHistory(FindBox box);

    void Command1_Click(); // 検索 (Find)
    void Command2_Click(); // 閉じる (Close)
    void Command3_Click(); // 置換 (Replace)
    void Command4_Click(); // すべて (Replace all)

    // The Edit menu's find items and the file bar's find button.
    void addCommands(Commands& commands);

private:
    QList<MenuRow> menuRows();
    void load();

    Editor& m_editor;
    FindWindow& m_window;
    QString m_lastSearch; // what E_FindNext searches for: the find window's last search
};

} // namespace quorlex
