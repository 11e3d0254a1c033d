#include "files/SaveErrorMessage.h"

#include "files/FileErrorText.h"
#include "files/FileOps.h"

#include <cerrno>

namespace quorlex {

SaveErrorMessage saveErrorMessage(std::error_code error)
{
    // The file steps report a file that refuses this user's writes as read-only; a bare
    // permission error is then the folder's (no new file may go there) or the medium's.
    if (error == FileErrc::ReadOnlyFile)
        return { 75, QStringLiteral("ファイルが読み込み専用になっています。\r解除してから保存して下さい。"),
            MsgIcon::Critical };
    switch (systemError(error)) {
    case ENODEV:
    case ENXIO:
#ifdef ESTALE
    case ESTALE:
#endif
    case ENOTCONN:
        return { 68, QStringLiteral("ディスクドライブが準備されていません。"), MsgIcon::Exclamation };
    case EACCES:
    case EPERM:
    case EROFS:
        return { 70, QStringLiteral("ディスクが書き込み禁止になっています。"), MsgIcon::Exclamation };
#ifdef ENOMEDIUM
    case ENOMEDIUM:
        return { 71, QStringLiteral("ディスクが準備されていません。"), MsgIcon::Exclamation };
#endif
    case ENOENT:
    case ENOTDIR:
        return { 0, QStringLiteral("保存先のフォルダが見つかりません。"), MsgIcon::Exclamation };
    default:
        break;
    }
    return { 0, fileErrorDescription(error), MsgIcon::Exclamation };
}

} // namespace quorlex
