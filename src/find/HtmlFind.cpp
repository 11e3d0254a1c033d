#include "find/HtmlFind.h"

#include "core/Commands.h"
#include "core/Editor.h"
#include "core/TagCase.h"
#include "core/Toolbars.h"
#include "find/TextSearch.h"
#include "host/ControlNames.h"
#include "host/Host.h"

namespace quorlex {

namespace {

const MsgStyle Notice { MsgButtons::Ok, MsgIcon::Information, true };

} // namespace

HtmlFind::HtmlFind(Editor& editor, FindWindow& window)
    : m_editor(editor)
    , m_window(window)
{
}

void HtmlFind::load()
{
    m_window.load(*this);
    m_window.setText(FindBox::Text1, m_editor.host().editBox().selText());
}

void HtmlFind::E_Find_Click()
{
    if (!m_window.isLoaded())
        load();
    m_window.setText(FindBox::Text1, m_editor.host().editBox().selText());
    m_window.show();
}

void HtmlFind::Toolbar1_find()
{
    if (!m_window.isLoaded())
        load();
    m_window.show();
}

void HtmlFind::E_FindNext_Click()
{
    const QString& t = m_lastSearch;
    if (t.isEmpty())
        return;
    EditBox& box = m_editor.host().editBox();
    const qsizetype start = searchStartAfter(box.selStart(), box.selText(), t);
    const qsizetype at = box.indexOf(t, start);
    m_window.activateEditor();
    if (at < 0) {
        m_window.message(t + QStringLiteral("は、もうありません。"),
            { MsgButtons::Ok, MsgIcon::Information, false }, caption());
        return;
    }
    box.setSelStart(at);
    box.setSelLength(t.size());
}

bool HtmlFind::FindText(const QString& s)
{
    EditBox& box = m_editor.host().editBox();
    qsizetype start = searchStartAfter(box.selStart(), box.selText(), s);
    if (m_window.searchFrom() == SearchFrom::Top) {
        m_window.setSearchFrom(SearchFrom::CurrentPosition);
        start = 0;
    }
    const qsizetype at = box.indexOf(s, start);
    if (at >= 0) {
        box.setSelStart(at);
    } else {
        m_window.show();
        m_window.message(
            QStringLiteral("「") + s + QStringLiteral("」は、もうありません。"), Notice, caption());
        m_window.setSearchFrom(SearchFrom::Top);
    }
    // After a miss this selects as much from the unchanged start.
    box.setSelLength(s.size());
    return at >= 0;
}

void HtmlFind::AddHistory(FindBox box)
{
    const QString entry = simpleLower(m_window.text(box));
    for (const QString& listed : m_window.history(box))
        if (simpleLower(listed) == entry)
            return;
    m_window.addToHistory(box, entry);
}

void HtmlFind::Command1_Click()
{
    const QString s = m_window.text(FindBox::Text1);
    if (s.isEmpty())
        return;
    AddHistory(FindBox::Text1);
    m_lastSearch = s;
    FindText(s);
}

void HtmlFind::Command2_Click()
{
    m_window.unload();
}

void HtmlFind::Command3_Click()
{
    const QString s = m_window.text(FindBox::Text1);
    if (s.isEmpty())
        return;
    AddHistory(FindBox::Text1);
    m_lastSearch = s;
    EditBox& box = m_editor.host().editBox();
    if (box.selText() != s && !FindText(s))
        return;
    box.setSelText(m_window.text(FindBox::Combo1));
    m_editor.document().setModified(true);
    Command1_Click();
}

void HtmlFind::Command4_Click()
{
    const QString s = m_window.text(FindBox::Text1);
    if (s.isEmpty())
        return;
    AddHistory(FindBox::Text1);
    AddHistory(FindBox::Combo1);
    m_lastSearch = s;
    EditBox& box = m_editor.host().editBox();
    box.setSelLength(0);
    const qsizetype caret = box.selStart();
    const QString text = box.text();
    const qsizetype count = CountOccurrences(text, s);
    // One undo step for the whole replacement; an unchanged text gets none.
    if (count > 0)
        box.replaceWholeText(replaceEvery(text, s, m_window.text(FindBox::Combo1)));
    box.setSelStart(caret);
    m_window.message(
        QString::number(count) + QStringLiteral("ヶ所を変更しました。"), Notice, QStringLiteral("置換"));
    m_window.setSearchFrom(SearchFrom::Top);
    m_editor.document().setModified(true);
}

QList<MenuRow> HtmlFind::menuRows()
{
    const QString edit = QStringLiteral("E_0");
    return {
        itemRow(QStringLiteral("E_Find"), edit, QStringLiteral("検索(&F)"), QStringLiteral("Ctrl+F"),
            [this] { E_Find_Click(); }),
        itemRow(QStringLiteral("E_FindNext"), edit, QStringLiteral("次を検索"), QStringLiteral("F3"),
            [this] { E_FindNext_Click(); }),
    };
}

void HtmlFind::addCommands(Commands& commands)
{
    commands.add(menuRows());
    commands.addCommand(
        toolbarCommandName(Control::Toolbar1, QStringLiteral("find")), [this] { Toolbar1_find(); });
}

} // namespace quorlex
