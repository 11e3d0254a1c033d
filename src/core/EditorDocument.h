#pragma once

#include <QString>

namespace quorlex {

class Host;

// The one open page: the editing box's text and selection (reached through the host)
// plus where the text came from and whether it has changed.
class EditorDocument {
public:
    explicit EditorDocument(Host& host)
        : m_host(host)
    {
    }

    QString FilePath; // full path; empty for an untitled page
    bool Modified = false; // changed since last loaded or saved
    bool PatternMode = false; // the editor holds a page pattern
    qint16 BackupTicks = 0; // backup timer ticks counted while the text is not empty

    QString caption() const;
    void setCaption(const QString& caption);

private:
    Host& m_host;
};

} // namespace quorlex
