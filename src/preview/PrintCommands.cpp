#include "preview/PrintCommands.h"

#include "core/Editor.h"
#include "host/Host.h"

namespace quorlex {

PrintCommands::PrintCommands(Editor& editor, PrintSystem& system)
    : m_editor(editor)
    , m_system(system)
    , m_printerDialog(system)
{
}

void PrintCommands::F_PrintSetup_Click()
{
    m_printerDialog.ShowPrintPage({});
}

void PrintCommands::F_PrintHTML_Click()
{
    m_printerDialog.setFlags(PrintDialogFlag::ReturnDC | PrintDialogFlag::NoPageNums);
    m_printerDialog.ShowPrinter();
    if (m_printerDialog.Cancel())
        return;
    if (const auto chosen = m_printerDialog.PrinterObj())
        m_printerDialog.selectCurrentPrinter(chosen->deviceName, Qt::CaseInsensitive);
    // The print range "selection" prints what is selected; with nothing selected, the page.
    EditBox& box = m_editor.host().editBox();
    const QString selected = m_printerDialog.selectionOnly() ? box.selText() : QString();
    const PrintJob job { m_printerDialog.currentPrinter(), m_printerDialog.outputFile(),
        selected.isEmpty() ? box.text() : selected };
    if (m_system.print(job))
        return;
    const QString where = !job.outputFile.isEmpty() ? QStringLiteral("出力先: ") + job.outputFile
        : !job.printer.deviceName.isEmpty() ? QStringLiteral("プリンタ: ") + job.printer.deviceName
                                            : QStringLiteral("プリンタが見つかりません。");
    m_editor.host().messageBox(
        QStringLiteral("印刷できませんでした。\r") + where, { MsgButtons::Ok, MsgIcon::Exclamation });
}

QList<MenuRow> PrintCommands::menuRows()
{
    return {
        itemRow(QStringLiteral("F_PrintSetup"), QStringLiteral("F_0"), QStringLiteral("ページ設定"),
            QString(), [this] { F_PrintSetup_Click(); }),
        itemRow(QStringLiteral("F_PrintHTML"), QStringLiteral("F_0"), QStringLiteral("HTMLの印刷(&P)"),
            QStringLiteral("Ctrl+P"), [this] { F_PrintHTML_Click(); }),
    };
}

} // namespace quorlex
