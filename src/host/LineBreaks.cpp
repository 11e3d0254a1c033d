#include "host/LineBreaks.h"

#include <algorithm>
#include <array>

namespace quorlex {

qsizetype displayPieceEnd(QStringView text)
{
    const qsizetype limit = std::min(text.size(), DisplayPieceLength);
    const QStringView tail = text.mid(limit - DisplayPieceLength / 4, DisplayPieceLength / 4);
    for (char16_t mark : { u'>', u' ' }) {
        if (const qsizetype at = tail.lastIndexOf(QChar(mark)); at >= 0)
            return limit - DisplayPieceLength / 4 + at + 1;
    }
    if (limit < text.size() && text[limit - 1].isHighSurrogate() && text[limit].isLowSurrogate())
        return limit - 1;
    return limit;
}

namespace {

template <typename View, typename Char> qsizetype countLines(View text, Char lf, Char cr)
{
    qsizetype lines = 1;
    for (qsizetype at = text.indexOf(lf); at >= 0; at = text.indexOf(lf, at + 1))
        ++lines;
    for (qsizetype at = text.indexOf(cr); at >= 0; at = text.indexOf(cr, at + 1)) {
        if (at + 1 == text.size() || text[at + 1] != lf)
            ++lines;
    }
    return lines;
}

} // namespace

qsizetype lineCountOf(QStringView text)
{
    return countLines(text, QChar(u'\n'), QChar(u'\r'));
}

qsizetype lineCountOf(QByteArrayView bytes)
{
    return countLines(bytes, '\n', '\r');
}

QString userBreaksToCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar(0x2028), u'\n');
    text.replace(QChar(0x2029), u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

LineBreak dominantBreakOf(QStringView text)
{
    std::array<qsizetype, 3> counts {};
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || c == 0x2029) {
            ++counts[std::size_t(c == u'\n' ? LineBreak::Lf : LineBreak::CrLf)];
        } else if (c == u'\r') {
            const bool pair = i + 1 < n && text[i + 1] == u'\n';
            ++counts[std::size_t(pair ? LineBreak::CrLf : LineBreak::Cr)];
            i += pair ? 1 : 0;
        }
    }
    LineBreak best = LineBreak::CrLf;
    for (LineBreak k : { LineBreak::Lf, LineBreak::Cr })
        if (counts[std::size_t(k)] > counts[std::size_t(best)])
            best = k;
    return best;
}

} // namespace quorlex
