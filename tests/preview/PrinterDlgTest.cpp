#include "core/Editor.h"
#include "preview/PrintCommands.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <QQueue>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

constexpr int A4 = 0;
constexpr int A3 = 8;
constexpr int Letter = 2;

// Printers and dialogs that answer from queues and record what they were asked.
struct ScriptedPrintSystem : PrintSystem {
    QStringList printers = { QStringLiteral("Office"), QStringLiteral("LASER") };
    QString defaultPrinter = QStringLiteral("Office");
    QQueue<std::optional<PrintChoice>> printAnswers; // a missing answer cancels
    QQueue<std::optional<PageSetupChoice>> pageSetupAnswers;
    QList<PrinterSettings> printDialogs;
    QList<PrintDialogFlags> printDialogFlags;
    QList<PageSetupRequest> pageSetups;
    QList<PrintJob> jobs;
    bool printerWorks = true;
    int questions = 0; // anything asked of the system at all

    QStringList printerNames() override { return ++questions, printers; }
    QString defaultPrinterName() override { return ++questions, defaultPrinter; }
    PrinterSettings printerDefaults(const QString& name) override
    {
        ++questions;
        return { name, name == QStringLiteral("LASER") ? Letter : A4, 7, PrintOrientation::Portrait, 1,
            DuplexMode::None };
    }
    std::optional<PrintChoice> showPrintDialog(
        const PrinterSettings& printer, PrintDialogFlags flags) override
    {
        ++questions;
        printDialogs.append(printer);
        printDialogFlags.append(flags);
        return printAnswers.isEmpty() ? std::nullopt : printAnswers.dequeue();
    }
    std::optional<PageSetupChoice> showPageSetupDialog(const PageSetupRequest& request) override
    {
        ++questions;
        pageSetups.append(request);
        return pageSetupAnswers.isEmpty() ? std::nullopt : pageSetupAnswers.dequeue();
    }
    bool print(const PrintJob& job) override
    {
        ++questions;
        jobs.append(job);
        return printerWorks;
    }
};

struct Printing : ::testing::Test {
    test::ScriptedHost host;
    Editor editor { host };
    ScriptedPrintSystem system;
    PrintCommands commands { editor, system };

    Printing() { host.stringBox().setText(QStringLiteral("<HTML>\r\n本文\r\n</HTML>")); }
};

} // namespace

TEST_F(Printing, CancellingThePrintDialogPrintsNothing)
{
    EXPECT_EQ(system.questions, 0); // nothing is asked of the print system before a command
    commands.F_PrintHTML_Click();
    EXPECT_TRUE(commands.printerDialog().Cancel());
    EXPECT_TRUE(system.jobs.isEmpty());
    EXPECT_FALSE(commands.printerDialog().PrinterObj());
    EXPECT_EQ(commands.printerDialog().currentPrinter().deviceName, QStringLiteral("Office"));
    // The dialog offers no page range.
    ASSERT_EQ(system.printDialogFlags.size(), 1);
    EXPECT_EQ(system.printDialogFlags[0].toInt(), 264);
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(Printing, TheChosenPrinterGetsTheWholeTextWhateverTheCaseOfItsName)
{
    struct Row {
        const char16_t* chosen;
        const char16_t* printedOn;
    };
    const Row rows[] = {
        { u"laser", u"LASER" }, { u"OFFICE", u"Office" }, { u"Office", u"Office" },
        { u"Gone", u"Office" }, // no such printer: the one chosen before stays
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.chosen).toStdString());
        system.jobs.clear();
        system.printAnswers.enqueue(PrintChoice {
            QString::fromUtf16(row.chosen), 3, DuplexMode::LongSide, PrintOrientation::Landscape, {} });
        commands.F_PrintHTML_Click();
        EXPECT_FALSE(commands.printerDialog().Cancel());
        ASSERT_EQ(system.jobs.size(), 1);
        const PrintJob& job = system.jobs[0];
        EXPECT_EQ(job.printer.deviceName, QString::fromUtf16(row.printedOn));
        EXPECT_EQ(job.text, QStringLiteral("<HTML>\r\n本文\r\n</HTML>"));
        EXPECT_TRUE(job.outputFile.isEmpty());
        EXPECT_EQ(job.printer.copies, 3);
        EXPECT_EQ(job.printer.duplex, DuplexMode::LongSide);
        EXPECT_EQ(job.printer.orientation, PrintOrientation::Landscape);
    }
    // The next print dialog opens on the printer used last, with what was chosen for it.
    system.printAnswers.enqueue(std::nullopt);
    commands.F_PrintHTML_Click();
    EXPECT_EQ(system.printDialogs.last().deviceName, QStringLiteral("Office"));
    EXPECT_EQ(system.printDialogs.last().copies, 3);
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(Printing, TheSelectionRangePrintsTheSelectedText)
{
    struct Row {
        qsizetype start, length;
        bool selectionOnly;
        const char16_t* printed;
    };
    const Row rows[] = {
        { 8, 2, true, u"本文" }, { 8, 2, false, u"<HTML>\r\n本文\r\n</HTML>" },
        { 8, 0, true, u"<HTML>\r\n本文\r\n</HTML>" }, // nothing selected: the page
    };
    for (const Row& row : rows) {
        system.jobs.clear();
        host.stringBox().select(row.start, row.length);
        PrintChoice choice { QStringLiteral("Office"), 1, DuplexMode::None, PrintOrientation::Portrait, {} };
        choice.selectionOnly = row.selectionOnly;
        system.printAnswers.enqueue(choice);
        commands.F_PrintHTML_Click();
        ASSERT_EQ(system.jobs.size(), 1);
        EXPECT_EQ(system.jobs[0].text, QString::fromUtf16(row.printed));
    }
}

