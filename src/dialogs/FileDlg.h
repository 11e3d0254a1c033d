#pragma once

#include "host/FileDialogRequest.h"

#include <QString>
#include <QtGlobal>

namespace quorlex {

class Host;

// Option bits of the open and save dialogs, as the commands write them in Flags.
namespace FileDlgFlags {
inline constexpr qint32 OverwritePrompt = 0x2; // ask before overwriting an existing file
inline constexpr qint32 HideReadOnly = 0x4; // no read-only check box
inline constexpr qint32 NoValidate = 0x100; // accept any typed text, an address say
inline constexpr qint32 PathMustExist = 0x800;
inline constexpr qint32 FileMustExist = 0x1000;
inline constexpr qint32 Explorer = 0x80000; // explorer-style dialog
} // namespace FileDlgFlags

// The program's own file and folder dialog object. Its properties keep their values from
// one use to the next, so a command that does not set one gets what the previous user of
// the same object left there.
class FileDlg {
public:
    // The longest proposed name the dialog's name field takes; a longer Filename is not
    // proposed at all rather than cut into a name the user never chose.
    static constexpr qsizetype MaxProposedName = 255;

    explicit FileDlg(Host& host);

    bool Cancel = false; // the last dialog was closed without a choice
    QString Filename; // proposed name before showing, chosen full path after a choice
    qint32 Flags = 0; // FileDlgFlags bits
    QString Filter; // filter used when a call passes an empty one
    QString Title;

    // The open dialog; the chosen full path, or empty when cancelled. An empty strFilter
    // becomes Filter and an empty strDefDir the current directory, in the caller's
    // variables. Flags 0 makes the file and its path required.
    QString ShowOpen(QString& strFilter, QString& strDefDir);
    // The save dialog, with the same conventions; no must-exist bits are added.
    QString ShowSave(QString& strFilter, QString& strDefDir);
    // The folder browser opened at strDefDir; the chosen folder with a trailing separator
    // (see WithBackslash), or empty when cancelled. flag is accepted and not used.
    QString ShowDir(QString& strDefDir, int flag);

private:
    QString show(FileDialogRequest::Kind kind, qint32 flags, QString& strFilter, QString& strDefDir);

    Host& m_host;
};

} // namespace quorlex
