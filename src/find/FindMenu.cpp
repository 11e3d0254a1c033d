#include "find/FindMenu.h"

namespace quorlex {

QList<MenuRow> findMenuRows()
{
    return {
        itemRow(QStringLiteral("E_Find"), QStringLiteral("E_0"), QStringLiteral("検索(&F)"),
            QStringLiteral("Ctrl+F"), {}),
        itemRow(QStringLiteral("E_FindNext"), QStringLiteral("E_0"), QStringLiteral("次を検索"),
            QStringLiteral("F3"), {}),
    };
}

} // namespace quorlex
