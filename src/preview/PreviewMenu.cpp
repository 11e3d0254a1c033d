#include "preview/PreviewMenu.h"

namespace quorlex {

QList<MenuRow> printMenuRows()
{
    return {
        itemRow(QStringLiteral("F_PrintSetup"), QStringLiteral("F_0"), QStringLiteral("ページ設定"),
            QString(), {}),
        itemRow(QStringLiteral("F_PrintHTML"), QStringLiteral("F_0"), QStringLiteral("HTMLの印刷(&P)"),
            QStringLiteral("Ctrl+P"), {}),
    };
}

QList<MenuRow> helpMenuRows()
{
    return {
        menuRow(QStringLiteral("H_0"), QString(), QStringLiteral("ヘルプ(&H&ｸ)")),
        itemRow(QStringLiteral("H_Topic"), QStringLiteral("H_0"), QStringLiteral("ヘルプ"),
            QStringLiteral("F1"), {}),
        separatorRow(QStringLiteral("H_Sen1"), QStringLiteral("H_0")),
        itemRow(QStringLiteral("H_Version"), QStringLiteral("H_0"), QStringLiteral("バージョン情報"),
            QString(), {}),
    };
}

} // namespace quorlex
