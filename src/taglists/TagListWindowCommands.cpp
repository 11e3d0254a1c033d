#include "taglists/TagListWindowCommands.h"

#include "core/Editor.h"
#include "dialogs/PathHelpers.h"
#include "host/Host.h"
#include "taglists/ListEntries.h"
#include "taglists/TagListWindow.h"

namespace quorlex {

TagListWindowCommands::TagListWindowCommands(
    Editor& editor, TagListWindow& window, const QString& programDirectory)
    : m_editor(editor)
    , m_window(window)
    , m_customTagFile(WithBackslash(programDirectory) + CustomTagFileName)
    , m_snippetFile(WithBackslash(programDirectory) + SnippetFileName)
{
    m_window.setDoubleClickHandler([this](int index, const QString& text) { List1_DblClick(index, text); });
}

void TagListWindowCommands::T_CusumTag_Click()
{
    m_listing = Listing::CustomTags;
    m_window.showList(CustomTagCaption, customTags(readListFile(m_customTagFile)));
}

void TagListWindowCommands::T_TemplateTag_Click()
{
    m_listing = Listing::Snippets;
    m_window.showList(SnippetCaption, snippetTitles(readListFile(m_snippetFile)));
}

void TagListWindowCommands::List1_DblClick(int index, const QString& text)
{
    if (index < 0)
        return;
    switch (m_listing) {
    case Listing::CustomTags:
        m_editor.host().editBox().setSelText(text);
        break;
    case Listing::Snippets:
        if (const auto content = snippetContent(readListFile(m_snippetFile), index))
            m_editor.AddTag(*content, false);
        break;
    case Listing::None:
        break;
    }
}

QList<MenuRow> TagListWindowCommands::menuRows()
{
    return {
        itemRow(QStringLiteral("T_CusumTag"), QStringLiteral("T_0"), QStringLiteral("カスタムタグリスト"),
            QString(), [this] { T_CusumTag_Click(); }),
        itemRow(QStringLiteral("T_TemplateTag"), QStringLiteral("T_0"), QStringLiteral("ひな型リスト"),
            QString(), [this] { T_TemplateTag_Click(); }),
    };
}

} // namespace quorlex
