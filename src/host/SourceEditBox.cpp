#include "host/SourceEditBox.h"

#include "host/SourceEdit.h"

namespace quorlex {

QString SourceEditBox::text() const
{
    return m_edit.sourceText();
}
void SourceEditBox::setText(const QString& text)
{
    m_edit.setSourceText(text);
}
void SourceEditBox::setTextInParts(std::unique_ptr<TextParts> parts)
{
    m_edit.fillSourceText(std::move(parts));
}

bool SourceEditBox::isFilling() const
{
    return m_edit.isFilling();
}

qsizetype SourceEditBox::indexOf(const QString& s, qsizetype from) const
{
    return m_edit.indexOfText(s, from);
}

qsizetype SourceEditBox::length() const
{
    return m_edit.sourceLength();
}
void SourceEditBox::replaceWholeText(const QString& text)
{
    m_edit.replaceSourceText(text);
}
qsizetype SourceEditBox::selStart() const
{
    return m_edit.selectionStartOffset();
}
void SourceEditBox::setSelStart(qsizetype offset)
{
    m_edit.setCaretOffset(offset);
}
qsizetype SourceEditBox::selLength() const
{
    return m_edit.selectionLengthOffset();
}
void SourceEditBox::setSelLength(qsizetype length)
{
    m_edit.setSelectionLengthOffset(length);
}
QString SourceEditBox::selText() const
{
    return m_edit.selectedSourceText();
}
void SourceEditBox::setSelText(const QString& text)
{
    m_edit.replaceSelection(text);
}
void SourceEditBox::setFocus()
{
    m_edit.setFocus();
}
bool SourceEditBox::canUndo() const
{
    return m_edit.document()->isUndoAvailable();
}
void SourceEditBox::undo()
{
    m_edit.undo();
}

} // namespace quorlex
