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
        setEncoding(PageEncoding::ShiftJis);
    setCaption(caption);
}

void EditorDocument::setEncoding(PageEncoding encoding)
{
    if (encoding == m_encoding)
        return;
    m_encoding = encoding;
    if (m_encodingListener)
        m_encodingListener();
}

} // namespace quorlex
