#include "preview/PrintLayout.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace quorlex {

namespace {

constexpr int TabWidth = 8;

QString expandTabs(QStringView line)
{
    QString expanded;
    expanded.reserve(line.size());
    for (QChar c : line) {
        if (c == u'\t')
            expanded.append(QString(TabWidth - expanded.size() % TabWidth, u' '));
        else
            expanded.append(c);
    }
    return expanded;
}

// The printed lines of one source line: as many whole characters (grapheme clusters) as fit
// the width, and always at least one so that a very wide character still gets printed.
QStringList wrapLine(const QString& line, qreal pageWidth, const std::function<qreal(QStringView)>& widthOf)
{
    if (widthOf(line) <= pageWidth)
        return { line };
    QStringList pieces;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    qsizetype previous = 0;
    qreal width = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next != -1; next = graphemes.toNextBoundary()) {
        const qreal advance = widthOf(QStringView(line).sliced(previous, next - previous));
        if (width + advance > pageWidth && previous > start) {
            pieces.append(line.sliced(start, previous - start));
            start = previous;
            width = 0;
        }
        width += advance;
        previous = next;
    }
    pieces.append(line.sliced(start));
    return pieces;
}

} // namespace

QList<QStringList> printPages(
    QStringView text, qreal pageWidth, int linesPerPage, const std::function<qreal(QStringView)>& widthOf)
{
    linesPerPage = std::max(linesPerPage, 1);
    QList<QStringList> pages { {} };
    auto addLine = [&](const QString& line) {
        if (pages.last().size() == linesPerPage)
            pages.append(QStringList());
        pages.last().append(line);
    };
    // CR LF, a lone CR and a lone LF each end a line.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        for (const QString& piece : wrapLine(expandTabs(text.sliced(start, end - start)), pageWidth, widthOf))
            addLine(piece);
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return pages;
}

} // namespace quorlex
