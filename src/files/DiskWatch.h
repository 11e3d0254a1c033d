#pragma once

#include "files/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace quorlex {

class Editor;
class FileOps;

// Keeps what the page's file held when the program last read or wrote it, and notices when
// another program changed it since: the window coming back to the front asks whether to read the
// file again, and a save over it asks first. A file touched without a change to its bytes, and
// the program's own writes, never ask.
class DiskWatch {
public:
    // reload reads the page's file into the editor again (LoadDocument).
    DiskWatch(Editor& editor, FileOps& ops, std::function<void(const QString&)> reload);

    // The program has just read path as the page, or written bytes to it.
    void remember(const QString& path, const QByteArray& bytes);

    // The main window has become active again. A changed file: asks whether to read it again;
    // No keeps the text (now unsaved) and is remembered until the file changes once more. A
    // deleted file: says so once; the text stays, unsaved, and Save writes the file again.
    void windowActivated();

    // Before the page is written to path: true when path may be written, asking first when
    // another program changed it since it was last read or written.
    bool mayOverwrite(const QString& path);

private:
    enum class Change { None, Changed, Deleted };
    // How the file at the watched path differs from what was remembered, with its stamp now.
    Change changeOnDisk(FileStamp& now);

    Editor& m_editor;
    FileOps& m_ops;
    std::function<void(const QString&)> m_reload;
    QString m_path;
    QByteArray m_bytes;
    FileStamp m_stamp;
    // The change the user has already answered about.
    FileStamp m_answered;
    bool m_asking = false;
};

} // namespace quorlex
