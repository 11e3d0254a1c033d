#pragma once

#include "host/FileDialogRequest.h"

#include <QFlags>
#include <QString>

#include <optional>

namespace quorlex {

class Host;

// Option bits of the open and save dialogs, as the commands set them. The values are the
// numbers the commands are written with (4100 is FileMustExist | HideReadOnly).
enum class FileDlgFlag : qint32 {
    OverwritePrompt = 0x2, // ask before overwriting an existing file
    HideReadOnly = 0x4, // no read-only check box
    NoValidate = 0x100, // accept any typed text, an address say, and give it back as typed
    PathMustExist = 0x800,
    FileMustExist = 0x1000,
    Explorer = 0x80000, // explorer-style dialog
};
Q_DECLARE_FLAGS(FileDlgFlags, FileDlgFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FileDlgFlags)

// What the user chose in an open or save dialog.
struct FileChoice {
    QString path; // the chosen full path, or the text typed when any text is accepted
    QString filter; // the filter list the dialog showed ("description|patterns|...")
};

// The program's own file and folder dialog object. Its properties keep their values from
// one use to the next, so a command that does not set one gets what the previous user of
// the same object left there.
class FileDlg {
public:
    // The longest proposed name the dialog's name field takes; a longer Filename is not
    // proposed at all rather than cut into a name the user never chose.
    static constexpr qsizetype MaxProposedName = 255;

    explicit FileDlg(Host& host);

    // True when the last dialog was closed without a choice.
    bool Cancel() const { return m_cancel; }
    // The name proposed in the next dialog; after a choice, the chosen full path.
    const QString& Filename() const { return m_filename; }
    void setFilename(const QString& filename) { m_filename = filename; }
    FileDlgFlags Flags() const { return m_flags; }
    void setFlags(FileDlgFlags flags) { m_flags = flags; }
    // The filter used when a call passes none.
    const QString& Filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    const QString& Title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    // The open dialog; nothing when it was cancelled. An empty filter means Filter() and an
    // empty directory the current directory. With no flags set, the file and its folder must
    // exist.
    std::optional<FileChoice> ShowOpen(
        const QString& filter = QString(), const QString& directory = QString());
    // The save dialog, with the same conventions; no must-exist bits are added.
    std::optional<FileChoice> ShowSave(
        const QString& filter = QString(), const QString& directory = QString());
    // The folder browser opened at directory; the chosen folder with a trailing separator (see
    // WithBackslash), or nothing when cancelled. flag is accepted and not used.
    std::optional<QString> ShowDir(const QString& directory, int flag = 0);

private:
    std::optional<FileChoice> show(
        FileDialogRequest::Kind kind, FileDlgFlags flags, const QString& filter, const QString& directory);

    Host& m_host;
    bool m_cancel = false;
    QString m_filename;
    FileDlgFlags m_flags;
    QString m_filter;
    QString m_title;
};

} // namespace quorlex
