#include "preview/QtPrintSystem.h"
#include "support/QtPrinters.h"

#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorlex;
using namespace Qt::Literals::StringLiterals;

namespace {

// Prints through the real Qt printer into a PDF file and reads it back with poppler's tools.
struct PrintToPdf : ::testing::Test {
    QTemporaryDir dir;
    QtPrintSystem system { nullptr };
    QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    PrinterSettings a4 { QString(), QPageSize::A4, 0, PrintOrientation::Portrait, 1, DuplexMode::None };

    static QString run(const QString& tool, const QStringList& arguments)
    {
        const QString program = QStandardPaths::findExecutable(tool);
        EXPECT_FALSE(program.isEmpty()) << tool.toStdString() << " (poppler-utils) is missing";
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // The text of a page without the page break. The PDF names some ideographs by their radical
    // look-alikes (⾏ for 行): compatibility normalisation gives the characters printed.
    QString textOfPage(int page) const
    {
        const QString number = QString::number(page);
        return run(QStringLiteral("pdftotext"), { u"-f"_s, number, u"-l"_s, number, pdf, u"-"_s })
            .normalized(QString::NormalizationForm_KC)
            .remove(u'\f');
    }
    int pageCount() const
    {
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                               .match(run(QStringLiteral("pdfinfo"), { pdf }));
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }
    // The numbers of the lines "行 n" on a page, in order.
    QList<int> lineNumbersOn(int page) const
    {
        QList<int> numbers;
        for (const auto& m : QRegularExpression(QStringLiteral("行 (\\d+)")).globalMatch(textOfPage(page)))
            numbers.append(m.captured(1).toInt());
        return numbers;
    }
};

} // namespace

TEST_F(PrintToPdf, ALongTextGoesOnOverFurtherPagesWithNothingLost)
{
    QStringList lines;
    for (int n = 1; n <= 150; ++n)
        lines.append(QStringLiteral("行 %1 日本語のテキスト").arg(n));
    ASSERT_TRUE(system.print({ a4, pdf, lines.join(u"\r\n"_s) }));
    const int pages = pageCount();
    EXPECT_GE(pages, 2);
    QList<int> printed;
    for (int page = 1; page <= pages; ++page) {
        const QList<int> numbers = lineNumbersOn(page);
        EXPECT_FALSE(numbers.isEmpty()) << "page " << page;
        printed += numbers;
    }
    QList<int> expected;
    for (int n = 1; n <= 150; ++n)
        expected.append(n);
    EXPECT_EQ(printed, expected);
    EXPECT_TRUE(textOfPage(1).contains(QStringLiteral("行 1 日本語のテキスト")));
}

TEST_F(PrintToPdf, ALineWiderThanThePaperGoesOnInTheNextLine)
{
    const QString wide = QStringLiteral("START") + QString(300, u'x') + QStringLiteral("END");
    ASSERT_TRUE(system.print({ a4, pdf, wide + QStringLiteral("\r\n次の行") }));
    const QString text = textOfPage(1);
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(text.count(u'x'), 300);
    const QStringList printedLines = text.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(printedLines.size(), 4);
    EXPECT_TRUE(printedLines[0].startsWith(QStringLiteral("STARTx")));
    EXPECT_FALSE(printedLines[0].contains(QStringLiteral("END")));
    EXPECT_TRUE(printedLines[printedLines.size() - 2].endsWith(QStringLiteral("xEND")));
    EXPECT_EQ(printedLines.last().trimmed(), QStringLiteral("次の行"));
}

TEST_F(PrintToPdf, AJobThatCannotBeWrittenFails)
{
    EXPECT_FALSE(
        system.print({ a4, dir.filePath(QStringLiteral("missing/page.pdf")), QStringLiteral("text") }));
}
