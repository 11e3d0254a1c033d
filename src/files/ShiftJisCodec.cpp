#include "files/ShiftJisCodec.h"

#include "files/ShiftJisTable.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define QUORLEX_SHIFTJIS_SSE2 1
#endif

namespace quorlex::ShiftJis {

using namespace detail;

namespace {

constexpr char16_t reservedFor(unsigned char b)
{
    return char16_t(ReservedBase + b);
}

constexpr bool isHalfWidthKatakana(unsigned char b)
{
    return b >= 0xA1 && b <= 0xDF;
}

constexpr bool isTrail(int b)
{
    return b >= TrailFirst && b <= TrailLast;
}

bool isAssignedPair(unsigned char lead, int trail)
{
    return PairTable[leadRow(lead)][trail - TrailFirst] != 0;
}

// The bytes of every BMP character: 0 for none, below 0x100 one byte, otherwise a lead/trail pair.
// ASCII is handled before the table is consulted.
struct EncodeTable {
    uint16_t code[0x10000] = {};
};

std::unique_ptr<const EncodeTable> buildEncodeTable()
{
    auto table = std::make_unique<EncodeTable>();
    for (unsigned b = 0xA1; b <= 0xDF; ++b)
        table->code[0xFF61 + (b - 0xA1)] = uint16_t(b);
    const uint16_t* nonPreferredEnd = NonPreferredPairs + NonPreferredPairCount;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(uchar(lead)))
            continue;
        for (int t = 0; t < TrailCount; ++t) {
            const char16_t c = PairTable[leadRow(uchar(lead))][t];
            const auto pair = uint16_t(lead << 8 | (TrailFirst + t));
            if (c != 0 && !std::binary_search(NonPreferredPairs, nonPreferredEnd, pair))
                table->code[c] = pair;
        }
    }
    return table;
}

const uint16_t* encodeTable()
{
    static const std::unique_ptr<const EncodeTable> table = buildEncodeTable();
    return table->code;
}

// Markup is mostly ASCII, so both directions copy ASCII runs sixteen at a time. Each returns the
// length of the ASCII prefix of in[0..n) and may write up to n units past out, not only the prefix.
qsizetype widenAscii(const unsigned char* in, qsizetype n, char16_t* out)
{
    qsizetype i = 0;
#ifdef QUORLEX_SHIFTJIS_SSE2
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(v, zero));
        if (const int nonAscii = _mm_movemask_epi8(v))
            return i + std::countr_zero(unsigned(nonAscii));
    }
#endif
    for (; i < n && in[i] < 0x80; ++i)
        out[i] = in[i];
    return i;
}

qsizetype narrowAscii(const char16_t* in, qsizetype n, char* out)
{
    qsizetype i = 0;
#ifdef QUORLEX_SHIFTJIS_SSE2
    // Adding 0x7F80 with saturation sets the top bit of exactly the units from 0x80 up.
    const __m128i bias = _mm_set1_epi16(0x7F80);
    for (; i + 16 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(a, b));
        const __m128i high = _mm_packs_epi16(_mm_adds_epu16(a, bias), _mm_adds_epu16(b, bias));
        if (const int nonAscii = _mm_movemask_epi8(high))
            return i + std::countr_zero(unsigned(nonAscii));
    }
#endif
    for (; i < n && in[i] < 0x80; ++i)
        out[i] = char(in[i]);
    return i;
}

// The code point starting at text[i], a whole surrogate pair when there is one.
char32_t codePointAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i + 1].unicode());
    return c;
}

// The first byte encode() writes for a character that is not a kept byte.
int firstByteOf(char16_t c, const uint16_t* table)
{
    if (c < 0x80)
        return c;
    const uint16_t code = table[c];
    if (code == 0)
        return '&';
    return code >= 0x100 ? code >> 8 : code;
}

// How a kept byte is written where reading meets it at the start of a character. Reading must
// keep it again: a lead byte must not pair with the byte written after it, and a half-width
// katakana byte on its own reads as katakana.
enum class KeptForm {
    Raw, // the byte alone
    RawPair, // the byte and the kept byte after it, an unassigned pair read as two kept bytes
    RawThenReference, // the byte, then a reference for the kept byte after it that would pair with it
    Reference, // "&#65533;": its byte would be read as, or as part of, another character
};

KeptForm keptForm(QStringView text, qsizetype i, const uint16_t* table)
{
    const auto b = uchar(keptByte(text[i].unicode()));
    if (isHalfWidthKatakana(b))
        return KeptForm::Reference;
    if (!isLead(b) || i + 1 == text.size())
        return KeptForm::Raw;
    const char16_t next = text[i + 1].unicode();
    if (const int n = keptByte(next); n >= 0) {
        if (!isTrail(n))
            return KeptForm::Raw;
        return isAssignedPair(b, n) ? KeptForm::RawThenReference : KeptForm::RawPair;
    }
    // An unassigned pair with an ASCII second byte reads as the kept lead and that character.
    const int f = firstByteOf(next, table);
    if (!isTrail(f) || (f < 0x80 && !isAssignedPair(b, f)))
        return KeptForm::Raw;
    return KeptForm::Reference;
}