TEST_F(Printing, PageSetupOpensOnTheCurrentPrinterAndItsChoiceCarriesOver)
{
    PrinterDlg& dlg = commands.printerDialog();
    // Cancelled: nothing changes, and Cancel stays set until the next print command.
    EXPECT_FALSE(dlg.ShowPrintPage({}));
    EXPECT_TRUE(dlg.Cancel());
    ASSERT_EQ(system.pageSetups.size(), 1);
    EXPECT_EQ(system.pageSetups[0].printer, (PrinterSettings { QStringLiteral("Office"), A4, 7, {}, 1, {} }));
    EXPECT_EQ(system.pageSetups[0].flags.toInt(), 0);

    // Confirmed on another printer: that printer, with its paper, is current for the next job.
    PrinterSettings laser { QStringLiteral("LASER"), A3, 2, PrintOrientation::Landscape, 2,
        DuplexMode::None };
    system.pageSetupAnswers.enqueue(PageSetupChoice { laser, { 30, 25, 20, 15 } });
    commands.F_PrintSetup_Click();
    EXPECT_EQ(dlg.margins(), (PageMargins { 30, 25, 20, 15 }));
    EXPECT_TRUE(dlg.Cancel());

    system.printAnswers.enqueue(
        PrintChoice { QStringLiteral("LASER"), 1, DuplexMode::None, laser.orientation, {} });
    commands.F_PrintHTML_Click();
    EXPECT_FALSE(dlg.Cancel());
    EXPECT_EQ(system.printDialogs.last(), laser);
    ASSERT_EQ(system.jobs.size(), 1);
    laser.copies = 1;
    EXPECT_EQ(system.jobs[0].printer, laser);

    // The margins are kept for the next page setup only, never for printing.
    system.pageSetupAnswers.enqueue(std::nullopt);
    dlg.ShowPrintPage(PageSetupFlag::Margins);
    EXPECT_EQ(system.pageSetups.last().margins, (PageMargins { 30, 25, 20, 15 }));
    EXPECT_EQ(system.pageSetups.last().printer.paperSize, A3);
}

TEST_F(Printing, WithoutPrintersTheTextGoesToTheChosenFileOnTheChosenPaper)
{
    system.printers.clear();
    system.defaultPrinter.clear();
    system.pageSetupAnswers.enqueue(
        PageSetupChoice { { QString(), A3, 0, PrintOrientation::Landscape, 1, DuplexMode::None }, {} });
    commands.F_PrintSetup_Click();
    system.printAnswers.enqueue(PrintChoice {
        QString(), 1, DuplexMode::None, PrintOrientation::Landscape, QStringLiteral("/tmp/page.pdf") });
    commands.F_PrintHTML_Click();
    ASSERT_EQ(system.jobs.size(), 1);
    EXPECT_EQ(system.jobs[0].outputFile, QStringLiteral("/tmp/page.pdf"));
    EXPECT_EQ(system.jobs[0].printer.paperSize, A3);
    EXPECT_EQ(system.jobs[0].printer.orientation, PrintOrientation::Landscape);
}

TEST_F(Printing, APrinterThatFailsIsReportedOnce)
{
    struct Row {
        const char16_t* printer;
        const char16_t* file;
        const char16_t* message;
    };
    const Row rows[] = {
        { u"LASER", u"", u"印刷できませんでした。\rプリンタ: LASER" },
        { u"", u"/nowhere/page.pdf", u"印刷できませんでした。\r出力先: /nowhere/page.pdf" },
    };
    system.printerWorks = false;
    for (const Row& row : rows) {
        host.messages.clear();
        system.printAnswers.enqueue(PrintChoice { QString::fromUtf16(row.printer), 1, DuplexMode::None,
            PrintOrientation::Portrait, QString::fromUtf16(row.file) });
        commands.F_PrintHTML_Click();
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_EQ(host.messages[0].text, QString::fromUtf16(row.message));
        EXPECT_EQ(host.messages[0].style.toNumber(), 48);
    }
}
