#pragma once

#include <QString>

namespace quorlex {

// Which title cells get the background colour: the option group Option1 to Option3, or none
// of them selected.
enum class ColourPlace {
    None,
    TitleRow, // Option1 "最前行"
    FirstColumn, // Option2 "最前列"
    Both, // Option3 "すべて"
};

// The table wizard's entries as the user left them; the start values are the dialog's own.
struct TableEntries {
    QString caption {}; // Text3 "表のタイトル"
    QString border = QStringLiteral("0"); // Text6 "高さ"
    QString cells = QStringLiteral("3"); // Text4 "縦": N, the title row's cells and each row's content cells
    QString rows = QStringLiteral("3"); // Text5 "横": M, the content rows
    QString spacing = QStringLiteral("0"); // Text1 "マスとマスの間の数"
    QString padding = QStringLiteral("0"); // Text2 "マスのゆとり"
    bool threeD = false; // Check1 "表を立体にする": writes border, spacing and padding
    bool centreTitleRow = false; // Check2
    bool centreFirstColumn = false; // Check3
    bool bold = false; // Check4 "太字にする": the title cells' texts in <B>
    bool colour = false; // Check5 "背景色を指定する"
    ColourPlace colourPlace = ColourPlace::None;
    QString colourValue {}; // Text7 "色", written as typed
};

// Why a table was not built: a number the program cannot hold (too large for a double, or a
// count beyond the 32-bit range), or more cells than a page can sensibly hold.
enum class TableFailure { None, NumberOutOfRange, TooManyCells };

// The largest table the wizard builds, counted in cells (title cells included).
inline constexpr qint64 MaxTableCells = 100000;

struct TableMarkup {
    QString text;
    TableFailure failure = TableFailure::None;
};

// The table the wizard inserts: the table tag (with border, spacing and padding when threeD),
// the caption, a title row of N cells and M content rows of a title cell and N content cells,
// numbered placeholders in each. Only the table and caption tags follow the tag case.
TableMarkup buildTableMarkup(const TableEntries& entries, bool upperCaseTags);

} // namespace quorlex
