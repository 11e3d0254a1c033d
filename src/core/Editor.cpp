#include "core/Editor.h"

#include "core/TagCase.h"
#include "host/ControlNames.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

namespace quorlex {

Editor::Editor(Host& host)
    : m_host(host)
    , m_document(host)
{
}

void Editor::AddTag(const QString& tag, bool noConvert)
{
    m_host.editBox().setSelText(convertForInsertion(tag, noConvert, m_settings.UpperCaseTags));
}

void Editor::WrapTag(const QString& open, const QString& close, const QString& prompt, const QString& title)
{
    const QString o = m_settings.UpperCaseTags ? open : simpleLower(open);
    const QString c = m_settings.UpperCaseTags ? close : simpleLower(close);
    const QString selected = m_host.editBox().selText();
    if (!selected.isEmpty()) {
        AddTag(o + selected + c, false);
        return;
    }
    const QString answer = m_host.inputBox(prompt, title, QString());
    AddTag(o + answer + c + CRLF, false);
}

QString Editor::CaseTag(const QString& s) const
{
    return quorlex::CaseTag(s, m_settings.UpperCaseTags);
}

void Editor::TextRefrash()
{
    m_host.setMenuEnabled(Control::E_Undo, m_host.editBox().canUndo());
    m_document.setModified(true);
}

} // namespace quorlex
