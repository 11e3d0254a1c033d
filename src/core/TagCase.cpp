#include "core/TagCase.h"

namespace quorlex {

namespace {

// Simple (one to one) case mapping per code point, so a text never changes length:
// QString::toLower/toUpper would apply full mappings such as ß -> SS.
template <typename Map> QString mapCodePoints(const QString& s, Map map)
{
    QString result = s;
    qsizetype i = 0;
    while (i < result.size()) {
        const QChar c = result.at(i);
        if (c.isHighSurrogate() && i + 1 < result.size() && result.at(i + 1).isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c, result.at(i + 1)));
            result[i] = QChar::highSurrogate(mapped);
            result[i + 1] = QChar::lowSurrogate(mapped);
            i += 2;
        } else {
            result[i] = QChar(char16_t(map(c.unicode())));
            ++i;
        }
    }
    return result;
}

} // namespace

QString simpleLower(const QString& s)
{
    return mapCodePoints(s, [](char32_t cp) { return QChar::toLower(cp); });
}

QString simpleUpper(const QString& s)
{
    return mapCodePoints(s, [](char32_t cp) { return QChar::toUpper(cp); });
}

QString CaseTag(const QString& s, bool upperCaseTags)
{
    return upperCaseTags ? simpleUpper(s) : simpleLower(s);
}

QString convertForInsertion(const QString& tag, bool noConvert, bool upperCaseTags)
{
    return (noConvert || upperCaseTags) ? tag : simpleLower(tag);
}

} // namespace quorlex
