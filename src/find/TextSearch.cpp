#include "find/TextSearch.h"

#include <QStringMatcher>

namespace quorlex {

qsizetype CountOccurrences(QStringView text, QStringView part)
{
    if (text.isEmpty() || part.isEmpty())
        return 0;
    const QStringMatcher matcher(part);
    qsizetype count = 0;
    for (qsizetype at = matcher.indexIn(text); at >= 0; at = matcher.indexIn(text, at + part.size()))
        ++count;
    return count;
}

QString replaceEvery(QStringView text, QStringView part, QStringView replacement)
{
    if (part.isEmpty())
        return text.toString();
    const QStringMatcher matcher(part);
    QString out;
    out.reserve(text.size());
    qsizetype done = 0;
    for (qsizetype at = matcher.indexIn(text); at >= 0; at = matcher.indexIn(text, done)) {
        out.append(text.sliced(done, at - done));
        out.append(replacement);
        done = at + part.size();
    }
    out.append(text.sliced(done));
    return out;
}

qsizetype searchStartAfter(qsizetype selStart, QStringView selected, QStringView part)
{
    return selected == part ? selStart + part.size() : selStart;
}

} // namespace quorlex
