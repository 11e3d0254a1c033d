#include "ShiftJisCodec.h"

// First version: ASCII only. Every other byte is kept as a reserved character and every
// non-ASCII character is written as a reference; the code page 932 table follows.
namespace quorlex::ShiftJis {

namespace {

bool isReserved(char16_t c)
{
    return c >= ReservedBase + 0x80 && c <= ReservedBase + 0xFF;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(QChar(u < 0x80 ? char16_t(u) : char16_t(ReservedBase + u)));
    }
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(char(c));
        } else if (isReserved(c)) {
            out.append(char(c - ReservedBase));
        } else {
            char32_t cp = c;
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                cp = QChar::surrogateToUcs4(c, text[++i].unicode());
            out.append("&#" + QByteArray::number(uint(cp)) + ';');
        }
    }
    return out;
}

QList<Unmappable> unmappable(QStringView text, qsizetype limit)
{
    QList<Unmappable> found;
    for (qsizetype i = 0; i < text.size() && found.size() < limit; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || isReserved(c))
            continue;
        char32_t cp = c;
        const qsizetype at = i;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            cp = QChar::surrogateToUcs4(c, text[++i].unicode());
        found.append({at, cp});
    }
    return found;
}

} // namespace quorlex::ShiftJis
