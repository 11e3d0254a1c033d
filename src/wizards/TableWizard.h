#pragma once

#include "core/MenuRow.h"
#include "wizards/TableWizardWindow.h"

namespace quorlex {

class Editor;

// The table wizard: the Insert menu's 表 item (and the tag bar's Table button) opens the dialog,
// whose 次へ inserts the table at the selection. The dialog keeps no state besides its controls.
class NewTable {
public:
    NewTable(Editor& editor, TableWizardWindow& window);

    void I_Table_Click();

    // Builds and inserts the table, then closes the dialog; a table that cannot be built is
    // reported (when the user can mend it) and the dialog stays open as it was.
    void Command1_Click();
    void Command2_Click();
    void Check5_Click();
    // A spinner moved to value: its box shows the value in decimal digits.
    void HScroll_Change(TableSpinner spinner, int value);

    QList<MenuRow> menuRows();

    static QString caption() { return QStringLiteral("表ウィザード"); }
    // A number beyond what the wizard can hold is told, not passed over in silence.
    static QString numberOutOfRangeMessage()
    {
        return QStringLiteral("数値が大きすぎます。扱える範囲の数を入力してください。");
    }
    static QString tooManyCellsMessage();

private:
    Editor& m_editor;
    TableWizardWindow& m_window;
};

} // namespace quorlex
