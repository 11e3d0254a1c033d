#include "tags/LinkMenu.h"

namespace quorlex {

QList<MenuRow> linkMenuRows()
{
    return {
        itemRow(QStringLiteral("I_L_Insert"), QStringLiteral("I_Links"), QStringLiteral("リンクの挿入"),
            QStringLiteral("Ctrl+F1"), {}),
        itemRow(QStringLiteral("I_E_PluginTag"), QStringLiteral("I_ExTag"),
            QStringLiteral("プラグインの追加"), QString(), {}),
        itemRow(QStringLiteral("I_img"), QStringLiteral("I_0"), QStringLiteral("画像(&G&ｷ)"),
            QStringLiteral("Shift+F4"), {}),
        itemRow(QStringLiteral("I_midi"), QStringLiteral("I_0"), QStringLiteral("音楽(&M&ﾓ)"),
            QStringLiteral("Shift+F5"), {}),
        itemRow(QStringLiteral("I_video"), QStringLiteral("I_0"), QStringLiteral("動画(&A&ﾁ)"),
            QStringLiteral("Shift+F6"), {}),
    };
}

} // namespace quorlex
