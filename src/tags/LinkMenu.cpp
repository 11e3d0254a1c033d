#include "tags/LinkMenu.h"

#include "tags/LinkCommands.h"

namespace quorlex {

QList<MenuRow> linkMenuRows(LinkCommands& commands)
{
    return {
        itemRow(QStringLiteral("I_L_Insert"), QStringLiteral("I_Links"), QStringLiteral("リンクの挿入"),
            QStringLiteral("Ctrl+F1"), [&commands] { commands.I_L_Insert_Click(); }),
        itemRow(QStringLiteral("I_E_PluginTag"), QStringLiteral("I_ExTag"),
            QStringLiteral("プラグインの追加"), QString(), [&commands] { commands.I_E_PluginTag_Click(); }),
        itemRow(QStringLiteral("I_img"), QStringLiteral("I_0"), QStringLiteral("画像(&G&ｷ)"),
            QStringLiteral("Shift+F4"), [&commands] { commands.I_img_Click(); }),
        itemRow(QStringLiteral("I_midi"), QStringLiteral("I_0"), QStringLiteral("音楽(&M&ﾓ)"),
            QStringLiteral("Shift+F5"), [&commands] { commands.I_midi_Click(); }),
        itemRow(QStringLiteral("I_video"), QStringLiteral("I_0"), QStringLiteral("動画(&A&ﾁ)"),
            QStringLiteral("Shift+F6"), [&commands] { commands.I_video_Click(); }),
    };
}

} // namespace quorlex
