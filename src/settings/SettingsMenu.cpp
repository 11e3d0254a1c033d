#include "settings/SettingsMenu.h"

namespace quorlex {

QList<MenuRow> settingsMenuRows()
{
    return {
        itemRow(
            QStringLiteral("T_Setting"), QStringLiteral("T_0"), QStringLiteral("設定(&S)"), QString(), {}),
    };
}

} // namespace quorlex
