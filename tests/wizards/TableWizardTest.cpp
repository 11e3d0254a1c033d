#include "support/QtPrinters.h"
#include "wizards/TableWizardMarkup.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The start values in lower-case tag mode: thirteen lines.
QString startTable(bool upper)
{
    QString rows
        = QStringLiteral("<TR>\r\n<TH>[タイトル1]</TH><TH>[タイトル2]</TH><TH>[タイトル3]</TH></TR>\r\n");
    for (int i = 1; i <= 3; ++i)
        rows += QStringLiteral(
            "<TR>\r\n\t<TH>[タイトル%1]</TH><TD>[内容%1:1]</TD><TD>[内容%1:2]</TD><TD>[内容%1:3]</TD>\r\n"
            "</TR>\r\n")
                    .arg(i);
    return (upper ? QStringLiteral("<TABLE>") : QStringLiteral("<table>")) + CRLF + rows
        + (upper ? QStringLiteral("</TABLE>") : QStringLiteral("</table>")) + CRLF;
}

struct BuildRow {
    const char* name;
    TableEntries entries;
    bool upper;
    QString expected;
    bool whole = false; // expected is the whole table, not a part of it
};

const BuildRow buildRows[] = {
    { "start-values-lower", {}, false, startTable(false), true },
    { "start-values-upper", {}, true, startTable(true), true },
    { "3d-lower", { .threeD = true }, false, "<table border=0 cellspacing=0 cellpadding=0>\r\n" },
    { "3d-upper", { .threeD = true }, true, "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0>\r\n" },
    { "3d-fraction", { .border = "2.5", .threeD = true }, false, "<table border=2.5 " },
    { "3d-text-is-0", { .border = "abc", .threeD = true }, false, "<table border=0 " },
    { "3d-full-width", { .border = "１２", .threeD = true }, false, "<table border=12 " },
    { "flat-ignores-the-numbers", { .border = "abc", .spacing = "1e999" }, false, startTable(false), true },
    { "caption-as-typed", { .caption = "Prices <B>" }, false,
        "<table>\r\n<caption>Prices <B></caption>\r\n<TR>" },
    { "counts-half-to-even", { .cells = "2.5", .rows = "3.5" }, false, "<TH>[タイトル2]</TH></TR>\r\n<TR>" },
    { "rows-half-to-even", { .cells = "2.5", .rows = "3.5" }, false, "[内容4:2]</TD>\r\n</TR>\r\n</table>" },
    { "no-title-cells", { .cells = "0", .rows = "1" }, true,
        "<TABLE>\r\n<TR>\r\n</TR>\r\n<TR>\r\n\t<TH>[タイトル1]</TH>\r\n</TR>\r\n</TABLE>\r\n", true },
    { "no-rows", { .rows = "-2" }, true,
        "<TABLE>\r\n<TR>\r\n<TH>[タイトル1]</TH><TH>[タイトル2]</TH><TH>[タイトル3]</TH></TR>\r\n</"
        "TABLE>\r\n",
        true },
    { "centred-coloured-row",
        { .cells = "1",
            .rows = "1",
            .centreTitleRow = true,
            .colour = true,
            .colourPlace = ColourPlace::TitleRow,
            .colourValue = "#FFcc00" },
        false,
        "<TR>\r\n<TH ALIGN=CENTER BGCOLOR=#FFcc00>[タイトル1]</TH></TR>\r\n<TR>\r\n\t<TH>[タイトル1]" },
    { "both-coloured",
        { .cells = "1",
            .rows = "1",
            .centreFirstColumn = true,
            .colour = true,
            .colourPlace = ColourPlace::Both,
            .colourValue = "red" },
        false,
        "<TH BGCOLOR=red>[タイトル1]</TH></TR>\r\n<TR>\r\n\t<TH ALIGN=CENTER BGCOLOR=red>[タイトル1]" },
    { "colour-without-place", { .cells = "1", .rows = "1", .colour = true, .colourValue = "red" }, false,
        "<TR>\r\n<TH>[タイトル1]</TH></TR>\r\n<TR>\r\n\t<TH>[タイトル1]</TH><TD>" },
    { "place-without-colour",
        { .cells = "1", .rows = "1", .colourPlace = ColourPlace::FirstColumn, .colourValue = "red" }, false,
        "\t<TH>[タイトル1]</TH><TD>" },
    { "bold-title-cells", { .cells = "1", .rows = "1", .bold = true }, false,
        "<TH><B>[タイトル1]</B></TH></TR>\r\n<TR>\r\n\t<TH><B>[タイトル1]</B></TH><TD>[内容1:1]</TD>" },
};

} // namespace

TEST(TableMarkup, BuildsTheRowsAndCellsFromTheEntries)
{
    for (const BuildRow& row : buildRows) {
        SCOPED_TRACE(row.name);
        const TableMarkup table = buildTableMarkup(row.entries, row.upper);
        ASSERT_EQ(table.failure, TableFailure::None);
        if (row.whole)
            EXPECT_EQ(table.text, row.expected);
        else
            EXPECT_TRUE(table.text.contains(row.expected)) << table.text.toStdString();
    }
}

TEST(TableMarkup, RefusesTablesItCannotBuild)
{
    struct Row {
        const char* name;
        TableEntries entries;
        TableFailure failure;
    };
    const Row rows[] = {
        { "largest", { .cells = "0", .rows = "100000" }, TableFailure::None },
        { "one-cell-too-many", { .cells = "0", .rows = "100001" }, TableFailure::TooManyCells },
        { "wide", { .cells = "316", .rows = "315" }, TableFailure::TooManyCells },
        { "beyond-32-bits", { .rows = "1e12" }, TableFailure::TooManyCells },
        { "beyond-a-double", { .rows = "1e999" }, TableFailure::NumberOutOfRange },
        { "far-below-zero", { .rows = "-5e9" }, TableFailure::NumberOutOfRange },
        { "border-beyond-a-double", { .border = "1e999", .threeD = true }, TableFailure::NumberOutOfRange },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TableMarkup table = buildTableMarkup(row.entries, true);
        EXPECT_EQ(table.failure, row.failure);
        EXPECT_EQ(table.text.isEmpty(), row.failure != TableFailure::None);
    }
}