// Appends bytes to a QByteArray through a raw pointer, growing it on demand.
class ByteWriter {
public:
    explicit ByteWriter(qsizetype expected)
        : m_bytes(expected, Qt::Uninitialized)
        , m_pos(m_bytes.data())
        , m_end(m_pos + m_bytes.size())
    {
    }

    // Makes room for at least n more bytes and returns where they go.
    char* room(qsizetype n)
    {
        if (m_end - m_pos < n) {
            const qsizetype used = m_pos - m_bytes.data();
            m_bytes.resize(std::max(used + n, m_bytes.size() * 3 / 2 + 64));
            m_pos = m_bytes.data() + used;
            m_end = m_bytes.data() + m_bytes.size();
        }
        return m_pos;
    }

    void advance(qsizetype n) { m_pos += n; }

    QByteArray take()
    {
        m_bytes.truncate(m_pos - m_bytes.data());
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    char* m_pos;
    char* m_end;
};

void writeReference(ByteWriter& out, char32_t codePoint)
{
    // "&#1114111;" is the longest reference.
    char* const start = out.room(10);
    char digits[8];
    int count = 0;
    do {
        digits[count++] = char('0' + codePoint % 10);
        codePoint /= 10;
    } while (codePoint != 0);
    char* p = start;
    *p++ = '&';
    *p++ = '#';
    while (count > 0)
        *p++ = digits[--count];
    *p++ = ';';
    out.advance(p - start);
}

} // namespace

QString decode(QByteArrayView bytes)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    // Every byte gives at most one UTF-16 code unit.
    QString text(size, Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* out = begin;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype ascii = widenAscii(in + i, size - i, out);
        out += ascii;
        i += ascii;
        while (i < size && in[i] >= 0x80) {
            const unsigned char b = in[i];
            if (isHalfWidthKatakana(b)) {
                *out++ = char16_t(0xFF61 + (b - 0xA1));
                ++i;
                continue;
            }
            if (isLead(b) && i + 1 < size) {
                const unsigned char t = in[i + 1];
                if (t >= TrailFirst && t <= TrailLast) {
                    if (const char16_t c = PairTable[leadRow(b)][t - TrailFirst]) {
                        *out++ = c;
                        i += 2;
                        continue;
                    }
                    // An unassigned pair keeps both bytes; an ASCII second byte is read as itself.
                    if (t >= 0x80) {
                        *out++ = reservedFor(b);
                        *out++ = reservedFor(t);
                        i += 2;
                        continue;
                    }
                }
            }
            *out++ = reservedFor(b);
            ++i;
        }
    }
    text.truncate(out - begin);
    return text;
}

QByteArray encode(QStringView text)
{
    const uint16_t* table = encodeTable();
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    // Japanese text needs two bytes a character; markup needs one.
    ByteWriter out(size + size / 4 + 16);
    qsizetype i = 0;
    while (i < size) {
        const qsizetype ascii = narrowAscii(in + i, size - i, out.room(size - i));
        out.advance(ascii);
        i += ascii;
        while (i < size && in[i] >= 0x80) {
            const char16_t c = in[i];
            const uint16_t code = table[c];
            char* p = out.room(2);
            if (const int kept = keptByte(c); kept >= 0) {
                const KeptForm form = keptForm(text, i, table);
                if (form == KeptForm::Reference) {
                    writeReference(out, KeptByteReplacement);
                    ++i;
                    continue;
                }
                p[0] = char(kept);
                out.advance(1);
                ++i;
                if (form == KeptForm::RawPair) {
                    p[1] = char(keptByte(in[i]));
                    out.advance(1);
                    ++i;
                } else if (form == KeptForm::RawThenReference) {
                    writeReference(out, KeptByteReplacement);
                    ++i;
                }
            } else if (code >= 0x100) {
                p[0] = char(code >> 8);
                p[1] = char(code & 0xFF);
                out.advance(2);
                ++i;
            } else if (code != 0) {
                p[0] = char(code);
                out.advance(1);
                ++i;
            } else {
                const char32_t codePoint = codePointAt(text, i);
                writeReference(out, codePoint);
                i += QChar::requiresSurrogates(codePoint) ? 2 : 1;
            }
        }
    }
    return out.take();
}

QList<Unmappable> unmappable(QStringView text, qsizetype limit)
{
    const uint16_t* table = encodeTable();
    QList<Unmappable> found;
    for (qsizetype i = 0; i < text.size() && found.size() < limit; ++i) {
        const char16_t c = text[i].unicode();
        if (keptByte(c) >= 0) {
            switch (keptForm(text, i, table)) {
            case KeptForm::Raw:
                break;
            case KeptForm::RawPair:
                ++i;
                break;
            case KeptForm::RawThenReference:
                ++i;
                found.append({ i, text[i].unicode() });
                break;
            case KeptForm::Reference:
                found.append({ i, c });
                break;
            }
            continue;
        }
        if (c < 0x80 || table[c] != 0)
            continue;
        const char32_t codePoint = codePointAt(text, i);
        found.append({ i, codePoint });
        if (QChar::requiresSurrogates(codePoint))
            ++i;
    }
    return found;
}

} // namespace quorlex::ShiftJis
