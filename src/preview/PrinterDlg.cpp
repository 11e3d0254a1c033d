#include "preview/PrinterDlg.h"

namespace quorlex {

PrinterDlg::PrinterDlg(PrintSystem& system)
    : m_system(system)
{
}

const QString& PrinterDlg::currentName()
{
    if (!m_current)
        m_current = m_system.defaultPrinterName();
    return *m_current;
}

PrinterSettings& PrinterDlg::settingsOf(const QString& deviceName)
{
    auto it = m_settings.find(deviceName);
    if (it == m_settings.end()) {
        PrinterSettings settings = m_system.printerDefaults(deviceName);
        settings.deviceName = deviceName;
        it = m_settings.insert(deviceName, settings);
    }
    return *it;
}

PrinterSettings PrinterDlg::currentPrinter()
{
    return settingsOf(currentName());
}

std::optional<PrinterSettings> PrinterDlg::PrinterObj() const
{
    if (!m_printerObj)
        return std::nullopt;
    return m_settings.value(*m_printerObj);
}

bool PrinterDlg::selectCurrentPrinter(const QString& deviceName, Qt::CaseSensitivity cs)
{
    for (const QString& name : m_system.printerNames()) {
        if (name.compare(deviceName, cs) == 0) {
            m_current = name;
            return true;
        }
    }
    return false;
}

void PrinterDlg::ShowPrinter()
{
    m_cancel = false;
    const auto choice = m_system.showPrintDialog(currentPrinter(), m_flags);
    if (!choice) {
        m_cancel = true;
        return;
    }
    // The chosen device is found by its upper-cased name: the current printer first, then the
    // installed ones. With no match PrinterObj stays what it was.
    const QString name = choice->deviceName.toUpper();
    if (currentName() == name) {
        m_printerObj = currentName();
    } else {
        for (const QString& installed : m_system.printerNames()) {
            if (installed.toUpper() == name) {
                m_printerObj = installed;
                break;
            }
        }
    }
    if (m_printerObj) {
        PrinterSettings& settings = settingsOf(*m_printerObj);
        settings.copies = choice->copies;
        settings.duplex = choice->duplex;
        settings.orientation = choice->orientation;
    }
    m_outputFile = choice->outputFile;
    m_selectionOnly = choice->selectionOnly;
}

bool PrinterDlg::ShowPrintPage(PageSetupFlags flags)
{
    const auto choice
        = m_system.showPageSetupDialog({ currentPrinter(), flags, m_margins, m_minimumMargins });
    if (!choice) {
        m_cancel = true;
        return false;
    }
    // The confirmed printer becomes current with the paper, orientation and copies chosen. Without
    // any printer installed the settings stay with the current one, the file output's.
    const QString& name = choice->printer.deviceName;
    if (selectCurrentPrinter(name, Qt::CaseSensitive) || name == currentName()) {
        m_current = name;
        PrinterSettings& settings = settingsOf(name);
        settings.paperSize = choice->printer.paperSize;
        settings.paperSource = choice->printer.paperSource;
        settings.orientation = choice->printer.orientation;
        settings.copies = choice->printer.copies;
    }
    m_margins = choice->margins;
    return true;
}

} // namespace quorlex
