#include "StringEditBox.h"

#include <algorithm>

namespace quorlex::test {

void StringEditBox::setText(const QString& text)
{
    m_text = text;
    m_start = 0;
    m_length = 0;
    m_undo.clear();
}

void StringEditBox::replaceWholeText(const QString& text)
{
    m_undo.append(m_text);
    m_text = text;
    m_start = 0;
    m_length = 0;
}

void StringEditBox::setSelStart(qsizetype offset)
{
    m_start = std::clamp<qsizetype>(offset, 0, m_text.size());
    m_length = 0;
}

void StringEditBox::setSelLength(qsizetype length)
{
    m_length = std::clamp<qsizetype>(length, 0, m_text.size() - m_start);
}

void StringEditBox::setSelText(const QString& text)
{
    m_undo.append(m_text);
    m_text.replace(m_start, m_length, text);
    m_start += text.size();
    m_length = 0;
}

void StringEditBox::undo()
{
    if (m_undo.isEmpty())
        return;
    m_text = m_undo.takeLast();
    m_start = std::min(m_start, m_text.size());
    m_length = 0;
}

void StringEditBox::select(qsizetype start, qsizetype length)
{
    setSelStart(start);
    setSelLength(length);
}

} // namespace quorlex::test
