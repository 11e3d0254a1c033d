#include "preview/PreviewMenu.h"

namespace quorlex {

QList<MenuRow> previewMenuRows()
{
    return {
        itemRow(QStringLiteral("F_PreView"), QStringLiteral("F_0"),
            QStringLiteral("ブラウザでプレビュー(&V)"), QStringLiteral("F5"), {}),
    };
}

} // namespace quorlex
