#include "core/EditorDocument.h"

#include "host/Host.h"

namespace quorlex {

QString EditorDocument::caption() const
{
    return m_host.windowCaption();
}

void EditorDocument::setCaption(const QString& caption)
{
    m_host.setWindowCaption(caption);
}

void EditorDocument::setCurrentFile(const QString& path, bool modified, const QString& caption)
{
    m_filePath = path;
    m_modified = modified;
    if (path.isEmpty())
        m_encoding = PageEncoding::ShiftJis;
    setCaption(caption);
}

} // namespace quorlex
