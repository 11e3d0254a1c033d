#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace quorlex {

// The source text as it comes out on paper: each line break starts a new line at the left
// edge, a line wider than the page goes on in the next printed line instead of being cut off,
// and a new page begins when the next line would not fit. Tabs advance to the next multiple of
// eight characters. widthOf gives the printed width of a piece of text in the page's units.
// Gives at least one page; a line break at the very end adds no empty line.
QList<QStringList> printPages(
    QStringView text, qreal pageWidth, int linesPerPage, const std::function<qreal(QStringView)>& widthOf);

} // namespace quorlex
