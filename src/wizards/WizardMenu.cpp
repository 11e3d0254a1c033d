#include "wizards/WizardMenu.h"

namespace quorlex {

QList<MenuRow> wizardMenuRows()
{
    return {
        itemRow(QStringLiteral("F_New"), QStringLiteral("F_0"), QStringLiteral("新規(&N)"),
            QStringLiteral("Ctrl+N"), {}),
    };
}

} // namespace quorlex
