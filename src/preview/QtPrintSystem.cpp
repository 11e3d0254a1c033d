#include "preview/QtPrintSystem.h"

#include "preview/PrintLayout.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace quorlex {

namespace {

// The text starts this far from the paper's edge at least, where a printer has no margin of its
// own (a PDF file): a fixed place that no page setup moves.
constexpr qreal MinimumEdgeMillimetres = 6.35;

// Keeps a control disabled that its dialog enables again each time it updates itself.
class KeepDisabled : public QObject {
public:
    explicit KeepDisabled(QWidget* control)
        : QObject(control)
    {
        control->setEnabled(false);
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            auto* control = static_cast<QWidget*>(watched);
            if (control->isEnabled())
                control->setEnabled(false);
        }
        return false;
    }
};

DuplexMode duplexOf(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexLongSide:
        return DuplexMode::LongSide;
    case QPrinter::DuplexShortSide:
        return DuplexMode::ShortSide;
    case QPrinter::DuplexAuto:
        return DuplexMode::Auto;
    case QPrinter::DuplexNone:
        break;
    }
    return DuplexMode::None;
}

QPrinter::DuplexMode qtDuplex(DuplexMode mode)
{
    switch (mode) {
    case DuplexMode::LongSide:
        return QPrinter::DuplexLongSide;
    case DuplexMode::ShortSide:
        return QPrinter::DuplexShortSide;
    case DuplexMode::Auto:
        return QPrinter::DuplexAuto;
    case DuplexMode::None:
        break;
    }
    return QPrinter::DuplexNone;
}

PrintOrientation orientationOf(const QPrinter& printer)
{
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? PrintOrientation::Landscape
                                                                        : PrintOrientation::Portrait;
}

PrinterSettings settingsOf(const QPrinter& printer)
{
    PrinterSettings settings;
    settings.deviceName
        = printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString();
    settings.paperSize = printer.pageLayout().pageSize().id();
    settings.paperSource = printer.paperSource();
    settings.orientation = orientationOf(printer);
    settings.copies = printer.copyCount();
    settings.duplex = duplexOf(printer.duplex());
    return settings;
}

// Points a printer at the device (or at the PDF writer when there is none) with the settings.
void apply(QPrinter& printer, const PrinterSettings& settings, const QString& outputFile = QString())
{
    if (!outputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
    } else if (!settings.deviceName.isEmpty()) {
        printer.setPrinterName(settings.deviceName);
    }
    const QPageSize size(static_cast<QPageSize::PageSizeId>(settings.paperSize));
    if (size.isValid() && size.id() != QPageSize::Custom)
        printer.setPageSize(size);
    printer.setPageOrientation(
        settings.orientation == PrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPaperSource(static_cast<QPrinter::PaperSource>(settings.paperSource));
    printer.setCopyCount(std::max(settings.copies, 1));
    printer.setDuplex(qtDuplex(settings.duplex));
}

} // namespace

QtPrintSystem::QtPrintSystem(QWidget* owner)
    : m_owner(owner)
{
}

QStringList QtPrintSystem::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrintSystem::defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

PrinterSettings QtPrintSystem::printerDefaults(const QString& deviceName)
{
    QPrinter printer;
    if (!deviceName.isEmpty())
        printer.setPrinterName(deviceName);
    PrinterSettings settings = settingsOf(printer);
    settings.deviceName = deviceName;
    const QPrinterInfo info = QPrinterInfo::printerInfo(deviceName);
    if (!info.isNull()) {
        settings.paperSize = info.defaultPageSize().id();
        settings.duplex = duplexOf(info.defaultDuplexMode());
    }
    return settings;
}

std::optional<PrintChoice> QtPrintSystem::showPrintDialog(
    const PrinterSettings& printer, PrintDialogFlags flags)
{
    QPrinter qtPrinter;
    apply(qtPrinter, printer);
    QPrintDialog dialog(&qtPrinter, m_owner);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    options.setFlag(QAbstractPrintDialog::PrintPageRange, !flags.testFlag(PrintDialogFlag::NoPageNums));
    options.setFlag(QAbstractPrintDialog::PrintSelection, !flags.testFlag(PrintDialogFlag::NoSelection));
    options.setFlag(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOptions(options);
    // Qt's own dialog offers "pages from … to" whatever its options say.
    if (flags.testFlag(PrintDialogFlag::NoPageNums)) {
        if (auto* pagesFrom = dialog.findChild<QAbstractButton*>(QStringLiteral("printRange")))
            new KeepDisabled(pagesFrom);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const bool toFile = qtPrinter.outputFormat() == QPrinter::PdfFormat;
    return PrintChoice { toFile ? QString() : qtPrinter.printerName(), qtPrinter.copyCount(),
        duplexOf(qtPrinter.duplex()), orientationOf(qtPrinter),
        toFile ? qtPrinter.outputFileName() : QString(),
        dialog.printRange() == QAbstractPrintDialog::Selection };
}

std::optional<PageSetupChoice> QtPrintSystem::showPageSetupDialog(const PageSetupRequest& request)
{
    QPrinter qtPrinter;
    apply(qtPrinter, request.printer);
    if (request.flags.testFlag(PageSetupFlag::Margins)) {
        const PageMargins& m = request.margins;
        qtPrinter.setPageMargins(QMarginsF(m.left, m.top, m.right, m.bottom), QPageLayout::Millimeter);
    }
    QPageSetupDialog dialog(&qtPrinter, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QMarginsF margins = qtPrinter.pageLayout().margins(QPageLayout::Millimeter);
    PageSetupChoice choice { settingsOf(qtPrinter), {} };
    choice.printer.deviceName = request.printer.deviceName.isEmpty() ? QString() : qtPrinter.printerName();
    choice.margins
        = { float(margins.top()), float(margins.left()), float(margins.bottom()), float(margins.right()) };
    return choice;
}

QFont QtPrintSystem::printFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QString japanese = QStringLiteral("Noto Sans Mono CJK JP");
    if (QFontDatabase::families().contains(japanese))
        font.setFamily(japanese);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(10);
    return font;
}

bool QtPrintSystem::print(const PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    apply(printer, job.printer, job.outputFile);
    // The printable area, kept a little off the paper's edge where the device has no margin.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF device = layout.minimumMargins();
    const qreal edge = MinimumEdgeMillimetres;
    printer.setPageMargins(QMarginsF(std::max(device.left(), edge), std::max(device.top(), edge),
                               std::max(device.right(), edge), std::max(device.bottom(), edge)),
        QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFont font = printFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const int linesPerPage = int(std::floor(area.height() / metrics.lineSpacing()));
    const QList<QStringList> pages = printPages(job.text, area.width(), linesPerPage,
        [&metrics](QStringView piece) { return metrics.horizontalAdvance(piece.toString()); });
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        for (qsizetype line = 0; line < pages[page].size(); ++line)
            painter.drawText(QPointF(0, metrics.ascent() + line * metrics.lineSpacing()), pages[page][line]);
    }
    return painter.end() && printer.printerState() != QPrinter::Error
        && printer.printerState() != QPrinter::Aborted;
}

} // namespace quorlex
