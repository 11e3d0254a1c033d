#include "dialogs/FileDlg.h"

#include "dialogs/FilterList.h"
#include "dialogs/PathHelpers.h"
#include "host/Host.h"

namespace quorlex {

FileDlg::FileDlg(Host& host)
    : m_host(host)
{
}

std::optional<FileChoice> FileDlg::ShowOpen(const QString& filter, const QString& directory)
{
    const FileDlgFlags mustExist
        = m_flags ? FileDlgFlags() : FileDlgFlag::PathMustExist | FileDlgFlag::FileMustExist;
    return show(FileDialogRequest::Kind::Open, m_flags | mustExist, filter, directory);
}

std::optional<FileChoice> FileDlg::ShowSave(const QString& filter, const QString& directory)
{
    return show(FileDialogRequest::Kind::Save, m_flags, filter, directory);
}

std::optional<FileChoice> FileDlg::show(
    FileDialogRequest::Kind kind, FileDlgFlags flags, const QString& filter, const QString& directory)
{
    const QString effectiveFilter = filter.isEmpty() ? m_filter : filter;
    m_cancel = false;

    FileDialogRequest request;
    request.kind = kind;
    request.title = m_title;
    request.filters = parseFilterList(effectiveFilter);
    request.selectedFilter = 0;
    request.initialDirectory = directory.isEmpty() ? m_host.currentDirectory() : directory;
    const QString proposal = CutAtNull(m_filename);
    if (proposal.size() <= MaxProposedName)
        request.fileName = proposal;
    request.promptOverwrite = flags.testFlag(FileDlgFlag::OverwritePrompt);
    request.fileMustExist = flags.testFlag(FileDlgFlag::FileMustExist);
    request.pathMustExist = flags.testFlag(FileDlgFlag::PathMustExist);
    request.acceptAnyText = flags.testFlag(FileDlgFlag::NoValidate);

    const FileDialogResult result = m_host.showFileDialog(request);
    const QString path = CutAtNull(result.path);
    // A dialog that reports a choice without a name has failed: that counts as a cancel.
    if (!result.accepted || path.isEmpty()) {
        m_cancel = true;
        return std::nullopt;
    }
    m_filename = path;
    return FileChoice { path, effectiveFilter };
}

std::optional<QString> FileDlg::ShowDir(const QString& directory, int /*flag*/)
{
    m_cancel = false;
    const QString folder
        = CutAtNull(m_host.showFolderDialog(QStringLiteral("フォルダを選択してください。"), directory));
    if (folder.isEmpty()) {
        m_cancel = true;
        return std::nullopt;
    }
    return WithBackslash(folder);
}

} // namespace quorlex
