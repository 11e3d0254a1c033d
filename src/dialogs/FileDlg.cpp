#include "dialogs/FileDlg.h"

#include "dialogs/FilterList.h"
#include "dialogs/PathHelpers.h"
#include "host/Host.h"

namespace quorlex {

FileDlg::FileDlg(Host& host)
    : m_host(host)
{
}

QString FileDlg::ShowOpen(QString& strFilter, QString& strDefDir)
{
    const qint32 mustExist = Flags == 0 ? FileDlgFlags::PathMustExist | FileDlgFlags::FileMustExist : 0;
    return show(FileDialogRequest::Kind::Open, Flags | mustExist, strFilter, strDefDir);
}

QString FileDlg::ShowSave(QString& strFilter, QString& strDefDir)
{
    return show(FileDialogRequest::Kind::Save, Flags, strFilter, strDefDir);
}

QString FileDlg::show(FileDialogRequest::Kind kind, qint32 flags, QString& strFilter, QString& strDefDir)
{
    if (strFilter.isEmpty())
        strFilter = Filter;
    if (strDefDir.isEmpty())
        strDefDir = m_host.currentDirectory();
    Cancel = false;

    FileDialogRequest request;
    request.kind = kind;
    request.title = Title;
    request.filters = parseFilterList(strFilter);
    request.selectedFilter = 0;
    request.initialDirectory = strDefDir;
    const QString proposal = CutAtNull(Filename);
    if (proposal.size() <= MaxProposedName)
        request.fileName = proposal;
    request.promptOverwrite = flags & FileDlgFlags::OverwritePrompt;
    request.fileMustExist = flags & FileDlgFlags::FileMustExist;
    request.pathMustExist = flags & FileDlgFlags::PathMustExist;
    request.acceptAnyText = flags & FileDlgFlags::NoValidate;

    const FileDialogResult result = m_host.showFileDialog(request);
    const QString path = CutAtNull(result.path);
    // A dialog that reports a choice without a name has failed: that counts as a cancel.
    if (!result.accepted || path.isEmpty()) {
        Cancel = true;
        return QString();
    }
    Filename = path;
    return Filename;
}

QString FileDlg::ShowDir(QString& strDefDir, int /*flag*/)
{
    Cancel = false;
    const QString folder
        = CutAtNull(m_host.showFolderDialog(QStringLiteral("フォルダを選択してください。"), strDefDir));
    if (folder.isEmpty()) {
        Cancel = true;
        return QString();
    }
    return WithBackslash(folder);
}

} // namespace quorlex
