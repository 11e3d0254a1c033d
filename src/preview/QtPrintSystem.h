#pragma once

#include "preview/PrintSystem.h"

#include <QPointer>

class QFont;
class QPrinter;
class QWidget;

namespace quorlex {

// Printing on Qt: QPrinterInfo's printers, QPrintDialog and QPageSetupDialog owned by the main
// window, and the text laid out in a fixed-pitch font with Japanese glyphs. The print support is
// loaded by the first print command, not at start-up.
class QtPrintSystem : public PrintSystem {
public:
    explicit QtPrintSystem(QWidget* owner);

    QStringList printerNames() override;
    QString defaultPrinterName() override;
    PrinterSettings printerDefaults(const QString& deviceName) override;
    std::optional<PrintChoice> showPrintDialog(
        const PrinterSettings& printer, PrintDialogFlags flags) override;
    std::optional<PageSetupChoice> showPageSetupDialog(const PageSetupRequest& request) override;
    bool print(const PrintJob& job) override;

    // The font the text is printed in: the system's fixed-pitch font at 10 points, Noto Sans Mono
    // CJK JP where it is installed.
    static QFont printFont();

private:
    QPointer<QWidget> m_owner;
};

} // namespace quorlex
