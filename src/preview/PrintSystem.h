#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorlex {

enum class PrintOrientation { Portrait, Landscape };
enum class DuplexMode { None, LongSide, ShortSide, Auto };

// A printer and the settings that the program carries for it between dialogs and jobs.
struct PrinterSettings {
    QString deviceName; // empty: no printer installed (the job can still go to a file)
    int paperSize = 0; // the host's paper size id
    int paperSource = 0; // the host's paper bin id
    PrintOrientation orientation = PrintOrientation::Portrait;
    int copies = 1;
    DuplexMode duplex = DuplexMode::None;

    friend bool operator==(const PrinterSettings&, const PrinterSettings&) = default;
};

// Options of the print dialog, with the values the print command writes them as.
enum class PrintDialogFlag {
    NoSelection = 0x4, // no "selection" print range
    NoPageNums = 0x8, // no page range
    ReturnDC = 0x100, // the dialog hands back the printer to print on
};
Q_DECLARE_FLAGS(PrintDialogFlags, PrintDialogFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(PrintDialogFlags)

// What the user chose in the print dialog.
struct PrintChoice {
    QString deviceName;
    int copies = 1;
    DuplexMode duplex = DuplexMode::None;
    PrintOrientation orientation = PrintOrientation::Portrait;
    QString outputFile; // the file chosen instead of a printer; empty for a printer
    bool selectionOnly = false; // the print range "selection" was chosen

    friend bool operator==(const PrintChoice&, const PrintChoice&) = default;
};

// Page margins in millimetres.
struct PageMargins {
    float top = 0;
    float left = 0;
    float bottom = 0;
    float right = 0;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// Options of the page-setup dialog: without them it shows its own default margins.
enum class PageSetupFlag {
    MinMargins = 0x1, // keep the margins at least at the given minimum
    Margins = 0x2, // open with the given margins
};
Q_DECLARE_FLAGS(PageSetupFlags, PageSetupFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(PageSetupFlags)

struct PageSetupRequest {
    PrinterSettings printer;
    PageSetupFlags flags;
    PageMargins margins;
    PageMargins minimumMargins;
};

struct PageSetupChoice {
    PrinterSettings printer;
    PageMargins margins;
};

// A job: the text, printed on a printer or into a file.
struct PrintJob {
    PrinterSettings printer;
    QString outputFile;
    QString text;
};

// The printers, the print and page-setup dialogs and the printing of text, as the print
// commands see them. Nothing is asked of the system before a print command runs.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;

    // Installed printers by device name, in the system's order, and the system's default printer
    // (empty when there is none).
    virtual QStringList printerNames() = 0;
    virtual QString defaultPrinterName() = 0;
    // A printer's settings as its driver gives them.
    virtual PrinterSettings printerDefaults(const QString& deviceName) = 0;

    // The modal print dialog, opened on the given printer; nothing when cancelled or failed.
    virtual std::optional<PrintChoice> showPrintDialog(const PrinterSettings& printer, PrintDialogFlags flags)
        = 0;
    // The modal page-setup dialog; nothing when cancelled or failed.
    virtual std::optional<PageSetupChoice> showPageSetupDialog(const PageSetupRequest& request) = 0;

    // Prints the job; false when the printer could not start it or the job failed.
    virtual bool print(const PrintJob& job) = 0;
};

} // namespace quorlex
