#include "wizards/WizardMenu.h"

namespace quorlex {

QList<MenuRow> wizardMenuRows()
{
    return {
        itemRow(QStringLiteral("I_Table"), QStringLiteral("I_0"), QStringLiteral("表(&E&ｲ)"),
            QStringLiteral("Shift+F3"), {}),
        itemRow(QStringLiteral("I_Frame"), QStringLiteral("I_0"), QStringLiteral("フレーム"), QString(), {}),
    };
}

} // namespace quorlex
