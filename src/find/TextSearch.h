#pragma once

#include <QString>
#include <QStringView>

namespace quorlex {

// The number of non-overlapping occurrences of part in text, found from the left and compared
// exactly (case, width and kana count); 0 when text or part is empty.
qsizetype CountOccurrences(QStringView text, QStringView part);

// text with every occurrence CountOccurrences counts replaced by replacement; what is put in is
// not searched again. One pass, so a page with many occurrences costs no more than a copy.
QString replaceEvery(QStringView text, QStringView part, QStringView replacement);

// Where a forward search for part starts when the selection begins at selStart and holds
// selected: after the selection when it is part itself (the previous match), at its start
// otherwise, so that a match at the caret or inside another selection is found.
qsizetype searchStartAfter(qsizetype selStart, QStringView selected, QStringView part);

} // namespace quorlex
