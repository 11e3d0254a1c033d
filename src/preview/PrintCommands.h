#pragma once

#include "core/MenuRow.h"
#include "preview/PrinterDlg.h"

namespace quorlex {

class Editor;
class PrintSystem;

// Page setup and printing of the page's source text, through the program's one PrinterDlg.
class PrintCommands {
public:
    PrintCommands(Editor& editor, PrintSystem& system);

    PrinterDlg& printerDialog() { return m_printerDialog; }

    void F_PrintSetup_Click();
    // Prints the whole text on the printer chosen in the print dialog. A printer that cannot
    // print it is reported once, instead of printing nothing in silence.
    void F_PrintHTML_Click();

    QList<MenuRow> menuRows();

private:
    Editor& m_editor;
    PrintSystem& m_system;
    PrinterDlg m_printerDialog;
};

} // namespace quorlex
