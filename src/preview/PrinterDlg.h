#pragma once

#include "preview/PrintSystem.h"

#include <QHash>

#include <optional>

namespace quorlex {

// The program's one printer dialog object: the print and page-setup dialogs and the current
// printer, whose settings (paper, orientation, source, copies, duplex) the dialogs carry over
// from one use to the next. The print system is asked nothing before the first dialog opens.
class PrinterDlg {
public:
    explicit PrinterDlg(PrintSystem& system);

    // The print dialog with the options of Flags(). Chooses PrinterObj and gives it the copies,
    // duplex and orientation chosen; Cancel() tells whether the dialog was cancelled.
    void ShowPrinter();
    // The page-setup dialog on the current printer; true when it was confirmed. The printer
    // confirmed there becomes the current printer; its margins are kept, not used for printing.
    bool ShowPrintPage(PageSetupFlags flags);

    bool Cancel() const { return m_cancel; }
    PrintDialogFlags Flags() const { return m_flags; }
    void setFlags(PrintDialogFlags flags) { m_flags = flags; }
    // The printer chosen in the last confirmed print dialog; nothing until then.
    std::optional<PrinterSettings> PrinterObj() const;

    // The printer that jobs go to: the system's default until a dialog chooses another.
    PrinterSettings currentPrinter();
    // Makes the first installed printer of that name current; false when there is none.
    bool selectCurrentPrinter(const QString& deviceName, Qt::CaseSensitivity cs);
    // The file that the last confirmed print dialog chose instead of a printer.
    const QString& outputFile() const { return m_outputFile; }
    // Whether the last print dialog asked for the selection only.
    bool selectionOnly() const { return m_selectionOnly; }
    // The margins of the last confirmed page setup.
    PageMargins margins() const { return m_margins; }

private:
    const QString& currentName();
    PrinterSettings& settingsOf(const QString& deviceName);

    PrintSystem& m_system;
    bool m_cancel = false;
    PrintDialogFlags m_flags;
    std::optional<QString> m_current;
    std::optional<QString> m_printerObj;
    QHash<QString, PrinterSettings> m_settings;
    PageMargins m_margins;
    PageMargins m_minimumMargins;
    QString m_outputFile;
    bool m_selectionOnly = false;
};

} // namespace quorlex
