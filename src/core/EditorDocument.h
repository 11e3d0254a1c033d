#pragma once

#include "files/PageEncoding.h"

#include <QString>

#include <functional>

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

    // The encoding the page was read in and is saved in.
    PageEncoding encoding() const { return m_encoding; }
    void setEncoding(PageEncoding encoding);
    // Told each time the encoding changes (the window shows it in its status bar).
    void setEncodingListener(std::function<void()> listener) { m_encodingListener = std::move(listener); }
    // The encoding as the status bar shows it: "Shift_JIS" or "UTF-8" (with or without the mark).
    QString encodingName() const { return pageEncodingShortName(m_encoding); }

    QString caption() const;
    void setCaption(const QString& caption);

    // The page now stands for the file at path (empty: untitled), with this modified state and
    // caption. Loading, saving, the page patterns, text conversion and the new page wizard all
    // set the current file through here, so the three never disagree. An untitled page is a new
    // one and so Shift_JIS.
    void setCurrentFile(const QString& path, bool modified, const QString& caption);

private:
    Host& m_host;
    QString m_filePath;
    bool m_modified = false;
    bool m_patternMode = false;
    qint16 m_backupTicks = 0;
    PageEncoding m_encoding = PageEncoding::ShiftJis;
    std::function<void()> m_encodingListener;
};

} // namespace quorlex
