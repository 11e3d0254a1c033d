#pragma once

#include "core/MenuRow.h"

#include <QString>

namespace quorlex {

class Editor;
class TagListWindow;

// The tag list window's commands: T_CusumTag lists the custom tags, T_TemplateTag the snippet
// titles, each re-reading its list file at every opening; a double-click inserts the entry.
class TagListWindowCommands {
public:
    // The window's captions, which name what it lists.
    static inline const QString CustomTagCaption = QStringLiteral("タグリスト");
    static inline const QString SnippetCaption = QStringLiteral("ひな型");

    TagListWindowCommands(Editor& editor, TagListWindow& window, const QString& programDirectory);

    void T_CusumTag_Click();
    void T_TemplateTag_Click();
    // A custom tag goes into the selection as it is, without case conversion; a snippet's content,
    // read from templete.tol now, goes through AddTag.
    void List1_DblClick(int index, const QString& text);

    QList<MenuRow> menuRows();

private:
    enum class Listing { None, CustomTags, Snippets };

    Editor& m_editor;
    TagListWindow& m_window;
    QString m_customTagFile;
    QString m_snippetFile;
    Listing m_listing = Listing::None;
};

} // namespace quorlex
