#pragma once

#include <QString>

namespace quorlex {

class Host;

// The one open page: the editing box's text and selection (reached through the host) plus
// where the text came from and whether it has changed.
class EditorDocument {
public:
    explicit EditorDocument(Host& host)
        : m_host(host)
    {
    }

    // Full path of the page file; empty for an untitled page.
    const QString& FilePath() const { return m_filePath; }
    // The text has changed since it was last loaded or saved.
    bool Modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    // The editor holds a page pattern rather than a page.
    bool PatternMode() const { return m_patternMode; }
    void setPatternMode(bool patternMode) { m_patternMode = patternMode; }
    // Backup timer ticks counted while the text was not empty.
    qint16 BackupTicks() const { return m_backupTicks; }
    void setBackupTicks(qint16 ticks) { m_backupTicks = ticks; }

    QString caption() const;
    void setCaption(const QString& caption);

    // The page now stands for the file at path (empty: untitled), with this modified state and
    // caption. Loading, saving, the page patterns, text conversion and the new page wizard all
    // set the current file through here, so the three never disagree.
    void setCurrentFile(const QString& path, bool modified, const QString& caption);

private:
    Host& m_host;
    QString m_filePath;
    bool m_modified = false;
    bool m_patternMode = false;
    qint16 m_backupTicks = 0;
};

} // namespace quorlex
