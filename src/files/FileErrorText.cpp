#include "files/FileErrorText.h"

#include "files/FileOps.h"

#include <cerrno>

namespace quorlex {

int systemError(std::error_code error)
{
    return error.category() == std::generic_category() || error.category() == std::system_category()
        ? error.value()
        : 0;
}

QString fileErrorDescription(std::error_code error)
{
    if (error == FileErrc::ReadOnlyFile)
        return QStringLiteral("ファイルが読み込み専用になっています。");
    if (error == FileErrc::NotRegularFile)
        return QStringLiteral("通常のファイルではありません。");
    switch (systemError(error)) {
    case ENOSPC:
        return QStringLiteral("ディスクの空き領域が不足しています。");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限を超えています。");
#endif
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("指定されたパスが見つかりません。");
    case EISDIR:
        return QStringLiteral("ファイルではなくフォルダです。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました。");
    case EROFS:
        return QStringLiteral("ディスクが書き込み禁止になっています。");
    case ENODEV:
    case ENXIO:
#ifdef ESTALE
    case ESTALE:
#endif
    case ENOTCONN:
        return QStringLiteral("デバイスが使用できません。");
#ifdef ENOMEDIUM
    case ENOMEDIUM:
        return QStringLiteral("ディスクが準備されていません。");
#endif
    case EIO:
        return QStringLiteral("ディスクの読み書き中にエラーが発生しました。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが多すぎます。");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ファイルがほかのプログラムで使用されています。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case ENOMEM:
        return QStringLiteral("メモリが不足しています。");
    case EINVAL:
        return QStringLiteral("ファイル名が正しくありません。");
    default:
        break;
    }
    // Unknown to the program: keep the system's own words so the user has something to go by.
    return QStringLiteral("ファイルの操作中にエラーが発生しました（%1）。")
        .arg(QString::fromLocal8Bit(error.message()));
}

} // namespace quorlex
