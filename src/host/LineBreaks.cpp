#include "host/LineBreaks.h"

#include <array>

namespace quorlex {

SplitText splitLineBreaks(QStringView text)
{
    SplitText out;
    out.joined.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype runStart = 0;
    auto flushRun = [&](qsizetype end) { out.joined.append(text.mid(runStart, end - runStart)); };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n' && c != 0x2029)
            continue;
        flushRun(i);
        out.joined.append(u'\n');
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            out.breaks.push_back(LineBreak::CrLf);
            ++i;
        } else if (c == u'\r') {
            out.breaks.push_back(LineBreak::Cr);
        } else if (c == u'\n') {
            out.breaks.push_back(LineBreak::Lf);
        } else {
            out.breaks.push_back(LineBreak::CrLf);
        }
        runStart = i + 1;
    }
    flushRun(n);
    return out;
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

LineBreak dominantBreak(const std::vector<LineBreak>& breaks)
{
    std::array<std::size_t, 3> counts {};
    for (LineBreak b : breaks)
        ++counts[std::size_t(b)];
    LineBreak best = LineBreak::CrLf;
    for (LineBreak k : { LineBreak::Lf, LineBreak::Cr })
        if (counts[std::size_t(k)] > counts[std::size_t(best)])
            best = k;
    return best;
}

} // namespace quorlex
